#include "keyboard.h"
#include "menu.h"
#include "menus.h"
#include "stdctrls_fixture.h"

TEST(ShortCutText, BothWays) {
  struct Case {
    TShortCut value;
    const char* text;
  } cases[] = {
      {ShortCut('S', {ssCtrl}), "Strg+S"},
      {ShortCut(VK_DELETE, {ssShift}), "Umsch+Entf"},
      {ShortCut(VK_F4, {ssAlt}), "Alt+F4"},
      {ShortCut(VK_INSERT, {ssShift, ssCtrl, ssAlt}), "Umsch+Strg+Alt+Einfg"},
      {ShortCut(VK_HOME, {}), "Pos1"},
      {ShortCut(VK_END, {ssCtrl}), "Strg+Ende"},
      {ShortCut(VK_PRIOR, {}), "Bild auf"},
      {ShortCut(VK_NEXT, {}), "Bild ab"},
      {ShortCut(VK_F12, {}), "F12"},
      {ShortCut('7', {ssCtrl}), "Strg+7"},
      {ShortCut(VK_BACK, {ssAlt}), "Alt+Rück"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.value), AnsiString(c.text)) << c.text;
    EXPECT_EQ(TextToShortCut(c.text), c.value) << c.text;
  }
  EXPECT_EQ(TextToShortCut("strg+s"), ShortCut('S', {ssCtrl}));
  for (const char* bad : {"", "Strg+", "Strg+Nichts", "Hyper+S"}) EXPECT_EQ(TextToShortCut(bad), scNone) << bad;
  EXPECT_EQ(ShortCutToText(scNone), AnsiString());
  EXPECT_EQ(ShortCut(0x1234, {ssCtrl}), scNone);
}

namespace {

class MenuKeysTest : public StdCtrlsTest {
 protected:
  void SetUp() override {
    form = ShownForm(300, 200);
    field = TObject::Create<TLoggingControl>(form, nullptr);
    field->SetParent(form);
    field->SetBounds(10, 10, 100, 40);
    field->OnKeyDown = [this](TObject*, Word& key, TShiftState) { log.push_back("key " + std::to_string(key)); };
    field->SetFocus();
    app.pump();
  }
  TMenuItem* Item(TMenuItem* parent, const char* caption, TShortCut shortcut = scNone) {
    auto* item = TObject::Create<TMenuItem>(form);
    item->SetCaption(caption);
    item->SetShortCut(shortcut);
    item->OnClick = [this, caption](TObject*) { log.push_back(caption); };
    parent->Add(item);
    return item;
  }
  void CtrlKey(int vk) {
    app.host().PostKeyDown(VK_CONTROL, Backend::modCtrl);
    app.key(vk, Backend::modCtrl);
    app.host().PostKeyUp(VK_CONTROL);
    app.pump();
  }

  TForm* form = nullptr;
  TLoggingControl* field = nullptr;
  std::vector<std::string> log;
};

}  // namespace

TEST_F(MenuKeysTest, ShortcutRunsTheEnabledItemBeforeTheControlSeesTheKey) {
  auto* menu = TObject::Create<TMainMenu>(form);
  TMenuItem* game = Item(menu->GetItems(), "&Spiel");
  Item(game, "&Neu", ShortCut('N', {ssCtrl}));
  TMenuItem* save = Item(game, "&Speichern", ShortCut('S', {ssCtrl}));
  menu->AttachTo(form);
  app.pump();

  CtrlKey('N');  // the field sees Ctrl, the item takes N
  EXPECT_EQ(log, (std::vector<std::string>{"key 17", "&Neu"}));

  log.clear();
  save->SetEnabled(false);
  CtrlKey('S');  // a disabled item lets the key through
  game->SetEnabled(false);
  CtrlKey('N');  // so does a disabled parent
  EXPECT_EQ(log, (std::vector<std::string>{"key 17", "key 83", "key 17", "key 78"}));
}

TEST_F(MenuKeysTest, DropDownShowsTheShortcutRightOfTheCaption) {
  auto* menu = TObject::Create<TMainMenu>(form);
  TMenuItem* game = Item(menu->GetItems(), "&Spiel");
  Item(game, "&Neu", ShortCut('N', {ssCtrl}));
  menu->AttachTo(form);
  char text[64] = {};
  HMENU sub = GetSubMenu(menu->GetHandle(), 0);
  ASSERT_NE(sub, nullptr);
  GetMenuString(sub, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Neu\tStrg+N");
}

TEST_F(MenuKeysTest, RightClickAndContextKeyPopUpTheControlsMenu) {
  auto* popup = TObject::Create<TPopupMenu>(form);
  Item(popup->GetItems(), "&Kopieren");
  Item(popup->GetItems(), "&Einfügen", ShortCut('V', {ssCtrl}));
  field->SetPopupMenu(popup);

  app.click(field, 20, 20, 2);
  app.key('E', 0, "e");  // chooses in the menu the click opens
  app.pump();
  EXPECT_EQ(log, std::vector<std::string>{"&Einfügen"});
  EXPECT_EQ(popup->GetPopupComponent(), field);

  log.clear();
  app.key(VK_APPS);
  app.key('K', 0, "k");
  app.pump();
  EXPECT_EQ(log, std::vector<std::string>{"&Kopieren"});

  log.clear();
  CtrlKey('V');  // the popup's shortcuts work without it showing
  EXPECT_EQ(log, (std::vector<std::string>{"key 17", "&Einfügen"}));

  log.clear();
  popup->SetAutoPopup(false);
  app.click(field, 20, 20, 2);
  app.pump();
  EXPECT_TRUE(log.empty());
}
