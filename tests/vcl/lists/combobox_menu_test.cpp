// The form's main menu after the combo box's drop-down list, a popup that
// holds the mouse, has closed again: the bar answers clicks and the form is
// the active window with an active caption.
#include <string>
#include <vector>

#include "focus.h"
#include "keyboard.h"
#include "menu_bar.h"
#include "menu_click_items.h"
#include "menus.h"
#include "mouse.h"
#include "nc_state.h"
#include "stdctrls_combobox.h"
#include "stdctrls_fixture.h"
#include "window_pos.h"

namespace {

class ComboBoxMenuTest : public StdCtrlsTest {
 public:
  TMenuItem* Item(TMenuItem* parent, const char* caption) { return AddClickItem(form, parent, caption, clicked); }
  void Build(TComboBoxStyle style) {
    form = ShownForm(300, 200);
    menu = TObject::Create<TMainMenu>(form);
    TMenuItem* game = Item(menu->GetItems(), "&Spiel");
    Item(game, "&Neu");
    Item(menu->GetItems(), "&Konfiguration");
    menu->AttachTo(form);
    box = TObject::Create<TComboBox>(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 150, 21);
    box->SetStyle(style);
    for (const char* s : {"Rot", "Grün", "Blau"}) box->GetItems()->Add(s);
    box->SetFocus();
    app.pump();
  }
  void OpenByClick() {
    app.click(box, box->GetClientWidth() - 5, 8);
    app.pump();
    ASSERT_TRUE(box->GetDroppedDown());
  }
  // A click on a bar item, which lies right above the client area.
  void ClickBar(int item) {
    const std::vector<TRect> rects = Menus::MenuBarItemRects(menu->GetHandle(), TRect(0, 0, 300, 19));
    ASSERT_EQ(rects.size(), 2u);
    const TPoint origin = form->ClientToScreen(TPoint(0, 0));
    app.host().PostClick(origin.x + rects[static_cast<std::size_t>(item)].left + 5, origin.y - 8);
  }
  void ExpectFormActive() {
    EXPECT_EQ(GetActiveWindow(), form->GetHandle());
    EXPECT_TRUE(NonClient::IsCaptionActive(form->GetHandle()));
  }
  // Both bar items: the one without sub-items fires at once, the other
  // opens its drop-down, where Down picks the first item and Enter
  // chooses it.
  void ExpectBarWorks() {
    ClickBar(1);
    app.pump();
    EXPECT_EQ(clicked, std::vector<std::string>{"&Konfiguration"});
    ClickBar(0);
    app.key(VK_DOWN);
    app.key(VK_RETURN);
    app.pump();
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Konfiguration", "&Neu"}));
    ExpectFormActive();
  }

  // Alt held over one key, as a player's fingers do it.
  void AltWith(int vk) {
    app.host().PostKeyDown(VK_MENU, Backend::modAlt);
    app.key(vk, Backend::modAlt);
    app.host().PostKeyUp(VK_MENU);
  }
  void AltAlone() {
    app.host().PostKeyDown(VK_MENU, Backend::modAlt);
    app.host().PostKeyUp(VK_MENU);
  }
  void LogClose(TObject*, TCloseAction&) { closes++; }

  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TComboBox* box = nullptr;
  std::vector<std::string> clicked;
  int closes = 0;
};

TEST_F(ComboBoxMenuTest, TheMenuBarWorksAfterTheListClosesByEscapeOrByAChoice) {
  for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
    for (bool choose : {false, true}) {
      SCOPED_TRACE(std::to_string(style) + (choose ? " chosen" : " escaped"));
      Build(style);
      OpenByClick();
      if (HasFatalFailure()) return;
      if (choose) {
        POINT p = TPoint(20, 1 * box->GetItemHeight() + 5);
        ClientToScreen(box->GetListHandle(), &p);
        app.host().PostClick(p.x, p.y, 1);
      } else {
        app.key(VK_ESCAPE);
      }
      app.pump();
      ASSERT_FALSE(box->GetDroppedDown());
      EXPECT_EQ(box->GetItemIndex(), choose ? 1 : -1);
      EXPECT_EQ(GetCapture(), nullptr);
      ExpectFormActive();
      ExpectBarWorks();
      delete form;
      clicked.clear();
    }
  }
}

// F4 alone opens and closes the list; Alt+F4 is the form's close command
// whether the list is open or not, and leaves the list closed.
TEST_F(ComboBoxMenuTest, F4TogglesTheListAndAltF4ClosesTheForm) {
  for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
    for (bool open : {false, true}) {
      SCOPED_TRACE(std::to_string(style) + (open ? " open" : " closed"));
      Build(style);
      form->OnClose = TCloseEvent(this, &ComboBoxMenuTest::LogClose);
      app.key(VK_F4);
      app.pump();
      EXPECT_TRUE(box->GetDroppedDown());
      app.key(VK_F4);
      app.pump();
      EXPECT_FALSE(box->GetDroppedDown());
      if (open) {
        app.key(VK_F4);
        app.pump();
        ASSERT_TRUE(box->GetDroppedDown());
      }
      closes = 0;
      AltWith(VK_F4);
      app.pump();
      EXPECT_EQ(closes, 1);
      EXPECT_FALSE(form->GetVisible());
      EXPECT_FALSE(box->GetDroppedDown());
      EXPECT_TRUE(clicked.empty());
      delete form;
    }
  }
}

// Alt+Down opens the list and is taken by the box: the release of Alt must
// not put the menu bar into keyboard mode, so Down and Return choose in the
// list and no menu item runs. Alt alone still opens the menu afterwards.
TEST_F(ComboBoxMenuTest, AltDownOpensTheListAndLeavesTheMenuBarAlone) {
  for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
    SCOPED_TRACE(style);
    Build(style);
    AltWith(VK_DOWN);
    app.pump();
    ASSERT_TRUE(box->GetDroppedDown());
    app.key(VK_DOWN);
    app.key(VK_DOWN);
    app.key(VK_RETURN);
    app.pump();
    EXPECT_FALSE(box->GetDroppedDown());
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_TRUE(clicked.empty());
    app.key(VK_ESCAPE);  // a menu left in keyboard mode would swallow this
    AltAlone();
    app.key(VK_RETURN);  // opens "Spiel"
    app.key(VK_RETURN);  // runs its first item
    app.pump();
    EXPECT_EQ(clicked, std::vector<std::string>{"&Neu"});
    EXPECT_EQ(box->GetItemIndex(), 1);
    delete form;
    clicked.clear();
  }
}

}  // namespace
