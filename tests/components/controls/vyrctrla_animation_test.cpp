// The animation control on the pool timer and the virtual clock: the frame
// walk of every style, reversed play, the frame bounds, showing a hidden
// control, the timer's interval and kinds, and running out of timers.
#include <vector>

#include "vyrclass_application.h"
#include "vyrctrla_fixture.h"
#include "vyrmms.h"

using namespace Vyrctrla;

namespace {

class AnimationTest : public FrameStripTest {
 protected:
  AnimationTest() { blackBottomRow = true; }

  TVyrAniCtrl* NewAnimation() {
    auto* ani = Place<TVyrAniCtrl>(form, 10, 10, 10, 8);
    ani->SetImageList(list);
    return ani;
  }

  // The frame after Play and after each of Ticks ticks of 200 ms.
  std::vector<int> Walk(TVyrAniCtrl* Ani, int Ticks) {
    std::vector<int> frames;
    Ani->Play();
    frames.push_back(Ani->GetCurrentFrame());
    for (int i = 0; i < Ticks; ++i) {
      app.advance(200);
      frames.push_back(Ani->GetCurrentFrame());
    }
    return frames;
  }
};

TEST_F(AnimationTest, EveryStyleWalksTheStripItsOwnWay) {
  struct Case {
    TVyrAnimationStyle style;
    int repetitions;
    std::vector<int> frames;
    bool playingAtEnd;
    bool visibleAtEnd;
  } cases[] = {
      {TVyrAnimationStyle::asLoop, 1, {0, 1, 2, 3, 4, 0, 1}, true, true},
      // Each end frame shows for two ticks.
      {TVyrAnimationStyle::asLoopReverse, 1, {0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1}, true, true},
      // Three passes, then it stays on the last frame.
      {TVyrAnimationStyle::asRepeat, 3, {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 4, 4}, false, true},
      {TVyrAnimationStyle::asRepeatFirst, 1, {0, 1, 2, 3, 4, 0, 0}, false, true},
      {TVyrAnimationStyle::asRepeatHide, 1, {0, 1, 2, 3, 4, 4}, false, false},
  };
  for (const Case& c : cases) {
    auto* ani = NewAnimation();
    ani->SetAniStyle(c.style);
    ani->SetRepetitions(static_cast<std::uint8_t>(c.repetitions));
    int stops = 0;
    ani->OnStop = TNotifyEvent([&](TObject*) { ++stops; });
    EXPECT_EQ(Walk(ani, static_cast<int>(c.frames.size()) - 1), c.frames) << static_cast<int>(c.style);
    EXPECT_EQ(ani->GetAnimate(), c.playingAtEnd) << static_cast<int>(c.style);
    EXPECT_EQ(stops, c.playingAtEnd ? 0 : 1) << static_cast<int>(c.style);
    EXPECT_EQ(ani->GetVisible(), c.visibleAtEnd) << static_cast<int>(c.style);
    ani->Free();
  }
}

// What plays is on the screen: each tick paints the new frame at once.
TEST_F(AnimationTest, EachTickPaintsTheNewFrame) {
  auto* ani = NewAnimation();
  ani->SetColor(clGray);
  int painted = 0;
  ani->OnAnimate = TNotifyEvent([&](TObject*) { ++painted; });
  ani->Play();
  app.pump();
  EXPECT_EQ(Shown(ani, 5, 4), Rgb(clRed));
  EXPECT_EQ(Shown(ani, 5, 7), Rgb(clGray)) << "the transparent row shows the colour";
  app.advance(400);
  EXPECT_EQ(Shown(ani, 5, 4), Rgb(clBlue));
  EXPECT_EQ(painted, 3) << "the start and two ticks";
  ani->Stop();
  app.pump();
  EXPECT_EQ(Shown(ani, 5, 4), Rgb(clRed)) << "a stopped loop goes back to its first frame";
}

// Over a panel with a picture the transparent row of each frame shows the
// panel's picture: the transparent animation through its copy of the
// background, the opaque list image with SilentMove through the panel's
// bitmap.
TEST_F(AnimationTest, ThePanelsPictureShowsThroughTheFramesTransparentRow) {
  auto* pictures = TObject::Create<Vyrcont::TVyrBitmapList>(form);
  TBitmap picture;
  picture.SetSize(100, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x) picture.GetCanvas()->SetPixels(x, y, static_cast<TColor>(RGB(2 * x, 4 * y, 0x80)));
  auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(nullptr);
  item->SetBitmap(&picture);
  pictures->Add(item);
  auto* panel = Place<Vyrctrl::TVyrBackPanel>(form, 20, 30, 100, 60);
  panel->SetImageList(pictures);
  auto* ani = Place<TVyrAniCtrl>(panel, 5, 7, 10, 8);
  ani->SetImageList(list);
  ani->SetColor(clGray);
  ani->SetTransparent(true);
  auto* still = Place<TVyrLImage>(panel, 40, 20, 10, 8);
  still->SetImageList(list);
  still->SetImageIndexValue(2);
  still->SetTransparent(false);
  still->SetForceTransparent(true);
  still->SetSilentMove(true);
  still->SetColor(clGray);
  app.pump();
  ASSERT_NE(panel->GetBackImage(), nullptr);
  ASSERT_NE(ani->GetBackBitmap(), nullptr);
  auto behind = [&](TControl* Control, int X, int Y) {
    return Rgb(panel->GetBackImage()->GetCanvas()->GetPixels(Control->GetLeft() + X, Control->GetTop() + Y));
  };
  EXPECT_EQ(Shown(still, 5, 3), Rgb(clBlue));
  EXPECT_EQ(Shown(still, 5, 7), behind(still, 5, 7));

  ani->Play();
  app.advance(200);
  EXPECT_EQ(Shown(ani, 5, 3), Rgb(clLime));
  EXPECT_EQ(Shown(ani, 5, 7), behind(ani, 5, 7));
  EXPECT_NE(Shown(ani, 5, 7), Rgb(clGray));
}

TEST_F(AnimationTest, AReversedAnimationPlaysDownwardsAndStepsBackwards) {
  auto* ani = NewAnimation();
  ani->SetStopFrame(3);
  ani->SetStartFrame(1);
  ani->SetReverse(true);
  EXPECT_EQ(Walk(ani, 4), (std::vector<int>{3, 2, 1, 3, 2}));
  EXPECT_FALSE(ani->GetAscending());
  ani->Stop();
  EXPECT_EQ(ani->GetCurrentFrame(), 3);
  ani->Next();
  EXPECT_EQ(ani->GetCurrentFrame(), 2);
  ani->Prev();
  ani->Prev();
  EXPECT_EQ(ani->GetCurrentFrame(), 3) << "not beyond the stop frame";
  ani->Last();
  EXPECT_EQ(ani->GetCurrentFrame(), 1);
}

TEST_F(AnimationTest, TheFrameBoundsStayInsideTheStripAndInOrder) {
  auto* ani = NewAnimation();
  EXPECT_EQ(ani->GetStopFrame(), 4) << "a new list spans its strip";
  ani->SetStartFrame(5);
  EXPECT_EQ(ani->GetStartFrame(), 0) << "beyond the last image: ignored";
  ani->SetStopFrame(-1);
  EXPECT_EQ(ani->GetStopFrame(), 4);
  ani->SetStopFrame(2);
  ani->SetStartFrame(3);
  EXPECT_EQ(ani->GetStartFrame(), 2) << "the bounds swap into order";
  EXPECT_EQ(ani->GetStopFrame(), 3);
  EXPECT_EQ(ani->GetCurrentFrame(), 3) << "the start setter moves to its value";
  ani->Move(0);
  EXPECT_EQ(ani->GetCurrentFrame(), 3) << "outside the bounds";
  ani->Play();
  ani->Move(2);
  EXPECT_EQ(ani->GetCurrentFrame(), 2) << "from Play";
  ani->SetStopFrame(4);
  EXPECT_FALSE(ani->GetAnimate()) << "a new bound stops the animation";
  ani->SetImageList(nullptr);
  ani->Play();
  EXPECT_FALSE(ani->GetAnimate()) << "nothing to play";
}

TEST_F(AnimationTest, PlayShowsAHiddenControlOnlyWhenAllowed) {
  auto* ani = NewAnimation();
  ani->Hide();
  ani->SetMakeVisible(false);
  ani->Play();
  EXPECT_FALSE(ani->GetAnimate());
  EXPECT_FALSE(ani->GetVisible());
  ani->SetMakeVisible(true);
  ani->Play();
  EXPECT_TRUE(ani->GetAnimate());
  EXPECT_TRUE(ani->GetVisible());
  // Hidden while playing: the next tick stops it.
  ani->Hide();
  app.advance(200);
  EXPECT_FALSE(ani->GetAnimate());
}

TEST_F(AnimationTest, ThePoolTimerRunsOnTheIntervalRoundedUpToItsStep) {
  auto* ani = NewAnimation();
  ani->SetInterval(120);
  ani->Play();
  Vyrclass::TVyrTimerItem* item = Vyrclass::VyrApplication->GetTimer(ani->GetPoolTimer());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetInterval(), 150);
  EXPECT_TRUE(item->GetEnabled());
  app.advance(100);
  EXPECT_EQ(ani->GetCurrentFrame(), 0);
  app.advance(50);
  EXPECT_EQ(ani->GetCurrentFrame(), 1);
  ani->Stop();
  EXPECT_FALSE(item->GetEnabled());
  const Word ident = ani->GetPoolTimer();
  ani->Free();
  EXPECT_EQ(Vyrclass::VyrApplication->GetTimer(ident), nullptr) << "the timer goes with the control";
}

// The other timer kinds replace the pool timer with an owned
// high-resolution one, in thread mode only with a worker.
TEST_F(AnimationTest, TheTimerModeSwapsThePoolTimerForAHighResolutionOne) {
  for (TVyrTimerMode mode : {TVyrTimerMode::tmHiTimer, TVyrTimerMode::tmThreaded}) {
    auto* ani = NewAnimation();
    const Word pooled = ani->GetPoolTimer();
    ani->SetThreadPriority(tpHigher);
    ani->SetTimerMode(mode);
    EXPECT_EQ(Vyrclass::VyrApplication->GetTimer(pooled), nullptr);
    EXPECT_EQ(ani->GetPoolTimer(), 0);
    Vyrmms::TVyrHiTimer* timer = ani->GetHiTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->GetUseThread(), mode == TVyrTimerMode::tmThreaded);
    ani->Play();
    EXPECT_TRUE(timer->GetEnabled());
    EXPECT_EQ(timer->GetInterval(), 200);
    EXPECT_EQ(timer->GetThreadPriority(), tpHigher);
    app.advance(200);
    EXPECT_TRUE(app.pump_until([&] { return ani->GetCurrentFrame() >= 1; }, 5000)) << static_cast<int>(mode);
    ani->SetTimerMode(TVyrTimerMode::tmGlobalTimer);
    EXPECT_EQ(ani->GetHiTimer(), nullptr);
    EXPECT_NE(ani->GetPoolTimer(), 0);
    EXPECT_FALSE(ani->GetAnimate());
    ani->Free();
  }
}

TEST_F(AnimationTest, WithoutAPoolTimerTheControlIsNotMade) {
  std::vector<Word> taken;
  for (Word id; (id = Vyrclass::VyrApplication->AddTimer(1000, TNotifyEvent())) != 0;) taken.push_back(id);
  try {
    TObject::Create<TVyrAniCtrl>(form);
    ADD_FAILURE() << "made without a timer";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(std::string(e.Message.c_str()), "Nicht genügend Timer verfügbar");
  }
  for (Word id : taken) Vyrclass::VyrApplication->RemoveTimer(id);
}

// A form that streams Animate = True starts playing once loaded.
TEST_F(AnimationTest, AStreamedAnimationStartsOnceLoaded) {
  list->SetName("Strips");
  auto* ani = NewAnimation();
  ani->SetName("Film");
  ani->SetStopFrame(2);
  ani->SetAniStyle(TVyrAnimationStyle::asRepeat);
  // Animate is written from the playing control.
  ani->Play();
  const std::string text = TestSupport::WrittenFormText(form);
  ani->Stop();
  ASSERT_NE(text.find("Animate = True"), std::string::npos);
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, second);
  auto* film = dynamic_cast_object<TVyrAniCtrl>(second->FindComponent("Film"));
  ASSERT_NE(film, nullptr);
  EXPECT_TRUE(film->GetAnimate());
  EXPECT_EQ(film->GetStopFrame(), 2);
  app.advance(400);
  EXPECT_EQ(film->GetCurrentFrame(), 2);
  app.advance(200);
  EXPECT_FALSE(film->GetAnimate()) << "one pass of the repeat";
  second->Free();
}

}  // namespace

namespace {

// Streamed bounds are taken unchecked while loading and put inside the
// strip, in order, once the form is loaded.
TEST_F(AnimationTest, StreamedFrameBoundsEndUpInsideTheStrip) {
  list->SetName("Strips");
  auto* ani = NewAnimation();
  ani->SetName("Film");
  std::string text = TestSupport::WrittenFormText(form);
  const std::string spanned = "    StopFrame = 4\n";
  ASSERT_NE(text.find(spanned), std::string::npos);
  text.erase(text.find(spanned), spanned.size());
  struct Case {
    const char* bounds;
    int start, stop;
  } cases[] = {{"StartFrame = 3\n    StopFrame = 1\n", 1, 3},
               {"StartFrame = 9\n    StopFrame = 7\n", 4, 4},
               {"StartFrame = -2\n    StopFrame = 300\n", 0, 4}};
  for (const Case& c : cases) {
    std::string changed = text;
    const std::string anchor = "ImageList = Strips\n";
    changed.insert(changed.find(anchor) + anchor.size(), std::string("    ") + c.bounds);
    auto* second = TObject::Create<TForm>(Application);
    TestSupport::ReadFormText(changed, second);
    auto* film = dynamic_cast_object<TVyrAniCtrl>(second->FindComponent("Film"));
    ASSERT_NE(film, nullptr);
    EXPECT_EQ(film->GetStartFrame(), c.start) << c.bounds;
    EXPECT_EQ(film->GetStopFrame(), c.stop) << c.bounds;
    EXPECT_EQ(film->GetCurrentFrame(), c.start) << c.bounds;
    second->Free();
  }
}

}  // namespace
