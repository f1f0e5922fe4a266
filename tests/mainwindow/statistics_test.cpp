// The statistics dialog over registry contents, opened from the menu and
// closed with Enter, as a player does it.
#include "main_window_fixture.h"

namespace {

class StatisticsTest : public MainWindowTest {
 protected:
  void SetUp() override { Open(); }

  struct Shown {
    std::string solved, best, bestPerSolved, steps, attempts, attemptsPerSolved;
    bool operator==(const Shown&) const = default;
  };

  Shown ShowStatistics() {
    app->key(VK_RETURN);
    form->Statistik1Click(nullptr);
    return {Form6->Label6->GetCaption().c_str(), Form6->Label7->GetCaption().c_str(),
            Form6->Label8->GetCaption().c_str(), Form6->Label9->GetCaption().c_str(),
            Form6->Label10->GetCaption().c_str(), Form6->Label12->GetCaption().c_str()};
  }

  // A registry name with its number, "SCORE3" or "G12".
  static std::string Numbered(const char* name, int number) {
    std::string out = name;
    out += std::to_string(number);
    return out;
  }
  void Solve(int world, int level, int best) {
    const std::string section = Numbered("SCORE", world);
    SetBool(section.c_str(), Numbered("G", level).c_str(), true);
    SetInt(section.c_str(), Numbered("M", level).c_str(), best);
  }
  // `count` levels solved, spread over the worlds' levels 1 to 19.
  void SolveMany(int count) {
    for (int i = 0; i < count; ++i) SetBool(Numbered("SCORE", i / 19).c_str(), Numbered("G", i % 19 + 1).c_str(), true);
  }
};

TEST_F(StatisticsTest, NothingStoredShowsZeroesAndNoDivisionByZero) {
  EXPECT_EQ(ShowStatistics(), (Shown{"0 von 280 (0 %)", "0", "0", "0", "0", "0"}));
  EXPECT_FALSE(Form6->GetVisible());
}

TEST_F(StatisticsTest, SolvedLevelsTheirBestStepsAndTheRunningCounts) {
  Solve(0, 1, 12);
  Solve(0, 2, 30);
  Solve(0, 3, 45);
  SetInt("STAT", "ZUEGE", 500);
  SetInt("STAT", "VERSUCHE", 10);
  EXPECT_EQ(ShowStatistics(), (Shown{"3 von 280 (1 %)", "87", "29", "500", "10", "3"}));
}

TEST_F(StatisticsTest, TheShareDropsItsRemainder) {
  const struct {
    int solved;
    const char* shown;
  } cases[] = {{280, "280 von 280 (100 %)"}, {14, "14 von 280 (5 %)"}, {2, "2 von 280 (0 %)"}};
  for (const auto& c : cases) {
    for (int w = 0; w < 50; ++w) TRegistryIniFile(Game::kRegistryKey).EraseSection(("SCORE" + std::to_string(w)).c_str());
    SolveMany(c.solved);
    EXPECT_EQ(ShowStatistics().solved, c.shown) << c.solved;
  }
}

TEST_F(StatisticsTest, CountsWorldsZeroToFortyNineAndLevelsOneToNineteen) {
  SetInt("SCORE0", "M4", 7);       // a best without the level solved still adds
  Solve(49, 19, 5);                // the last pair in range counts
  Solve(0, 20, 100);               // beyond the levels
  Solve(50, 1, 1000);              // beyond the worlds
  Solve(0, 0, 10000);              // level 0 is not in the range either
  const Shown shown = ShowStatistics();
  EXPECT_EQ(shown.solved, "1 von 280 (0 %)");
  EXPECT_EQ(shown.best, "12");
}

TEST_F(StatisticsTest, LargeStoredValuesAddUpExactly) {
  Solve(0, 1, 2147483647);
  Solve(1, 1, 2147483647);
  SetInt("STAT", "ZUEGE", -1);  // a DWORD that wrapped past 2^31
  const Shown shown = ShowStatistics();
  EXPECT_EQ(shown.best, "4294967294");
  EXPECT_EQ(shown.bestPerSolved, "2147483647");
  EXPECT_EQ(shown.steps, "4294967295");
}

TEST_F(StatisticsTest, EveryShowingReadsTheRegistryAnew) {
  EXPECT_EQ(ShowStatistics().solved, "0 von 280 (0 %)");
  Solve(3, 5, 40);
  SetInt("STAT", "VERSUCHE", 9);
  const Shown shown = ShowStatistics();
  EXPECT_EQ(shown.solved, "1 von 280 (0 %)");
  EXPECT_EQ(shown.attemptsPerSolved, "9");
}

}  // namespace
