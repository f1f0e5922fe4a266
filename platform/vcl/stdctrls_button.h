// TCustomButton and TButton: the push button. A click sets the parent
// form's ModalResult to the button's (which ends ShowModal) and fires
// OnClick. Enter anywhere on the form clicks the active default button:
// the focused button while it has the focus, else the one with Default,
// unless another button has the focus; Escape clicks a button with Cancel.
// The caption's access key clicks it too.
//
// SetButtonStyle(ADefault) is called whenever the button becomes or stops
// being the active default; it switches the window style between
// BS_PUSHBUTTON and BS_DEFPUSHBUTTON, which gives the default look (the
// black ring); an owner-drawn button keeps its style. A button whose style
// is BS_OWNERDRAW leaves its face to CN_DRAWITEM, a DRAWITEMSTRUCT with
// ODS_SELECTED while pushed, ODS_FOCUS while focused and ODS_DISABLED when
// disabled; CN_MEASUREITEM asks for the item's size once, when the window
// is made. The button sends both to itself, where the class library's
// parent would reflect them, so a parent sees no WM_DRAWITEM.
#pragma once

#include "forms.h"
#include "stdctrls_buttoncontrol.h"

class TCustomButton : public TButtonControl {
  MORVANT_PUBLISHED(TCustomButton, TButtonControl)
 public:
  explicit TCustomButton(TComponent* AOwner);

  bool GetDefault() const { return default_; }
  void SetDefault(bool Value);
  bool GetCancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  TModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void SetButtonStyle(bool ADefault);
  void CNCommand(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void CMDialogKey(TMessage& Message) override;
  void CMFocusChanged(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  // Whether the button is the one Enter clicks now.
  bool GetActive() const { return active_; }

 private:
  void CMDialogChar(TMessage& Message);
  void PaintFace(HDC DC);
  void MakeActive(bool Value);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

class TButton : public TCustomButton {
  MORVANT_COMPONENT(TButton, TCustomButton)
 public:
  explicit TButton(TComponent* AOwner) : TCustomButton(AOwner) {}
};
inline void TButton::Publish(TPublisher<TButton>&) {}
