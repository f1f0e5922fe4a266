#include "canvas.h"

#include <vector>

#include "bitmap_class.h"
#include "blit.h"
#include "blit_internal.h"
#include "dc.h"
#include "exceptions.h"
#include "fill.h"
#include "font.h"
#include "gdiobj.h"
#include "graphic.h"
#include "rgn.h"
#include "shapes.h"
#include "text.h"

TCanvas::TCanvas() : font_(new TFont), pen_(new TPen), brush_(new TBrush) {
  font_->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
  pen_->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
  brush_->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
}

HDC TCanvas::GetHandle() {
  RequireObjects();
  return handle_;
}

void TCanvas::SetHandle(HDC Value) {
  if (Value == handle_) return;
  if (handle_) DeselectObjects();
  handle_ = Value;
}

void TCanvas::CreateHandle() { throw EInvalidOperation("Canvas does not allow drawing"); }

void TCanvas::RequireHandle() {
  if (!handle_) CreateHandle();
  if (!handle_) throw EInvalidOperation("Canvas does not allow drawing");
}

DeviceContext* TCanvas::RequireObjects() {
  if (!handle_) RequireHandle();
  // Select again whenever anything may differ: the objects' handles may have
  // been replaced, and a foreign DC may have had others selected behind the
  // canvas's back (which moves the DC's selection stamp).
  const Realised wanted{pen_->GetHandle(),
                        brush_->GetHandle(),
                        font_->GetHandle(),
                        pen_->Rop2(),
                        static_cast<COLORREF>(ColorToRGB(font_->GetColor())),
                        static_cast<COLORREF>(ColorToRGB(brush_->GetColor())),
                        brush_->GetStyle() == bsSolid ? OPAQUE : TRANSPARENT};
  DeviceContext* dc = ResolveDC(handle_);
  if (selected_ && dc && dc->selectionStamp == realisedStamp_ && wanted == realised_) return dc;
  HGDIOBJ pen = SelectObject(handle_, wanted.pen);
  HGDIOBJ brush = SelectObject(handle_, wanted.brush);
  HGDIOBJ font = SelectObject(handle_, wanted.font);
  if (!selected_) {
    oldPen_ = pen, oldBrush_ = brush, oldFont_ = font;
    selected_ = true;
  }
  SetROP2(handle_, wanted.rop2);
  SetTextColor(handle_, wanted.textColor);
  SetBkColor(handle_, wanted.bkColor);
  SetBkMode(handle_, wanted.bkMode);
  realised_ = wanted;
  realisedStamp_ = dc ? dc->selectionStamp : 0;
  return dc;
}

void TCanvas::DeselectObjects() {
  if (!selected_ || !handle_) return;
  if (oldPen_) SelectObject(handle_, oldPen_);
  if (oldBrush_) SelectObject(handle_, oldBrush_);
  if (oldFont_) SelectObject(handle_, oldFont_);
  oldPen_ = oldBrush_ = oldFont_ = nullptr;
  selected_ = false;
}

void TCanvas::Refresh() { DeselectObjects(); }

void TCanvas::ObjectChanged(TObject*) {
  // The next operation selects the new handle; the old one stays alive in
  // the DC until then.
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TPoint TCanvas::GetPenPos() {
  RequireHandle();
  POINT p;
  GetCurrentPositionEx(handle_, &p);
  return TPoint(p);
}

TRect TCanvas::GetClipRect() {
  RequireHandle();
  RECT r;
  GetClipBox(handle_, &r);
  return TRect(r);
}

TColor TCanvas::GetPixels(int X, int Y) {
  RequireHandle();
  const COLORREF c = GetPixel(handle_, X, Y);
  return c == CLR_INVALID ? -1 : static_cast<TColor>(c);
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  Changing();
  RequireHandle();
  SetPixel(handle_, X, Y, static_cast<COLORREF>(ColorToRGB(Value)));
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  Changing();
  // Both DCs resolved once, by their canvases' own set-up, rather than in
  // every layer below; the source's set-up making a DC may have let go of
  // this canvas's own only if its handle changed.
  DeviceContext* dst = RequireObjects();
  const HDC mine = handle_;
  DeviceContext* src = Canvas->RequireObjects();
  if (handle_ != mine) dst = ResolveDC(handle_);
  RecordedCall record(dst, "StretchBlt",
                      {Dest.left, Dest.top, Dest.Width(), Dest.Height(), Source.left, Source.top, Source.Width(),
                       Source.Height(), static_cast<long long>(copyMode_)});
  const DWORD rop = static_cast<DWORD>(copyMode_);
  if (dst)
    StretchBltDC(*dst, Rop3UsesSource(Rop3Index(rop)) ? src : nullptr, Dest.left, Dest.top, Dest.Width(),
                 Dest.Height(), Source.left, Source.top, Source.Width(), Source.Height(), rop);
  Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  Changing();
  RequireObjects();
  Graphic->Draw(this, Bounds(X, Y, Graphic->GetWidth(), Graphic->GetHeight()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  Changing();
  RequireObjects();
  Graphic->Draw(this, Rect);
  Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  if (!Bitmap || Bitmap->GetEmpty()) return;
  Changing();
  RequireObjects();
  const int w = Dest.Width(), h = Dest.Height();
  // The source at the destination's size, and a mask of it: 1 where Color.
  TBitmap image;
  image.SetSize(w, h);
  image.GetCanvas()->CopyRect(Rect(0, 0, w, h), Bitmap->GetCanvas(), Source);
  TBitmap mask;
  mask.SetMonochrome(true);
  mask.SetSize(w, h);
  HDC imageDC = image.GetCanvas()->GetHandle();
  SetBkColor(imageDC, static_cast<COLORREF>(ColorToRGB(Color)));
  BitBlt(mask.GetCanvas()->GetHandle(), 0, 0, w, h, imageDC, 0, 0, SRCCOPY);
  HDC maskDC = mask.GetCanvas()->GetHandle();

  // Image, then black where the mask is 1, then the brush OR'ed in there.
  const COLORREF text = GetTextColor(handle_), back = GetBkColor(handle_);
  BitBlt(handle_, Dest.left, Dest.top, w, h, imageDC, 0, 0, SRCCOPY);
  SetTextColor(handle_, 0xFFFFFF), SetBkColor(handle_, 0);
  BitBlt(handle_, Dest.left, Dest.top, w, h, maskDC, 0, 0, SRCAND);
  SetTextColor(handle_, 0), SetBkColor(handle_, 0xFFFFFF);
  constexpr DWORD kDestOrPatternAndSource = 0x00EA02E9;
  BitBlt(handle_, Dest.left, Dest.top, w, h, maskDC, 0, 0, kDestOrPatternAndSource);
  SetTextColor(handle_, text), SetBkColor(handle_, back);
  Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
  Changing();
  RequireObjects();
  ::FillRect(handle_, &Rect, brush_->GetHandle());
  Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
  Changing();
  RequireObjects();
  ::FrameRect(handle_, &Rect, brush_->GetHandle());
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequireObjects();
  ::Rectangle(handle_, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Changing();
  RequireObjects();
  ::RoundRect(handle_, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequireObjects();
  ::Ellipse(handle_, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  Changing();
  RequireObjects();
  ::Arc(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  Changing();
  RequireObjects();
  ::Chord(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  Changing();
  RequireObjects();
  ::Pie(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  Changing();
  RequireObjects();
  ::Polygon(handle_, Points.data(), static_cast<int>(Points.size()));
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  Changing();
  RequireObjects();
  ::Polyline(handle_, Points.data(), static_cast<int>(Points.size()));
  Changed();
}

void TCanvas::MoveTo(int X, int Y) {
  RequireHandle();
  MoveToEx(handle_, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Changing();
  RequireObjects();
  ::LineTo(handle_, X, Y);
  Changed();
}

void TCanvas::TextOut(int X, int Y, const AnsiString& Text) {
  Changing();
  RequireObjects();
  ExtTextOut(handle_, X, Y, 0, nullptr, Text.c_str(), static_cast<UINT>(Text.Length()), nullptr);
  MoveTo(X + TextWidth(Text), Y);
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const AnsiString& Text) {
  Changing();
  RequireObjects();
  const UINT options = ETO_CLIPPED | (brush_->GetStyle() != bsClear ? ETO_OPAQUE : 0);
  ExtTextOut(handle_, X, Y, options, &Rect, Text.c_str(), static_cast<UINT>(Text.Length()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const AnsiString& Text) {
  RequireObjects();
  SIZE size;
  GetTextExtentPoint32(handle_, Text.c_str(), Text.Length(), &size);
  return TSize(size);
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  Changing();
  RequireObjects();
  ::DrawFocusRect(handle_, &Rect);
  Changed();
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  Changing();
  RequireObjects();
  // Scan-line fill over the pixels as GetPixel reads them; the area is
  // marked first, then filled in the brush, so that a brush colour equal to
  // the surface colour cannot loop.
  const TRect clip = GetClipRect();
  const COLORREF colour = static_cast<COLORREF>(ColorToRGB(Color)) & 0xFFFFFF;
  auto inside = [&](int x, int y) {
    const COLORREF c = GetPixel(handle_, x, y);
    if (c == CLR_INVALID) return false;
    return FillStyle == fsSurface ? (c & 0xFFFFFF) == colour : (c & 0xFFFFFF) != colour;
  };
  if (clip.Width() <= 0 || clip.Height() <= 0 || !inside(X, Y)) {
    Changed();
    return;
  }
  const int w = clip.Width();
  std::vector<bool> marked(static_cast<std::size_t>(w) * clip.Height());
  auto isMarked = [&](int x, int y) { return marked[static_cast<std::size_t>(y - clip.top) * w + (x - clip.left)]; };
  std::vector<TPoint> todo{TPoint(X, Y)};
  while (!todo.empty()) {
    const TPoint p = todo.back();
    todo.pop_back();
    if (p.x < clip.left || p.x >= clip.right || p.y < clip.top || p.y >= clip.bottom) continue;
    if (isMarked(p.x, p.y) || !inside(p.x, p.y)) continue;
    int left = p.x, right = p.x;
    while (left > clip.left && !isMarked(left - 1, p.y) && inside(left - 1, p.y)) --left;
    while (right + 1 < clip.right && !isMarked(right + 1, p.y) && inside(right + 1, p.y)) ++right;
    for (int x = left; x <= right; ++x) {
      marked[static_cast<std::size_t>(p.y - clip.top) * w + (x - clip.left)] = true;
      todo.push_back(TPoint(x, p.y - 1));
      todo.push_back(TPoint(x, p.y + 1));
    }
  }
  HBRUSH brush = brush_->GetHandle();
  for (int y = clip.top; y < clip.bottom; ++y)
    for (int x = clip.left; x < clip.right;) {
      if (!isMarked(x, y)) {
        ++x;
        continue;
      }
      int end = x;
      while (end < clip.right && isMarked(end, y)) ++end;
      const TRect run(x, y, end, y + 1);
      ::FillRect(handle_, &run, brush);
      x = end;
    }
  Changed();
}

void TCanvas::Lock() {
  lock_.lock();
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  lock_.unlock();
}

bool TCanvas::TryLock() {
  if (!lock_.try_lock()) return false;
  ++lockCount_;
  return true;
}
