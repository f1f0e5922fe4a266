#include <string>
#include <vector>

#include "buttons_fixture.h"
#include "menu_click_items.h"
#include "menus.h"
#include "stdctrls_edit.h"

namespace {

// A form with a main menu and an edit field that has the focus: Alt with a
// letter belongs to the menu bar, not to the field that takes characters.
class EditMenuKeyTest : public ButtonsTest {
 protected:
  void SetUp() override {
    form = ShownForm(300, 200);
    auto* menu = TObject::Create<TMainMenu>(form);
    TMenuItem* file = Item(menu->GetItems(), "&Datei");
    Item(file, "&Neu");
    TMenuItem* help = Item(menu->GetItems(), "&Hilfe");
    Item(help, "&Info");
    menu->AttachTo(form);
    edit = Add<TEdit>(form, 10, 10, 150);
    edit->SetFocus();
    app.pump();
  }
  TMenuItem* Item(TMenuItem* parent, const char* caption) { return AddClickItem(form, parent, caption, clicked); }
  // The menu tracks inside the pump: the key that picks the sub-item is
  // queued before.
  void AltThen(int vk, const char* typed, int subVk, const char* subTyped) {
    app.host().PostKeyDown(VK_MENU, Backend::modAlt);
    app.host().PostKey(vk, Backend::modAlt, typed);
    app.host().PostKeyUp(VK_MENU);
    app.key(subVk, 0, subTyped);
    app.pump();
  }

  TForm* form = nullptr;
  TEdit* edit = nullptr;
  std::vector<std::string> clicked;
};

}  // namespace

TEST_F(EditMenuKeyTest, AltWithALetterOpensTheBarItemAndTypesNothing) {
  AltThen('H', "h", 'I', "i");
  EXPECT_EQ(clicked, std::vector<std::string>{"&Info"});
  AltThen('D', "d", 'N', "n");
  EXPECT_EQ(clicked, (std::vector<std::string>{"&Info", "&Neu"}));
  EXPECT_EQ(edit->GetText(), "");
  app.text("x");
  app.pump();
  EXPECT_EQ(edit->GetText(), "x");
  EXPECT_EQ(form->GetActiveControl(), edit);
}
