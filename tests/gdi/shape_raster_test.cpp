#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "curve_raster.h"
#include "line_raster.h"
#include "polygon_raster.h"

namespace {

const RECT kAll{{-1000}, {-1000}, {1000}, {1000}};

using PixelSet = std::set<std::pair<int, int>>;

PixelSet LinePixels(int x0, int y0, int x1, int y1, const RECT& box = kAll) {
  PixelSet s;
  ForEachLinePixel(x0, y0, x1, y1, box, [&](LONG x, LONG y, std::int64_t) { s.insert({x, y}); });
  return s;
}

// A region drawn as text rows, '#' inside, for exact comparisons of small shapes.
std::vector<std::string> Picture(const Region& r, const TRect& area) {
  std::vector<std::string> rows;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string row;
    for (int x = area.left; x < area.right; ++x) row += r.Contains(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(LineRaster, EndPointExcludedAndSteps) {
  struct Case {
    int x0, y0, x1, y1;
    PixelSet pixels;
  };
  const std::vector<Case> cases = {
      {0, 0, 4, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {0, 0, 0, -3, {{0, 0}, {0, -1}, {0, -2}}},
      {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
      {5, 5, 5, 5, {}},
      {0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},  // the halfway step goes to the smaller y
  };
  for (const Case& c : cases) EXPECT_EQ(LinePixels(c.x0, c.y0, c.x1, c.y1), c.pixels) << c.x0 << "," << c.y0 << "->" << c.x1 << "," << c.y1;
}

TEST(LineRaster, ReverseCoversSamePixelsButItsOwnStart) {
  const std::pair<int, int> ends[] = {{7, 3}, {3, 7}, {-5, 2}, {9, -4}, {4, 2}, {2, -4}};
  for (auto [x, y] : ends) {
    PixelSet fwd = LinePixels(0, 0, x, y), back = LinePixels(x, y, 0, 0);
    fwd.insert({x, y});
    back.insert({0, 0});
    EXPECT_EQ(fwd, back) << x << "," << y;
  }
}

TEST(LineRaster, ClippedWalkMatchesUnclipped) {
  const RECT box{{2}, {1}, {9}, {6}};
  PixelSet expected;
  for (auto p : LinePixels(-20, -7, 30, 14))
    if (p.first >= 2 && p.first < 9 && p.second >= 1 && p.second < 6) expected.insert(p);
  EXPECT_EQ(LinePixels(-20, -7, 30, 14, box), expected);
  EXPECT_FALSE(expected.empty());
  // A line of enormous length costs only its visible part.
  EXPECT_EQ(LinePixels(0, 0, 2000000000, 0, RECT{{0}, {0}, {3}, {1}}).size(), 3u);
}

TEST(LineRaster, WideLineWidths) {
  struct Case {
    int width;
    int top, bottom;  // rows covered by a horizontal line at y = 10
  };
  for (const Case c : {Case{2, 9, 11}, Case{3, 9, 12}, Case{4, 8, 12}}) {
    const Region r = WideLineRegion(POINT{{0}, {10}}, POINT{{20}, {10}}, c.width, kAll);
    EXPECT_EQ(r.Bounds().top, c.top) << c.width;
    EXPECT_EQ(r.Bounds().bottom, c.bottom) << c.width;
    EXPECT_TRUE(r.Contains(10, c.top));
    EXPECT_TRUE(r.Contains(10, c.bottom - 1));
  }
  // A diagonal wide line stays connected and symmetric about its middle.
  const Region d = WideLineRegion(POINT{{0}, {0}}, POINT{{10}, {10}}, 3, kAll);
  for (int i = 0; i <= 10; ++i) EXPECT_TRUE(d.Contains(i, i));
  for (int y = -2; y < 13; ++y)
    for (int x = -2; x < 13; ++x) EXPECT_EQ(d.Contains(x, y), d.Contains(10 - x, 10 - y));
}

TEST(CurveRaster, SmallEllipsesAreSymmetric) {
  EXPECT_EQ(Picture(curve_raster::Ellipse(TRect(0, 0, 4, 4)), TRect(0, 0, 4, 4)),
            (std::vector<std::string>{".##.", "####", "####", ".##."}));
  EXPECT_EQ(Picture(curve_raster::Ellipse(TRect(0, 0, 6, 3)), TRect(0, 0, 6, 3)),
            (std::vector<std::string>{".####.", "######", ".####."}));
  EXPECT_EQ(Picture(curve_raster::Ellipse(TRect(0, 0, 1, 1)), TRect(0, 0, 1, 1)), (std::vector<std::string>{"#"}));
  for (const TRect box : {TRect(0, 0, 9, 13), TRect(3, 1, 17, 7), TRect(0, 0, 20, 20)}) {
    const Region e = curve_raster::Ellipse(box);
    EXPECT_EQ(e.Bounds(), box);
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) {
        const bool in = e.Contains(x, y);
        ASSERT_EQ(in, e.Contains(box.left + box.right - 1 - x, y));
        ASSERT_EQ(in, e.Contains(x, box.top + box.bottom - 1 - y));
      }
  }
  EXPECT_EQ(curve_raster::Ellipse(TRect(10, 10, 0, 0)), curve_raster::Ellipse(TRect(0, 0, 10, 10)));
  EXPECT_TRUE(curve_raster::Ellipse(TRect(0, 0, 0, 5)).IsEmpty());
}

TEST(CurveRaster, RoundRectCornersAndClamp) {
  const Region r = curve_raster::RoundRect(TRect(0, 0, 8, 6), 4, 4);
  EXPECT_EQ(Picture(r, TRect(0, 0, 8, 6)),
            (std::vector<std::string>{".######.", "########", "########", "########", "########", ".######."}));
  // Corners larger than the box become the ellipse.
  EXPECT_EQ(curve_raster::RoundRect(TRect(0, 0, 10, 8), 50, 50), curve_raster::Ellipse(TRect(0, 0, 10, 8)));
  EXPECT_EQ(curve_raster::RoundRect(TRect(0, 0, 10, 8), 0, 0), Region(0, 0, 10, 8));
}

TEST(CurveRaster, BorderAndFrame) {
  const Region box(0, 0, 5, 4);
  EXPECT_EQ(Picture(curve_raster::Border(box), TRect(0, 0, 5, 4)),
            (std::vector<std::string>{"#####", "#...#", "#...#", "#####"}));
  const Region ell = curve_raster::Ellipse(TRect(0, 0, 12, 12));
  EXPECT_EQ(curve_raster::Border(ell), curve_raster::Frame(ell, 1, 1));
  EXPECT_EQ(Picture(curve_raster::Frame(Region(0, 0, 7, 6), 2, 1), TRect(0, 0, 7, 6)),
            (std::vector<std::string>{"#######", "##...##", "##...##", "##...##", "##...##", "#######"}));
}

TEST(CurveRaster, SweepHalvesAndWholeTurn) {
  const TRect box(0, 0, 10, 10);
  const Region disc = curve_raster::Ellipse(box);
  // From the top to the bottom counter-clockwise is the left half.
  const curve_raster::Sweep left(box, POINT{{5}, {0}}, POINT{{5}, {10}});
  const Region half = left.Clip(disc);
  EXPECT_TRUE(half.Contains(0, 5));
  EXPECT_FALSE(half.Contains(9, 5));
  // The right half from bottom to top; both halves cover the disc.
  const curve_raster::Sweep right(box, POINT{{5}, {10}}, POINT{{5}, {0}});
  EXPECT_EQ(half | right.Clip(disc), disc);
  EXPECT_TRUE(curve_raster::Sweep(box, POINT{{20}, {5}}, POINT{{30}, {5}}).Whole());
  EXPECT_FALSE(curve_raster::Sweep(box, POINT{{20}, {5}}, POINT{{30}, {6}}).Whole());
  // A quarter: from east to north is the upper right.
  const curve_raster::Sweep quarter(box, POINT{{10}, {4}}, POINT{{4}, {-10}});
  EXPECT_TRUE(quarter.Contains(8, 1));
  EXPECT_FALSE(quarter.Contains(1, 1));
  EXPECT_FALSE(quarter.Contains(8, 8));
}

TEST(PolygonRaster, RightAndBottomEdgesExcluded) {
  const POINT square[] = {{{2}, {1}}, {{6}, {1}}, {{6}, {4}}, {{2}, {4}}};
  const int count[] = {4};
  EXPECT_EQ(PolygonFillRegion(square, count, PolyFill::Alternate, kAll), Region(2, 1, 6, 4));
  // Two triangles sharing a diagonal never both fill a pixel and leave none out.
  const POINT t1[] = {{{0}, {0}}, {{8}, {0}}, {{8}, {8}}};
  const POINT t2[] = {{{0}, {0}}, {{8}, {8}}, {{0}, {8}}};
  const int three[] = {3};
  const Region a = PolygonFillRegion(t1, three, PolyFill::Alternate, kAll);
  const Region b = PolygonFillRegion(t2, three, PolyFill::Alternate, kAll);
  EXPECT_TRUE((a & b).IsEmpty());
  EXPECT_EQ(a | b, Region(0, 0, 8, 8));
}

TEST(PolygonRaster, AlternateAndWindingDifferOnOverlap) {
  // Two overlapping squares traced the same way, as one polygon with a seam.
  const POINT pts[] = {{{0}, {0}}, {{6}, {0}}, {{6}, {6}}, {{0}, {6}}, {{0}, {0}},
                       {{3}, {3}}, {{9}, {3}}, {{9}, {9}}, {{3}, {9}}, {{3}, {3}}};
  const int count[] = {10};
  const Region alt = PolygonFillRegion(pts, count, PolyFill::Alternate, kAll);
  const Region wind = PolygonFillRegion(pts, count, PolyFill::Winding, kAll);
  EXPECT_FALSE(alt.Contains(4, 4));
  EXPECT_TRUE(wind.Contains(4, 4));
  EXPECT_EQ(wind, Region(0, 0, 6, 6) | Region(3, 3, 9, 9));
  // Rows outside the box are not scanned.
  EXPECT_EQ(PolygonFillRegion(pts, count, PolyFill::Winding, RECT{{0}, {0}, {4}, {2}}), Region(0, 0, 4, 2));
}

}  // namespace
