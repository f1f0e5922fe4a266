// The buttons' state machine under the mouse: hot tracking and when it
// repaints, presses and releases, auto repeat and the pool timers.
#include <vector>

#include "exceptions.h"
#include "mouse.h"
#include "vyrbtn_fixture.h"
#include "vyrclass_application.h"

using namespace Vyrbtn;
using S = Vyrgraph::TVyrButtonState;
using U = Vyrgraph::TVyrUserButtonStyle;

namespace {

using ButtonMouseTest = ButtonTest;

TEST_F(ButtonMouseTest, TheHotLookRepaintsOnlyWhereThePictureChanges) {
  struct Case {
    U style;
    int numGlyphs;
    bool enterColorChange;
    bool repaints;
  };
  const std::vector<Case> cases = {
      {U::ubsWin40, 1, false, false}, {U::ubsWin31, 2, false, false}, {U::ubsFlat, 1, false, true},
      {U::ubsKorvelFlat, 1, false, true}, {U::ubsWin40, 3, false, true}, {U::ubsWin40, 1, true, true},
  };
  for (const Case& c : cases) {
    TProbeSpeedButton* button = NewButton(10, 10);
    button->SetStyle(c.style);
    button->SetNumGlyphs(c.numGlyphs);
    button->SetEnterColorChange(c.enterColorChange);
    button->ResetCounts();
    button->StateChange(S::bsMouseOver);
    button->StateChange(S::bsUp);
    EXPECT_EQ(button->paints + button->invalidations > 0, c.repaints) << static_cast<int>(c.style) << "/" << c.numGlyphs;
    button->Free();
  }
}

TEST_F(ButtonMouseTest, HoveringTracksAndTheTimerNoticesACursorThatLeftUnseen) {
  TProbeSpeedButton* button = NewButton(10, 10);
  int enters = 0, exits = 0;
  button->OnMouseEnter = TNotifyEvent([&](TObject*) { ++enters; });
  button->OnMouseExit = TNotifyEvent([&](TObject*) { ++exits; });
  MoveTo(button, 5, 5);
  EXPECT_EQ(button->GetState(), S::bsMouseOver);
  EXPECT_TRUE(button->GetMouseOver());
  EXPECT_NE(button->GetHotTimer(), 0);
  MoveTo(button, 6, 6);
  EXPECT_EQ(enters, 1);
  MoveAway();
  EXPECT_EQ(button->GetState(), S::bsUp);
  EXPECT_FALSE(button->GetMouseOver());
  EXPECT_EQ(button->GetHotTimer(), 0);
  EXPECT_EQ(exits, 1);

  // The cursor jumps away without a message: the hot-track timer brings
  // the button back within its 100 ms.
  MoveTo(button, 5, 5);
  const TPoint away = form->ClientToScreen(TPoint(300, 200));
  SetCursorPos(away.x, away.y);
  app.advance(150);
  EXPECT_EQ(button->GetState(), S::bsUp);
  EXPECT_EQ(button->GetHotTimer(), 0);
}

TEST_F(ButtonMouseTest, AClickNeedsTheReleaseOverTheButton) {
  TProbeSpeedButton* button = NewButton(10, 10);
  Press(button, 5, 5);
  EXPECT_EQ(button->GetState(), S::bsDown);
  EXPECT_TRUE(button->GetTracking());
  MoveTo(button, 40, 5);
  EXPECT_EQ(button->GetState(), S::bsUp) << "dragged off";
  MoveTo(button, 6, 6);
  EXPECT_EQ(button->GetState(), S::bsDown) << "and back on";
  MoveTo(button, 40, 5);
  Release(button, 40, 5);
  EXPECT_EQ(button->clicks, 0);
  EXPECT_FALSE(button->GetTracking());

  ClickOn(button);
  EXPECT_EQ(button->clicks, 1);
  EXPECT_EQ(button->GetState(), S::bsMouseOver) << "hot again after the click";

  button->SetEnabled(false);
  EXPECT_EQ(button->GetState(), S::bsDisabledUp);
  ClickOn(button);
  EXPECT_EQ(button->clicks, 1);
  button->SetEnabled(true);
  EXPECT_EQ(button->GetState(), S::bsUp);
}

// The column at X = Width and the row at Y = Height lie outside the
// button, with the rectangle test and with the base pixel test alike.
TEST_F(ButtonMouseTest, TheFirstColumnAndRowPastTheButtonAreOutside) {
  for (bool pixelTest : {false, true}) {
    for (TPoint outside : {TPoint(23, 5), TPoint(5, 22)}) {
      TProbeSpeedButton* button = NewButton(10, 10);
      button->SetAllowTransparency(pixelTest);
      Press(button, 5, 5);
      ASSERT_EQ(button->GetState(), S::bsDown);
      MoveTo(button, outside.x, outside.y);
      EXPECT_EQ(button->GetState(), S::bsUp) << pixelTest << " " << outside.x << "," << outside.y;
      Release(button, outside.x, outside.y);
      EXPECT_EQ(button->clicks, 0) << pixelTest << " " << outside.x << "," << outside.y;
      button->Free();
      MoveAway();
    }
  }
  // The release straight on the row below, without a move first.
  TProbeSpeedButton* button = NewButton(10, 10);
  Press(button, 5, 5);
  Release(button, 5, 22);
  EXPECT_EQ(button->clicks, 0);
  EXPECT_EQ(button->GetState(), S::bsUp);
}

TEST_F(ButtonMouseTest, RepeatedClicksRunWhileTheCursorStaysOnTheButton) {
  TProbeSpeedButton* button = NewButton(10, 10);
  button->SetRepeatedClick(true);
  button->SetRepeatingInterval(100);
  Press(button, 5, 5);
  EXPECT_EQ(button->clicks, 1) << "one at the press";
  EXPECT_NE(button->GetRepeatTimer(), 0);
  app.advance(350);
  EXPECT_EQ(button->clicks, 4);
  MoveTo(button, 60, 5);
  app.advance(300);
  EXPECT_EQ(button->clicks, 4) << "none while off";
  MoveTo(button, 5, 5);
  app.advance(100);
  EXPECT_EQ(button->clicks, 5);
  Release(button, 5, 5);
  EXPECT_EQ(button->clicks, 5) << "no extra click at the release";
  EXPECT_EQ(button->GetRepeatTimer(), 0);
  app.advance(300);
  EXPECT_EQ(button->clicks, 5);
}

TEST_F(ButtonMouseTest, AnIntervalBetweenPoolStepsStillRepeats) {
  TProbeSpeedButton* button = NewButton(10, 10);
  button->SetRepeatedClick(true);
  button->SetRepeatingInterval(75);
  Press(button, 5, 5);
  app.advance(200);
  EXPECT_EQ(button->clicks, 3) << "75 ms runs as 100 ms";
  Release(button, 5, 5);
}

TEST_F(ButtonMouseTest, HoveringWithTheTimerPoolExhaustedRaises) {
  TProbeSpeedButton* button = NewButton(10, 10);
  std::vector<Word> taken;
  for (Word ident; (ident = Vyrclass::VyrApplication->AddTimer(1000, TNotifyEvent())) != 0;) taken.push_back(ident);
  try {
    button->Perform(CM_MOUSEENTER, 0, 0);
    ADD_FAILURE() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Nicht genügend Timer verfügbar");
  }
  EXPECT_EQ(button->GetHotTimer(), 0);
  for (Word ident : taken) Vyrclass::VyrApplication->RemoveTimer(ident);
}

// A button whose left half only is solid.
class THalfButton : public Vyrbtn::TVyrBaseGraphicButton {
  MORVANT_COMPONENT(THalfButton, Vyrbtn::TVyrBaseGraphicButton)
 public:
  explicit THalfButton(TComponent* AOwner) : Vyrbtn::TVyrBaseGraphicButton(AOwner) {
    SetAllowMouseOver(true);
    OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
  }
  bool VerifyTransparency(int X, int Y) override { return X >= 0 && X < GetWidth() / 2 && Y >= 0 && Y < GetHeight(); }
  int clicks = 0;
};
void THalfButton::Publish(TPublisher<THalfButton>&) {}

TEST_F(ButtonMouseTest, ThePixelHitTestDecidesWhereTheButtonIs) {
  auto* button = Place<THalfButton>(form, 10, 10, 40, 20);
  app.pump();
  MoveTo(button, 30, 5);
  EXPECT_EQ(button->GetState(), S::bsUp) << "a transparent pixel is no hot spot";
  MoveTo(button, 5, 5);
  EXPECT_EQ(button->GetState(), S::bsMouseOver);
  MoveTo(button, 30, 5);
  EXPECT_EQ(button->GetState(), S::bsUp);
  ClickOn(button, 30, 5);
  EXPECT_FALSE(button->GetTracking());
  EXPECT_EQ(button->clicks, 0);
  ClickOn(button, 5, 5);
  EXPECT_EQ(button->clicks, 1);
}

}  // namespace
