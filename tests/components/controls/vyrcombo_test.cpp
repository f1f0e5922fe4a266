// The library's combo box: incremental search on the pool's timer, the flat
// and sunken border in the window DC, the focus hand-over after a choice,
// and its published properties through a form.
#include <gtest/gtest.h>

#include <string>

#include "colors.h"
#include "exceptions.h"
#include "focus.h"
#include "form_text.h"
#include "forms.h"
#include "gdi.h"
#include "keyboard.h"
#include "library_app.h"
#include "paint.h"
#include "stdctrls_edit.h"
#include "vyrclass.h"
#include "vyrclass_application.h"
#include "vyrcombo.h"
#include "window_pos.h"

using Vyrclass::VyrApplication;
using Vyrcombo::TVyrComboBox;

class VyrComboTest : public ::testing::Test {
 public:
  TestSupport::LibraryApp app{{Vyrclass::Unit, Vyrcombo::Unit}};

  void SetUp() override {
    form = TObject::Create<TForm>(Application);
    form->SetBounds(0, 0, 400, 300);
    form->Show();
    box = TObject::Create<TVyrComboBox>(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 150, 21);
    edit = TObject::Create<TEdit>(form);
    edit->SetParent(form);
    edit->SetBounds(10, 100, 100, 21);
    app.pump();
  }
  // The whole window's pixel, border included.
  COLORREF WindowPixel(int x, int y) {
    HDC dc = GetWindowDC(box->GetHandle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(box->GetHandle(), dc);
    return c;
  }
  static COLORREF Rgb(TColor c) { return static_cast<COLORREF>(ColorToRGB(c)); }
  void MoveTo(TControl* control, int x, int y) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    app.host().PostMouseMove(p.x, p.y);
    app.pump();
  }
  void Selected(TObject*) { ++selects; }

  TForm* form = nullptr;
  TVyrComboBox* box = nullptr;
  TEdit* edit = nullptr;
  int selects = 0;
};

TEST_F(VyrComboTest, TypingPausesThenCompletesWithTheFirstItemCaseSensitively) {
  for (const char* s : {"Abc", "abd"}) box->GetItems()->Add(s);
  box->SetSearch(true);
  EXPECT_TRUE(box->GetSorted());
  box->SetFocus();
  app.pump();
  app.key('A', 0, "a");
  app.advance(100);
  app.key('B', 0, "b");
  app.advance(1450);
  EXPECT_EQ(box->GetItemIndex(), -1);
  EXPECT_EQ(box->GetText(), "ab");
  app.advance(100);
  EXPECT_EQ(box->GetItemIndex(), 1);
  EXPECT_EQ(box->GetText(), "abd");
  EXPECT_EQ(box->GetSelStart(), 2);
  EXPECT_EQ(box->GetSelLength(), 1);
  EXPECT_FALSE(VyrApplication->GetTimer(box->GetSearchTimer())->GetEnabled());
}

TEST_F(VyrComboTest, BackspaceAndDeleteWaitASecondLonger) {
  for (const char* s : {"Abc", "abd"}) box->GetItems()->Add(s);
  box->SetSearch(true);
  box->SetFocus();
  app.pump();
  for (int key : {VK_BACK, VK_DELETE}) {
    box->SetText("abx");
    box->SetSelStart(3);
    app.key(key, 0, key == VK_BACK ? "\b" : "");
    if (key == VK_DELETE) {
      // Delete removes after the caret: take the x from in front of it.
      box->SetText("ab");
    }
    app.advance(2450);
    EXPECT_NE(box->GetText(), "abd") << key;
    app.advance(100);
    EXPECT_EQ(box->GetText(), "abd") << key;
  }
}

TEST_F(VyrComboTest, WithoutAFreePoolTimerTheBoxIsNotMadeAndLeavesNothingBehind) {
  std::vector<Word> taken;
  while (Word t = VyrApplication->AddTimer(1000, TNotifyEvent())) taken.push_back(t);
  const int components = form->GetComponentCount();
  const int timers = VyrApplication->GetTimerPool()->Count();
  try {
    TObject::Create<TVyrComboBox>(form);
    ADD_FAILURE() << "made without a timer";
  } catch (const EOutOfResources& e) {
    EXPECT_STREQ(e.Message.c_str(), "Nicht genügend Timer verfügbar");
  }
  EXPECT_EQ(form->GetComponentCount(), components);
  EXPECT_EQ(VyrApplication->GetTimerPool()->Count(), timers);
  for (Word t : taken) VyrApplication->RemoveTimer(t);
}

TEST_F(VyrComboTest, TheFlatBorderTurnsSunkenUnderThePointerAndWithTheFocus) {
  const int w = box->GetWidth(), h = box->GetHeight();
  auto expectFlat = [&](const char* when) {
    EXPECT_EQ(WindowPixel(0, 0), Rgb(clBtnFace)) << when;
    EXPECT_EQ(WindowPixel(1, 1), Rgb(clBtnFace)) << when;
    EXPECT_EQ(WindowPixel(w - 1, h - 1), Rgb(clBtnFace)) << when;
    EXPECT_EQ(WindowPixel(2, 2), Rgb(clWindow)) << when;
  };
  auto expectSunken = [&](const char* when) {
    EXPECT_EQ(WindowPixel(0, 0), Rgb(clBtnShadow)) << when;
    EXPECT_EQ(WindowPixel(1, 1), Rgb(clWindowFrame)) << when;
    EXPECT_EQ(WindowPixel(w - 2, h / 2), Rgb(clBtnFace)) << when;
    EXPECT_EQ(WindowPixel(w - 1, h - 1), Rgb(clBtnHighlight)) << when;
  };
  expectSunken("not flat");
  box->SetBoolean(0, true);
  app.pump();
  expectFlat("idle");
  box->Repaint();
  expectFlat("after a paint");
  MoveTo(box, box->GetClientWidth() - 4, 8);
  expectSunken("pointer over the button");
  MoveTo(box, 30, 8);
  expectSunken("pointer over the edit part");
  MoveTo(form, 300, 250);
  expectFlat("pointer gone");
  box->SetFocus();
  app.pump();
  expectSunken("focused");
  box->Repaint();
  expectSunken("focused, after a paint");
  edit->SetFocus();
  app.pump();
  expectFlat("focus gone");
  box->SetBoolean(0, false);
  app.pump();
  expectSunken("Flat off");
}

TEST_F(VyrComboTest, AChoiceHandsTheFocusOverButNavigationDoesNot) {
  for (const char* s : {"Eins", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn"})
    box->GetItems()->Add(s);
  box->SetFocusControl(edit);
  box->OnSelect = TNotifyEvent(this, &VyrComboTest::Selected);
  auto focusBox = [&] {
    box->SetFocus();
    app.pump();
    ASSERT_EQ(GetFocus(), box->GetEditHandle());
  };
  // Up and PgDn move the choice and keep the focus.
  focusBox();
  box->SetItemIndex(3);
  for (int key : {VK_UP, VK_NEXT}) {
    const int before = selects;
    app.key(key);
    app.pump();
    EXPECT_EQ(selects, before + 1) << key;
    EXPECT_EQ(GetFocus(), box->GetEditHandle()) << key;
  }
  // Down in the closed box chooses and hands over.
  box->SetItemIndex(3);
  selects = 0;
  app.key(VK_DOWN);
  app.pump();
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(GetFocus(), edit->GetHandle());
  // Enter hands over, choosing nothing.
  focusBox();
  selects = 0;
  app.key(VK_RETURN);
  app.pump();
  EXPECT_EQ(GetFocus(), edit->GetHandle());
  EXPECT_EQ(selects, 0);
  // A click on an item of the open list.
  focusBox();
  app.click(box, box->GetClientWidth() - 4, 8);
  app.pump();
  ASSERT_TRUE(box->GetDroppedDown());
  TPoint p{20, 1 * box->GetItemHeight() + 5};
  ClientToScreen(box->GetListHandle(), &p);
  app.host().PostClick(p.x, p.y, 1);
  app.pump();
  EXPECT_EQ(box->GetItemIndex(), 1);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(GetFocus(), edit->GetHandle());
  // The focus control freed: nil.
  edit->Free();
  EXPECT_EQ(box->GetFocusControl(), nullptr);
}

TEST_F(VyrComboTest, ThePublishedPropertiesComeBackThroughAForm) {
  auto* host = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(R"(object Host: TForm
  object Target: TEdit
    Left = 0
    Top = 60
  end
  object Box: TVyrComboBox
    Left = 4
    Top = 5
    Width = 120
    DropDownCount = 12
    DropDownWidth = 200
    Flat = True
    FocusControl = Target
    Interval = 700
    Search = True
    Style = csDropDownList
    Items.Strings = (
      'Abc'
      'abd')
    ItemIndex = 1
  end
end
)",
                            host);
  auto* read = dynamic_cast_object<TVyrComboBox>(host->FindComponent("Box"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetDropDownCount(), 12);
  EXPECT_EQ(read->GetDropDownWidth(), 200);
  EXPECT_EQ(read->GetDropWidth(), 200);
  EXPECT_TRUE(read->GetFlat());
  EXPECT_EQ(read->GetFocusControl(), host->FindComponent("Target"));
  EXPECT_EQ(read->GetInterval(), 700);
  EXPECT_TRUE(read->GetSearch());
  EXPECT_TRUE(read->GetSorted());
  EXPECT_EQ(read->GetStyle(), csDropDownList);
  EXPECT_EQ(read->GetText(), "abd");
  const std::string written = TestSupport::WrittenFormText(host);
  for (const char* line : {"DropDownWidth = 200", "Flat = True", "FocusControl = Target", "Interval = 700",
                           "Search = True", "Style = csDropDownList"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  host->Free();
  auto* again = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, again);
  EXPECT_EQ(TestSupport::WrittenFormText(again), written);
  // Defaults are not written.
  auto* plain = TObject::Create<TVyrComboBox>(again);
  plain->SetName("Plain");
  const std::string defaults = TestSupport::WrittenFormText(plain);
  for (const char* absent : {"Flat", "Interval", "Search", "DropDownWidth", "DropDownCount"})
    EXPECT_EQ(defaults.find(absent), std::string::npos) << absent;
}
