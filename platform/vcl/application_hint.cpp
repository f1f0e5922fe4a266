// The application's hints and the cursor that follows the mouse: the loop
// hands every mouse message here before it is dispatched.
#include <cstdint>

#include "application.h"
#include "clock.h"
#include "cursor.h"
#include "findcontrol.h"
#include "hintwindow.h"
#include "mouse.h"
#include "timers.h"
#include "tscreen.h"

namespace {

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
// The hint opens below the pointer, clear of the cursor's shape.
constexpr int kHintOffsetY = 20;

// The hint text of a control: its own, else its nearest parent's.
AnsiString HintTextOf(TControl* Control) {
  while (Control && Control->GetHint().IsEmpty()) Control = Control->GetParent();
  return Control ? Control->GetHint() : AnsiString();
}

// Whether ShowHint holds, following ParentShowHint up the parents.
bool ShowsHint(TControl* Control) {
  while (Control->GetParentShowHint() && Control->GetParent()) Control = Control->GetParent();
  return Control->GetShowHint();
}

// The window a control receives its mouse messages through.
HWND MouseWindowOf(TControl* Control) {
  auto* window = dynamic_cast_object<TWinControl>(Control);
  if (!window) window = Control->GetParent();
  return window && window->HandleAllocated() ? window->GetHandle() : nullptr;
}

// The control under the pointer for a client-area mouse message.
TControl* ControlOfMouseMessage(const MSG& Msg) {
  TWinControl* window = FindControl(Msg.hwnd);
  if (!window) return nullptr;
  const TPoint p(static_cast<short>(LOWORD(Msg.lParam)), static_cast<short>(HIWORD(Msg.lParam)));
  TControl* child = window->ControlAtPos(p, true);
  return child && !child->Is<TWinControl>() ? child : window;
}

}  // namespace

void TApplication::NoteMouseMessage(const MSG& Msg) {
  switch (Msg.message) {
    case WM_MOUSEMOVE: {
      TControl* control = ControlOfMouseMessage(Msg);
      ApplyCursor(control);
      HintMouseMessage(control);
      break;
    }
    case WM_NCMOUSEMOVE: HintMouseMessage(nullptr); break;
    case WM_MOUSELEAVE:
      if (hintControl_ && MouseWindowOf(hintControl_) == Msg.hwnd) HintMouseMessage(nullptr);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: CancelHint(); break;
    default: break;
  }
}

// A cursor other than crDefault on the screen wins; else the first one
// set on the control or its parents; else the window's own stays.
void TApplication::ApplyCursor(TControl* Control) {
  if (!Screen) return;
  // A running drag shows its own cursor wherever the pointer goes.
  if (ActiveDragObject()) {
    SetCursor(Screen->GetCursors(ActiveDragCursor()));
    return;
  }
  TCursor cursor = Screen->GetCursor();
  for (TControl* c = Control; cursor == crDefault && c; c = c->GetParent()) cursor = c->GetCursor();
  if (cursor != crDefault) SetCursor(Screen->GetCursors(cursor));
}

void TApplication::HintMouseMessage(TControl* Control) {
  if (Control != hintControl_) SetHintControl(Control);
}

// A hint that the pointer moved away from lets the next one come after the
// short pause, also across a place without a hint on the way.
void TApplication::SetHintControl(TControl* Control) {
  const DWORD now = GetTickCount();
  if (hintShowing_) shortPauseUntil_ = now + static_cast<DWORD>(std::max(0, hintPause_));
  const bool shortPause = static_cast<std::int32_t>(shortPauseUntil_ - now) > 0;
  HideHint();
  if (hintControl_) hintControl_->RemoveFreeNotification(this);
  hintControl_ = Control;
  if (Control) Control->FreeNotification(this);
  const AnsiString text = HintTextOf(Control);
  SetHint(GetLongHint(text));
  if (Control && showHint_ && ShowsHint(Control) && !GetShortHint(text).IsEmpty())
    SetTimer(handle_, kHintShowTimer, static_cast<UINT>(std::max(0, shortPause ? hintShortPause_ : hintPause_)),
             nullptr);
}

void TApplication::HintTimerExpired(UINT_PTR Id) {
  KillTimer(handle_, Id);
  if (Id == kHintShowTimer) {
    if (hintControl_ && showHint_) ShowHintNow();
  } else if (Id == kHintHideTimer) {
    HideHint();
  }
}

void TApplication::ShowHintNow() {
  const AnsiString text = GetShortHint(HintTextOf(hintControl_));
  if (text.IsEmpty()) return;
  if (!hintWindow_) hintWindow_ = TObject::Create<THintWindow>(this);
  hintWindow_->SetColor(hintColor_);
  POINT cursor{};
  GetCursorPos(&cursor);
  const int maxWidth = Screen ? Screen->GetWidth() : 640;
  TRect r = hintWindow_->CalcHintRect(maxWidth, text, nullptr);
  r = TRect(cursor.x, cursor.y + kHintOffsetY, cursor.x + r.Width(), cursor.y + kHintOffsetY + r.Height());
  hintWindow_->ActivateHint(r, text);
  hintShowing_ = true;
  if (hintHidePause_ > 0) SetTimer(handle_, kHintHideTimer, static_cast<UINT>(hintHidePause_), nullptr);
}

void TApplication::StopHintTimers() {
  if (!handle_) return;
  KillTimer(handle_, kHintShowTimer);
  KillTimer(handle_, kHintHideTimer);
}

void TApplication::HideHint() {
  StopHintTimers();
  hintShowing_ = false;
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

void TApplication::CancelHint() {
  HideHint();
  shortPauseUntil_ = GetTickCount();
  if (hintControl_) SetHintControl(nullptr);
}

void TApplication::SetShowHint(bool Value) {
  if (showHint_ == Value) return;
  showHint_ = Value;
  if (Value) return;
  HideHint();
  if (hintWindow_) hintWindow_->Free();
  hintWindow_ = nullptr;
}

void TApplication::SetHintColor(TColor Value) {
  hintColor_ = Value;
  if (hintWindow_) hintWindow_->SetColor(Value);
}

void TApplication::SetHint(const AnsiString& Value) {
  if (hint_ == Value) return;
  hint_ = Value;
  if (OnHint) OnHint(this);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == hintWindow_) hintWindow_ = nullptr;
  if (AComponent == hintControl_) {
    hintControl_ = nullptr;
    HideHint();
  }
}
