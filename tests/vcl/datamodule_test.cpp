#include <string>

#include "classregistry.h"
#include "datamodule.h"
#include "form_text.h"
#include "menus.h"
#include "ttimer.h"
#include "vcl_fixture.h"

namespace {

// fixtures/testdatamodule.form, embedded as RCDATA/TTESTDATAMODULE.
class TTestDataModule : public TDataModule {
  MORVANT_COMPONENT(TTestDataModule, TDataModule)
 public:
  using TDataModule::TDataModule;
  TTimer* Ticker = nullptr;
  int Created = 0;
  int* Destroyed = nullptr;
  int Ticks = 0;
  void ModuleCreate(TObject*) { ++Created; }
  void ModuleDestroy(TObject*) {
    // Its components are still there when it says goodbye.
    if (Destroyed && FindComponent("Ticker")) ++*Destroyed;
  }
  void TickerTimer(TObject*) { ++Ticks; }
};

void TTestDataModule::Publish(TPublisher<TTestDataModule>& P) {
  P.Method("ModuleCreate", &TTestDataModule::ModuleCreate);
  P.Method("ModuleDestroy", &TTestDataModule::ModuleDestroy);
  P.Method("TickerTimer", &TTestDataModule::TickerTimer);
  P.Field("Ticker", &TTestDataModule::Ticker);
}

}  // namespace

TEST_F(VclTest, ADataModuleIsBuiltFromItsResourceAndWrittenBackTheSame) {
  RegisterClass(TTestDataModule::StaticClass());
  auto* module = TObject::Create<TTestDataModule>(Application);
  EXPECT_EQ(module->GetName(), "Sounds");
  EXPECT_EQ(module->Created, 1);
  EXPECT_EQ(module->GetDesignOffset(), TPoint(200, 120));
  EXPECT_EQ(module->GetDesignSize(), TPoint(215, 150));
  ASSERT_NE(module->Ticker, nullptr);
  EXPECT_EQ(module->Ticker->GetOwner(), module);
  EXPECT_EQ(module->Ticker->GetInterval(), 40u);
  auto* louder = dynamic_cast_object<TMenuItem>(module->FindComponent("Louder"));
  ASSERT_NE(louder, nullptr);
  EXPECT_EQ(louder->GetCaption(), "Lauter");

  app.advance(100);
  EXPECT_EQ(module->Ticks, 2);

  const std::string written = TestSupport::WrittenFormText(module);
  for (const char* line : {"object Sounds: TTestDataModule\n", "  Left = 200\n", "  Width = 215\n",
                           "  object Ticker: TTimer\n", "    OnTimer = TickerTimer\n", "  object Choices: TPopupMenu\n",
                           "    object Louder: TMenuItem\n"})
    EXPECT_NE(written.find(line), std::string::npos) << line << " missing from\n" << written;

  int destroyed = 0;
  module->Destroyed = &destroyed;
  module->Free();
  EXPECT_EQ(destroyed, 1);
  UnRegisterClass(TTestDataModule::StaticClass());
}
