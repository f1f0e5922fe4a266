#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "vyrextca.h"

using namespace Vyrextca;

namespace {

struct Tick {
  std::int64_t value;
  int pixel;
};

std::vector<int> TickPixels(const TVyrTrackGeometry& G, std::int64_t Min, std::int64_t Max, int Gap) {
  std::vector<int> out;
  VyrForEachTick(G, Min, Max, Gap, [&](std::int64_t, int p) { out.push_back(p + G.Inner.left); });
  return out;
}

TVyrTrackLayout Horizontal(int W, int H) {
  TVyrTrackLayout L;
  L.Client = TRect(0, 0, W, H);
  return L;
}

}  // namespace

TEST(TrackGeometry, TheDefaultBarPlacesTrackThumbAndTicks) {
  const TVyrThumbSize size = VyrDrawnThumbSize(10, TVyrTickMarks::tmBottomRight);
  EXPECT_EQ(size.Length, 11);
  EXPECT_EQ(size.Thickness, 19);
  TVyrTrackLayout L = Horizontal(220, 35);
  const TVyrTrackGeometry G = VyrTrackGeometry(L);
  EXPECT_EQ(G.Width, 218);
  EXPECT_EQ(G.Height, 33);
  EXPECT_EQ(G.Track, TRect(6, 7, 214, 17));
  EXPECT_EQ(VyrThumbRect(L, G, 5, 0, 10), Bounds(104, 3, 11, 19));
  EXPECT_EQ(TickPixels(G, 0, 10, -1), (std::vector<int>{6, 26, 47, 68, 88, 109, 130, 150, 171, 192, 213}));
  EXPECT_EQ(TickPixels(G, 0, 10, 5), (std::vector<int>{6, 109, 213}));
}

TEST(TrackGeometry, TheSettingsDialogsBar) {
  TVyrTrackLayout L = Horizontal(313, 33);
  const TVyrTrackGeometry G = VyrTrackGeometry(L);
  EXPECT_EQ(TickPixels(G, 0, 5, -1), (std::vector<int>{6, 66, 126, 186, 246, 306}));
  EXPECT_EQ(VyrThumbRect(L, G, 3, 0, 5), Bounds(181, 3, 11, 19));
}

TEST(TrackGeometry, TheTrackFollowsTheTickMarks) {
  struct Case {
    TVyrOrientation orientation;
    TVyrTickStyle style;
    TVyrTickMarks marks;
    TRect track;
  } cases[] = {
      {TVyrOrientation::toHorizontal, TVyrTickStyle::tsAuto, TVyrTickMarks::tmTopLeft, TRect(6, 19, 214, 29)},
      {TVyrOrientation::toHorizontal, TVyrTickStyle::tsAuto, TVyrTickMarks::tmBoth, TRect(6, 12, 214, 22)},
      {TVyrOrientation::toHorizontal, TVyrTickStyle::tsNone, TVyrTickMarks::tmBoth, TRect(6, 7, 214, 17)},
      // A vertical bar 35 wide and 220 high.
      {TVyrOrientation::toVertical, TVyrTickStyle::tsAuto, TVyrTickMarks::tmBottomRight, TRect(6, 6, 16, 214)},
      {TVyrOrientation::toVertical, TVyrTickStyle::tsAuto, TVyrTickMarks::tmTopLeft, TRect(19, 6, 29, 214)},
  };
  for (const Case& c : cases) {
    TVyrTrackLayout L = c.orientation == TVyrOrientation::toHorizontal ? Horizontal(220, 35) : Horizontal(35, 220);
    L.Orientation = c.orientation;
    L.TickStyle = c.style;
    L.TickMarks = c.marks;
    EXPECT_EQ(VyrTrackGeometry(L).Track, c.track) << static_cast<int>(c.marks);
  }
}

TEST(TrackGeometry, AVerticalThumbClimbsWithTheValue) {
  TVyrTrackLayout L = Horizontal(35, 220);
  L.Orientation = TVyrOrientation::toVertical;
  const TVyrTrackGeometry G = VyrTrackGeometry(L);
  EXPECT_EQ(VyrThumbRect(L, G, 0, 0, 10), Bounds(2, 1 + 218 - 11, 19, 11)) << "the minimum at the bottom";
  EXPECT_EQ(VyrThumbRect(L, G, 10, 0, 10), Bounds(2, 1, 19, 11));
}

TEST(TrackGeometry, DraggingMapsThePointerToAPosition) {
  const TVyrTrackGeometry G = VyrTrackGeometry(Horizontal(220, 35));
  struct Case {
    int x;
    std::int64_t position;
  } cases[] = {{109, 5}, {6, 0}, {213, 10}, {-50, -3}};
  for (const Case& c : cases) EXPECT_EQ(VyrDragPosition(G, TVyrOrientation::toHorizontal, c.x, 0, 10), c.position) << c.x;
  // Inner 9 wide and a thumb 10 long leave W - h = 4: with range 2 the
  // pointer asks for (X - 5) / 2, so halves occur and go to the even value.
  TVyrTrackLayout small = Horizontal(11, 35);
  small.ThumbLength = 10;
  const TVyrTrackGeometry F = VyrTrackGeometry(small);
  EXPECT_EQ(VyrDragPosition(F, TVyrOrientation::toHorizontal, 6, 0, 2), 0);
  EXPECT_EQ(VyrDragPosition(F, TVyrOrientation::toHorizontal, 7, 0, 2), 1);
  EXPECT_EQ(VyrDragPosition(F, TVyrOrientation::toHorizontal, 8, 0, 2), 2);
  small.Client = TRect(0, 0, 7, 35);  // inner 5 wide, h 5: no room
  EXPECT_EQ(VyrDragPosition(VyrTrackGeometry(small), TVyrOrientation::toHorizontal, 3, 0, 2), std::nullopt);
}

TEST(TrackGeometry, TheWholeIntegerRangeStaysExactAndBounded) {
  TVyrTrackLayout L = Horizontal(220, 35);
  const TVyrTrackGeometry G = VyrTrackGeometry(L);
  const std::int64_t lo = INT32_MIN, hi = INT32_MAX;
  EXPECT_EQ(VyrThumbRect(L, G, lo, lo, hi).left, 1);
  EXPECT_EQ(VyrThumbRect(L, G, hi, lo, hi).left, 1 + 207);
  std::vector<Tick> ticks;
  VyrForEachTick(G, lo, hi, -1, [&](std::int64_t v, int p) { ticks.push_back({v, p}); });
  ASSERT_EQ(ticks.size(), 208u) << "one tick per pixel of travel";
  EXPECT_EQ(ticks.front().value, lo);
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    ASSERT_EQ(ticks[i].pixel, ticks[i - 1].pixel + 1);
    // The first value of its pixel: the one before it maps to the pixel before.
    const std::int64_t before = ticks[i].value - 1 - lo;
    ASSERT_EQ(static_cast<int>((__int128)before * 207 / ((__int128)hi - lo)) + 5, ticks[i].pixel - 1);
  }
}

TEST(TrackGeometry, TicksOnAStepGridKeepTheirStep) {
  // 0..100 on 207 pixels of travel with gap 7: every value has a pixel of its own.
  TVyrTrackLayout L = Horizontal(220, 35);
  std::vector<Tick> ticks;
  VyrForEachTick(VyrTrackGeometry(L), 0, 100, 7, [&](std::int64_t v, int p) { ticks.push_back({v, p}); });
  ASSERT_EQ(ticks.size(), 15u);
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i].value, 7 * static_cast<std::int64_t>(i));
  // A bar with no travel shows the first value only.
  TVyrTrackLayout narrow = Horizontal(8, 35);
  int calls = 0;
  VyrForEachTick(VyrTrackGeometry(narrow), 0, 10, -1, [&](std::int64_t v, int) {
    calls += 1;
    EXPECT_EQ(v, 0);
  });
  EXPECT_EQ(calls, 1);
}
