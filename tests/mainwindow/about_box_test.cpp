// The About box from the menu: its texts, and the keys that close it.
#include <algorithm>

#include "main_window_fixture.h"

namespace {

class AboutBoxTest : public MainWindowTest {
 protected:
  void SetUp() override { Open(); }
};

TEST_F(AboutBoxTest, EnterAndEscCloseItAndTheGameTakesTheNextKey) {
  for (int closing : {VK_RETURN, VK_ESCAPE}) {
    app->key(closing);
    form->About1Click(nullptr);
    app->pump();
    EXPECT_FALSE(Form2->GetVisible()) << closing;
  }
  Key(VK_RIGHT);
  EXPECT_EQ(form->Steps, 1);
}

TEST_F(AboutBoxTest, ShowsTheNameVersionAndThreeAddressLines) {
  EXPECT_EQ(std::string(Form2->GetCaption().c_str()), "Über TALLIX MORVANT II");
  EXPECT_EQ(std::string(Form2->VyrLabel2->GetCaption().c_str()), "TALLIX MORVANT II");
  EXPECT_EQ(std::string(Form2->VyrLabel1->GetCaption().c_str()), "Version 2.0");
  const std::string address = Form2->VyrLabel3->GetCaption().c_str();
  EXPECT_EQ(std::count(address.begin(), address.end(), '\n'), 2) << address;
  EXPECT_EQ(Form2->GetClientWidth(), 614);
  EXPECT_EQ(Form2->GetClientHeight(), 497);
}

}  // namespace
