#include "level_text.h"
#include "main_window_fixture.h"

namespace {

class PlayTest : public MainWindowTest {
 protected:
  // A world of its own in place of the tutorial: level 1 has two exit items
  // right of the figure, level 2 one far away.
  void OpenOwnWorld() {
    Boot();
    LevelText one, two;
    one.Cell(0, 3, 1, 80).Cell(0, 4, 1, 80);
    two.Cell(0, 40, 40, 80);
    WriteFile("level/tutorial.dat", WorldFile({one, two}));
  }
};

TEST_F(PlayTest, AStepMovesTheFigureAndTheViewShowsItMasked) {
  Open();
  Key(VK_RIGHT);
  EXPECT_EQ(form->PlayerX, 2);
  EXPECT_EQ(form->Steps, 1);
  EXPECT_EQ(form->SpriteOffsetX, 0);
  EXPECT_EQ(form->VyrLEDLabel5->GetValue(), 1);

  // Under the mask's black the figure's own pixels show; under its white the
  // background does. The view starts at cell (0, 0) here.
  TCanvas* mask = form->Image8->GetCanvas();
  TCanvas* figure = form->Image6->GetCanvas();
  TCanvas* view = form->Image4->GetCanvas();
  TCanvas* background = form->Image3->GetCanvas();
  int inked = 0, clear = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const TColor shown = view->GetPixels(64 + x, 32 + y);
      if (mask->GetPixels(x, y) == clBlack) {
        EXPECT_EQ(shown, figure->GetPixels(x, y));
        ++inked;
      } else {
        EXPECT_EQ(shown, background->GetPixels(64 + x, 32 + y));
        ++clear;
      }
    }
  EXPECT_GT(inked, 100);
  EXPECT_GT(clear, 100);
}

TEST_F(PlayTest, TheStepCounterShowsEachStepInItsSegments) {
  Open();
  // Cell 4 of the steps display (inside its 1-pixel bevel) and a pixel of
  // the inner upright that a 1 lights and a 0 does not.
  auto lit = [&](int cell) {
    TCanvas* canvas = form->VyrLEDLabel5->GetCanvas();
    return static_cast<TColor>(ColorToRGB(canvas->GetPixels(1 + cell * 19 + 9, 1 + 8))) ==
           static_cast<TColor>(ColorToRGB(clLime));
  };
  EXPECT_FALSE(lit(3));
  Key(VK_RIGHT);
  EXPECT_EQ(form->VyrLEDLabel5->GetValue(), form->Steps);
  EXPECT_TRUE(lit(3));
  EXPECT_FALSE(lit(2));
}

TEST_F(PlayTest, SoundsPlayOnlyWhenSwitchedOn) {
  Boot();
  SetBool("SETUP", "SOUND", true);
  Open();
  Key(VK_UP);  // the wall above the start
  ASSERT_EQ(app->sounds().size(), 1u);
  const std::vector<std::uint8_t>& wave = app->sounds()[0];
  ASSERT_GT(wave.size(), 44u);
  EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");

  Boot();
  Open();
  Key(VK_UP);
  EXPECT_TRUE(app->sounds().empty());
}

TEST_F(PlayTest, SolvingScoresTheLevelWritesItsReplayAndGoesOn) {
  OpenOwnWorld();
  Open();
  Keys({VK_RIGHT, VK_RIGHT, VK_RIGHT});
  ASSERT_EQ(app->boxes().size(), 1u);
  EXPECT_EQ(app->boxes()[0].Text, "Glückwunsch ! Diese Spielebene ist gelöst.");
  EXPECT_EQ(GetInt("SCORE0", "G1"), 1);
  EXPECT_EQ(GetInt("SCORE0", "M1"), 3);
  EXPECT_EQ(ReadFile("level/Tutorial1.sco"), "2 2 2 0 ");
  EXPECT_FALSE(std::filesystem::exists(folder + "level/Tutorial1.sco.tmp"));
  EXPECT_EQ(form->LevelNumber, 2);
  EXPECT_EQ(form->Steps, 0);
  EXPECT_EQ(GetInt("STAT", "ZUEGE"), 3);
  EXPECT_EQ(GetInt("STAT", "VERSUCHE"), 1);

  // Back on level 1, a longer solution keeps the best one.
  form->letzteLevel1Click(form);
  Keys({VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT});
  EXPECT_EQ(GetInt("SCORE0", "M1"), 3);
  EXPECT_EQ(ReadFile("level/Tutorial1.sco"), "2 2 2 0 ");
}

TEST_F(PlayTest, ReplayPlaysTheStoredSolutionToItsEnd) {
  OpenOwnWorld();
  Open();
  Keys({VK_RIGHT, VK_RIGHT, VK_RIGHT});
  form->letzteLevel1Click(form);
  ASSERT_EQ(form->LevelNumber, 1);
  form->Wiederholung1Click(form);
  EXPECT_EQ(form->ReplayRunning, 0);
  // The replay solved level 1 again, said so its own way, and the next
  // level came up untouched.
  EXPECT_EQ(form->LevelNumber, 2);
  EXPECT_EQ(form->Steps, 0);
  ASSERT_EQ(app->boxes().size(), 2u);
  EXPECT_EQ(app->boxes()[1].Text, "War doch ganz einfach ... oder ?");
}

TEST_F(PlayTest, NextLevelNeedsTheLevelSolved) {
  OpenOwnWorld();
  Open();
  Key(VK_ADD);
  ASSERT_EQ(app->boxes().size(), 1u);
  EXPECT_EQ(app->boxes()[0].Text, "Sie müssen zunächst diese Spielebene lösen.");
  EXPECT_EQ(form->LevelNumber, 1);
  SetBool("SCORE0", "G1", true);
  form->nchsteLevel1Click(form);
  EXPECT_EQ(form->LevelNumber, 2);
}

TEST_F(PlayTest, UndoTakesTheStepBackAndCountsItInTheStatistics) {
  Open();
  Keys({VK_RIGHT, VK_RIGHT});
  form->Undo1Click(form);
  EXPECT_EQ(form->PlayerX, 2);
  EXPECT_EQ(form->Steps, 1);
  EXPECT_EQ(GetInt("STAT", "ZUEGE"), 1);
}

TEST_F(PlayTest, AnEditorLevelComesFromTheOpenDialogAndScoresBesideItself) {
  Boot();
  LevelText level;
  level.Cell(0, 2, 1, 80);
  WriteFile("eigene.dat", EditorFile(level));
  app->host().QueueAnswer(Backend::AskAnswer{IDOK, folder + "eigene.dat"});
  Open();
  form->EditorSpielebene1Click(form);
  ASSERT_EQ(form->EditorLevel, 1);
  EXPECT_EQ(form->VyrLEDLabel3->GetValue(), 1);
  Key(VK_RIGHT);
  EXPECT_EQ(ReadFile("eigene.dat.sco"), "2 0 ");
  EXPECT_EQ(GetInt("SCORE0", "G1"), -1) << "editor levels have no entries";
  // "Spielebene 1" reloads the editor level, not the world's first.
  form->Level11Click(form);
  EXPECT_EQ(form->EditorLevel, 1);
  EXPECT_EQ(form->ExitsTaken, 0);
}

TEST_F(PlayTest, MusicPicksAnExistingTuneWhenSwitchedOn) {
  Boot();
  std::filesystem::copy_file(std::string(MORVANT_DATA_SOURCE) + "/midi7.mid", folder + "midi7.mid");
  SetBool("SETUP", "MUSIK", true);
  Open();
  form->Timer2Timer(form);
  ASSERT_FALSE(app->host().PlayedMidis().empty());
  EXPECT_NE(app->host().PlayedMidis().back().find("midi7.mid"), std::string::npos);
}

TEST_F(PlayTest, MoversStartWithTheTimerAndCatchTheFigure) {
  Boot();
  LevelText level;
  level.movers.push_back({3, 1, 0});
  WriteFile("level/tutorial.dat", WorldFile({level}));
  Open();
  // Let the movers walk until they reach the figure.
  for (int tick = 0; tick < 200 && app->boxes().empty(); ++tick) app->advance(250);
  ASSERT_FALSE(app->boxes().empty());
  EXPECT_TRUE(form->Timer1->GetEnabled());
}

}  // namespace
