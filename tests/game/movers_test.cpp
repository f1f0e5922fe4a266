#include "movers.h"

#include "game_fixture.h"
#include "level_text.h"
#include "level_loader.h"

using namespace Game;

class Movers : public GameFixture {
 protected:
  void SetUp() override {
    s.MoverX[0] = 8;
    s.MoverY[0] = 5;
    s.MoverFloor[0] = 0;
  }
};

TEST_F(Movers, ChaseOnAnEvenDrawAndSlideAfterwards) {
  s.ScrollSpeed = 16;
  host.randoms = {346};  // even: chase
  MoverTick(s, host);
  EXPECT_EQ(s.MoverX[0], 7);
  EXPECT_EQ(s.MoverOffsetX[0], 32);
  MoverTick(s, host);
  EXPECT_EQ(s.MoverOffsetX[0], 16);
  MoverTick(s, host);
  EXPECT_EQ(s.MoverOffsetX[0], 0);
  ASSERT_EQ(host.redraws.size(), 3u);
  EXPECT_EQ(host.redraws[0].x1, 5);
  EXPECT_EQ(host.redraws[0].x2, 9);
}

TEST_F(Movers, RandomStepsOnlyOntoEmptyFloorAndNeverOffTheBoard) {
  struct Case {
    int draw;  // the direction draw after an odd one
    int blocker;
    int x, y;  // where the mover ends
  } cases[] = {
      {0, cEmpty, 9, 5}, {1, cEmpty, 7, 5}, {2, cEmpty, 8, 4}, {3, cEmpty, 8, 6},
      {0, cGoal, 8, 5},  {0, cStairsBoth, 8, 5}, {0, 45, 8, 5},
  };
  for (const Case& c : cases) {
    auto state = std::make_unique<TGameState>(s);
    RecordingHost h(*state);
    state->Cells[0][9][5] = c.blocker;
    h.randoms = {1, c.draw};
    MoverTick(*state, h);
    EXPECT_EQ(state->MoverX[0], c.x) << c.draw << "/" << c.blocker;
    EXPECT_EQ(state->MoverY[0], c.y);
  }
  s.MoverX[0] = 49;
  host.randoms = {1, 0};
  MoverTick(s, host);
  EXPECT_EQ(s.MoverX[0], 49);
}

TEST_F(Movers, ColumnZeroIsNoPlaceForAMover) {
  // Its x would become 0, which marks an empty slot: the mover would vanish.
  for (int draws : {0, 1}) {  // a random step left, then a chase to the left
    auto state = std::make_unique<TGameState>(s);
    RecordingHost h(*state);
    state->MoverX[0] = 1;
    state->PlayerX = 0;
    state->PlayerY = 5;
    h.randoms = draws == 0 ? std::deque<int>{1, 1} : std::deque<int>{2};
    MoverTick(*state, h);
    EXPECT_EQ(state->MoverX[0], 1) << draws;
    EXPECT_EQ(state->MoverOffsetX[0], 0);
  }
}

TEST_F(Movers, ContactLosesOutsideAReplay) {
  std::vector<LevelText> levels(1);
  levels[0].movers = {{20, 20, 0}};
  host.files["/game/level/tutorial.dat"] = WorldFile(levels);
  s.LevelNumber = 1;
  s.MoverX[0] = s.PlayerX;
  s.MoverY[0] = s.PlayerY;
  s.ReplayRunning = 1;
  MoverTick(s, host);
  EXPECT_TRUE(host.messages.empty());

  s.ReplayRunning = 0;
  s.MoverX[0] = s.PlayerX;
  s.MoverY[0] = s.PlayerY;
  host.randoms = {1, 3};
  MoverTick(s, host);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Leider Verloren"});
  EXPECT_EQ(s.MoverX[0], 20) << "the level was loaded again";
  EXPECT_EQ(s.MoverY[0], 21) << "and the tick went on with its moves";
  EXPECT_TRUE(host.moverTimer);
}

TEST_F(Movers, EmptySlotsAndOtherFloorsNeverTouchOrMove) {
  s.MoverX[0] = 0;
  s.MoverY[0] = 5;
  s.PlayerX = 0;
  s.MoverX[1] = 5, s.MoverY[1] = 5, s.MoverFloor[1] = 1;
  MoverTick(s, host);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(s.MoverX[1], 5);
  EXPECT_TRUE(host.redraws.empty());
}
