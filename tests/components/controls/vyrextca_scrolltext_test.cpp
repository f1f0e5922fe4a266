// The scrolling text on the pool timer and the virtual clock: where the
// text stands at each step, the three styles at the end of a pass, the
// text block's size in both modes, what it paints, and its form text.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "exceptions.h"
#include "tstrings.h"
#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrclass_application.h"
#include "vyrextca.h"
#include "vyrmms.h"
#include "vyrutils.h"

using namespace Vyrextca;

namespace {

class ScrollTextTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrextca::Unit}};
  TForm* form = nullptr;

  void SetUp() override { form = NewForm(clWhite); }

  TVyrScrollText* NewText(int Width = 200, int Height = 40) {
    auto* text = Place<TVyrScrollText>(form, 10, 10, Width, Height);
    text->SetColor(clWhite);
    text->GetFont()->SetColor(clBlack);
    text->GetFont()->SetSize(14);
    app.pump();
    return text;
  }

  static void SetLines(TVyrScrollText* Text, std::initializer_list<const char*> Lines) {
    Text->GetLines()->Clear();
    for (const char* line : Lines) Text->GetLines()->Add(line);
  }

  // The bounds of the pixels in the font's colour.
  static TRect InkBox(TVyrScrollText* Text) {
    TRect box(Text->GetWidth(), Text->GetHeight(), 0, 0);
    for (int y = 0; y < Text->GetHeight(); ++y)
      for (int x = 0; x < Text->GetWidth(); ++x)
        if (Shown(Text, x, y) == Rgb(clBlack))
          box = TRect(std::min<int>(box.left, x), std::min<int>(box.top, y), std::max<int>(box.right, x + 1),
                      std::max<int>(box.bottom, y + 1));
    return box;
  }

  // The pixels of the inner area in the font's colour.
  static int InkPixels(TVyrScrollText* Text) {
    int ink = 0;
    for (int y = 0; y < Text->GetHeight(); ++y)
      for (int x = 0; x < Text->GetWidth(); ++x) ink += Shown(Text, x, y) == Rgb(clBlack);
    return ink;
  }
};

TEST(ScrollOrigin, TheTextEntersAtStepZeroAndHasLeftAtTheLastStep) {
  const TSize text(30, 20), inner(100, 50);
  const TPoint centre(35, 15);
  struct Case {
    TVyrScrollDirection direction;
    TPoint atStart, halfway, atEnd;
  } cases[] = {
      {TVyrScrollDirection::sdBottomToTop, {35, 50}, {35, 15}, {35, -20}},
      {TVyrScrollDirection::sdTopToBottom, {35, -20}, {35, 15}, {35, 50}},
      {TVyrScrollDirection::sdLeftToRight, {-30, 15}, {35, 15}, {100, 15}},
      {TVyrScrollDirection::sdRightToLeft, {100, 15}, {35, 15}, {-30, 15}},
  };
  for (const Case& c : cases) {
    const int d = static_cast<int>(c.direction);
    EXPECT_EQ(VyrScrollOrigin(c.direction, 0, 10, text, inner, centre), c.atStart) << d;
    EXPECT_EQ(VyrScrollOrigin(c.direction, 5, 10, text, inner, centre), c.halfway) << d;
    EXPECT_EQ(VyrScrollOrigin(c.direction, 10, 10, text, inner, centre), c.atEnd) << d;
  }
}

// Each style at the end of a pass of four steps, started one step before
// the last: the step and the direction after each 100 ms tick.
TEST_F(ScrollTextTest, EachStyleEndsAPassItsOwnWay) {
  using D = TVyrScrollDirection;
  using Walk = std::vector<std::pair<int, D>>;
  struct Case {
    TVyrScrollStyle style;
    Walk walk;
    bool scrollingAtEnd;
  } cases[] = {
      {TVyrScrollStyle::ssLoop, {{3, D::sdBottomToTop}, {4, D::sdBottomToTop}, {0, D::sdBottomToTop},
                                 {1, D::sdBottomToTop}}, true},
      // Past the end the step turns to -1, so the next tick shows step 0
      // of the pass the other way.
      {TVyrScrollStyle::ssLoopReverse, {{3, D::sdBottomToTop}, {4, D::sdBottomToTop}, {-1, D::sdTopToBottom},
                                        {0, D::sdTopToBottom}, {1, D::sdTopToBottom}}, true},
      {TVyrScrollStyle::ssOnce, {{3, D::sdBottomToTop}, {4, D::sdBottomToTop}, {0, D::sdBottomToTop},
                                 {0, D::sdBottomToTop}}, false},
  };
  for (const Case& c : cases) {
    auto* text = NewText();
    text->SetSteps(4);
    text->SetStyle(c.style);
    int starts = 0, stops = 0;
    text->OnStart = TNotifyEvent([&](TObject*) { ++starts; });
    text->OnStop = TNotifyEvent([&](TObject*) { ++stops; });
    text->ExecuteEnh(3);
    Walk walk{{text->GetCurrentStep(), text->GetDirection()}};
    for (size_t i = 1; i < c.walk.size(); ++i) {
      app.advance(100);
      walk.emplace_back(text->GetCurrentStep(), text->GetDirection());
    }
    const int s = static_cast<int>(c.style);
    EXPECT_EQ(walk, c.walk) << s;
    EXPECT_EQ(text->GetScroll(), c.scrollingAtEnd) << s;
    EXPECT_EQ(starts, 1) << s;
    EXPECT_EQ(stops, c.scrollingAtEnd ? 0 : 1) << s;
    text->Free();
  }
}

TEST_F(ScrollTextTest, AOncePassOfTheDefaultsTakesAboutTenSeconds) {
  auto* text = NewText();
  text->SetStyle(TVyrScrollStyle::ssOnce);
  int stops = 0;
  text->OnStop = TNotifyEvent([&](TObject*) { ++stops; });
  text->Execute();
  app.advance(10000);
  EXPECT_TRUE(text->GetScroll());
  EXPECT_EQ(text->GetCurrentStep(), 100);
  app.advance(100);
  EXPECT_FALSE(text->GetScroll());
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(text->GetCurrentStep(), 0);
}

TEST_F(ScrollTextTest, ThePoolTimerRunsOnTheIntervalRoundedUpToItsStep) {
  auto* text = NewText();
  text->SetInterval(70);
  text->Execute();
  Vyrclass::TVyrTimerItem* item = Vyrclass::VyrApplication->GetTimer(text->GetPoolTimer());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetInterval(), 100);
  EXPECT_TRUE(item->GetEnabled());
  text->Stop();
  EXPECT_FALSE(item->GetEnabled());
  const Word ident = text->GetPoolTimer();
  text->Free();
  EXPECT_EQ(Vyrclass::VyrApplication->GetTimer(ident), nullptr) << "the timer goes with the control";
}

TEST_F(ScrollTextTest, ExecuteNeedsLinesAndAVisibleOrShowableControl) {
  auto* text = NewText();
  SetLines(text, {});
  text->Execute();
  EXPECT_FALSE(text->GetScroll()) << "no lines";
  SetLines(text, {"Hallo"});
  text->Hide();
  text->SetMakeVisible(false);
  text->Execute();
  EXPECT_FALSE(text->GetScroll()) << "hidden and not to be shown";
  EXPECT_FALSE(text->GetVisible());
  text->SetMakeVisible(true);
  text->Execute();
  EXPECT_TRUE(text->GetScroll());
  EXPECT_TRUE(text->GetVisible());
  // Out of range start steps start at 0; the setters that change a pass stop it.
  for (int start : {-1, 100, 300}) {
    text->ExecuteEnh(start);
    EXPECT_EQ(text->GetCurrentStep(), 0) << start;
  }
  text->ExecuteEnh(42);
  EXPECT_EQ(text->GetCurrentStep(), 42);
  text->SetSteps(0);
  EXPECT_TRUE(text->GetScroll()) << "a step count below 1 is ignored";
  EXPECT_EQ(text->GetSteps(), 100);
  text->SetDirection(TVyrScrollDirection::sdLeftToRight);
  EXPECT_FALSE(text->GetScroll());
}

// The ticks of a control hidden while scrolling leave the form as it is.
TEST_F(ScrollTextTest, AHiddenTextPaintsNothing) {
  auto* text = NewText();
  SetLines(text, {"WWW"});
  text->SetSteps(2);
  text->Execute();
  text->Hide();
  app.pump();
  app.advance(100);
  EXPECT_TRUE(text->GetScroll());
  EXPECT_EQ(InkPixels(text), 0);
}

// The block is all lines high and as wide as the widest in marquee mode;
// the ticker joins the lines, each followed by a blank, into one line.
TEST_F(ScrollTextTest, TheTextBlockMeasuresItsLinesOrTheJoinedTickerLine) {
  auto* text = NewText();
  SetLines(text, {"A", "BBBB"});
  TFont* font = text->GetFont();
  Vyrgraph::TVyr3DCaption* caption = text->GetFont3D();
  const int lineHeight = Vyrutils::VyrGet3DTextHeight(caption, font);
  ASSERT_GT(lineHeight, 0);
  EXPECT_EQ(text->GetLineHeight(), lineHeight);
  EXPECT_EQ(text->GetTextHeight(), 2 * lineHeight);
  EXPECT_EQ(text->GetTextWidth(), Vyrutils::VyrGet3DTextWidth("BBBB", caption, font));
  text->SetMode(TVyrScrollMode::smTicker);
  EXPECT_EQ(std::string(text->GetAsTickerText().c_str()), "A BBBB ");
  EXPECT_EQ(text->GetTextHeight(), lineHeight);
  EXPECT_EQ(text->GetTextWidth(), Vyrutils::VyrGet3DTextWidth("A BBBB ", caption, font));
  // A change of the font measures the block anew.
  const int width = text->GetTextWidth();
  font->SetSize(28);
  EXPECT_GT(text->GetLineHeight(), lineHeight);
  EXPECT_GT(text->GetTextWidth(), width);
}

// Halfway through a pass the text stands in the middle of the area; at
// the start it is still outside, so only the colour shows.
TEST_F(ScrollTextTest, TheTextIsPaintedWhereTheStepPutsIt) {
  for (TVyrScrollDirection direction : {TVyrScrollDirection::sdBottomToTop, TVyrScrollDirection::sdRightToLeft}) {
    auto* text = NewText();
    SetLines(text, {"WWW"});
    text->SetDirection(direction);
    text->SetSteps(2);
    text->Execute();
    app.pump();
    const int d = static_cast<int>(direction);
    EXPECT_EQ(InkPixels(text), 0) << d;
    app.advance(100);
    EXPECT_GT(InkPixels(text), 0) << d;
    // The ink sits about the middle of the area.
    const TRect box = InkBox(text);
    EXPECT_NEAR((box.left + box.right) / 2, 100, 8) << d;
    EXPECT_NEAR((box.top + box.bottom) / 2, 20, 8) << d;
    app.advance(100);
    EXPECT_EQ(InkPixels(text), 0) << "gone out on the other side " << d;
    text->Free();
  }
}

// A transparent instance paints on its copy of what lies behind it.
TEST_F(ScrollTextTest, ATransparentTextShowsWhatLiesBehindIt) {
  form->SetColor(clAqua);
  app.pump();
  auto* text = NewText();
  text->SetOwnTransparent(true);
  app.pump();
  EXPECT_TRUE(text->GetTransparent());
  EXPECT_EQ(Shown(text, 5, 5), Rgb(clAqua));
  text->SetOwnTransparent(false);
  app.pump();
  EXPECT_TRUE(text->GetBackBitmap()->GetEmpty());
  EXPECT_EQ(Shown(text, 5, 5), Rgb(clWhite));
}

TEST_F(ScrollTextTest, TheTimerModeSwapsThePoolTimerForAHighResolutionOne) {
  auto* text = NewText();
  const Word pooled = text->GetPoolTimer();
  text->SetTimerMode(TVyrTimerMode::tmHiTimer);
  EXPECT_EQ(Vyrclass::VyrApplication->GetTimer(pooled), nullptr);
  ASSERT_NE(text->GetHiTimer(), nullptr);
  text->Execute();
  EXPECT_TRUE(text->GetHiTimer()->GetEnabled());
  EXPECT_EQ(text->GetHiTimer()->GetInterval(), 100);
  text->SetTimerMode(TVyrTimerMode::tmGlobalTimer);
  EXPECT_EQ(text->GetHiTimer(), nullptr);
  EXPECT_NE(text->GetPoolTimer(), 0);
  EXPECT_FALSE(text->GetScroll());
}

TEST_F(ScrollTextTest, WithoutAPoolTimerTheControlIsNotMade) {
  std::vector<Word> taken;
  for (Word id; (id = Vyrclass::VyrApplication->AddTimer(1000, TNotifyEvent())) != 0;) taken.push_back(id);
  try {
    TObject::Create<TVyrScrollText>(form);
    ADD_FAILURE() << "made without a timer";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(std::string(e.Message.c_str()), "Nicht genügend Timer verfügbar");
  }
  for (Word id : taken) Vyrclass::VyrApplication->RemoveTimer(id);
}

// A new control holds one line, its class name; a form keeps every
// changed property, and a streamed Scroll starts once loaded.
TEST_F(ScrollTextTest, AFormKeepsTheTextsPropertiesAndStartsItsScroll) {
  auto* text = NewText();
  ASSERT_EQ(text->GetLines()->GetCount(), 1);
  EXPECT_EQ(std::string(text->GetLines()->GetStrings(0).c_str()), "TVyrScrollText");
  text->SetName("Ticker");
  SetLines(text, {"Erste Zeile", "Zweite Zeile"});
  text->SetAlignment(taRightJustify);
  text->SetDirection(TVyrScrollDirection::sdRightToLeft);
  text->SetInterval(250);
  text->SetMakeVisible(false);
  text->SetStyle(TVyrScrollStyle::ssLoopReverse);
  text->SetMode(TVyrScrollMode::smTicker);
  text->SetSteps(40);
  text->SetThreadPriority(tpHigher);
  text->GetFont3D()->SetShadowDepth(3);
  text->Execute();
  const std::string written = TestSupport::WrittenFormText(form);
  text->Stop();
  ASSERT_NE(written.find("Scroll = True"), std::string::npos);
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, second);
  auto* read = dynamic_cast_object<TVyrScrollText>(second->FindComponent("Ticker"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(std::string(read->GetLines()->GetText().c_str()), std::string(text->GetLines()->GetText().c_str()));
  EXPECT_EQ(read->GetAlignment(), taRightJustify);
  EXPECT_EQ(read->GetDirection(), TVyrScrollDirection::sdRightToLeft);
  EXPECT_EQ(read->GetInterval(), 250);
  EXPECT_FALSE(read->GetMakeVisible());
  EXPECT_EQ(read->GetScrollStyle(), TVyrScrollStyle::ssLoopReverse);
  EXPECT_EQ(read->GetScrollMode(), TVyrScrollMode::smTicker);
  EXPECT_EQ(read->GetSteps(), 40);
  EXPECT_EQ(read->GetThreadPriority(), tpHigher);
  EXPECT_EQ(read->GetFont3D()->GetShadowDepth(), 3);
  EXPECT_TRUE(read->GetScroll());
  EXPECT_EQ(read->GetTextHeight(), read->GetLineHeight()) << "measured once loaded, as a ticker";
  second->Free();
}

// The constructor's line stays out of the form; any other list, the empty
// one too, comes back as it was.
TEST_F(ScrollTextTest, LinesComeBackAsTheyWereEvenEmpty) {
  auto* text = NewText();
  text->SetName("Ticker");
  EXPECT_EQ(TestSupport::WrittenFormText(form).find("Lines"), std::string::npos);
  const std::vector<std::vector<const char*>> cases = {{}, {"Eins"}, {"TVyrScrollText", "Zwei"}};
  for (const auto& lines : cases) {
    text->GetLines()->Clear();
    for (const char* line : lines) text->GetLines()->Add(line);
    const std::string written = TestSupport::WrittenFormText(form);
    auto* second = TObject::Create<TForm>(Application);
    TestSupport::ReadFormText(written, second);
    auto* read = dynamic_cast_object<TVyrScrollText>(second->FindComponent("Ticker"));
    ASSERT_NE(read, nullptr) << written;
    ASSERT_EQ(read->GetLines()->GetCount(), static_cast<int>(lines.size())) << written;
    for (std::size_t i = 0; i < lines.size(); ++i)
      EXPECT_EQ(std::string(read->GetLines()->GetStrings(static_cast<int>(i)).c_str()), lines[i]);
    second->Free();
  }
}

}  // namespace
