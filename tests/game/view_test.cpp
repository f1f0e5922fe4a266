#include "view.h"

#include <gtest/gtest.h>

using namespace Game;

TEST(View, ScrollBandsMatchTheViewOrigin) {
  // A step changes the view origin exactly inside its scroll band.
  for (int mode : {0, 2}) {
    for (Integer move : {mUp, mRight, mDown, mLeft}) {
      for (int from = 0; from < kBoardSize; ++from) {
        auto s = std::make_unique<TGameState>();
        s->ViewMode = mode;
        const bool horizontal = move == mLeft || move == mRight;
        const int d = (move == mRight || move == mDown) ? 1 : -1;
        const int to = from + d;
        if (to < 0 || to >= kBoardSize) continue;
        (horizontal ? s->PlayerX : s->PlayerY) = from;
        const ViewOrigin before = ComputeViewOrigin(*s);
        (horizontal ? s->PlayerX : s->PlayerY) = to;
        const ViewOrigin after = ComputeViewOrigin(*s);
        const bool changed = horizontal ? before.x != after.x : before.y != after.y;
        EXPECT_EQ(InScrollBand(mode, move, from), changed) << mode << " " << move << " " << from;
      }
    }
  }
}

TEST(View, OriginKeepsTheFigureAtColumnTenAndRowSeven) {
  auto s = std::make_unique<TGameState>();
  s->PlayerX = 45, s->PlayerY = 45;
  EXPECT_EQ(ComputeViewOrigin(*s).x, 30);
  EXPECT_EQ(ComputeViewOrigin(*s).y, 35);
  s->ViewMode = 2;
  EXPECT_EQ(ComputeViewOrigin(*s).x, 25);
  s->PlayerX = 20;
  EXPECT_EQ(ComputeViewOrigin(*s).x, 10);
  s->FitsInView = 1;
  s->ViewOffsetX = 32;
  EXPECT_EQ(ComputeViewOrigin(*s).x, 0);
  EXPECT_EQ(s->ViewOffsetX, 0);
}

TEST(View, OffsetsComeToRestWithoutCrossingZero) {
  struct Case {
    Integer from, speed, after;
  } cases[] = {{32, 8, 24}, {-32, 8, -24}, {3, 5, 0}, {-3, 5, 0}, {0, 8, 0}, {7, 0, 6}};
  for (const Case& c : cases) {
    Integer v = c.from;
    MoveTowardZero(v, c.speed);
    EXPECT_EQ(v, c.after) << c.from << " by " << c.speed;
  }
}
