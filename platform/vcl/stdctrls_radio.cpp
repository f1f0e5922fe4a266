#include "stdctrls_radio.h"

#include "drawframecontrol.h"
#include "stdctrls_accel.h"
#include "stdctrls_checkface.h"

void TRadioButton::Publish(TPublisher<TRadioButton>& P) {
  P.Enum("Alignment", &TRadioButton::GetAlignment, &TRadioButton::SetAlignment, {"taLeftJustify", "taRightJustify"},
         taRightJustify);
  P.Bool("Checked", &TRadioButton::GetChecked, &TRadioButton::SetChecked, false)
      .Stored([](TRadioButton* c) { return c->IsCheckedStored(); });
  // Only the checked button of a group is a tab stop.
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(left_, top_, 113, 17);
  SetTabStop(false);
}

void TRadioButton::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  SetTabStop(Value);
  Invalidate();
  if (!Value) return;
  TurnSiblingsOff();
  if (!GetClicksDisabled() && !GetComponentState().Contains(csLoading)) Click();
}

void TRadioButton::TurnSiblingsOff() {
  if (!parent_) return;
  for (int i = 0; i < parent_->GetControlCount(); ++i) {
    auto* sibling = dynamic_cast_object<TRadioButton>(parent_->GetControls(i));
    if (sibling && sibling != this) sibling->SetChecked(false);
  }
}

void TRadioButton::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TRadioButton::CheckStateSet(LRESULT Value) {
  if ((Value == BST_CHECKED) == checked_) return;
  checked_ = Value == BST_CHECKED;
  Invalidate();
}

void TRadioButton::CNCommand(TMessage& Message) {
  switch (Message.WParamHi()) {
    case BN_CLICKED: SetChecked(true); break;
    case BN_DOUBLECLICKED: DblClick(); break;
    default: break;
  }
}

void TRadioButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && CanFocus()) {
    SetFocus();
    if (Focused()) SetChecked(true);
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

// A radio button that gets the focus by the keyboard is chosen; a mouse
// press sets ClicksDisabled while it moves the focus, and its release
// chooses.
void TRadioButton::DefaultHandler(TMessage& Message) {
  TButtonControl::DefaultHandler(Message);
  if (Message.Msg == WM_SETFOCUS && !GetClicksDisabled() && !checked_) Clicked();
}

void TRadioButton::PaintWindow(HDC DC) {
  UINT image = DFCS_BUTTONRADIO;
  if (checked_) image |= DFCS_CHECKED;
  if (GetPushed()) image |= DFCS_PUSHED;
  PaintCheckFace(DC, this, image, alignment_, Focused());
}
