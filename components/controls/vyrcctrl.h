// The windowed root of the library's controls, and the messages the
// controls send one another. The window-less root and everything built on
// both live in vyrctrl, which includes this unit (never the reverse).
//
// Every control can show an item of an image list, tells of the mouse
// coming and going, repaints through one change hook, and, when
// transparent, paints the piece of an ancestor's background bitmap that
// lies behind it (the background chain: BackBitmapCheck, BackBitmap,
// BackMapPoint, BackDrawArea).
#pragma once

#include "customcontrol.h"
#include "vyrcctrl_imagelink.h"
#include "unitstartup.h"

class TBitmap;

namespace Vyrcctrl {

// After CM_BASE + 205: the class library's own end well below.
constexpr UINT CM_TRANSPARENTCHANGED = CM_BASE + 205;
// A background bitmap changed: transparent children repaint.
constexpr UINT CM_VYRBACKCHANGED = CM_BASE + 206;
// Posted after the focus came or went, so the events see the new state.
constexpr UINT CM_VYRAFTERENTER = CM_BASE + 207;
constexpr UINT CM_VYRAFTEREXIT = CM_BASE + 208;
// Performed by every Bevel setter after the bevel was assigned.
constexpr UINT CM_VYRBEVELCHANGED = CM_BASE + 209;

class TVyrCustomControl : public TCustomControl {
  MORVANT_PUBLISHED(TVyrCustomControl, TCustomControl)
 public:
  explicit TVyrCustomControl(TComponent* AOwner);
  ~TVyrCustomControl() override;

  bool GetMouseAbove() const { return mouseAbove_; }
  void SetMouseAbove() { mouseAbove_ = true; }
  bool GetFlat() const { return flat_; }
  void SetFlat(bool Value);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);

  TVyrImageLink& GetImageLink() { return imageLink_; }
  Vyrcont::TVyrCustomImageList* GetImageList() const { return imageLink_.GetImageList(); }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value) { imageLink_.SetImageList(Value); }
  int GetImageIndex() const { return imageLink_.GetImageIndex(); }
  void SetImageIndex(int Value) { imageLink_.SetIndex(0, Value); }
  int GetListIndex() const { return imageLink_.GetListIndex(); }
  void SetListIndex(int Value) { imageLink_.SetIndex(1, Value); }
  bool IMLEmpty() const { return imageLink_.IMLEmpty(); }

  // ---- the background chain ----
  virtual bool CheckOptimized();
  virtual TBitmap* BackBitmap() { return nullptr; }
  // A background is reachable from here.
  virtual bool BackBitmapCheck() { return false; }
  // Copies the part of the provider's bitmap behind Rect onto Canvas;
  // Point is the requesting child's top-left corner. True when it painted.
  virtual bool BackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point, int Flags);
  // A point of this control's client area in the provider's coordinates.
  virtual TPoint BackMapPoint(const TPoint& P) { return P; }
  // The palette to select before copying from the background; 0 for none.
  virtual HPALETTE BackBitmapPalette();

  virtual void GetChange(TObject* Sender);
  virtual void GetIMLChange(TObject* Sender) { GetChange(Sender); }
  virtual bool GetEmpty() { return true; }

  void GetScreenRect(TRect& Rect) const;
  void InvalidateFrame();

  TNotifyEvent OnAfterEnter;
  TNotifyEvent OnAfterExit;
  TNotifyEvent OnMouseExit;
  // OnMouseEnter is the class library's.

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void WMEraseBkgnd(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

  virtual void FillControl();
  virtual void MouseEnter();
  virtual void MouseExit();
  // The cold look of a flat control: its border given back to the
  // background. The hot look: the border drawn.
  virtual void RestoreBorderBack();
  virtual void RestoreBorderFront();
  virtual void WMSize(TMessage& Message);
  virtual void WMMove(TMessage& Message);
  virtual void CMVyrBackChanged(TMessage& Message);
  // One rect of the own background, from the chain or in Color.
  void RepBack(const TRect& Rect);
  // Transparent with no background bitmap to copy: the parent's own erase
  // and painting behind Rect (client coordinates of this control) go onto
  // Canvas, which may be a buffer laid over the client area. True when
  // painted; False for an opaque or optimized control, or without a window.
  bool PaintParentBack(TCanvas* Canvas, const TRect& Rect);
  // Shows the parent through itself.
  bool ShowsParent() { return transparent_ && !CheckOptimized(); }
  void DrawDashedFrame();
  bool GetFocusFlag() const { return focusFlag_; }
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }
  // Set by the parent panel; GetChange repaints only while it is set.
  void SetRepaintOnChange(bool Value) { repaintOnChange_ = Value; }

 private:
  // The window-frame looks of RestoreBorderFront and -Back for bmWindows
  // and for the plain control: drawn into the window DC over the border.
  void PaintHotBorder();
  void PaintColdBorder();

  bool mouseAbove_ = false;
  bool focusFlag_ = false;
  bool flat_ = false;
  bool transparent_ = false;
  bool repaintOnChange_ = true;
  TVyrImageLink imageLink_;
};

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrcctrl", &Initialize, &Finalize};

}  // namespace Vyrcctrl
