#include "stdctrls_buttoncontrol.h"

#include "focus.h"
#include "keyboard.h"
#include "mouse.h"
#include "window.h"

void TButtonControl::Publish(TPublisher<TButtonControl>& P) {
  P.Bool("TabStop", &TButtonControl::GetTabStop, &TButtonControl::SetTabStop, true);
}

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  // The button captures the mouse and makes its clicks itself.
  controlStyle_ = {csSetCaption, csDoubleClicks};
  SetTabStop(true);
}

// ---- the action ----

TButtonActionLink::TButtonActionLink(TControl* AClient)
    : TControlActionLink(AClient), button_(static_cast<TButtonControl*>(AClient)) {}

bool TButtonActionLink::IsCheckedLinked() {
  return TControlActionLink::IsCheckedLinked() && button_->GetChecked() == CustomAction()->GetChecked();
}

void TButtonActionLink::SetChecked(bool Value) {
  if (!IsCheckedLinked()) return;
  // The action's state is no click of the button's.
  const bool disabled = button_->GetClicksDisabled();
  button_->SetClicksDisabled(true);
  struct Restore {
    TButtonControl* button;
    bool disabled;
    ~Restore() { button->SetClicksDisabled(disabled); }
  } restore{button_, disabled};
  button_->SetChecked(Value);
}

TControlActionLinkClass TButtonControl::GetActionLinkClass() const { return ActionLinkClassOf<TButtonActionLink>(); }

void TButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  TWinControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast_object<TCustomAction>(Sender);
  if (!action || (CheckDefaults && GetChecked())) return;
  const bool disabled = clicksDisabled_;
  clicksDisabled_ = true;
  SetChecked(action->GetChecked());
  clicksDisabled_ = disabled;
}

bool TButtonControl::IsCheckedStored() const {
  auto* link = dynamic_cast_object<TButtonActionLink>(GetActionLink());
  return !link || !link->IsCheckedLinked();
}

DWORD TButtonControl::ButtonKind() const {
  if (!handle_) return BS_PUSHBUTTON;
  return static_cast<DWORD>(GetWindowLong(handle_, GWL_STYLE)) & BS_TYPEMASK;
}

void TButtonControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!GetComponentState().Contains(csDesigning) && handle_ && !Focused()) {
        clicksDisabled_ = true;
        ::SetFocus(handle_);
        clicksDisabled_ = false;
        if (!Focused()) return;
      }
      break;
    case CN_COMMAND:
      if (clicksDisabled_) return;
      break;
    default: break;
  }
  TWinControl::WndProc(Message);
}

// Mouse buttons go to the button's own behaviour first, then to the events.
void TButtonControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      DefaultHandler(Message);
      TWinControl::Dispatch(Message);
      break;
    case CN_COMMAND: CNCommand(Message); break;
    default: TWinControl::Dispatch(Message); break;
  }
}

void TButtonControl::CNCommand(TMessage&) {}

// The button window's own reactions.
void TButtonControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MousePress(Message); return;
    case WM_MOUSEMOVE: MouseTrack(Message); return;
    case WM_LBUTTONUP: MouseRelease(Message); return;
    case WM_CAPTURECHANGED:
      if (mouseHeld_ && reinterpret_cast<HWND>(Message.LParam) != handle_) CancelPress();
      break;
    case WM_KILLFOCUS:
    case WM_CANCELMODE: CancelPress(); break;
    case WM_SETFOCUS: Invalidate(); break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) {
        if (!mouseHeld_ && !spaceHeld_) {
          spaceHeld_ = true;
          SetPushed(true);
        }
        Message.Result = 0;
        return;
      }
      break;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE && spaceHeld_) {
        spaceHeld_ = false;
        SetPushed(false);
        Clicked();
        Message.Result = 0;
        return;
      }
      break;
    case WM_GETDLGCODE: Message.Result = DLGC_BUTTON; return;
    case BM_GETCHECK: Message.Result = CheckState(); return;
    case BM_SETCHECK:
      CheckStateSet(static_cast<LRESULT>(Message.WParam));
      Message.Result = 0;
      return;
    case BM_GETSTATE:
      Message.Result = CheckState() | (pushed_ ? BST_PUSHED : 0) | (Focused() ? BST_FOCUS : 0);
      return;
    case BM_SETSTATE:
      SetPushed(Message.WParam != 0);
      Message.Result = 0;
      return;
    case BM_SETSTYLE:
      if (handle_) {
        const LONG style = GetWindowLong(handle_, GWL_STYLE);
        SetWindowLong(handle_, GWL_STYLE,
                      static_cast<LONG>((static_cast<DWORD>(style) & ~BS_TYPEMASK) | (Message.WParam & BS_TYPEMASK)));
        if (Message.LParam) Invalidate();
      }
      Message.Result = 0;
      return;
    case BM_CLICK:
      Clicked();
      Message.Result = 0;
      return;
    default: break;
  }
  TWinControl::DefaultHandler(Message);
  if (Message.Msg == WM_KILLFOCUS) Invalidate();
}

// The face is painted whole; the background needs no fill first.
void TButtonControl::WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }

void TButtonControl::SetPushed(bool Value) {
  if (pushed_ == Value) return;
  pushed_ = Value;
  Invalidate();
}

bool TButtonControl::Inside(TMessage& Message) const {
  TWMMouse m(Message);
  const TRect r = GetClientRect();
  return m.XPos() >= r.left && m.XPos() < r.right && m.YPos() >= r.top && m.YPos() < r.bottom;
}

void TButtonControl::MousePress(TMessage& Message) {
  if (!handle_ || spaceHeld_) return;
  mouseHeld_ = true;
  SetCapture(handle_);
  SetPushed(true);
  Message.Result = 0;
}

void TButtonControl::MouseTrack(TMessage& Message) {
  if (mouseHeld_) SetPushed(Inside(Message));
  Message.Result = 0;
}

void TButtonControl::MouseRelease(TMessage& Message) {
  if (!mouseHeld_) return;
  mouseHeld_ = false;
  const bool click = Inside(Message);
  SetPushed(false);
  if (GetCapture() == handle_) ReleaseCapture();
  Message.Result = 0;
  if (click) Clicked();
}

void TButtonControl::CancelPress() {
  const bool held = mouseHeld_;
  mouseHeld_ = false;
  spaceHeld_ = false;
  SetPushed(false);
  if (held && handle_ && GetCapture() == handle_) ReleaseCapture();
}

void TButtonControl::Clicked() {
  Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(handle_));
}
