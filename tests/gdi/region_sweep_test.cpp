// Regions against the plain set of their pixels: random rectangles (fixed
// seed) united one CombineRgn at a time, in building order and shuffled,
// then combined four ways; every pixel must agree, and GetRegionData must
// come out banded and minimal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "gdi.h"

namespace {

constexpr int kField = 48;  // pixels are checked on [-2, kField + 2)
using PixelSet = std::vector<char>;

char& At(PixelSet& s, int x, int y) { return s[static_cast<std::size_t>(y * kField + x)]; }

std::vector<RECT> RandomRects(std::mt19937& random, int count) {
  std::uniform_int_distribution<int> coord(0, kField - 1), size(1, 14);
  std::vector<RECT> out;
  for (int i = 0; i < count; ++i) {
    RECT r;
    r.left = coord(random), r.top = coord(random);
    r.right = std::min(kField, static_cast<int>(r.left) + size(random));
    r.bottom = std::min(kField, static_cast<int>(r.top) + size(random));
    out.push_back(r);
  }
  return out;
}

PixelSet Paint(const std::vector<RECT>& rects) {
  PixelSet s(kField * kField);
  for (const RECT& r : rects)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) At(s, x, y) = 1;
  return s;
}

HRGN Unite(const std::vector<RECT>& rects) {
  HRGN region = CreateRectRgn(0, 0, 0, 0), one = CreateRectRgn(0, 0, 0, 0);
  for (const RECT& r : rects) {
    SetRectRgn(one, r.left, r.top, r.right, r.bottom);
    CombineRgn(region, region, one, RGN_OR);
  }
  DeleteObject(one);
  return region;
}

std::vector<RECT> DataOf(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<char> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  EXPECT_EQ(GetRegionData(region, size, data), size);
  std::vector<RECT> rects(data->rdh.nCount);
  if (!rects.empty()) std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
  return rects;
}

// Banded: bands sorted and apart, rectangles of a band sharing its top and
// bottom, sorted and apart. Minimal: no two touching rectangles in a band,
// no two touching bands with the same spans.
void ExpectBandedAndMinimal(const std::vector<RECT>& rects, const char* what) {
  std::size_t bandStart = 0, previousStart = 0, previousEnd = 0;
  for (std::size_t i = 0; i <= rects.size(); ++i) {
    const bool newBand = i == rects.size() || rects[i].top != rects[bandStart].top;
    if (i > bandStart && !newBand) {
      EXPECT_EQ(rects[i].bottom, rects[bandStart].bottom) << what;
      EXPECT_GT(rects[i].left, rects[i - 1].right) << what << ": touching or overlapping in a band";
    }
    if (!newBand) continue;
    if (i > 0 && previousEnd > previousStart) {
      EXPECT_GE(rects[bandStart].top, rects[previousStart].bottom) << what << ": bands overlap";
      const bool touching = rects[bandStart].top == rects[previousStart].bottom;
      const bool sameSpans =
          i - bandStart == previousEnd - previousStart &&
          std::equal(rects.begin() + static_cast<long>(bandStart), rects.begin() + static_cast<long>(i),
                     rects.begin() + static_cast<long>(previousStart),
                     [](const RECT& a, const RECT& b) { return a.left == b.left && a.right == b.right; });
      EXPECT_FALSE(touching && sameSpans) << what << ": two touching bands with the same spans";
    }
    if (i == rects.size()) break;
    previousStart = bandStart, previousEnd = i, bandStart = i;
  }
}

void ExpectPixels(HRGN region, const PixelSet& expected, const char* what) {
  for (int y = -2; y < kField + 2; ++y)
    for (int x = -2; x < kField + 2; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < kField && y < kField && expected[static_cast<std::size_t>(y * kField + x)];
      ASSERT_EQ(PtInRegion(region, x, y) != FALSE, inside) << what << " at " << x << "," << y;
    }
  ExpectBandedAndMinimal(DataOf(region), what);
}

TEST(RegionSweep, CombinationsAgreeWithTheirPixelSets) {
  std::mt19937 random(20261211);
  struct Op {
    int mode;
    const char* name;
    bool (*apply)(bool, bool);
  };
  const Op ops[] = {{RGN_AND, "AND", [](bool a, bool b) { return a && b; }},
                    {RGN_OR, "OR", [](bool a, bool b) { return a || b; }},
                    {RGN_XOR, "XOR", [](bool a, bool b) { return a != b; }},
                    {RGN_DIFF, "DIFF", [](bool a, bool b) { return a && !b; }}};
  for (int round = 0; round < 40; ++round) {
    const std::vector<RECT> ra = RandomRects(random, 1 + round % 12), rb = RandomRects(random, 1 + round % 7);
    const PixelSet a = Paint(ra), b = Paint(rb);
    // Building order: top to bottom, left to right, which appends in place.
    std::vector<RECT> sorted = ra;
    std::sort(sorted.begin(), sorted.end(),
              [](const RECT& p, const RECT& q) { return p.top != q.top ? p.top < q.top : p.left < q.left; });
    HRGN ha = Unite(ra), hs = Unite(sorted), hb = Unite(rb);
    ExpectPixels(ha, a, "united");
    ExpectPixels(hs, a, "united in building order");
    EXPECT_TRUE(EqualRgn(ha, hs)) << "one region whatever the order";
    for (const Op& op : ops) {
      PixelSet expected(a.size());
      for (std::size_t i = 0; i < a.size(); ++i) expected[i] = op.apply(a[i], b[i]);
      HRGN out = CreateRectRgn(0, 0, 0, 0);
      CombineRgn(out, ha, hb, op.mode);
      ExpectPixels(out, expected, op.name);
      CombineRgn(hs, hs, hb, op.mode);  // the result in place of its first operand
      ExpectPixels(hs, expected, op.name);
      CombineRgn(hs, ha, ha, RGN_COPY);
      DeleteObject(out);
    }
    DeleteObject(ha);
    DeleteObject(hs);
    DeleteObject(hb);
  }
}

// Rectangle by rectangle in raster order: full rows merge into one band
// when they repeat the row above, and a row of squares stays as many.
TEST(RegionSweep, AppendingInRasterOrderKeepsTheRegionMinimal) {
  std::vector<RECT> rects;
  for (int row = 0; row < 6; ++row)
    for (int column = 0; column < 5; ++column) {
      const bool checker = row >= 3 && (row + column) % 2;
      if (row < 3 || checker) rects.push_back(RECT{{column * 8}, {row * 8}, {column * 8 + 8}, {row * 8 + 8}});
    }
  HRGN region = Unite(rects);
  ExpectPixels(region, Paint(rects), "raster order");
  const std::vector<RECT> data = DataOf(region);
  ASSERT_FALSE(data.empty());
  EXPECT_EQ(data[0].left, 0);
  EXPECT_EQ(data[0].right, 40);
  EXPECT_EQ(data[0].bottom, 24) << "three full rows are one rectangle";
  EXPECT_EQ(data.size(), 1u + 3 + 2 + 3);
  DeleteObject(region);
}

}  // namespace
