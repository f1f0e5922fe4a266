#include "region.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TRect> RectsOf(const Region& r) { return {r.Rects().begin(), r.Rects().end()}; }

// Every pixel of a small window, compared against a predicate.
template <class Pred>
void ExpectPixels(const Region& r, Pred inside, int lo = -2, int hi = 24) {
  for (int y = lo; y < hi; ++y)
    for (int x = lo; x < hi; ++x) ASSERT_EQ(r.Contains(x, y), inside(x, y)) << x << "," << y;
}

TEST(Region, RectConstructionAndEmptiness) {
  EXPECT_TRUE(Region().IsEmpty());
  EXPECT_TRUE(Region(5, 5, 5, 9).IsEmpty());
  EXPECT_TRUE(Region(9, 5, 5, 9).IsEmpty());
  const Region r(1, 2, 4, 6);
  EXPECT_EQ(r.GetKind(), Region::Simple);
  EXPECT_EQ(r.Bounds(), TRect(1, 2, 4, 6));
  EXPECT_TRUE(r.Contains(1, 2));
  EXPECT_TRUE(r.Contains(3, 5));
  EXPECT_FALSE(r.Contains(4, 5));  // right exclusive
  EXPECT_FALSE(r.Contains(3, 6));  // bottom exclusive
  EXPECT_EQ(Region().Bounds(), TRect());
}

struct CombineCase {
  const char* name;
  TRect a, b;
  RegionOp op;
  Region::Kind kind;
  std::vector<TRect> rects;
};

TEST(Region, CombineTable) {
  const TRect sq(0, 0, 10, 10);
  const std::vector<CombineCase> cases = {
      {"and overlap", sq, {5, 5, 15, 15}, RegionOp::And, Region::Simple, {{5, 5, 10, 10}}},
      {"and disjoint", sq, {20, 0, 30, 10}, RegionOp::And, Region::Empty, {}},
      {"and touching", sq, {10, 0, 20, 10}, RegionOp::And, Region::Empty, {}},
      {"or side by side merges", sq, {10, 0, 20, 10}, RegionOp::Or, Region::Simple, {{0, 0, 20, 10}}},
      {"or stacked merges", sq, {0, 10, 10, 20}, RegionOp::Or, Region::Simple, {{0, 0, 10, 20}}},
      {"or overlap",
       sq,
       {5, 5, 15, 15},
       RegionOp::Or,
       Region::Complex,
       {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
      {"diff notch",
       sq,
       {3, 3, 6, 6},
       RegionOp::Diff,
       Region::Complex,
       {{0, 0, 10, 3}, {0, 3, 3, 6}, {6, 3, 10, 6}, {0, 6, 10, 10}}},
      {"diff strip off the right", sq, {5, -1, 11, 11}, RegionOp::Diff, Region::Simple, {{0, 0, 5, 10}}},
      {"diff all", sq, {-1, -1, 11, 11}, RegionOp::Diff, Region::Empty, {}},
      {"diff disjoint", sq, {20, 20, 30, 30}, RegionOp::Diff, Region::Simple, {sq}},
      {"xor overlap",
       sq,
       {5, 0, 15, 10},
       RegionOp::Xor,
       Region::Complex,
       {{0, 0, 5, 10}, {10, 0, 15, 10}}},
      {"xor self", sq, sq, RegionOp::Xor, Region::Empty, {}},
      {"xor with empty", sq, {}, RegionOp::Xor, Region::Simple, {sq}},
      {"or with empty", {}, sq, RegionOp::Or, Region::Simple, {sq}},
  };
  for (const CombineCase& c : cases) {
    const Region r = Region::Combine(Region(c.a), Region(c.b), c.op);
    EXPECT_EQ(r.GetKind(), c.kind) << c.name;
    EXPECT_EQ(RectsOf(r), c.rects) << c.name;
  }
}

TEST(Region, AlgebraMatchesPixelSets) {
  // A plus-shaped region against a diagonal staircase, every op, pixel by pixel.
  const Region plus = Region(6, 0, 12, 18) | Region(0, 6, 18, 12);
  Region stairs;
  for (int i = 0; i < 5; ++i) stairs |= Region(i * 4, i * 4, i * 4 + 6, i * 4 + 6);
  const auto inPlus = [&](int x, int y) { return (x >= 6 && x < 12 && y >= 0 && y < 18) || (x >= 0 && x < 18 && y >= 6 && y < 12); };
  const auto inStairs = [&](int x, int y) {
    for (int i = 0; i < 5; ++i)
      if (x >= i * 4 && x < i * 4 + 6 && y >= i * 4 && y < i * 4 + 6) return true;
    return false;
  };
  ExpectPixels(Region::Combine(plus, stairs, RegionOp::And), [&](int x, int y) { return inPlus(x, y) && inStairs(x, y); });
  ExpectPixels(Region::Combine(plus, stairs, RegionOp::Or), [&](int x, int y) { return inPlus(x, y) || inStairs(x, y); });
  ExpectPixels(Region::Combine(plus, stairs, RegionOp::Xor), [&](int x, int y) { return inPlus(x, y) != inStairs(x, y); });
  ExpectPixels(Region::Combine(plus, stairs, RegionOp::Diff), [&](int x, int y) { return inPlus(x, y) && !inStairs(x, y); });
  // The canonical form makes equal pixel sets compare equal however built.
  Region rebuilt = Region(0, 6, 18, 12);
  rebuilt |= Region(6, 0, 12, 7);
  rebuilt |= Region(6, 11, 12, 18);
  EXPECT_EQ(rebuilt, plus);
  EXPECT_NE(rebuilt, stairs);
}

TEST(Region, OverlapsContainsAndOffset) {
  const Region ring = Region(0, 0, 10, 10) - Region(2, 2, 8, 8);
  EXPECT_FALSE(ring.Overlaps(TRect(3, 3, 7, 7)));
  EXPECT_TRUE(ring.Overlaps(TRect(7, 7, 9, 9)));
  EXPECT_TRUE(ring.Overlaps(TRect(9, 9, 7, 7)));  // normalised
  EXPECT_TRUE(ring.ContainsRect(TRect(0, 0, 10, 2)));
  EXPECT_FALSE(ring.ContainsRect(TRect(0, 0, 10, 3)));
  Region moved = ring;
  ASSERT_TRUE(moved.Offset(-5, 100));
  EXPECT_EQ(moved.Bounds(), TRect(-5, 100, 5, 110));
  EXPECT_TRUE(moved.Contains(-5, 100));
  EXPECT_FALSE(moved.Contains(0, 105));
  Region far = ring;
  EXPECT_FALSE(far.Offset(Region::kMaxCoord, 0));
  EXPECT_EQ(far, ring);
}

TEST(Region, IntersectRectFastPathAndComplex) {
  Region r(0, 0, 10, 10);
  r.IntersectRect(TRect(5, -5, 20, 5));
  EXPECT_EQ(RectsOf(r), (std::vector<TRect>{{5, 0, 10, 5}}));
  Region notch = Region(0, 0, 10, 10) - Region(4, 0, 6, 5);
  notch.IntersectRect(TRect(0, 0, 10, 3));
  EXPECT_EQ(RectsOf(notch), (std::vector<TRect>{{0, 0, 4, 3}, {6, 0, 10, 3}}));
}

TEST(Region, BuilderMergesSpansAndBands) {
  RegionBuilder b;
  const RegionBuilder::Span row[] = {{5, 8}, {0, 3}, {3, 4}};
  b.AddRow(0, row);
  b.AddRow(1, row);
  const RegionBuilder::Span other[] = {{0, 8}};
  b.AddRow(2, other);
  EXPECT_EQ(RectsOf(b.Finish()), (std::vector<TRect>{{0, 0, 4, 2}, {5, 0, 8, 2}, {0, 2, 8, 3}}));
}

TEST(Region, FromRectsUnitesUnorderedInput) {
  const RECT rects[] = {TRect(5, 5, 15, 15), TRect(0, 0, 10, 10), TRect(12, 0, 3, 2)};
  const Region r = Region::FromRects(rects);
  Region expected = Region(5, 5, 15, 15) | Region(0, 0, 10, 10) | Region(3, 0, 12, 2);
  EXPECT_EQ(r, expected);
}

TEST(Region, RegionDataLayoutAndRoundTrip) {
  const Region notch = Region(0, 0, 10, 10) - Region(3, 3, 6, 6);
  const std::vector<BYTE> data = notch.ToRegionData();
  ASSERT_EQ(data.size(), 32u + 4 * 16u);
  const auto dword = [&](std::size_t at) {
    return static_cast<DWORD>(data[at] | data[at + 1] << 8 | data[at + 2] << 16 | data[at + 3] << 24);
  };
  EXPECT_EQ(dword(0), 32u);
  EXPECT_EQ(dword(4), 1u);
  EXPECT_EQ(dword(8), 4u);
  EXPECT_EQ(dword(12), 64u);
  EXPECT_EQ(dword(16 + 8), 10u);  // rcBound.right
  EXPECT_EQ(dword(32 + 16 + 0), 0u);  // second rect: the band's left piece
  EXPECT_EQ(dword(32 + 16 + 4), 3u);
  EXPECT_EQ(dword(32 + 16 + 8), 3u);
  Region back;
  ASSERT_TRUE(Region::FromRegionData(data.data(), data.size(), back));
  EXPECT_EQ(back, notch);
  EXPECT_EQ(back.ToRegionData(), data);
}

TEST(Region, FromRegionDataRejectsBadBytes) {
  const std::vector<BYTE> good = Region(TRect(1, 2, 3, 4)).ToRegionData();
  Region out(0, 0, 1, 1);
  const auto fails = [&](std::vector<BYTE> d) { return !Region::FromRegionData(d.data(), d.size(), out); };
  EXPECT_FALSE(fails(good));
  EXPECT_TRUE(fails({}));
  EXPECT_TRUE(fails(std::vector<BYTE>(good.begin(), good.end() - 1)));  // count not held
  std::vector<BYTE> d = good;
  d[0] = 40;  // header size
  EXPECT_TRUE(fails(d));
  d = good;
  d[4] = 2;  // type
  EXPECT_TRUE(fails(d));
  d = good;
  d[8] = d[9] = d[10] = d[11] = 0xFF;  // count overflowing any size arithmetic
  EXPECT_TRUE(fails(d));
  d = good;
  d[32] = 9;  // left 9 > right 3
  EXPECT_TRUE(fails(d));
  d = good;
  d[32 + 11] = 0x40;  // right far out of range
  EXPECT_TRUE(fails(d));
  EXPECT_FALSE(Region::FromRegionData(nullptr, 64, out));
}

}  // namespace
