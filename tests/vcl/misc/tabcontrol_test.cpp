#include "comctrls_tabcontrol.h"

#include "keyboard.h"
#include "stdctrls_fixture.h"

namespace {

class TabControlTest : public StdCtrlsTest {
 protected:
  void SetUp() override {
    form = ShownForm(400, 250);
    tabs = TObject::Create<TTabControl>(form);
    tabs->SetParent(form);
    tabs->SetBounds(10, 10, 300, 200);
    for (const char* caption : {"Allgemein", "Grafik", "Klang"}) tabs->GetTabs()->Add(caption);
    tabs->OnChanging = [this](TObject*, bool& allow) {
      log.push_back("changing " + std::to_string(tabs->GetTabIndex()));
      allow = allowChange;
    };
    tabs->OnChange = [this](TObject*) { log.push_back("change " + std::to_string(tabs->GetTabIndex())); };
    app.pump();
  }
  void ClickTab(int index) {
    const TRect r = tabs->TabRect(index);
    app.click(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    app.pump();
  }

  TForm* form = nullptr;
  TTabControl* tabs = nullptr;
  bool allowChange = true;
  std::vector<std::string> log;
};

}  // namespace

TEST_F(TabControlTest, ClickChangesTheTabAfterAskingAndCanChangeRefuses) {
  EXPECT_EQ(tabs->GetTabIndex(), 0);
  ClickTab(2);
  EXPECT_EQ(tabs->GetTabIndex(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"changing 0", "change 2"}));

  log.clear();
  allowChange = false;
  ClickTab(1);
  EXPECT_EQ(tabs->GetTabIndex(), 2);
  EXPECT_EQ(log, std::vector<std::string>{"changing 2"});
}

TEST_F(TabControlTest, CtrlTabTurnsThePagesFromTheControlAndFromAChildOnAPage) {
  tabs->SetFocus();
  app.pump();
  struct Step {
    int vk;
    unsigned modifiers;
    int want;
  } steps[] = {
      {VK_TAB, Backend::modCtrl, 1},
      {VK_TAB, Backend::modCtrl, 2},
      {VK_TAB, Backend::modCtrl, 0},  // round again
      {VK_TAB, Backend::modCtrl | Backend::modShift, 2},
      {VK_LEFT, 0, 1},
      {VK_RIGHT, 0, 2},
  };
  for (const Step& s : steps) {
    const bool ctrl = s.modifiers & Backend::modCtrl;
    if (ctrl) app.host().PostKeyDown(VK_CONTROL, Backend::modCtrl);
    app.key(s.vk, s.modifiers);
    if (ctrl) app.host().PostKeyUp(VK_CONTROL);
    app.pump();
    EXPECT_EQ(tabs->GetTabIndex(), s.want) << s.vk << " " << s.modifiers;
  }

  // A focused control on the page: Ctrl+Tab still turns the page.
  auto* child = TObject::Create<TLoggingControl>(form, nullptr);
  child->SetParent(tabs);
  child->SetFocus();
  app.pump();
  app.host().PostKeyDown(VK_CONTROL, Backend::modCtrl);
  app.key(VK_TAB, Backend::modCtrl);
  app.host().PostKeyUp(VK_CONTROL);
  app.pump();
  EXPECT_EQ(tabs->GetTabIndex(), 0);
}

TEST_F(TabControlTest, SelectedTabStandsHigherAndJoinsThePage) {
  tabs->SetTabIndex(1);
  app.pump();
  const TRect selected = tabs->TabRect(1), other = tabs->TabRect(0);
  const int x = (selected.left + selected.right) / 2;
  // Above the row of ordinary tabs the selected one's top edge shows.
  EXPECT_EQ(Pixel(tabs, x, selected.top - 2), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(tabs, (other.left + other.right) / 2, other.top - 2), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(tabs, (other.left + other.right) / 2, other.top), Rgb(clBtnHighlight));
  // Below it the page's top line is covered; below the others it shows.
  EXPECT_EQ(Pixel(tabs, x, selected.bottom), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(tabs, (other.left + other.right) / 2, other.bottom), Rgb(clBtnHighlight));
  // The display rect lies inside the page, below the tabs.
  const TRect page = tabs->DisplayRect();
  EXPECT_GT(page.top, selected.bottom);
  EXPECT_LT(page.right, tabs->GetWidth());
}

TEST_F(TabControlTest, ProgramChangesAskNobodyAndLosingTabsTakesTheIndex) {
  // Index set in the program asks nobody; an index past the tabs is refused.
  tabs->SetTabIndex(5);
  EXPECT_EQ(tabs->GetTabIndex(), 0);
  tabs->GetTabs()->Delete(0);
  tabs->GetTabs()->Delete(0);
  tabs->SetTabIndex(0);
  tabs->GetTabs()->Delete(0);
  EXPECT_EQ(tabs->GetTabIndex(), -1);
  EXPECT_TRUE(log.empty());
}
