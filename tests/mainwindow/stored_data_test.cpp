// What the game stores besides its settings: the running statistics and the
// replay of each best solution, when the store is at its limits.
#include <sys/stat.h>

#include <cstdint>

#include "level_text.h"
#include "main_window_fixture.h"

namespace {

class StoredDataTest : public MainWindowTest {};

TEST_F(StoredDataTest, StatisticsWrapAtThirtyTwoBitsAsTheStoredDwordDid) {
  Boot();
  SetInt("STAT", "ZUEGE", INT32_MAX);
  SetInt("STAT", "VERSUCHE", INT32_MAX);
  Game::AddStatistics(2, true);
  EXPECT_EQ(GetInt("STAT", "ZUEGE"), INT32_MIN + 1);
  EXPECT_EQ(GetInt("STAT", "VERSUCHE"), INT32_MIN);

  TGameState closing;
  closing.Steps = 3;
  SetInt("STAT", "ZUEGE", -1);  // 0xFFFFFFFF
  Game::SaveOnClose(closing);
  EXPECT_EQ(GetInt("STAT", "ZUEGE"), 2);
}

TEST_F(StoredDataTest, AReplayThatCannotBeWrittenIsShownAndTheOldOneKept) {
  Boot();
  LevelText one, two;
  one.Cell(0, 2, 1, 80);  // the exit item right beside the figure
  two.Cell(0, 40, 40, 80);
  WriteFile("level/tutorial.dat", WorldFile({one, two}));
  Open();
  Keys({VK_LEFT, VK_RIGHT, VK_RIGHT});
  ASSERT_EQ(GetInt("SCORE0", "M1"), 3);
  const std::string replay = folder + "level/Tutorial1.sco";
  const std::string longer = ReadFile("level/Tutorial1.sco");
  ASSERT_FALSE(longer.empty());

  // A file the player made read-only stands for one that cannot be written.
  ASSERT_EQ(::chmod(replay.c_str(), 0444), 0);
  form->letzteLevel1Click(form);
  Key(VK_RIGHT);
  EXPECT_EQ(GetInt("SCORE0", "M1"), 1);
  ASSERT_EQ(app->boxes().size(), 3u);
  const Backend::AskRecord box = app->boxes()[1];
  EXPECT_NE(box.Text.find("Tutorial1.sco kann nicht erstellt werden"), std::string::npos) << box.Text;
  EXPECT_EQ(box.Flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONSTOP));
  EXPECT_EQ(app->boxes()[2].Text, "Glückwunsch ! Diese Spielebene ist gelöst.");
  EXPECT_EQ(ReadFile("level/Tutorial1.sco"), longer);
  for (const auto& entry : std::filesystem::directory_iterator(folder + "level"))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
