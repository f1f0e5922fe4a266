#include "forms_scrollbox.h"

#include <algorithm>

#include "colors.h"
#include "dc.h"
#include "fill.h"
#include "metrics.h"
#include "mouse.h"
#include "paint.h"
#include "syscolors.h"
#include "window_pos.h"

namespace {
constexpr int kWheelDelta = 120;
constexpr int kLinesPerNotch = 3;
}  // namespace

// ---- the bars' settings ----

void TControlScrollBar::Publish(TPublisher<TControlScrollBar>& P) {
  P.Integer("Increment", &TControlScrollBar::GetIncrement, &TControlScrollBar::SetIncrement, 8);
  P.Integer("Range", &TControlScrollBar::GetRange, &TControlScrollBar::SetRange, 0);
  P.Integer("Position", &TControlScrollBar::GetPosition, &TControlScrollBar::SetPosition, 0);
  P.Bool("Visible", &TControlScrollBar::GetVisible, &TControlScrollBar::SetVisible, true);
}

TControlScrollBar::TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind)
    : control_(Control), kind_(Kind) {}

int TControlScrollBar::Page() const {
  return kind_ == sbHorizontal ? control_->GetClientWidth() : control_->GetClientHeight();
}

void TControlScrollBar::SetRange(int Value) {
  Value = std::max(0, Value);
  if (range_ == Value) return;
  range_ = Value;
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int Value) {
  Value = std::clamp(Value, 0, MaxPosition());
  if (position_ == Value) return;
  const int delta = position_ - Value;
  position_ = Value;
  if (kind_ == sbHorizontal)
    control_->ScrollBy(delta, 0);
  else
    control_->ScrollBy(0, delta);
  if (control_->HandleAllocated()) RedrawWindow(control_->GetHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TControlScrollBar::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  control_->UpdateScrollBars();
}

// ---- the scrolling control ----

void TScrollingWinControl::Publish(TPublisher<TScrollingWinControl>& P) {
  P.Bool("AutoScroll", &TScrollingWinControl::GetAutoScroll, &TScrollingWinControl::SetAutoScroll, true);
  P.Object("HorzScrollBar", &TScrollingWinControl::GetHorzScrollBar);
  P.Object("VertScrollBar", &TScrollingWinControl::GetVertScrollBar);
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), horz_(new TControlScrollBar(this, sbHorizontal)), vert_(new TControlScrollBar(this, sbVertical)) {}

// The children leave in the base's destructor, where no override of ours
// runs any more: the bars may go first.
TScrollingWinControl::~TScrollingWinControl() {
  delete horz_;
  delete vert_;
  horz_ = vert_ = nullptr;
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (autoScroll_ == Value) return;
  autoScroll_ = Value;
  if (Value) CalcAutoRange();
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  DisableAlign();
  for (int i = 0; i < GetControlCount(); ++i) {
    TControl* c = GetControls(i);
    c->SetBounds(c->GetLeft() + DeltaX, c->GetTop() + DeltaY, c->GetWidth(), c->GetHeight());
  }
  EnableAlign();
  Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (!AControl || AControl == this || !ContainsControl(AControl)) return;
  // Where the control lies in this client area, however deep it sits.
  const TPoint at =
      ScreenToClient(AControl->GetParent()->ClientToScreen(TPoint(AControl->GetLeft(), AControl->GetTop())));
  auto bring = [](TControlScrollBar* bar, int start, int extent) {
    const int page = bar->Page();
    int pos = bar->GetPosition();
    if (start < 0) pos += start;
    else if (start + extent > page) pos += std::min(start, start + extent - page);
    bar->SetPosition(pos);
  };
  bring(horz_, at.x, AControl->GetWidth());
  bring(vert_, at.y, AControl->GetHeight());
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  if (autoScroll_) CalcAutoRange();
}

void TScrollingWinControl::Resize() {
  UpdateScrollBars();
  TWinControl::Resize();
}

// The children's far edges where they lie with the bars at zero.
void TScrollingWinControl::CalcAutoRange() {
  if (!horz_ || !vert_ || updating_) return;
  int right = 0, bottom = 0;
  for (int i = 0; i < GetControlCount(); ++i) {
    TControl* c = GetControls(i);
    if (!c->GetVisible()) continue;
    right = std::max(right, c->GetLeft() + c->GetWidth() + horz_->position_);
    bottom = std::max(bottom, c->GetTop() + c->GetHeight() + vert_->position_);
  }
  horz_->range_ = right;
  vert_->range_ = bottom;
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updating_ || !horz_ || !vert_) return;
  updating_ = true;
  // The room there would be without any bar.
  const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
  const int width = GetClientWidth() + (vert_->shown_ ? barWidth : 0);
  const int height = GetClientHeight() + (horz_->shown_ ? barHeight : 0);
  bool v = vert_->visible_ && vert_->range_ > height;
  const bool h = horz_->visible_ && horz_->range_ > width - (v ? barWidth : 0);
  if (h && !v) v = vert_->visible_ && vert_->range_ > height - barHeight;
  const bool changed = h != horz_->shown_ || v != vert_->shown_;
  horz_->shown_ = h;
  vert_->shown_ = v;
  if (changed && HandleAllocated())
    SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  updating_ = false;
  // A grown page may leave a position beyond its end.
  for (TControlScrollBar* bar : {horz_, vert_})
    if (bar->position_ > bar->MaxPosition()) bar->SetPosition(bar->MaxPosition());
  if (HandleAllocated()) RedrawWindow(GetHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// ---- messages ----

void TScrollingWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: WMNCCalcSize(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case WM_NCHITTEST: WMNCHitTest(Message); break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: WMNCLButtonDown(Message); break;
    case WM_HSCROLL: WMHScroll(Message); break;
    case WM_VSCROLL: WMVScroll(Message); break;
    default: TWinControl::Dispatch(Message); break;
  }
}

void TScrollingWinControl::WndProc(TMessage& Message) {
  if (dragging_ && TrackThumb(Message)) return;
  TWinControl::WndProc(Message);
}

void TScrollingWinControl::WMNCCalcSize(TMessage& Message) {
  DefaultHandler(Message);
  if (auto* r = reinterpret_cast<RECT*>(Message.LParam)) ExcludeScrollBars(*r);
}

void TScrollingWinControl::ExcludeScrollBars(RECT& Client) const {
  if (vert_ && vert_->shown_) Client.right = std::max(Client.left, Client.right - GetSystemMetrics(SM_CXVSCROLL));
  if (horz_ && horz_->shown_) Client.bottom = std::max(Client.top, Client.bottom - GetSystemMetrics(SM_CYHSCROLL));
}

// The window's client rectangle in window coordinates, from the screen.
static TRect ClientInWindow(HWND Window) {
  RECT window, client;
  GetWindowRect(Window, &window);
  GetClientRect(Window, &client);
  POINT corner;  // the client's corner
  ClientToScreen(Window, &corner);
  const int x = corner.x - window.left, y = corner.y - window.top;
  return TRect(x, y, x + client.right, y + client.bottom);
}

TRect TScrollingWinControl::BarRect(TScrollBarKind Kind) const {
  TControlScrollBar* bar = BarOf(Kind);
  if (!bar || !bar->shown_ || !handle_) return TRect();
  const TRect c = ClientInWindow(handle_);
  if (Kind == sbVertical) return TRect(c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom);
  return TRect(c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL));
}

// The bar scrolls over 0..range_ - 1 pixels of the children, a page of them
// in view.
TScrollRange TScrollingWinControl::RangeOf(const TControlScrollBar* Bar) {
  TScrollRange r;
  r.Min = 0;
  r.Max = Bar->range_ - 1;
  r.Page = Bar->Page();
  r.Pos = Bar->position_;
  return r;
}

TScrollBarLayout TScrollingWinControl::Layout(TControlScrollBar* Bar) const {
  return LayoutScrollBar(BarRect(Bar->kind_), Bar->kind_ == sbVertical, RangeOf(Bar));
}

void TScrollingWinControl::WMNCPaint(TMessage& Message) {
  DefaultHandler(Message);
  PaintScrollBars();
}

void TScrollingWinControl::PaintScrollBars() {
  if (!handle_ || (!horz_->shown_ && !vert_->shown_)) return;
  HDC dc = GetWindowDC(handle_);
  for (TControlScrollBar* bar : {horz_, vert_})
    if (bar->shown_) {
      // Nothing to scroll shows as a disabled bar: flat arrows, no thumb.
      const TScrollBarLayout layout = Layout(bar);
      PaintScrollBar(dc, layout, TScrollPart::None, layout.HasThumb());
    }
  if (horz_->shown_ && vert_->shown_) {
    const TRect v = BarRect(sbVertical), h = BarRect(sbHorizontal);
    RECT corner = TRect(v.left, h.top, v.right, h.bottom);
    FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
  }
  ReleaseDC(handle_, dc);
}

void TScrollingWinControl::WMNCHitTest(TMessage& Message) {
  DefaultHandler(Message);
  if (!handle_ || Message.Result == HTCLIENT) return;
  RECT window;
  GetWindowRect(handle_, &window);
  const TPoint p(static_cast<short>(Message.LParamLo()) - window.left, static_cast<short>(Message.LParamHi()) - window.top);
  auto inside = [&](const TRect& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
  if (inside(BarRect(sbVertical))) Message.Result = HTVSCROLL;
  else if (inside(BarRect(sbHorizontal))) Message.Result = HTHSCROLL;
}

void TScrollingWinControl::WMNCLButtonDown(TMessage& Message) {
  if (Message.WParam != static_cast<WPARAM>(HTVSCROLL) && Message.WParam != static_cast<WPARAM>(HTHSCROLL)) {
    DefaultHandler(Message);
    return;
  }
  TControlScrollBar* bar = Message.WParam == static_cast<WPARAM>(HTVSCROLL) ? vert_ : horz_;
  RECT window;
  GetWindowRect(handle_, &window);
  const TPoint p(static_cast<short>(Message.LParamLo()) - window.left, static_cast<short>(Message.LParamHi()) - window.top);
  const TScrollBarLayout g = Layout(bar);
  const UINT msg = bar == vert_ ? WM_VSCROLL : WM_HSCROLL;
  switch (HitScrollBar(g, p)) {
    case TScrollPart::LineUp: Perform(msg, SB_LINEUP, 0); break;
    case TScrollPart::LineDown: Perform(msg, SB_LINEDOWN, 0); break;
    case TScrollPart::PageUp: Perform(msg, SB_PAGEUP, 0); break;
    case TScrollPart::PageDown: Perform(msg, SB_PAGEDOWN, 0); break;
    case TScrollPart::Thumb:
      dragging_ = bar;
      grabOffset_ = bar == vert_ ? p.y - g.Thumb.top : p.x - g.Thumb.left;
      SetCapture(handle_);
      return;
    case TScrollPart::None: return;
  }
  Perform(msg, SB_ENDSCROLL, 0);
}

bool TScrollingWinControl::TrackThumb(TMessage& Message) {
  if (Message.Msg != WM_MOUSEMOVE && Message.Msg != WM_LBUTTONUP && Message.Msg != WM_CAPTURECHANGED) return false;
  TControlScrollBar* bar = dragging_;
  const UINT msg = bar == vert_ ? WM_VSCROLL : WM_HSCROLL;
  if (Message.Msg == WM_CAPTURECHANGED) {
    dragging_ = nullptr;
    Perform(msg, SB_ENDSCROLL, 0);
    return false;
  }
  // The pointer in window coordinates, from the client point.
  const TRect c = ClientInWindow(handle_);
  const TPoint p(static_cast<short>(Message.LParamLo()) + c.left, static_cast<short>(Message.LParamHi()) + c.top);
  const int pos = ScrollPosForThumb(Layout(bar), RangeOf(bar), (bar == vert_ ? p.y : p.x) - grabOffset_);
  if (Message.Msg == WM_MOUSEMOVE) {
    Perform(msg, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(pos)), 0);
  } else {
    dragging_ = nullptr;
    ReleaseCapture();
    Perform(msg, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(pos)), 0);
    Perform(msg, SB_ENDSCROLL, 0);
  }
  Message.Result = 0;
  return true;
}

void TScrollingWinControl::WMHScroll(TMessage& Message) { ScrollMessage(horz_, Message); }
void TScrollingWinControl::WMVScroll(TMessage& Message) { ScrollMessage(vert_, Message); }

void TScrollingWinControl::ScrollMessage(TControlScrollBar* Bar, TMessage& Message) {
  const int pos = Bar->position_;
  switch (static_cast<int>(LOWORD(Message.WParam))) {
    case SB_LINEUP: Bar->SetPosition(pos - Bar->increment_); break;
    case SB_LINEDOWN: Bar->SetPosition(pos + Bar->increment_); break;
    case SB_PAGEUP: Bar->SetPosition(pos - Bar->Page()); break;
    case SB_PAGEDOWN: Bar->SetPosition(pos + Bar->Page()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: Bar->SetPosition(static_cast<int>(HIWORD(Message.WParam))); break;
    case SB_TOP: Bar->SetPosition(0); break;
    case SB_BOTTOM: Bar->SetPosition(Bar->range_); break;
    default: break;
  }
  Message.Result = 0;
}

bool TScrollingWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  TControlScrollBar* bar = Shift.Contains(ssShift) ? horz_ : vert_;
  if (!bar->shown_) return false;
  bar->SetPosition(bar->position_ - WheelDelta * kLinesPerNotch * bar->increment_ / kWheelDelta);
  return true;
}

// ---- the box ----

void TScrollBox::Publish(TPublisher<TScrollBox>& P) {
  P.Enum("BorderStyle", &TScrollBox::GetBorderStyle, &TScrollBox::SetBorderStyle, {"bsNone", "bsSingle"}, bsSingle);
  PublishOwnColor(P);
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(left_, top_, 185, 41);
  SetColor(clBtnFace);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsSingle) Value = bsNone;
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  if (borderStyle_ == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}
