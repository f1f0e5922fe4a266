#include "vyrcctrl.h"

#include "brush.h"
#include "colors.h"
#include "dc.h"
#include "drawedge.h"
#include "fill.h"
#include "gdiobj.h"
#include "message_queue.h"
#include "paint.h"
#include "pen.h"
#include "syscolors.h"
#include "window.h"
#include "window_pos.h"

namespace Vyrcctrl {

void TVyrCustomControl::Publish(TPublisher<TVyrCustomControl>&) {}

TVyrCustomControl::TVyrCustomControl(TComponent* AOwner)
    : TCustomControl(AOwner), imageLink_(this, [this](TObject* Sender) { GetIMLChange(Sender); }) {
  SetBounds(left_, top_, 100, 40);
  SetTabStop(false);
}

TVyrCustomControl::~TVyrCustomControl() = default;

void TVyrCustomControl::SetFlat(bool Value) {
  if (flat_ == Value) return;
  flat_ = Value;
  if (Value)
    RestoreBorderBack();
  else
    RestoreBorderFront();
}

void TVyrCustomControl::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  if (Value)
    controlStyle_.Exclude(csOpaque);
  else
    controlStyle_.Include(csOpaque);
  RecreateWnd();
}

bool TVyrCustomControl::CheckOptimized() { return transparent_ && BackBitmapCheck(); }

bool TVyrCustomControl::BackDrawArea(TCanvas*, const TRect&, const TPoint&, int) { return false; }

HPALETTE TVyrCustomControl::BackBitmapPalette() {
  // The bitmaps of this library keep no palette of their own.
  return nullptr;
}

void TVyrCustomControl::GetChange(TObject*) {
  if (repaintOnChange_) Invalidate();
}

void TVyrCustomControl::GetScreenRect(TRect& Rect) const {
  const TPoint topLeft = ClientToScreen(TPoint(Rect.left, Rect.top));
  const TPoint bottomRight = ClientToScreen(TPoint(Rect.right, Rect.bottom));
  Rect = TRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

void TVyrCustomControl::InvalidateFrame() {
  if (!GetParent() || !GetParent()->HandleAllocated()) return;
  const TRect bounds = GetBoundsRect();
  InvalidateRect(GetParent()->GetHandle(), &bounds, TRUE);
}

void TVyrCustomControl::DefineProperties(TFiler* Filer) {
  TCustomControl::DefineProperties(Filer);
  imageLink_.DefineInternal(Filer);
}

void TVyrCustomControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove) imageLink_.Removed(AComponent);
}

void TVyrCustomControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  Params.WindowClass.style &= ~(CS_VREDRAW | CS_HREDRAW);
}

void TVyrCustomControl::Paint() {
  if (Loading()) return;
  FillControl();
  if (!Designing())
    RestoreBorderBack();
  else if (GetEmpty())
    DrawDashedFrame();
}

void TVyrCustomControl::FillControl() { RepBack(GetClientRect()); }

void TVyrCustomControl::RepBack(const TRect& Rect) {
  TCanvas* canvas = GetCanvas();
  if (CheckOptimized() && BackDrawArea(canvas, Rect, TPoint(left_ + Rect.left, top_ + Rect.top), 0)) return;
  if (PaintParentBack(canvas, Rect)) return;
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(Rect);
}

bool TVyrCustomControl::PaintParentBack(TCanvas* Canvas, const TRect& Rect) {
  if (!ShowsParent() || !HandleAllocated()) return false;
  const RECT r = Rect;
  return DrawThemeParentBackground(GetHandle(), Canvas->GetHandle(), &r) != FALSE;
}

void TVyrCustomControl::DrawDashedFrame() {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clBlack);
  canvas->GetPen()->SetWidth(1);
  canvas->GetPen()->SetStyle(psDash);
  canvas->GetPen()->SetMode(pmCopy);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, width_, height_);
}

void TVyrCustomControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
  mouseAbove_ = true;
}

void TVyrCustomControl::MouseExit() {
  mouseAbove_ = false;
  if (!focusFlag_) RestoreBorderBack();
  if (OnMouseExit) OnMouseExit(this);
}

void TVyrCustomControl::DoEnter() {
  TCustomControl::DoEnter();
  focusFlag_ = true;
  if (flat_) RestoreBorderFront();
}

void TVyrCustomControl::DoExit() {
  focusFlag_ = false;
  RestoreBorderBack();
  TCustomControl::DoExit();
}

void TVyrCustomControl::RestoreBorderFront() { PaintHotBorder(); }

void TVyrCustomControl::RestoreBorderBack() {
  if (Focused() || !flat_ || mouseAbove_) return;
  PaintColdBorder();
}

namespace {

// The window rect moved to 0,0: the whole window, border included.
TRect WindowRectAtOrigin(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  return TRect(0, 0, r.right - r.left, r.bottom - r.top);
}

}  // namespace

void TVyrCustomControl::PaintHotBorder() {
  if (!HandleAllocated()) return;
  HWND window = GetHandle();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  HBRUSH windowBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
  HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
  RECT r = WindowRectAtOrigin(window);
  if (GetCtl3D()) {
    ++r.left;
    ++r.top;
    FrameRect(dc, &r, frame);
    OffsetRect(&r, -1, -1);
    FrameRect(dc, &r, face);
    ++r.right;
    ++r.bottom;
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  } else {
    FrameRect(dc, &r, frame);
  }
  ReleaseDC(window, dc);
  for (HBRUSH brush : {face, windowBrush, frame, shadow}) DeleteObject(brush);
}

void TVyrCustomControl::PaintColdBorder() {
  if (!HandleAllocated()) return;
  HWND window = GetHandle();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  HBRUSH windowBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
  RECT r = WindowRectAtOrigin(window);
  FrameRect(dc, &r, face);
  if (GetCtl3D()) {
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, face);
  }
  ReleaseDC(window, dc);
  DeleteObject(face);
  DeleteObject(windowBrush);
}

// ---- messages ----

void TVyrCustomControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE: WMSize(Message); break;
    case WM_MOVE: WMMove(Message); break;
    case CM_VYRBACKCHANGED: CMVyrBackChanged(Message); break;
    case CM_VYRAFTERENTER:
      if (OnAfterEnter) OnAfterEnter(this);
      break;
    case CM_VYRAFTEREXIT:
      if (OnAfterExit) OnAfterExit(this);
      break;
    case CM_SYSCOLORCHANGE:
      TCustomControl::Dispatch(Message);
      if (!transparent_) Invalidate();
      break;
    default: TCustomControl::Dispatch(Message); break;
  }
}

void TVyrCustomControl::WMEraseBkgnd(TMessage& Message) {
  if (CheckOptimized()) {
    Message.Result = 1;
    return;
  }
  // Showing the parent: erased to what it shows, never to a plate of Color
  // that the painting would then cover.
  if (ShowsParent() && HandleAllocated()) {
    const RECT r = GetClientRect();
    DrawThemeParentBackground(GetHandle(), reinterpret_cast<HDC>(Message.WParam), &r);
    Message.Result = 1;
    return;
  }
  TCustomControl::WMEraseBkgnd(Message);
}

void TVyrCustomControl::WMSize(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (CheckOptimized()) {
    Repaint();
    NotifyControls(WM_PAINT);
  } else {
    Invalidate();
  }
}

void TVyrCustomControl::WMMove(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (CheckOptimized()) {
    Repaint();
    PaintControls(GetCanvas()->GetHandle(), nullptr);
  }
}

void TVyrCustomControl::WMSetFocus(TMessage& Message) {
  TCustomControl::WMSetFocus(Message);
  if (HandleAllocated()) PostMessage(GetHandle(), CM_VYRAFTERENTER, 0, 0);
}

void TVyrCustomControl::WMKillFocus(TMessage& Message) {
  TCustomControl::WMKillFocus(Message);
  if (HandleAllocated()) PostMessage(GetHandle(), CM_VYRAFTEREXIT, 0, 0);
}

// The class library's handling would fire OnMouseEnter itself; MouseEnter
// fires it, once.
void TVyrCustomControl::CMMouseEnter(TMessage&) {
  MouseEnter();
}

void TVyrCustomControl::CMMouseLeave(TMessage& Message) {
  TCustomControl::CMMouseLeave(Message);
  MouseExit();
}

void TVyrCustomControl::CMVyrBackChanged(TMessage&) {
  if (Loading()) return;
  if (CheckOptimized()) {
    Repaint();
    NotifyControls(CM_VYRBACKCHANGED);
  } else {
    Invalidate();
  }
}

}  // namespace Vyrcctrl
