// TCommonDialog: the base of the open and colour dialogs.
//
// Execute first asks the host (headless: the test's script, which records
// what was asked). An answer of 0 or less, or no answer at all (a real
// desktop), means "show the dialog": a modal form of this layer, built from
// the standard controls. OnShow fires once the form is up, OnClose once it
// is gone. While it shows, GetForm() is the form, whose controls carry
// names ("FileNameEdit", "OkButton" ...) so that a caller can reach them.
#pragma once

#include <optional>
#include <string>

#include "component.h"
#include "events.h"
#include "host.h"
#include "published.h"

class TCustomForm;

class TCommonDialog : public TComponent {
  MORVANT_PUBLISHED(TCommonDialog, TComponent)
 public:
  explicit TCommonDialog(TComponent* AOwner);

  int GetHelpContext() const { return helpContext_; }
  void SetHelpContext(int Value) { helpContext_ = Value; }
  bool GetCtl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value) { ctl3D_ = Value; }

  // True when the user confirmed.
  virtual bool Execute() = 0;

  TCustomForm* GetForm() const { return form_; }

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

 protected:
  // The host's answer, or nothing when the dialog should show its form.
  static std::optional<Backend::AskAnswer> AskHost(const std::string& Kind, const std::string& Caption,
                                                   const std::string& Text, unsigned Flags);
  // Shows Form modally (the dialog owns and frees it) and answers its
  // modal result; OnShow and OnClose around it.
  int RunForm(TCustomForm* Form);

 private:
  int helpContext_ = 0;
  bool ctl3D_ = true;
  TCustomForm* form_ = nullptr;
};
