// The shipped worlds: their files as the world table names and sizes them,
// every level a sound board, and every level solved by its stored solution
// when played through the game's own loader and replay step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "board.h"
#include "level_file.h"
#include "level_loader.h"
#include "move_rules.h"
#include "recording_host.h"
#include "replay_file.h"
#include "world_table.h"

using namespace Game;

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return in ? s.str() : std::string();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string Stem(const WorldRow& row) {
  const std::string file = row.LevelFile;
  return file.substr(0, file.size() - 4);
}

int LevelCount(const WorldRow& row) { return std::atoi(row.LevelCountText); }

// The level on the board, in the tools' form, for the mover checks.
Levels::Board BoardOf(const TGameState& s) {
  Levels::Board b;
  for (int f = 0; f < kFloors; ++f)
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) b.At(f, x, y) = static_cast<std::uint8_t>(s.Cells[f][x][y]);
  b.playerX = s.PlayerX, b.playerY = s.PlayerY;
  for (int i = 0; i < kMoverSlots; ++i) b.movers[i] = {s.MoverX[i], s.MoverY[i], s.MoverFloor[i]};
  return b;
}

// A world's levels loaded one by one through the game's loader, from the
// real files, with a host that keeps scores and replay files in memory.
class World : public ::testing::TestWithParam<int> {
 protected:
  World() : state_(std::make_unique<TGameState>()), s(*state_), host(s) {
    for (const WorldRow& row : WorldTable)
      host.files[std::string("/game/level/") + row.LevelFile] = ReadText(std::string(MORVANT_LEVEL_DIR) + row.LevelFile);
    s.ScrollSpeed = 32;
    s.NoEndDialogs = 1;
    s.WorldIndex = GetParam();
  }

  const WorldRow& Row() const { return WorldTable[GetParam()]; }

  void Load(int level) {
    host.messages.clear();
    s.LevelNumber = level;
    LoadWorldLevel(s, host);
  }

  std::unique_ptr<TGameState> state_;
  TGameState& s;
  RecordingHost host;
};

TEST_P(World, FileHasTheStatedLevelsOf152Lines) {
  const std::string text = host.files[std::string("/game/level/") + Row().LevelFile];
  ASSERT_FALSE(text.empty()) << Row().LevelFile << " is missing";
  EXPECT_EQ(text.find('\r'), std::string::npos) << "LF line ends only";
  EXPECT_EQ(text.back(), '\n');
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.front(), Row().LevelCountText);
  EXPECT_EQ(lines.size(), 1u + kLinesPerLevel * LevelCount(Row()));
  for (int l = 0; l < LevelCount(Row()); ++l) {
    const std::string& hint = lines[1 + kLinesPerLevel * l];
    EXPECT_FALSE(hint.empty()) << "level " << l + 1 << ": a hint or ###";
    EXPECT_LT(hint.size(), static_cast<std::size_t>(kLineBufferSize)) << "level " << l + 1;
  }
}

TEST_P(World, EveryLevelIsASoundBoard) {
  for (int level = 1; level <= LevelCount(Row()); ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    Load(level);
    ASSERT_TRUE(host.messages.empty()) << host.messages.front();
    ASSERT_EQ(s.LevelNumber, level);
    EXPECT_GT(s.ExitsTotal, 0) << "a level without exit items is solved by any key";
    for (const auto& floor : s.Cells)
      for (const auto& column : floor)
        for (Integer c : column) ASSERT_TRUE(c >= 0 && c <= 99) << "cell code " << c;
    EXPECT_FALSE(IsSolid(s.Cells[0][s.PlayerX][s.PlayerY])) << "the figure starts inside a wall";
    for (int i = 0; i < kMoverSlots; ++i) {
      if (s.MoverX[i] == 0) continue;
      EXPECT_EQ(s.Cells[s.MoverFloor[i]][s.MoverX[i]][s.MoverY[i]], cEmpty) << "mover " << i << " not on empty floor";
    }
    const std::vector<bool> territory = Levels::MoverTerritory(BoardOf(s));
    for (int f = 0; f < kFloors; ++f)
      for (int y = 0; y < kBoardSize; ++y)
        EXPECT_FALSE(territory[Levels::CellIndex(f, 0, y)]) << "a mover reaches column 0 at row " << y;
  }
}

TEST_P(World, EveryLevelIsSolvedByItsStoredSolution) {
  const int world = GetParam();
  for (int level = 1; level <= LevelCount(Row()); ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    const std::string path = MORVANT_SOLUTION_DIR + Stem(Row()) + "/" + std::to_string(level) + ".sco";
    std::vector<Integer> moves = ParseReplayFile(ReadText(path));
    ASSERT_FALSE(moves.empty()) << path;
    ASSERT_EQ(moves.back(), mEnd) << "a solution ends with 0";
    moves.pop_back();
    ASSERT_LT(moves.size(), 9000u);

    Load(level);
    ASSERT_TRUE(host.messages.empty());
    for (std::size_t i = 0; i < moves.size(); ++i) {
      ASSERT_FALSE(host.solved[std::make_pair(world, level)]) << "solved before move " << i + 1;
      ReplayMove(s, host, moves[i]);
    }
    EXPECT_TRUE(host.solved[std::make_pair(world, level)]) << "the stored moves do not solve it";
    EXPECT_EQ(host.best[std::make_pair(world, level)], static_cast<int>(moves.size())) << "a move was refused";
  }
}

INSTANTIATE_TEST_SUITE_P(Worlds, World, ::testing::Range(0, kWorldCount),
                         [](const auto& info) { return Stem(WorldTable[info.param]); });

TEST(Worlds, HoldTheTableTotalOfDistinctLevels) {
  std::set<std::string> bodies;
  int total = 0;
  for (const WorldRow& row : WorldTable) {
    const std::vector<std::string> lines = Lines(ReadText(std::string(MORVANT_LEVEL_DIR) + row.LevelFile));
    for (int l = 0; l < LevelCount(row); ++l) {
      const std::size_t first = 2 + kLinesPerLevel * l;  // the header, after the hint
      if (first + kLinesPerLevel - 1 > lines.size()) break;
      std::string body;
      for (std::size_t i = first; i < first + kLinesPerLevel - 1; ++i) body += lines[i] + "\n";
      EXPECT_TRUE(bodies.insert(body).second) << row.LevelFile << " level " << l + 1 << " repeats another level";
      ++total;
    }
  }
  EXPECT_EQ(total, 280);
}

}  // namespace
