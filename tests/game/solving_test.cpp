#include "solving.h"

#include "game_fixture.h"
#include "level_commands.h"
#include "level_loader.h"
#include "level_text.h"
#include "move_rules.h"
#include "replay_file.h"

using namespace Game;

class Solving : public GameFixture {
 protected:
  void SetUp() override {
    std::vector<LevelText> levels(2);
    for (auto& l : levels) {
      l.playerX = 5, l.playerY = 5;
      l.Cell(0, 7, 6, cExitItem);
    }
    host.files["/game/level/fastfun_a.dat"] = WorldFile(levels);
    s.WorldIndex = 2;
    s.LevelNumber = 1;
    LoadWorldLevel(s, host);
    ASSERT_TRUE(s.LevelPlayable);
  }
  // Right, right, down: takes the exit item at (7, 6).
  void Solve() {
    HandleKey(s, host, kKeyRight);
    HandleKey(s, host, kKeyRight);
    HandleKey(s, host, kKeyDown);
  }
  static constexpr const char* kReplay = "/game/level/fastfun_a1.sco";
};

TEST_F(Solving, ScoresKeepsTheReplayAndMovesOn) {
  Solve();
  EXPECT_EQ(host.best[std::make_pair(2, 1)], 3);
  EXPECT_TRUE(host.solved[std::make_pair(2, 1)]);
  EXPECT_EQ(host.files[kReplay], "2 2 3 0 ");
  EXPECT_EQ(host.messages, std::vector<std::string>{kMsgSolved});
  EXPECT_EQ(s.LevelNumber, 2);
  EXPECT_EQ(host.zuege, 3);
  EXPECT_TRUE(host.moverTimer);
}

TEST_F(Solving, OnlyASolutionNoLongerThanTheBestReplacesTheReplay) {
  struct Case {
    int best;
    bool replaced;
  } cases[] = {{4, true}, {3, true}, {2, false}};
  for (const Case& c : cases) {
    host.best[std::make_pair(2, 1)] = c.best;
    host.files[kReplay] = "old";
    s.LevelNumber = 1;
    LoadWorldLevel(s, host);
    Solve();
    EXPECT_EQ(host.files[kReplay], c.replaced ? "2 2 3 0 " : "old") << c.best;
    EXPECT_EQ(host.best[std::make_pair(2, 1)], c.replaced ? 3 : c.best);
  }
}

TEST_F(Solving, NoEndDialogsAndAnUnwritableReplay) {
  s.NoEndDialogs = 1;
  host.writable = false;
  Solve();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.best[std::make_pair(2, 1)], 3) << "the score is kept all the same";
  EXPECT_EQ(host.files.count(kReplay), 0u);
}

TEST_F(Solving, AnEditorLevelKeepsItsReplayBesideItAndStartsAgain) {
  LevelText l;
  l.Cell(0, 6, 5, cExitItem);
  host.files["/tmp/x.dat"] = EditorFile(l);
  LoadEditorLevel(s, host, "/tmp/x.dat");
  s.PlayerX = 5, s.PlayerY = 5;
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(host.files["/tmp/x.dat.sco"], "2 0 ");
  EXPECT_TRUE(s.EditorLevel);
  EXPECT_TRUE(host.best.empty()) << "no registry values for editor levels";
}

TEST(ReplayFile, FormatAndParse) {
  auto state = std::make_unique<TGameState>();
  const Integer moves[] = {2, 2, 3, 6};
  std::copy(std::begin(moves), std::end(moves), state->MoveLog);
  EXPECT_EQ(FormatReplayFile(state->MoveLog), "2 2 3 6 0 ");
  std::fill(std::begin(state->MoveLog), std::end(state->MoveLog), 1);
  const std::string full = FormatReplayFile(state->MoveLog);
  EXPECT_EQ(full.size(), 2u * kLogSize) << "a full log has no closing 0";

  struct Case {
    const char* text;
    std::vector<Integer> codes;
  } cases[] = {
      {"2 2 3 6 0 ", {2, 2, 3, 6, 0}}, {"1\n2\r\n3", {1, 2, 3}},     {"", {}},
      {"4 x 4", {4}},                  {"12abc 5", {12}},            {"7 99999999999 1", {7}},
      {"-1 +3", {-1, 3}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseReplayFile(c.text), c.codes) << c.text;
  EXPECT_EQ(ParseReplayFile(full + full).size(), static_cast<std::size_t>(kLogSize));
}
