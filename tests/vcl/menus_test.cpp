#include "menu_click_items.h"
#include "menus.h"

#include "keyboard.h"
#include "menu.h"
#include "menu_bar.h"
#include "stdctrls_fixture.h"

namespace {

// The game's shape: a bar item with sub-items and a separator, and a bar
// item without sub-items that fires at once.
class MenusTest : public StdCtrlsTest {
 protected:
  TMenuItem* Item(TMenuItem* parent, const char* caption) { return AddClickItem(form, parent, caption, clicked); }
  void Build() {
    form = ShownForm(300, 200);
    menu = TObject::Create<TMainMenu>(form);
    TMenuItem* game = Item(menu->GetItems(), "&Spiel");
    Item(game, "&Neu");
    Item(game, "-");
    Item(game, "&Beenden");
    Item(menu->GetItems(), "&Konfiguration");
    menu->AttachTo(form);
    app.pump();
  }
  void AltWith(int vk, const char* typed) {
    app.host().PostKeyDown(VK_MENU, Backend::modAlt);
    app.host().PostKey(vk, Backend::modAlt, typed);
    app.host().PostKeyUp(VK_MENU);
  }
  // A click on the bar, which lies right above the client area.
  void ClickBar(int x) {
    const TPoint origin = form->ClientToScreen(TPoint(0, 0));
    app.host().PostClick(origin.x + x, origin.y - 8);
  }

  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  std::vector<std::string> clicked;
};

}  // namespace

TEST_F(MenusTest, BarItemWithoutSubItemsFiresByAccessKeyAndByClick) {
  Build();
  EXPECT_EQ(GetMenuItemCount(menu->GetHandle()), 2);
  AltWith('K', "k");
  app.pump();
  EXPECT_EQ(clicked, std::vector<std::string>{"&Konfiguration"});
  const std::vector<TRect> rects = Menus::MenuBarItemRects(menu->GetHandle(), TRect(0, 0, 300, 19));
  ASSERT_EQ(rects.size(), 2u);
  ClickBar(rects[1].left + 5);
  app.pump();
  EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(MenusTest, SubItemIsChosenThroughTheBarAndThroughAccessKeys) {
  Build();
  AltWith('S', "s");
  app.key('B', 0, "b");
  app.pump();
  EXPECT_EQ(clicked, std::vector<std::string>{"&Beenden"});
  // The menu tracks inside the pump: its input is queued before.
  ClickBar(10);
  app.key(VK_DOWN);  // a click opens with no item highlighted: Down picks the first
  app.key(VK_RETURN);
  app.pump();
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Beenden", "&Neu"}));
}

TEST_F(MenusTest, AnErrorInAnItemIsShownAndTheLoopGoesOn) {
  Build();
  menu->GetItems()->GetItems(1)->OnClick = [](TObject*) { throw Exception("Der Schlüssel ist gesperrt"); };
  AltWith('K', "k");
  EXPECT_NO_THROW(app.pump());
  ASSERT_EQ(app.host().Asked().size(), 1u);
  EXPECT_EQ(app.host().Asked()[0].Text, "Der Schlüssel ist gesperrt.");
  AltWith('S', "s");
  app.key('B', 0, "b");
  app.pump();
  EXPECT_EQ(clicked, std::vector<std::string>{"&Beenden"});
}

TEST_F(MenusTest, ChangesRebuildTheBarAndDisabledOrFreedItemsDoNotFire) {
  Build();
  TMenuItem* config = menu->GetItems()->GetItems(1);
  config->SetEnabled(false);
  AltWith('K', "k");
  app.key(VK_ESCAPE);  // whatever stays selected in the bar
  app.key(VK_ESCAPE);
  app.pump();
  EXPECT_TRUE(clicked.empty());
  const UINT command = config->GetCommand();
  delete config;
  EXPECT_EQ(GetMenuItemCount(::GetMenu(form->GetHandle())), 1);
  EXPECT_FALSE(menu->DispatchCommand(command));
  menu->GetItems()->GetItems(0)->GetItems(1)->SetVisible(false);  // the separator
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(::GetMenu(form->GetHandle()), 0)), 2);
}

TEST_F(MenusTest, RadioItemsOfAGroupUncheckEachOtherAndTreesRefuseCycles) {
  Build();
  TMenuItem* game = menu->GetItems()->GetItems(0);
  TMenuItem* a = game->GetItems(0);
  TMenuItem* b = game->GetItems(2);
  a->SetRadioItem(true);
  b->SetRadioItem(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->GetChecked());
  EXPECT_TRUE(b->GetChecked());
  EXPECT_EQ(GetMenuState(GetSubMenu(menu->GetHandle(), 0), b->GetCommand(), MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  EXPECT_THROW(a->Add(game), EInvalidOperation);
  EXPECT_THROW(game->GetItems(9), EListError);
}

TEST_F(MenusTest, PopupRunsTheChosenItemBeforeItReturns) {
  form = ShownForm(300, 200);
  auto* popup = TObject::Create<TPopupMenu>(form);
  Item(popup->GetItems(), "&Kopieren");
  Item(popup->GetItems(), "&Einfügen");
  bool popped = false;
  popup->OnPopup = [&](TObject*) { popped = true; };
  app.key('E', 0, "e");
  popup->Popup(150, 150);
  EXPECT_TRUE(popped);
  EXPECT_EQ(clicked, std::vector<std::string>{"&Einfügen"});
}
