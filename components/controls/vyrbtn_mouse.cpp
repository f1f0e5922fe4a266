// The button's state machine: what the mouse does to State, and the two
// pool timers behind hot tracking and auto repeat.
#include "application.h"
#include "exceptions.h"
#include "forms.h"
#include "mouse.h"
#include "resourcestrings.h"
#include "vyrbtn.h"
#include "vyrclass_application.h"

namespace Vyrbtn {

using Vyrclass::VyrApplication;
using S = TVyrButtonState;

namespace {

bool IsPair(S A, S B, S X, S Y) { return (A == X && B == Y) || (A == Y && B == X); }
bool IsDisabled(S State) { return State == S::bsDisabledUp || State == S::bsDisabledDown; }

}  // namespace

void TVyrBaseGraphicButton::StateChange(S New) {
  // A button of an MDI form whose application is in the background shows
  // no hot look; only the release test may still bring it to rest.
  if (auto* form = dynamic_cast_object<TCustomForm>(GetOwner())) {
    const TFormStyle style = form->GetFormStyle();
    if ((style == fsMDIChild || style == fsMDIForm) && !Application->GetActive()) {
      if (releaseTest_ == 1 && New == S::bsMouseOver)
        New = S::bsUp;
      else
        return;
    }
  }
  if (New == state_) return;

  const int numGlyphs = glyph_->GetNumGlyphs();
  const bool hotUnchanged = IsPair(New, state_, S::bsUp, S::bsMouseOver) &&
                            glyph_->GetStyle() != TVyrGlyphStyle::gsExplorer && !HotFaceDiffers() &&
                            numGlyphs < 3 && !(allowMouseOver_ && enterColorChange_) && !ShapeButtonColorChange();
  const bool optionUnchanged = numGlyphs < 3 && IsPair(New, state_, S::bsMouseOver, S::bsOptionSet);
  const bool repaint = !hotUnchanged && !optionUnchanged;

  const S old = state_;
  previousState_ = (New == S::bsMouseOver && state_ != S::bsOptionSet) ? S::bsUp : state_;
  state_ = New;
  if (repaint && GetVisible()) RepaintNow();

  if (allowMouseOver_) {
    if (old == S::bsMouseOver && timers_[0]) DeActivateTimer(0);
    if (New == S::bsMouseOver && !pressed_)
      ActivateTimer(0, 100, TNotifyEvent(this, &TVyrBaseGraphicButton::VerifyMouseOver));
  }
}

// The button's pixels are 0 .. Width - 1 by 0 .. Height - 1: the column
// and row just past them belong to the neighbour.
bool TVyrBaseGraphicButton::VerifyTransparency(int X, int Y) { return X >= 0 && X < width_ && Y >= 0 && Y < height_; }

bool TVyrBaseGraphicButton::HitTest(int X, int Y) {
  if (allowTransparency_) return VerifyTransparency(X, Y);
  return X >= 0 && X < GetClientWidth() && Y >= 0 && Y < GetClientHeight();
}

TPoint TVyrBaseGraphicButton::CursorInClient() const {
  POINT p{};
  GetCursorPos(&p);
  TRect screen = GetClientRect();
  GetScreenRect(screen);
  return TPoint(p.x - screen.left, p.y - screen.top);
}

// ---- the mouse ----

void TVyrBaseGraphicButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Vyrctrl::TVyrBaseControl::MouseDown(Button, Shift, X, Y);
  if (allowTransparency_ && !VerifyTransparency(X, Y)) return;
  if (!GetEnabled() || Button != mbLeft) return;

  if (dropDownMenu_) {
    if (state_ == S::bsDropDownOpen) {
      StateChange(S::bsMouseOver);
      return;
    }
    const bool onFace = dropDownComboActive_ && X < GetClientWidth() - dropDownComboWidth_;
    if (!onFace) {
      const S before = state_;
      if (!OpenDropDown()) return;  // an item freed the button
      // Back to the look before the press, but a hidden or disabled
      // button shows no hot look.
      const bool hotGone = before == S::bsMouseOver && !GetShowing();
      if (GetEnabled() && !hotGone) StateChange(before);
      return;
    }
  }

  tracking_ = true;
  S next = state_;
  if (previousState_ == S::bsOptionSet && state_ == S::bsMouseOver && groupIndex_ != 0) {
    next = S::bsOptionSet;
  } else if (!pressed_) {
    next = S::bsDown;
    if (repeatedClick_) {
      DoRepeatedClick();
      ActivateTimer(1, repeatingInterval_, TNotifyEvent(this, &TVyrBaseGraphicButton::ExecuteRepeatedClick));
    }
  }
  StateChange(next);
}

void TVyrBaseGraphicButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (state_ == S::bsDropDownOpen) return;
  Vyrctrl::TVyrBaseControl::MouseMove(Shift, X, Y);
  if (!GetEnabled()) return;

  const bool hit = HitTest(X, Y);
  S next = state_;
  if (allowTransparency_) {
    if (hit && allowMouseOver_)
      next = (groupIndex_ != 0 && state_ == S::bsOptionSet) ? S::bsOptionSet : S::bsMouseOver;
    else if (state_ == S::bsMouseOver)
      next = previousState_;
  }
  if (tracking_) {
    if (hit)
      next = pressed_ ? S::bsOptionSet : S::bsDown;
    else if (groupIndex_ == 0 || state_ == S::bsDown)
      next = S::bsUp;
  }
  StateChange(next);

  if (hit && !mouseOver_) {
    Vyrctrl::TVyrBaseControl::MouseEnter();
    if (state_ == S::bsUp && allowMouseOver_) StateChange(S::bsMouseOver);
  }
  SetMouseOver(hit);
}

void TVyrBaseGraphicButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (state_ == S::bsDropDownOpen) return;
  Vyrctrl::TVyrBaseControl::MouseUp(Button, Shift, X, Y);
  if (!tracking_) return;
  tracking_ = false;
  if (repeatedClick_) DeActivateTimer(1);

  const bool hit = HitTest(X, Y);
  S result = IsDisabled(state_) ? state_ : S::bsUp;
  bool handled = false;
  if (groupIndex_ == 0) {
    if (hit && allowMouseOver_ && !IsDisabled(result)) result = S::bsMouseOver;
  } else if (!hit) {
    if (pressed_) result = S::bsOptionSet;
  } else {
    // The pressed member of a group that must keep one pressed stays so,
    // and a click on it is no click.
    if (state_ == S::bsOptionSet && !allowAllUp_) return;
    SetPressed(!pressed_);
    if (!allowMouseOver_)
      handled = true;
    else
      result = pressed_ ? S::bsOptionSet : S::bsUp;
  }

  if (!hit) {
    if (!handled) StateChange(result);
    return;
  }
  if (!handled && glyph_->GetNumGlyphs() < 3 && glyph_->GetStyle() != TVyrGlyphStyle::gsExplorer)
    StateChange(result);
  // With auto repeat the repeated clicks were the clicks.
  if (!repeatedClick_) Click();
  MouseUpHitTest(result, handled);
}

// Buttons with images of their own per state (or the grey explorer look)
// change their picture only after the click, and only as far as the cursor
// is still over them.
void TVyrBaseGraphicButton::MouseUpHitTest(S Result, bool Handled) {
  if (glyph_->GetNumGlyphs() < 3 && glyph_->GetStyle() != TVyrGlyphStyle::gsExplorer) return;
  if (Handled) return;
  const TPoint p = CursorInClient();
  if (HitTest(p.x, p.y)) {
    if (IsDisabled(state_)) return;
    releaseTest_ = 1;
    StateChange(Result == S::bsUp ? S::bsMouseOver : Result);
    releaseTest_ = 0;
  } else {
    StateChange(Result);
  }
}

void TVyrBaseGraphicButton::StoreMouseOver(bool Value) {
  if (mouseOver_ == Value) return;
  mouseOver_ = Value;
  if (MouseOverRepaints() && GetVisible()) RepaintNow();
}

void TVyrBaseGraphicButton::SetMouseOver(bool Value) {
  if (Value && !mouseOver_ && state_ == S::bsUp && allowMouseOver_) {
    Vyrctrl::TVyrBaseControl::MouseEnter();
    StateChange(S::bsMouseOver);
  } else if (!Value && mouseOver_) {
    Vyrctrl::TVyrBaseControl::MouseExit();
  }
  StoreMouseOver(Value);
}

void TVyrBaseGraphicButton::MouseEnter() {
  // With the pixel hit test the moves decide where the button begins.
  if (allowTransparency_) return;
  Vyrctrl::TVyrBaseControl::MouseEnter();
  if (state_ == S::bsUp && allowMouseOver_ && GetEnabled()) StateChange(S::bsMouseOver);
  StoreMouseOver(true);
}

void TVyrBaseGraphicButton::MouseExit() {
  Vyrctrl::TVyrBaseControl::MouseExit();
  if (state_ == S::bsMouseOver) StateChange(previousState_);
  StoreMouseOver(false);
  if (hideHint_ && Application) Application->HideHint();
}

// ---- timers ----

void TVyrBaseGraphicButton::ActivateTimer(int Index, Word Interval, const TNotifyEvent& Handler) {
  if (Index < 0 || Index > 1 || timers_[Index] != 0 || !VyrApplication) return;
  const Word ident = VyrApplication->AddTimer(Vyrclass::VyrPoolInterval(Interval), Handler);
  if (ident == 0) throw EOutOfResources(LoadStr(SNoTimers));
  timers_[Index] = ident;
  if (Vyrclass::TVyrTimerItem* item = VyrApplication->GetTimer(ident)) item->SetEnabled(true);
}

void TVyrBaseGraphicButton::DeActivateTimer(int Index) {
  if (Index < 0 || Index > 1 || timers_[Index] == 0) return;
  const Word ident = timers_[Index];
  timers_[Index] = 0;
  if (!VyrApplication) return;
  if (Vyrclass::TVyrTimerItem* item = VyrApplication->GetTimer(ident)) {
    item->SetEnabled(false);
    item->OnTimer = nullptr;
    VyrApplication->RemoveTimer(ident);
  }
}

void TVyrBaseGraphicButton::VerifyMouseOver(TObject*) {
  const TPoint p = CursorInClient();
  if (GetEnabled() && !HitTest(p.x, p.y)) StateChange(S::bsUp);
}

void TVyrBaseGraphicButton::ExecuteRepeatedClick(TObject*) {
  if (mouseOver_) DoRepeatedClick();
}

}  // namespace Vyrbtn
