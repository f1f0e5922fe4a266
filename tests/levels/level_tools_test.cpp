// The level tools' own checks: the text language, the solver and the
// fairness rules that decide whether a level may ship.
#include <gtest/gtest.h>

#include "ascii_level.h"
#include "rules_check.h"
#include "solver.h"

using namespace Levels;

namespace {

Board Parse(const std::string& text) {
  std::vector<Board> boards;
  std::string error;
  EXPECT_TRUE(ParseAsciiLevels(text, boards, error)) << error;
  return boards.empty() ? Board() : boards.front();
}

TEST(AsciiLevels, RejectsMalformedTextWithTheLine) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"|#@#\n", "line 1: text outside a level"},
      {"level\n|#@#\nend\n", "line 2: map row before a floor line"},
      {"level\nfloor 3\n", "line 2: floor must be 0, 1 or 2"},
      {"level\nfloor 0\n|#@x#\nend\n", "line 3: unknown cell letter 'x'"},
      {"level\nfloor 0\n|# #\nend\n", "line 4: a level needs the figure"},
      {"level\nfloor 1\n|#@#\nend\n", "line 3: one figure, on floor 0"},
      {"level\nfloor 0\n|#@#\n", "line 3: level without end"},
      {"level\nfloor 0\n|MMMMMM@\nend\n", "line 3: more than five movers"},
  };
  for (const Case& c : cases) {
    std::vector<Board> boards;
    std::string error;
    EXPECT_FALSE(ParseAsciiLevels(c.text, boards, error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(AsciiLevels, PlacesCellsFigureAndMovers) {
  const Board b = Parse("level\nhint Los\nfloor 0\n|####\n|#@$.E\nfloor 2\n|  M=\nend\n");
  EXPECT_EQ(b.hint, "Los");
  EXPECT_EQ(b.playerX, 1);
  EXPECT_EQ(b.playerY, 1);
  EXPECT_EQ(b.At(0, 2, 1), Game::cBox);
  EXPECT_EQ(b.At(0, 3, 1), Game::cGoal);
  EXPECT_EQ(b.At(0, 4, 1), Game::cExitItem);
  EXPECT_EQ(b.At(2, 3, 0), Game::cStairsBoth);
  EXPECT_EQ(b.movers[0].x, 2);
  EXPECT_EQ(b.movers[0].floor, 2);
  EXPECT_EQ(b.At(2, 2, 0), Game::cEmpty) << "a mover stands on empty floor";
}

// Each level's solution, found by the solver, must pass the game's own rules.
TEST(Solver, SolutionsPassTheGameRules) {
  const char* levels[] = {
      // a push onto the goal opens the gate
      "level\nfloor 0\n|#########\n|#@ $   .#\n|######G##\n|     #E#\n|     ###\nend\n",
      // key and door
      "level\nfloor 0\n|########\n|#@ a#E #\n|#   A  #\n|########\nend\n",
      // stairs down, teleporter across the wall
      ("level\nfloor 0\n|#####\n|#@ v#\n|#####\nfloor 1\n|##########\n|#1  v#1 E#\n|##########\n"
       "floor 2\n|######\n|#E   #\n|######\nend\n"),
  };
  for (const char* text : levels) {
    const Board b = Parse(text);
    const Solution s = Solve(b, 100000);
    ASSERT_TRUE(s.solved) << text;
    EXPECT_EQ(CheckWithGameRules(b, s.moves), "") << text;
  }
}

TEST(Solver, FindsNoWayWhereThereIsNone) {
  // The same room, once with the box in a corner it can never leave.
  const Board b = Parse("level\nfloor 0\n|######\n|#@$ .#\n|###G##\n|  #E#\n|  ###\nend\n");
  EXPECT_TRUE(Solve(b, 100000).solved);
  const Board stuck = Parse("level\nfloor 0\n|######\n|#@ .$#\n|###G##\n|  #E#\n|  ###\nend\n");
  const Solution s = Solve(stuck, 100000);
  EXPECT_FALSE(s.solved);
  EXPECT_FALSE(s.gaveUp);
}

TEST(Fairness, NamesWhatKeepsALevelFromShipping) {
  struct Case {
    const char* text;
    const char* fault;
  } cases[] = {
      {"level\nfloor 0\n|#####\n|#@ E#\n|#  M#\n|#####\nend\n", ""},
      {"level\nfloor 0\n|#####\n|#@  #\n|#####\nend\n", "no exit item"},
      {"level\nfloor 0\n|#####\n|#@ E#\n| M###\n|#####\nend\n", "a mover can reach column 0"},
      {"level\nfloor 0\n|######\n|#@ EM#\n|######\nend\n", "a mover can corner the figure in a dead end"},
  };
  for (const Case& c : cases) EXPECT_EQ(FaultOf(Parse(c.text)), c.fault) << c.text;
}

}  // namespace
