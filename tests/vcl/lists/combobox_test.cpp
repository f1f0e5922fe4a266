#include "stdctrls_combobox.h"

#include <string>
#include <vector>

#include "formres.h"
#include "formtext.h"
#include "keyboard.h"
#include "reader.h"
#include "stdctrls_edit.h"
#include "streams.h"
#include "stdctrls_fixture.h"
#include "window_pos.h"

namespace {

class ComboBoxTest : public StdCtrlsTest {
 public:
  void Make(TComboBoxStyle style) {
    form = ShownForm(300, 300);
    box = TObject::Create<TComboBox>(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 150, 21);
    box->SetStyle(style);
    for (const char* s : {"Rot", "Grün", "Blau", "Gelb"}) box->GetItems()->Add(s);
    box->OnChange = TNotifyEvent(this, &ComboBoxTest::Log);
    box->OnClick = TNotifyEvent(this, &ComboBoxTest::LogClick);
    box->OnDropDown = TNotifyEvent(this, &ComboBoxTest::LogDrop);
    box->OnCloseUp = TNotifyEvent(this, &ComboBoxTest::LogClose);
    box->SetFocus();
    app.pump();
  }
  void Log(TObject*) { events.push_back("change " + std::string(box->GetText().c_str())); }
  void LogClick(TObject*) { events.push_back("click " + std::to_string(box->GetItemIndex())); }
  void LogDrop(TObject*) { events.push_back("dropdown"); }
  void LogClose(TObject*) { events.push_back("closeup"); }
  // A click on an item of the open list.
  void ClickItem(int index) {
    HWND list = box->GetListHandle();
    POINT p = TPoint(20, index * box->GetItemHeight() + 5);
    ClientToScreen(list, &p);
    app.host().PostClick(p.x, p.y, 1);
    app.pump();
  }

  TForm* form = nullptr;
  TComboBox* box = nullptr;
  std::vector<std::string> events;
};

using Strings = std::vector<std::string>;

TEST_F(ComboBoxTest, TheButtonOpensTheListAndAClickOnAnItemChoosesItAndCloses) {
  Make(csDropDown);
  app.click(box, box->GetClientWidth() - 5, 8);
  app.pump();
  ASSERT_TRUE(box->GetDroppedDown());
  HWND list = box->GetListHandle();
  EXPECT_TRUE(IsWindowVisible(list));
  RECT lr, br;
  GetWindowRect(list, &lr);
  GetWindowRect(box->GetHandle(), &br);
  EXPECT_EQ(lr.top, br.bottom);
  EXPECT_EQ(lr.bottom - lr.top, 4 * 13 + 2);
  ClickItem(2);
  EXPECT_FALSE(box->GetDroppedDown());
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(box->GetItemIndex(), 2);
  EXPECT_EQ(box->GetText(), "Blau");
  EXPECT_EQ(events, (Strings{"dropdown", "closeup", "click 2", "change Blau"}));
}

TEST_F(ComboBoxTest, KeysOpenMoveAndChooseEscapeKeepsTheOldChoice) {
  struct Case {
    TComboBoxStyle style;
    int openKey;
    unsigned modifiers;
  };
  for (const Case& c : {Case{csDropDown, VK_F4, 0u}, Case{csDropDownList, VK_DOWN, Backend::modAlt},
                        Case{csOwnerDrawFixed, VK_F4, 0u}}) {
    SCOPED_TRACE(c.style);
    Make(c.style);
    box->SetItemIndex(1);
    app.key(c.openKey, c.modifiers);
    app.pump();
    ASSERT_TRUE(box->GetDroppedDown());
    app.key(VK_DOWN);
    app.key(VK_DOWN);
    app.key(VK_ESCAPE);
    app.pump();
    EXPECT_FALSE(box->GetDroppedDown());
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_EQ(events, (Strings{"dropdown", "closeup"}));
    events.clear();
    app.key(VK_F4);
    app.key(VK_DOWN);
    app.key(VK_RETURN);
    app.pump();
    EXPECT_FALSE(box->GetDroppedDown());
    EXPECT_EQ(box->GetItemIndex(), 2);
    EXPECT_EQ(events, (Strings{"dropdown", "closeup", "click 2", "change Blau"}));
    // Closed, Up and Down choose at once.
    events.clear();
    app.key(VK_UP);
    app.pump();
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_EQ(events, (Strings{"click 1", "change Grün"}));
    delete form;
    events.clear();
  }
}

TEST_F(ComboBoxTest, AClickOutsideTheOpenListClosesItWithoutAChange) {
  Make(csDropDownList);
  box->SetItemIndex(0);
  app.click(box, 20, 8);  // a list-only box opens anywhere on its field
  app.pump();
  ASSERT_TRUE(box->GetDroppedDown());
  app.click(form, 250, 250);
  app.pump();
  EXPECT_FALSE(box->GetDroppedDown());
  EXPECT_EQ(box->GetItemIndex(), 0);
  EXPECT_EQ(events, (Strings{"dropdown", "closeup"}));
}

TEST_F(ComboBoxTest, TypingEditsTheTextAndFiresOnChangePerKey) {
  Make(csDropDown);
  app.text("ab");
  app.key(VK_BACK);
  app.text("c");
  app.pump();
  EXPECT_EQ(box->GetText(), "ac");
  EXPECT_EQ(box->GetSelStart(), 2);
  EXPECT_EQ(events, (Strings{"change a", "change ab", "change a", "change ac"}));
  box->SetSelStart(0);
  box->SetSelLength(1);
  EXPECT_EQ(box->GetSelText(), "a");
}

// The edit part is an edit field's text model: it takes and refuses what a
// TEdit does, and Shift-moves select from an anchor letter by letter.
TEST_F(ComboBoxTest, TheEditPartTakesWhatAnEditTakesAndSelectsWholeLetters) {
  Make(csDropDown);
  auto* edit = TObject::Create<TEdit>(form);
  edit->SetParent(form);
  edit->SetBounds(10, 60, 150, 21);
  const unsigned letters[] = {U'a', 0x7F, 0x1B, 0xD800, U'\u00e4', 0x1F600, 0x110000, U'z'};
  for (unsigned letter : letters) {
    SendMessage(box->GetEditHandle(), WM_CHAR, letter, 0);
    SendMessage(edit->GetHandle(), WM_CHAR, letter, 0);
  }
  EXPECT_EQ(box->GetText(), "a\xC3\xA4\xF0\x9F\x98\x80z");
  EXPECT_EQ(box->GetText(), edit->GetText());

  box->SetFocus();
  app.pump();
  app.key(VK_LEFT, Backend::modShift);
  app.key(VK_LEFT, Backend::modShift);
  app.pump();
  EXPECT_EQ(box->GetSelText(), "\xF0\x9F\x98\x80z");
  app.key(VK_BACK);
  app.pump();
  EXPECT_EQ(box->GetText(), "a\xC3\xA4");
  app.key(VK_LEFT);
  app.key(VK_DELETE);
  app.pump();
  EXPECT_EQ(box->GetText(), "a");
}

TEST_F(ComboBoxTest, SwitchingTheStyleKeepsItemsChoiceAndText) {
  Make(csDropDown);
  box->SetItemIndex(3);
  const HWND before = box->GetHandle();
  for (TComboBoxStyle s : {csDropDownList, csOwnerDrawVariable, csSimple, csDropDown}) {
    box->SetStyle(s);
    app.pump();
    EXPECT_EQ(box->GetItems()->GetCount(), 4);
    EXPECT_EQ(box->GetItemIndex(), 3);
    EXPECT_EQ(box->GetText(), "Gelb");
    EXPECT_EQ(box->GetEditHandle() != nullptr, s == csDropDown || s == csSimple);
  }
  EXPECT_NE(box->GetHandle(), before);
  EXPECT_TRUE(events.empty());
}

TEST_F(ComboBoxTest, OwnerDrawingGetsTheFieldAndTheListItemsWithTheirStates) {
  struct Call {
    int index;
    TRect rect;
    bool selected, focused, field;
  };
  std::vector<Call> calls;
  struct Drawer : TObject {
    std::vector<Call>* calls;
    void Draw(TWinControl*, int Index, const TRect& Rect, TOwnerDrawState State) {
      calls->push_back({Index, Rect, State.Contains(odSelected), State.Contains(odFocused), State.Contains(odComboBoxEdit)});
    }
  } drawer;
  drawer.calls = &calls;
  Make(csOwnerDrawFixed);
  box->OnDrawItem = TDrawItemEvent(&drawer, &Drawer::Draw);
  box->SetItemIndex(1);
  app.pump();
  ASSERT_FALSE(calls.empty());
  const Call field = calls.back();
  EXPECT_EQ(field.index, 1);
  EXPECT_TRUE(field.field && field.selected && field.focused);
  EXPECT_EQ(field.rect, TRect(2, 2, box->GetClientWidth() - 16 - 2, box->GetClientHeight() - 2));
  calls.clear();
  app.key(VK_F4);
  app.pump();
  std::vector<Call> items;
  for (const Call& c : calls)
    if (!c.field) items.push_back(c);
  ASSERT_EQ(items.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(items[i].index, i);
    EXPECT_EQ(items[i].rect.top, i * 13);
    EXPECT_EQ(items[i].selected, i == 1);
  }
}

TEST_F(ComboBoxTest, AFormStreamedFromTextBuildsBothControlsWithTheirItems) {
  const char* text =
      "object Form1: TForm\n"
      "  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n"
      "  object ListBox1: TListBox\n    Left = 8\n    Top = 8\n    Width = 120\n    Height = 60\n"
      "    ItemHeight = 13\n    Items.Strings = (\n      'Erster'\n      'Zweiter'\n      'Dritter')\n"
      "    Sorted = True\n    TabOrder = 0\n  end\n"
      "  object ComboBox1: TComboBox\n    Left = 140\n    Top = 8\n    Width = 120\n    Height = 21\n"
      "    Style = csDropDownList\n    Items.Strings = (\n      'Leicht'\n      'Schwer')\n"
      "    ItemIndex = 1\n    DropDownCount = 5\n    TabOrder = 1\n  end\n"
      "end\n";
  TStringStream source{AnsiString(text)};
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  auto* f = TObject::Create<TForm>(Application);
  ReadComponentFromStream(&binary, f);
  auto* list = dynamic_cast<TListBox*>(f->FindComponent("ListBox1"));
  auto* combo = dynamic_cast<TComboBox*>(f->FindComponent("ComboBox1"));
  ASSERT_TRUE(list && combo);
  EXPECT_EQ(list->GetItems()->GetText(), "Dritter\r\nErster\r\nZweiter\r\n");
  EXPECT_EQ(combo->GetStyle(), csDropDownList);
  EXPECT_EQ(combo->GetItems()->GetCount(), 2);
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(combo->GetText(), "Schwer");
  EXPECT_EQ(combo->GetDropDownCount(), 5);
}

}  // namespace
