#include "dialogs_common.h"

#include "forms.h"
#include "scope_guard.h"

void TCommonDialog::Publish(TPublisher<TCommonDialog>& P) {
  P.Bool("Ctl3D", &TCommonDialog::GetCtl3D, &TCommonDialog::SetCtl3D, true);
  P.Integer("HelpContext", &TCommonDialog::GetHelpContext, &TCommonDialog::SetHelpContext, 0);
  P.Event("OnClose", &TCommonDialog::OnClose);
  P.Event("OnShow", &TCommonDialog::OnShow);
}

TCommonDialog::TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

std::optional<Backend::AskAnswer> TCommonDialog::AskHost(const std::string& Kind, const std::string& Caption,
                                                          const std::string& Text, unsigned Flags) {
  if (!Backend::HostInstalled()) return std::nullopt;
  std::optional<Backend::AskAnswer> answer = Backend::CurrentHost().Ask({Kind, Caption, Text, Flags});
  if (answer && answer->Result <= 0) return std::nullopt;
  return answer;
}

int TCommonDialog::RunForm(TCustomForm* Form) {
  TOwnedObject<TCustomForm> owned(Form);
  form_ = Form;
  Form->OnShow = [this](TObject*) {
    if (OnShow) OnShow(this);
  };
  int result = mrCancel;
  {
    TScopeGuard forget([this] { form_ = nullptr; });
    result = Form->ShowModal();
  }
  owned.reset();
  if (OnClose) OnClose(this);
  return result;
}
