#include "colors.h"
#include "core_fixture.h"
#include "focus.h"
#include "hintwindow.h"
#include "window.h"
#include "window_pos.h"

TEST(HintText, ShortPartBeforeTheBarLongPartAfterIt) {
  struct Case {
    const char* hint;
    const char* shortHint;
    const char* longHint;
  };
  const Case cases[] = {
      {"Kurz|Lang", "Kurz", "Lang"}, {"Beides", "Beides", "Beides"}, {"|Nur lang", "", "Nur lang"},
      {"Nur kurz|", "Nur kurz", ""}, {"a|b|c", "a", "b|c"},           {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetShortHint(c.hint), c.shortHint) << c.hint;
    EXPECT_EQ(GetLongHint(c.hint), c.longHint) << c.hint;
  }
}

namespace {

// A form that shows hints, with a window-less swatch and a windowed
// control that take it over from the form, and one that refuses.
class Hints : public CoreTest {
 protected:
  void SetUp() override {
    form = ShownForm(300, 200);
    form->SetShowHint(true);
    swatch = TObject::Create<TSwatch>(form);
    swatch->SetBounds(10, 10, 40, 40);
    swatch->SetHint("Neues Spiel|Beginnt ein neues Spiel");
    swatch->SetParent(form);
    windowed = TObject::Create<TLoggingControl>(form, nullptr);
    windowed->SetBounds(100, 10, 60, 40);
    windowed->SetHint("Zug zur\xC3\xBC" "ck");
    windowed->SetParent(form);
    silent = TObject::Create<TSwatch>(form);
    silent->SetBounds(200, 10, 40, 40);
    silent->SetHint("Nie");
    silent->SetShowHint(false);
    silent->SetParent(form);
    Application->OnHint = [this](TObject*) { hints.push_back(Application->GetHint().c_str()); };
    app.pump();
  }
  bool Shown() const {
    THintWindow* w = Application->GetHintWindow();
    return w && w->HandleAllocated() && IsWindowVisible(w->GetHandle());
  }
  std::string ShownText() const { return Shown() ? Application->GetHintWindow()->GetCaption().c_str() : ""; }

  TForm* form = nullptr;
  TSwatch* swatch = nullptr;
  TLoggingControl* windowed = nullptr;
  TSwatch* silent = nullptr;
  std::vector<std::string> hints;
};

}  // namespace

TEST_F(Hints, ShowAfterThePauseAndHideAfterTheHidePause) {
  MoveTo(swatch, 5, 5);
  EXPECT_EQ(hints, std::vector<std::string>{"Beginnt ein neues Spiel"});
  app.advance(Application->GetHintPause() - 1);
  EXPECT_FALSE(Shown());
  app.advance(1);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(ShownText(), "Neues Spiel");

  // Below the pointer, in the hint colour, and the form stays active.
  THintWindow* w = Application->GetHintWindow();
  const TPoint pointer = swatch->ClientToScreen(TPoint(5, 5));
  RECT r;
  GetWindowRect(w->GetHandle(), &r);
  EXPECT_EQ(r.left, pointer.x);
  EXPECT_GT(r.top, pointer.y);
  EXPECT_EQ(w->GetColor(), clInfoBk);
  EXPECT_EQ(GetActiveWindow(), form->GetHandle());
  EXPECT_EQ(Screen->GetActiveForm(), form);

  app.advance(Application->GetHintHidePause());
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(w->HandleAllocated());
  // Resting on, the hint does not come back.
  MoveTo(swatch, 6, 6);
  app.advance(5000);
  EXPECT_FALSE(Shown());
}

TEST_F(Hints, MovingOnFromAShowingHintTakesTheShortPause) {
  MoveTo(swatch, 5, 5);
  app.advance(Application->GetHintPause());
  ASSERT_TRUE(Shown());
  MoveTo(windowed, 5, 5);
  EXPECT_FALSE(Shown());
  app.advance(Application->GetHintShortPause());
  EXPECT_EQ(ShownText(), "Zug zur\xC3\xBC" "ck");
  EXPECT_EQ(hints.back(), "Zug zur\xC3\xBC" "ck");
}

TEST_F(Hints, LeavingClickingOrFreeingTheControlEndsTheHint) {
  // Leaving for a place without a hint.
  MoveTo(swatch, 5, 5);
  app.advance(Application->GetHintPause());
  ASSERT_TRUE(Shown());
  MoveTo(form, 150, 150);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(Application->GetHint(), "");
  app.advance(Application->GetHintPause());
  EXPECT_FALSE(Shown());

  // A press cancels it; a move over the control waits the pause again.
  MoveTo(windowed, 5, 5);
  app.advance(Application->GetHintPause());
  ASSERT_TRUE(Shown());
  app.click(windowed, 5, 5);
  app.pump();
  EXPECT_FALSE(Shown());
  MoveTo(windowed, 6, 6);
  app.advance(Application->GetHintPause());
  EXPECT_TRUE(Shown());

  delete windowed;
  app.pump();
  EXPECT_FALSE(Shown());
  app.advance(5000);
  EXPECT_FALSE(Shown());
}

TEST_F(Hints, NoHintWhereShowHintIsOffForTheControlOrTheApplication) {
  MoveTo(silent, 5, 5);
  app.advance(Application->GetHintPause());
  EXPECT_FALSE(Shown());
  EXPECT_EQ(Application->GetHint(), "Nie");  // the long hint still names it

  Application->SetShowHint(false);
  MoveTo(swatch, 5, 5);
  app.advance(Application->GetHintPause());
  EXPECT_FALSE(Shown());

  // A form that does not show hints keeps its children's to itself.
  Application->SetShowHint(true);
  form->SetShowHint(false);
  MoveTo(windowed, 5, 5);
  app.advance(Application->GetHintPause());
  EXPECT_FALSE(Shown());
}

TEST_F(CoreTest, HintRectFitsTheTextAndWrapsAtTheWidthGiven) {
  auto* w = TObject::Create<THintWindow>(Application);
  const TRect one = w->CalcHintRect(400, "Zug", nullptr);
  const TRect longer = w->CalcHintRect(400, "Zug zur\xC3\xBC" "cknehmen", nullptr);
  const TRect wrapped = w->CalcHintRect(80, "Zug um Zug und so weiter", nullptr);
  EXPECT_EQ(one.left, 0);
  EXPECT_EQ(one.top, 0);
  EXPECT_GT(one.Width(), 4);
  EXPECT_GT(longer.Width(), one.Width());
  EXPECT_EQ(longer.Height(), one.Height());
  EXPECT_LE(wrapped.Width(), 80);
  EXPECT_GT(wrapped.Height(), one.Height());

  // Shown at the desktop's edge, it moves back inside.
  w->ActivateHint(TRect(1000, 760, 1000 + longer.Width(), 760 + longer.Height()), "Zug zur\xC3\xBC" "cknehmen");
  RECT r;
  GetWindowRect(w->GetHandle(), &r);
  EXPECT_EQ(r.right, 1024);
  EXPECT_EQ(r.bottom, 768);
  char text[64] = {};
  GetWindowText(w->GetHandle(), text, sizeof text);
  EXPECT_STREQ(text, "Zug zur\xC3\xBC" "cknehmen");
  w->ReleaseHandle();
  EXPECT_FALSE(w->HandleAllocated());
}
