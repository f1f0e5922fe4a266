// TButtonControl: the base of push buttons, check boxes and radio buttons.
// It carries the behaviour a button window has of its own: a mouse press
// captures the pointer and shows the pushed look while the pointer stays
// inside, the space key pushes while it is held, and a release inside (or
// of the space key) is a click. The click reaches the control as CN_COMMAND
// with BN_CLICKED, as the notification the owner reflects back to it would;
// BM_GETSTATE, BM_SETSTATE, BM_GETCHECK, BM_SETCHECK, BM_SETSTYLE and
// BM_CLICK work as on a button window. This behaviour sits in
// DefaultHandler, so a derived class that handles a mouse message and calls
// the inherited handling gets the button's own reaction there.
//
// A press on a button without the focus first moves the focus to it, with
// ClicksDisabled set meanwhile, and is dropped when the focus did not come.
#pragma once

#include "button_messages.h"
#include "wincontrol.h"

class TButtonControl;

// A button's tie to its action adds Checked, set without a click.
class TButtonActionLink : public TControlActionLink {
  MORVANT_CLASS(TButtonActionLink, TControlActionLink)
 public:
  explicit TButtonActionLink(TControl* AClient);
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;

 private:
  TButtonControl* button_;
};

class TButtonControl : public TWinControl {
  MORVANT_PUBLISHED(TButtonControl, TWinControl)
 public:
  explicit TButtonControl(TComponent* AOwner);

  // Whether the button shows its pushed look now.
  bool GetPushed() const { return pushed_; }

 protected:
  friend class TButtonActionLink;
  TControlActionLinkClass GetActionLinkClass() const override;
  // Also takes over the action's Checked (with CheckDefaults only onto an
  // unchecked button).
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  // Checked is not stored while it follows the action.
  bool IsCheckedStored() const;
  bool GetClicksDisabled() const { return clicksDisabled_; }
  void SetClicksDisabled(bool Value) { clicksDisabled_ = Value; }
  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool) {}
  // The BM_GETCHECK answer: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  virtual LRESULT CheckState() const { return GetChecked() ? BST_CHECKED : BST_UNCHECKED; }
  // BM_SETCHECK from outside.
  virtual void CheckStateSet(LRESULT /*Value*/) {}
  // The click notification; ClicksDisabled drops it.
  virtual void CNCommand(TMessage& Message);
  // The button kind of the window style now (BS_PUSHBUTTON ... BS_OWNERDRAW).
  DWORD ButtonKind() const;

  // Sends the click notification (CN_COMMAND with BN_CLICKED).
  void Clicked();

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void WMEraseBkgnd(TMessage& Message) override;

 private:
  void SetPushed(bool Value);
  void MousePress(TMessage& Message);
  void MouseTrack(TMessage& Message);
  void MouseRelease(TMessage& Message);
  // Lets go of the mouse and the space key without a click.
  void CancelPress();
  bool Inside(TMessage& Message) const;

  bool pushed_ = false;
  bool mouseHeld_ = false;
  bool spaceHeld_ = false;
  bool clicksDisabled_ = false;
};
