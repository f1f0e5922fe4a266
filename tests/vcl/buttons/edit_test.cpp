#include "stdctrls_edit.h"

#include <string>
#include <vector>

#include "buttons_fixture.h"
#include "cursor_caret.h"
#include "edit_messages.h"

namespace {

class EditTest : public ButtonsTest {
 protected:
  void SetUp() override {
    form = ShownForm();
    edit = Add<TEdit>(form, 10, 10, 150);
    other = Add<TEdit>(form, 10, 50, 150);
    edit->OnChange = [this](TObject*) { changes.push_back(edit->GetText().c_str()); };
    edit->SetFocus();
    app.pump();
  }
  void Type(const std::string& text) {
    app.text(text);
    app.pump();
  }

  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TEdit* other = nullptr;
  std::vector<std::string> changes;
};

}  // namespace

TEST_F(EditTest, TypedUmlautsGoInAsWholeLettersAndBackspaceTakesThemOut) {
  Type("Grüße");
  EXPECT_EQ(edit->GetText(), "Grüße");
  EXPECT_EQ(edit->GetSelStart(), 7);
  Key(VK_BACK);
  Key(VK_BACK);
  EXPECT_EQ(edit->GetText(), "Grü");
  Key(VK_LEFT);
  Type("\xE2\x82\xAC");  // a letter beyond one byte
  EXPECT_EQ(edit->GetText(), "Gr€ü");
  EXPECT_EQ(changes, (std::vector<std::string>{"G", "Gr", "Grü", "Grüß", "Grüße", "Grüß", "Grü", "Gr€ü"}));
  EXPECT_TRUE(edit->GetModified());
}

TEST_F(EditTest, OnKeyPressCanReplaceOrSwallowBytesWhileLettersBeyondThemGoInWhole) {
  edit->OnKeyPress = [](TObject*, char& key) {
    if (key == 'a') key = 'b';
    if (key == 'x') key = 0;
  };
  Type("a\xE2\x82\xACx\xC4\x80");  // a, the euro sign, x, and U+0100 whose low byte is 0
  EXPECT_EQ(edit->GetText(), "b\xE2\x82\xAC\xC4\x80");
}

TEST_F(EditTest, KeysMoveSelectAndDeleteByLettersAndWords) {
  struct Case {
    const char* text;
    int caret;
    std::vector<std::pair<int, unsigned>> keys;
    const char* result;
    int selStart, selLength;
  };
  const unsigned shift = Backend::modShift, ctrl = Backend::modCtrl;
  const Case cases[] = {
      {"Straße", 7, {{VK_LEFT, shift}, {VK_LEFT, shift}}, "Straße", 4, 3},  // ß is two bytes
      {"Straße", 7, {{VK_HOME, shift}, {VK_DELETE, 0}}, "", 0, 0},
      {"Straße", 0, {{VK_END, 0}, {VK_LEFT, 0}, {VK_DELETE, 0}}, "Straß", 6, 0},
      {"Straße", 0, {{VK_RIGHT, 0}, {VK_RIGHT, shift}, {VK_RIGHT, 0}}, "Straße", 2, 0},  // a plain move ends the selection
      {"ein neues Spiel", 15, {{VK_LEFT, ctrl}, {VK_LEFT, ctrl | shift}}, "ein neues Spiel", 4, 6},
      {"abc", 1, {{VK_DELETE, 0}, {VK_HOME, 0}, {VK_DELETE, 0}}, "c", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    edit->SetText(c.text);
    edit->SetSelStart(c.caret);
    for (auto [vk, mods] : c.keys) Key(vk, mods);
    EXPECT_EQ(edit->GetText(), c.result);
    EXPECT_EQ(edit->GetSelStart(), c.selStart);
    EXPECT_EQ(edit->GetSelLength(), c.selLength);
  }
}

TEST_F(EditTest, MaxLengthCountsLettersAndReadOnlyKeepsTheTextButNotTheCaret) {
  edit->SetMaxLength(3);
  Type("äöüx");
  EXPECT_EQ(edit->GetText(), "äöü");
  edit->SetReadOnly(true);
  Key(VK_BACK);
  Type("y");
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(edit->GetText(), "äöü");
  EXPECT_EQ(edit->GetSelStart(), 0);
  // The program is not bound by either.
  edit->SetText("längerer Text");
  EXPECT_EQ(edit->GetText(), "längerer Text");
}

TEST_F(EditTest, OnChangeFiresOnceForEveryRealChangeAlsoFromTheProgram) {
  edit->SetText("Level 1");
  edit->SetText("Level 1");
  edit->SelectAll();
  edit->SetSelText("Level 2");
  edit->SetSelStart(6);
  edit->SetSelLength(1);
  EXPECT_EQ(edit->GetSelText(), "2");
  edit->ClearSelection();
  EXPECT_EQ(changes, (std::vector<std::string>{"Level 1", "Level 2", "Level "}));
}

TEST_F(EditTest, TabSelectsAllWithAutoSelectWhileAClickPlacesTheCaret) {
  edit->SetText("Welt");
  other->SetText("Zahl");
  Key(VK_TAB);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(other->GetSelLength(), 4);
  // A click far right of the text puts the caret at its end, without a selection.
  app.click(edit, 140, 8);
  app.pump();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->GetSelStart(), 4);
  EXPECT_EQ(edit->GetSelLength(), 0);
  // Dragging from the start selects.
  Press(edit, 0, 8);
  MoveTo(edit, 140, 8);
  Release(edit, 140, 8);
  EXPECT_EQ(edit->GetSelStart(), 0);
  EXPECT_EQ(edit->GetSelLength(), 4);
  other->SetAutoSelect(false);
  other->SetSelStart(1);
  Key(VK_TAB);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(other->GetSelLength(), 0);
}

TEST_F(EditTest, ClipboardCopiesCutsAndPastesBetweenFields) {
  Type("Hallo Welt");
  Key(VK_LEFT, Backend::modShift | Backend::modCtrl);
  app.key('X', Backend::modCtrl);
  app.pump();
  EXPECT_EQ(edit->GetText(), "Hallo ");
  other->SetFocus();
  app.key('V', Backend::modCtrl);
  app.pump();
  Key(VK_INSERT, Backend::modShift);
  EXPECT_EQ(other->GetText(), "WeltWelt");
  // A read-only field gives its text but takes none.
  other->SetReadOnly(true);
  other->SelectAll();
  app.key('X', Backend::modCtrl);
  app.key('V', Backend::modCtrl);
  app.pump();
  EXPECT_EQ(other->GetText(), "WeltWelt");
  edit->SetFocus();
  edit->SelectAll();
  app.key('V', Backend::modCtrl);
  app.pump();
  EXPECT_EQ(edit->GetText(), "WeltWelt");
}

TEST_F(EditTest, LongTextScrollsSoTheCaretStaysInsideTheField) {
  const int inside = edit->GetClientWidth();
  Type("Ein sehr langer Name für eine Spielebene, länger als das Feld");
  POINT caret{};
  GetCaretPos(&caret);
  EXPECT_GT(caret.x, inside / 2);
  EXPECT_LT(caret.x, inside);
  // The start of the text has scrolled out of view: its first pixels are
  // now those of a later part.
  Key(VK_HOME);
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, 1);
  EXPECT_GT(CountOtherThan(edit, TRect(1, 0, 8, edit->GetClientHeight()), clWindow), 0);
  const int atStart = CountOtherThan(edit, TRect(0, 0, inside, edit->GetClientHeight()), clWindow);
  EXPECT_GT(atStart, 50);
}

TEST_F(EditTest, FieldHasTheSunkenBorderAndAnswersTheEditMessages) {
  HDC dc = GetWindowDC(edit->GetHandle());
  EXPECT_EQ(GetPixel(dc, 5, 0), Rgb(clBtnShadow));
  EXPECT_EQ(GetPixel(dc, 5, 1), Rgb(cl3DDkShadow));
  EXPECT_EQ(GetPixel(dc, 5, edit->GetHeight() - 1), Rgb(clBtnHighlight));
  ReleaseDC(edit->GetHandle(), dc);
  EXPECT_EQ(edit->GetClientHeight(), edit->GetHeight() - 4);

  SetWindowText(edit->GetHandle(), "Größe");
  EXPECT_EQ(edit->GetText(), "Größe");
  char buffer[4];
  EXPECT_EQ(GetWindowText(edit->GetHandle(), buffer, 4), 2);  // the ö is not cut in two
  EXPECT_STREQ(buffer, "Gr");
  edit->Perform(EM_SETSEL, 2, -1);
  DWORD start = 0, end = 0;
  edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 7u);
  EXPECT_EQ(edit->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, DLGC_WANTCHARS);
}
