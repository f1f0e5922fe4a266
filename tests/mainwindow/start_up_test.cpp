#include <tuple>

#include "main_window_fixture.h"
#include "tscreen.h"

namespace {

TEST_F(MainWindowTest, FirstStartShowsLevelOneOfTheTutorialAndWritesNothing) {
  Open();
  EXPECT_TRUE(form->StartedUp());
  EXPECT_EQ(form->GetCaption(), AnsiString("TALLIX MORVANT II - Tutorial"));
  EXPECT_EQ(form->WorldIndex, 0);
  EXPECT_EQ(form->LevelNumber, 1);
  EXPECT_EQ(form->ScrollSpeed, 8);
  EXPECT_FALSE(form->SoundOn);
  EXPECT_EQ(form->StatusBar1->GetSimpleText(), AnsiString("Hinweis: Sammle alle Ausgänge ein, um die Ebene zu lösen."));
  EXPECT_EQ(form->VyrLEDLabel2->GetValue(), 1);
  EXPECT_EQ(form->VyrLEDLabel1->GetValue(), 1);
  EXPECT_EQ(form->VyrLEDLabel3->GetValue(), 3);
  EXPECT_EQ(form->VyrLEDLabel5->GetValue(), 0);
  EXPECT_TRUE(form->Timer1->GetEnabled());
  EXPECT_EQ(form->Timer1->GetInterval(), 250u);
  EXPECT_TRUE(form->Timer2->GetEnabled());
  EXPECT_EQ(form->Timer2->GetInterval(), 20000u);
  EXPECT_FALSE(form->MediaPlayer1->GetVisible());
  EXPECT_EQ(form->OpenDialog1->GetFilter(), AnsiString("Morvant II Level-Datei|*.dat"));
  EXPECT_EQ(form->GetClientWidth(), 780);
  EXPECT_EQ(form->GetClientHeight(), 519);
  EXPECT_EQ(form->GetColor(), clNavy);
  EXPECT_EQ(form->GetBorderStyle(), bsToolWindow);
  // Start-up reads the settings and writes none back.
  EXPECT_EQ(GetInt("SETUP", "SCROLLSPEED"), -1);
  EXPECT_EQ(GetInt("STAT", "VERSUCHE"), -1);
}

TEST_F(MainWindowTest, StartUpRunsOnTheFirstActivationOnly) {
  Open();
  Key(VK_RIGHT);
  ASSERT_EQ(form->Steps, 1);
  form->FormActivate(form);
  EXPECT_EQ(form->Steps, 1);
  EXPECT_EQ(form->PlayerX, 2);
}

TEST_F(MainWindowTest, WindowModeFollowsTheDesktopAndTheStoredWish) {
  struct Case {
    std::vector<TRect> monitors;
    bool hires;
    int viewMode, clientWidth, clientHeight, viewWidth, counterLeft;
  };
  const Case cases[] = {
      {{TRect(0, 0, 800, 600)}, true, 0, 780, 525, 640, 686},
      {{TRect(0, 0, 1024, 767)}, false, 0, 780, 525, 640, 686},
      {{TRect(0, 0, 1024, 768)}, false, 0, 780, 519, 640, 686},
      {{TRect(0, 0, 1024, 768)}, true, 2, 950, 690, 800, 846},
      {{TRect(0, 0, 800, 600), TRect(800, 0, 1600, 600)}, true, 0, 780, 525, 640, 686},
      {{TRect(0, 0, 1024, 768), TRect(1024, 0, 2048, 768)}, true, 2, 950, 690, 800, 846},
  };
  for (const Case& c : cases) {
    const TRect desktop = c.monitors.back();
    SCOPED_TRACE(std::to_string(desktop.right) + " x " + std::to_string(desktop.bottom) + (c.hires ? " HIRES" : ""));
    Boot(c.monitors);
    SetBool("SETUP", "HIRES", c.hires);
    Open();
    EXPECT_EQ(form->ViewMode, c.viewMode);
    EXPECT_EQ(form->GetClientWidth(), c.clientWidth);
    EXPECT_EQ(form->GetClientHeight(), c.clientHeight);
    EXPECT_EQ(form->Image4->GetWidth(), c.viewWidth);
    EXPECT_EQ(form->Panel4->GetWidth(), c.viewWidth + 2);
    EXPECT_EQ(form->VyrLEDLabel5->GetLeft(), c.counterLeft);
    // Centred on the whole desktop, across monitors.
    EXPECT_EQ(form->GetLeft(), Screen->GetDesktopWidth() / 2 - form->GetWidth() / 2);
    EXPECT_EQ(form->GetTop(), Screen->GetDesktopHeight() / 2 - form->GetHeight() / 2);
    form = nullptr;
    app.reset();
  }
}

TEST_F(MainWindowTest, StoredSettingsAreBoundedToWhatTheGameCanPlay) {
  const std::tuple<int, int, int, int> cases[] = {
      // stored speed, stored delay, speed taken, delay taken
      {0, -5, 8, 0},
      {5, 250, 5, 250},
      {99, 900, 32, 500},
  };
  for (const auto& [speed, delay, takenSpeed, takenDelay] : cases) {
    Boot();
    SetInt("SETUP", "SCROLLSPEED", speed);
    SetInt("SETUP", "DELAY", delay);
    Open();
    EXPECT_EQ(form->ScrollSpeed, takenSpeed);
    EXPECT_EQ(form->ReplayDelay, takenDelay);
    EXPECT_EQ(GetInt("SETUP", "SCROLLSPEED"), speed) << "start-up writes nothing back";
    form = nullptr;
    app.reset();
  }
}

TEST_F(MainWindowTest, AStoredWorldOutOfRangeFailsWithTheLoadersMessage) {
  Boot();
  SetInt("SETUP", "LW", 30);
  Open();
  ASSERT_EQ(app->boxes().size(), 1u);
  EXPECT_NE(app->boxes()[0].Text.find("Die Level Datei konnte nicht geöffnet werden."), std::string::npos);
  EXPECT_FALSE(form->LevelPlayable);
  // A key on the empty board scores nothing.
  Key(VK_RIGHT);
  EXPECT_EQ(GetInt("SCORE30", "G1"), -1);
}

TEST_F(MainWindowTest, ClosingSavesWhereThePlayerWasAndTheStepsOnce) {
  Boot();
  SetInt("STAT", "ZUEGE", 100);
  Open();
  Keys({VK_RIGHT, VK_RIGHT});
  form->Close();
  form->Close();
  EXPECT_TRUE(Application->GetTerminated());
  EXPECT_EQ(GetInt("SETUP", "LW"), 0);
  EXPECT_EQ(GetInt("SETUP", "LEVEL"), 1);
  EXPECT_EQ(GetInt("STAT", "ZUEGE"), 102);
  EXPECT_EQ(GetInt("STAT", "VERSUCHE"), -1);
}

}  // namespace
