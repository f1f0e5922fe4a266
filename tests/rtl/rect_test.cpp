#include "rect.h"

#include <gtest/gtest.h>

TEST(Rect, SubtractRemovesOnlyAWholeSide) {
  const TRect full(0, 0, 100, 20);
  struct Case {
    TRect bar, expected;
  } cases[] = {
      {TRect(80, -5, 120, 30), TRect(0, 0, 80, 20)},   // covers the right side
      {TRect(-1, 0, 10, 20), TRect(10, 0, 100, 20)},   // covers the left side
      {TRect(-1, -1, 200, 5), TRect(0, 5, 100, 20)},   // covers the top
      {TRect(40, 0, 60, 20), full},                    // a hole in the middle: unchanged
      {TRect(80, 5, 120, 10), full},                   // not the whole height: unchanged
  };
  for (const Case& c : cases) {
    TRect r;
    SubtractRect(&r, &full, &c.bar);
    EXPECT_EQ(r, c.expected) << c.bar.left << "," << c.bar.top;
  }
}

TEST(Rect, ExclusiveEdgesAndEmptyResults) {
  const TRect r = Bounds(10, 10, 5, 5);
  EXPECT_TRUE(PtInRect(&r, Point(10, 10)));
  EXPECT_FALSE(PtInRect(&r, Point(15, 14)));
  TRect out(1, 1, 1, 1);
  const TRect far(100, 100, 110, 110);
  EXPECT_FALSE(IntersectRect(&out, &r, &far));
  EXPECT_EQ(out, TRect(0, 0, 0, 0));
  const TRect empty(0, 0, 0, 0);
  EXPECT_TRUE(UnionRect(&out, &empty, &r));
  EXPECT_EQ(out, r);
  TRect shrunk = r;
  InflateRect(&shrunk, -3, -3);
  EXPECT_TRUE(IsRectEmpty(&shrunk));
}
