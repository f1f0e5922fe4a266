// Exclusive groups, the drop-down menu and the accelerator of a button.
#include "application.h"
#include "control.h"
#include "message_queue.h"
#include "messages.h"
#include "mouse.h"
#include "stdctrls_accel.h"
#include "vyrbtn.h"
#include "wincontrol.h"

namespace Vyrbtn {

using S = TVyrButtonState;

// ---- groups ----

void TVyrBaseGraphicButton::SetPressed(bool Value) {
  if (groupIndex_ == 0) Value = false;
  if (Value == pressed_) return;
  if (!Value && !allowAllUp_) return;
  pressed_ = Value;
  if (Value) {
    state_ = S::bsOptionSet;
    Invalidate();
    InformOptionSet();
  } else {
    state_ = S::bsUp;
    Invalidate();
  }
}

void TVyrBaseGraphicButton::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  InformOptionSet();
}

void TVyrBaseGraphicButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  InformOptionSet();
}

void TVyrBaseGraphicButton::InformOptionSet() {
  if (groupIndex_ == 0 || !GetParent()) return;
  TMessage message{CM_VYRBUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
  GetParent()->Broadcast(message);
}

void TVyrBaseGraphicButton::GroupMessage(TMessage& Message) {
  // Every member answers 0, so that the broadcast reaches them all.
  Message.Result = 0;
  auto* sender = dynamic_cast_object<TVyrBaseGraphicButton>(reinterpret_cast<TControl*>(Message.LParam));
  if (!sender || sender == this || static_cast<int>(Message.WParam) != groupIndex_ || groupIndex_ == 0) return;
  if (sender->pressed_ && pressed_) {
    pressed_ = false;
    previousState_ = state_;
    state_ = S::bsUp;
    Invalidate();
  }
  allowAllUp_ = sender->allowAllUp_;
}

// ---- the drop-down menu ----

void TVyrBaseGraphicButton::DropDown() { OpenDropDown(); }

bool TVyrBaseGraphicButton::OpenDropDown() {
  if (!dropDownMenu_ || state_ == S::bsDropDownOpen) return true;
  // OnDropDown and the chosen item run before this returns; either may
  // free the button.
  const std::shared_ptr<const bool> alive = alive_;
  StateChange(S::bsDropDownOpen);
  if (OnDropDown) OnDropDown(this);
  if (!*alive) return false;
  if (!dropDownMenu_) {
    StateChange(S::bsMouseOver);
    return true;
  }
  const TPoint at = dropDownRight_ ? ClientToScreen(TPoint(width_, dropDownIndent_))
                                   : ClientToScreen(TPoint(dropDownIndent_, height_));
  dropDownMenu_->Popup(at.x, at.y);
  if (!*alive) return false;
  // The clicks that closed the menu are not the application's: drop them,
  // and end the press that opened it. Only the button's own window's:
  // what the other windows got meanwhile is theirs.
  TWinControl* parent = GetParent();
  if (parent && parent->HandleAllocated()) {
    MSG pending;
    while (PeekMessage(&pending, parent->GetHandle(), WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_REMOVE)) {
    }
  }
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  if (!*alive) return false;
  // The parent routes the mouse to its capture control until a release
  // that will never come.
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  controlState_.Exclude(csLButtonDown);
  if (!GetEnabled()) return true;  // the disabled look is already there
  if (GetShowing()) {
    StateChange(S::bsMouseOver);
  } else {
    // Hidden by the item: the cursor cannot be over it.
    StateChange(S::bsUp);
    SetMouseOver(false);
  }
  return true;
}

// ---- the accelerator ----

void TVyrBaseGraphicButton::DialogChar(TMessage& Message) {
  TWinControl* parent = GetParent();
  if (!IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) || !GetEnabled() || !parent ||
      !parent->GetEnabled() || !GetVisible()) {
    Vyrctrl::TVyrBaseControl::Dispatch(Message);
    return;
  }
  Message.Result = 1;
  if (dropDownMenu_) {
    if (state_ == S::bsDropDownOpen)
      StateChange(S::bsMouseOver);
    else
      OpenDropDown();  // whether the button is still there, nothing follows
    return;
  }
  if (groupIndex_ != 0) {
    if (!allowAllUp_ && state_ == S::bsOptionSet) return;
    SetPressed(!pressed_);
    if (!allowMouseOver_) return;
    if (pressed_) {
      StateChange(S::bsOptionSet);
      Click();
    } else {
      StateChange(S::bsUp);
    }
    return;
  }
  // The hot look while the click runs, kept only when the cursor is over
  // the button.
  SetMouseOver(true);
  RepaintNow();
  Click();
  RepaintNow();
  POINT cursor{};
  GetCursorPos(&cursor);
  const TPoint p = parent->ScreenToClient(TPoint(cursor.x, cursor.y));
  const bool inside = p.x > left_ && p.x < left_ + width_ && p.y > top_ && p.y < top_ + height_;
  if (!inside) {
    SetMouseOver(false);
    if (state_ == S::bsMouseOver) StateChange(S::bsUp);
  }
}

}  // namespace Vyrbtn
