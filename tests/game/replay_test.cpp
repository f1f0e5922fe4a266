#include "game_fixture.h"
#include "level_commands.h"
#include "level_loader.h"
#include "level_text.h"
#include "move_rules.h"
#include "solving.h"

using namespace Game;

class Replay : public GameFixture {
 protected:
  void SetUp() override {
    std::vector<LevelText> levels(2);
    for (auto& l : levels) l.Cell(0, 7, 6, cExitItem).playerX = 5, l.playerY = 5;
    levels[1].playerX = 20;
    host.files["/game/level/Tutorial.dat"] = "";  // file names are case-sensitive
    host.files["/game/level/tutorial.dat"] = WorldFile(levels);
    s.WorldIndex = 0;
    s.LevelNumber = 1;
    s.ReplayDelay = 50;
    LoadWorldLevel(s, host);
  }
  static constexpr const char* kReplay = "/game/level/Tutorial1.sco";
};

TEST_F(Replay, PlaysTheStoredSolutionToItsEnd) {
  host.files[kReplay] = "2 2 3 0 ";
  host.best[std::make_pair(0, 1)] = 3;
  ReplayCommand(s, host);
  EXPECT_EQ(host.messages, std::vector<std::string>{kMsgReplaySolved});
  EXPECT_EQ(s.LevelNumber, 2);
  EXPECT_EQ(s.PlayerX, 20) << "nothing of the file is played on the next level";
  EXPECT_EQ(s.Steps, 0);
  EXPECT_FALSE(s.ReplayRunning);
  EXPECT_EQ(host.files[kReplay], "2 2 3 0 ");
  EXPECT_EQ(host.slept, 4 * 50);
}

TEST_F(Replay, AKeyStopsItAndReloads) {
  host.files[kReplay] = "2 2 3 0 ";
  host.onPump = [&] { HandleKey(s, host, kKeyLeft); };
  ReplayCommand(s, host);
  EXPECT_FALSE(s.ReplayRunning);
  EXPECT_EQ(s.LevelNumber, 1);
  EXPECT_EQ(s.PlayerX, 5) << "the level is loaded again";
  EXPECT_EQ(s.Steps, 0);
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(s.PlayerX, 6) << "the next key moves normally";
}

TEST_F(Replay, AFileWithoutSolutionLeavesTheFigureWhereItEnds) {
  host.files[kReplay] = "3 3 0 2 2";
  ReplayCommand(s, host);
  EXPECT_EQ(s.PlayerY, 7);
  EXPECT_EQ(s.Steps, 2);
  EXPECT_FALSE(s.ReplayRunning);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Replay, WithoutAFileOnlyTheLevelRestarts) {
  s.PlayerX = 9;
  ReplayCommand(s, host);
  EXPECT_EQ(s.PlayerX, 5);
  EXPECT_FALSE(s.ReplayRunning);
}

TEST_F(Replay, GuardsTheLevelCommands) {
  s.ReplayRunning = 1;
  const Integer level = s.LevelNumber;
  host.solved[std::make_pair(0, 1)] = true;
  NextLevelCommand(s, host);
  PreviousLevelCommand(s, host);
  FirstLevelCommand(s, host);
  RestartLevelCommand(s, host);
  EXPECT_EQ(s.LevelNumber, level);
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(s.ReplayStopRequested, 1);
  EXPECT_EQ(s.PlayerX, 5);
}

TEST_F(Replay, NextLevelNeedsTheLevelSolved) {
  HandleKey(s, host, kKeyDown);
  NextLevelCommand(s, host);
  EXPECT_EQ(host.messages, std::vector<std::string>{kMsgSolveFirst});
  EXPECT_EQ(s.Steps, 1);
  host.solved[std::make_pair(0, 1)] = true;
  HandleKey(s, host, kKeyAdd);
  EXPECT_EQ(s.LevelNumber, 2);
  EXPECT_EQ(host.versuche, 1);
  PreviousLevelCommand(s, host);
  PreviousLevelCommand(s, host);
  EXPECT_EQ(s.LevelNumber, 1) << "level 1 stays level 1";
}
