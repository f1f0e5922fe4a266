// The tool window a floating control lives in: made for the control on its
// first float, captioned with the control's caption; closing it hides the
// control, docking the control again hides the window.
#pragma once

#include "forms.h"

class TFloatDockForm : public TForm {
  MORVANT_COMPONENT(TFloatDockForm, TForm)
 public:
  explicit TFloatDockForm(TComponent* AOwner);
  TControl* GetDockClient() const { return client_; }
  void SetDockClient(TControl* Client) { client_ = Client; }

 protected:
  void DoClose(TCloseAction& Action) override;
  void BeforeDestruction() override;

 private:
  TControl* client_ = nullptr;
};
