// TCanvas: the class library's drawing surface over a device context. The
// pen, brush and font are selected into the DC before each operation, so a
// change to them shows in the next one. Handle may be set to adopt a DC that
// someone else owns (and frees) and to 0 to let go of it; a canvas without a
// DC asks CreateHandle for one, which derived canvases (bitmaps, controls)
// override.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <span>

#include "brush_class.h"
#include "font_class.h"
#include "pen_class.h"
#include "rect.h"
#include "rop.h"

struct DeviceContext;

class TGraphic;
class TBitmap;

// CopyRect's raster operation: a ternary code of the blits.
using TCopyMode = LongInt;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

enum TFillStyle { fsSurface, fsBorder };

class TCanvas : public TPersistent {
  MORVANT_CLASS(TCanvas, TPersistent)
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC GetHandle();
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return handle_ != nullptr; }

  TPen* GetPen() const { return pen_.get(); }
  void SetPen(TPen* Value) { pen_->Assign(Value); }
  TBrush* GetBrush() const { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  TFont* GetFont() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TCopyMode GetCopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
  TPoint GetPenPos();
  void SetPenPos(const TPoint& Value) { MoveTo(Value.x, Value.y); }
  // The bounds of the DC's clip.
  TRect GetClipRect();
  // CLR_INVALID (-1) outside the drawing target.
  TColor GetPixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);

  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Copies Source of Bitmap to Dest with the pixels of Color replaced by the
  // brush.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& Rect) { Rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& Rect) { Ellipse(Rect.left, Rect.top, Rect.right, Rect.bottom); }
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Polygon(std::span<const TPoint> Points);
  void Polygon(std::initializer_list<TPoint> Points) { Polygon(std::span(Points.begin(), Points.size())); }
  void Polyline(std::span<const TPoint> Points);
  void Polyline(std::initializer_list<TPoint> Points) { Polyline(std::span(Points.begin(), Points.size())); }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  // Draws at (X, Y) and moves the pen position past the text.
  void TextOut(int X, int Y, const AnsiString& Text);
  // Draws clipped to Rect, filling it first unless the brush is clear.
  void TextRect(const TRect& Rect, int X, int Y, const AnsiString& Text);
  TSize TextExtent(const AnsiString& Text);
  int TextWidth(const AnsiString& Text) { return TextExtent(Text).cx; }
  int TextHeight(const AnsiString& Text) { return TextExtent(Text).cy; }
  void DrawFocusRect(const TRect& Rect);
  // fsSurface fills the area of Color's pixels around (X, Y), fsBorder the
  // area bounded by Color; in the brush, within the clip.
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);
  // Deselects the objects; the next operation selects them anew.
  void Refresh();

  // Serialises drawing from several threads.
  void Lock();
  void Unlock();
  bool TryLock();
  int GetLockCount() const { return lockCount_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changing();
  virtual void Changed();
  // Supplies a DC when drawing starts without one; the plain canvas has
  // none to give and raises EInvalidOperation.
  virtual void CreateHandle();
  // Ensures a DC and selects the objects and their colours into it; the
  // DC behind the handle, so that a caller need not look it up again (null
  // for a handle that is no DC).
  void RequireHandle();
  DeviceContext* RequireObjects();
  // Puts the DC's original objects back before the canvas lets go of it.
  void DeselectObjects();

  HDC handle_ = nullptr;

 private:
  void ObjectChanged(TObject* Sender);

  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TCopyMode copyMode_ = cmSrcCopy;
  bool selected_ = false;
  HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
  // What RequireObjects put into the DC last, and the DC's selection stamp
  // right after: while both hold, there is nothing to select.
  struct Realised {
    HGDIOBJ pen = nullptr, brush = nullptr, font = nullptr;
    int rop2 = 0;
    COLORREF textColor = 0, bkColor = 0;
    int bkMode = 0;
    bool operator==(const Realised&) const = default;
  };
  Realised realised_;
  std::uint64_t realisedStamp_ = 0;
  std::recursive_mutex lock_;
  int lockCount_ = 0;

};
