#include "stdctrls_check.h"

#include "drawframecontrol.h"
#include "stdctrls_accel.h"
#include "stdctrls_checkface.h"

void TCustomCheckBox::Publish(TPublisher<TCustomCheckBox>& P) {
  P.Enum("Alignment", &TCustomCheckBox::GetAlignment, &TCustomCheckBox::SetAlignment,
         {"taLeftJustify", "taRightJustify"}, taRightJustify);
  P.Bool("AllowGrayed", &TCustomCheckBox::GetAllowGrayed, &TCustomCheckBox::SetAllowGrayed, false);
  P.Bool("Checked", &TCustomCheckBox::GetChecked, &TCustomCheckBox::SetChecked, false)
      .Stored([](TCustomCheckBox* c) { return c->GetState() != cbGrayed && c->IsCheckedStored(); });
  P.Enum("State", &TCustomCheckBox::GetState, &TCustomCheckBox::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"},
         cbUnchecked);
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(left_, top_, 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (state_ == Value) return;
  state_ = Value;
  Invalidate();
  // A state read from a stream is no click: the form is not whole yet.
  if (!GetClicksDisabled() && !GetComponentState().Contains(csLoading)) Click();
}

void TCustomCheckBox::SetChecked(bool Value) {
  if (Value == GetChecked()) return;
  SetState(Value ? cbChecked : cbUnchecked);
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

LRESULT TCustomCheckBox::CheckState() const {
  constexpr LRESULT answers[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
  return answers[state_];
}

// BM_SETCHECK sets the look quietly, as on a button window.
void TCustomCheckBox::CheckStateSet(LRESULT Value) {
  const TCheckBoxState next = Value == BST_CHECKED ? cbChecked : Value == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
  if (next == state_) return;
  state_ = next;
  Invalidate();
}

void TCustomCheckBox::CNCommand(TMessage& Message) {
  if (Message.WParamHi() == BN_CLICKED) Toggle();
}

void TCustomCheckBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && CanFocus()) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

void TCustomCheckBox::PaintWindow(HDC DC) {
  UINT image = DFCS_BUTTONCHECK;
  if (state_ == cbChecked) image |= DFCS_CHECKED;
  if (state_ == cbGrayed) image |= DFCS_CHECKED | DFCS_BUTTON3STATE;
  if (GetPushed()) image |= DFCS_PUSHED;
  PaintCheckFace(DC, this, image, alignment_, Focused());
}
