// TRadioButton: a round button with a caption; checking one unchecks the
// other radio buttons of the same parent. A click, the access key or
// arriving by the arrow keys checks it; only the checked one of a group is
// a tab stop. Checking fires OnClick unless ClicksDisabled or read from a
// form stream.
#pragma once

#include "stdctrls_buttoncontrol.h"
#include "stdctrls_types.h"

class TRadioButton : public TButtonControl {
  MORVANT_COMPONENT(TRadioButton, TButtonControl)
 public:
  explicit TRadioButton(TComponent* AOwner);

  bool GetChecked() const override { return checked_; }
  void SetChecked(bool Value) override;
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);

 protected:
  void CheckStateSet(LRESULT Value) override;
  void CNCommand(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;

 private:
  void TurnSiblingsOff();

  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};
