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
 protected:
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
  // opens its drop-down, where Enter chooses the first item.
  void ExpectBarWorks() {
    ClickBar(1);
    app.pump();
    EXPECT_EQ(clicked, std::vector<std::string>{"&Konfiguration"});
    ClickBar(0);
    app.key(VK_RETURN);
    app.pump();
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Konfiguration", "&Neu"}));
    ExpectFormActive();
  }

  TForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TComboBox* box = nullptr;
  std::vector<std::string> clicked;
};

TEST_F(ComboBoxMenuTest, TheMenuBarWorksAfterTheListClosesByEscapeOrByAChoice) {
  for (TComboBoxStyle style : {csDropDown, csDropDownList}) {
    for (bool choose : {false, true}) {
      SCOPED_TRACE(std::to_string(style) + (choose ? " chosen" : " escaped"));
      Build(style);
      OpenByClick();
      if (HasFatalFailure()) return;
      if (choose) {
        TPoint p{20, 1 * box->GetItemHeight() + 5};
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

}  // namespace
