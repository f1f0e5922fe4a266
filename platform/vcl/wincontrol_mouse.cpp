// Mouse messages of window-less children: the parent window receives them
// and hands them on in the child's coordinates, to the child holding the
// capture first, else to the topmost enabled child under the pointer. The
// parent also tells controls when the pointer enters and leaves them.
#include "mouse.h"
#include "wincontrol.h"

namespace {

TControl*& MouseControl() {
  static TControl* control = nullptr;
  return control;
}

}  // namespace

void ForgetMouseControl(TControl* Control) {
  if (MouseControl() == Control) MouseControl() = nullptr;
}

bool TWinControl::MouseToChild(TMessage& Message) {
  TWMMouse m(Message);
  TControl* target = GetCaptureControl();
  if (target && (target->GetParent() != this || target->Is<TWinControl>())) target = nullptr;
  if (!target && !GetCaptureControl()) {
    TControl* hit = ControlAtPos(TPoint(m.XPos(), m.YPos()), false);
    if (hit && !hit->Is<TWinControl>()) target = hit;
  }
  if (!target) return false;
  if (Message.Msg == WM_MOUSEMOVE) TrackMouseControl(target);
  const LPARAM local = MakePointLParam(m.XPos() - target->GetLeft(), m.YPos() - target->GetTop());
  Message.Result = target->Perform(Message.Msg, Message.WParam, local);
  return true;
}

void TWinControl::TrackMouseControl(TControl* Target) {
  TControl*& current = MouseControl();
  if (current == Target) return;
  // The pointer leaving this window matters only when it was over us.
  if (!Target && current != this && (!current || current->GetParent() != this)) return;
  TControl* old = current;
  current = Target;
  if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (Target) {
    Target->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Target));
    if (handle_) {
      TRACKMOUSEEVENT t;
      t.dwFlags = TME_LEAVE;
      t.hwndTrack = handle_;
      TrackMouseEvent(&t);
    }
  }
}

void TWinControl::WMMouseWheel(TMessage& Message) {
  const int delta = static_cast<short>(HIWORD(Message.WParam));
  const TPoint pos(static_cast<short>(Message.LParamLo()), static_cast<short>(Message.LParamHi()));
  if (DoMouseWheel(KeysToShiftState(LOWORD(Message.WParam)), delta, pos)) {
    Message.Result = 1;
    return;
  }
  DefaultHandler(Message);
}

bool TWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  if (WheelDelta < 0) return DoMouseWheelDown(Shift, MousePos);
  if (WheelDelta > 0) return DoMouseWheelUp(Shift, MousePos);
  return false;
}

bool TWinControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TWinControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

TControl* TWinControl::ControlAtPos(const TPoint& P, bool AllowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->GetVisible() || (!AllowDisabled && !c->GetEnabled())) continue;
    const TRect b = c->GetBoundsRect();
    if (P.x < b.left || P.x >= b.right || P.y < b.top || P.y >= b.bottom) continue;
    if (c->Perform(CM_HITTEST, 0, MakePointLParam(P.x - b.left, P.y - b.top)) != 0) return c;
  }
  return nullptr;
}
