// TCustomCheckBox and TCheckBox: a box with a caption that toggles by
// click, space or its access key, through cbUnchecked, cbChecked and, with
// AllowGrayed, cbGrayed. As in the class library, every change of State,
// also one made by the program, fires OnClick unless ClicksDisabled; one
// read from a form stream does not.
#pragma once

#include "stdctrls_buttoncontrol.h"
#include "stdctrls_types.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
  MORVANT_PUBLISHED(TCustomCheckBox, TButtonControl)
 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  TCheckBoxState GetState() const { return state_; }
  void SetState(TCheckBoxState Value);
  bool GetChecked() const override { return state_ == cbChecked; }
  void SetChecked(bool Value) override;
  bool GetAllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);

 protected:
  // The next state of a click.
  virtual void Toggle();
  LRESULT CheckState() const override;
  void CheckStateSet(LRESULT Value) override;
  void CNCommand(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void PaintWindow(HDC DC) override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  MORVANT_COMPONENT(TCheckBox, TCustomCheckBox)
 public:
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};
inline void TCheckBox::Publish(TPublisher<TCheckBox>&) {}
