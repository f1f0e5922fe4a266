// A form hears of its components coming and going as the classes they were
// made with, and its own Notification override runs for each one it frees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms.h"
#include "headless_app.h"
#include "stdctrls_button.h"
#include "ttimer.h"

namespace {

class TWatchingForm : public TForm {
  MORVANT_CLASS(TWatchingForm, TForm)
 public:
  using TForm::TForm;
  // Outside the form, to be read after it is gone.
  std::vector<std::string>* Log = nullptr;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (Log) Log->push_back(std::string(Operation == opInsert ? "+" : "-") + AComponent->ClassName().str());
  }
};

TEST(ComponentLifetime, FormHearsOfItsComponentsAsTheirOwnClassesUntilItIsFreed) {
  TestSupport::HeadlessApp app;
  std::vector<std::string> log;
  auto* form = app.create_form<TWatchingForm>();
  form->Log = &log;
  TObject::Create<TButton>(form);
  TObject::Create<TTimer>(form);
  TObject::Create<TButton>(form)->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"+TButton", "+TTimer", "+TButton", "-TButton"}));

  log.clear();
  int componentsAtOnDestroy = -1;
  form->OnDestroy = [&](TObject*) { componentsAtOnDestroy = form->GetComponentCount(); };
  form->Free();
  EXPECT_EQ(componentsAtOnDestroy, 2) << "OnDestroy still sees the components";
  // Last the form leaving the application, still as itself.
  EXPECT_EQ(log, (std::vector<std::string>{"-TTimer", "-TButton", "-TWatchingForm"}));
}

TEST(ComponentLifetime, ApplicationFreesItsFormsTheSameWay) {
  std::vector<std::string> log;
  {
    TestSupport::HeadlessApp app;
    auto* form = app.create_form<TWatchingForm>();
    form->Log = &log;
    TObject::Create<TButton>(form);
    log.clear();
  }
  EXPECT_EQ(log, (std::vector<std::string>{"-TButton", "-TWatchingForm"}));
}

}  // namespace
