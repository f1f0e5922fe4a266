#include <functional>
#include <vector>

#include "gdiobj.h"
#include "vyrregion_fixture.h"

using namespace Vyrregion;

namespace {

constexpr TColor kLight = 0x00FFFF;
constexpr TColor kShadow = 0x800000;
constexpr TColor kSingle = 0x0000FF;
constexpr TColor kCanvas = 0xFFFFFF;

struct Spot {
  int x, y;
  bool inside;
};

// True when every spot lies inside or outside Rgn as it says.
void ExpectSpots(HRGN Rgn, const std::vector<Spot>& Spots, const char* What) {
  ASSERT_NE(Rgn, nullptr) << What;
  for (const Spot& s : Spots)
    EXPECT_EQ(PtInRegion(Rgn, s.x, s.y) != FALSE, s.inside) << What << " at " << s.x << "," << s.y;
}

int changes = 0;
class TCounter : public TObject {
 public:
  void Count(TObject*) { ++changes; }
};

}  // namespace

TEST(VyrregionOutlines, PointsOfThePolygonShapes) {
  struct Case {
    const char* name;
    std::function<std::vector<TPoint>(const TRect&)> points;
    TRect rect;
    std::vector<TPoint> want;
  } cases[] = {
      {"star", VyrStarPoints, TRect(0, 0, 100, 80),
       {{50, 0}, {65, 30}, {100, 30}, {70, 48}, {85, 80}, {50, 60}, {15, 80}, {30, 48}, {0, 30}, {35, 30}}},
      {"octagon", VyrOctagonPoints, TRect(0, 0, 10, 10),
       {{6, 0}, {3, 0}, {0, 3}, {0, 6}, {3, 10}, {6, 10}, {10, 6}, {10, 3}}},
      {"diamond", VyrDiamondPoints, TRect(0, 0, 100, 80), {{50, 0}, {0, 40}, {50, 80}, {100, 40}}},
      {"comb moved", VyrCombPoints, TRect(10, 20, 110, 100),
       {{60, 20}, {10, 40}, {10, 80}, {60, 100}, {110, 80}, {110, 40}}},
  };
  for (const Case& c : cases) {
    const std::vector<TPoint> got = c.points(c.rect);
    ASSERT_EQ(got.size(), c.want.size()) << c.name;
    for (size_t i = 0; i < got.size(); ++i)
      EXPECT_TRUE(got[i].x == c.want[i].x && got[i].y == c.want[i].y)
          << c.name << " point " << i + 1 << ": " << got[i].x << "," << got[i].y;
  }
}

TEST_F(RegionTest, EveryShapeBuildsItsRegion) {
  struct Case {
    TVyrRegionShape shape;
    TRect rect;
    std::vector<Spot> spots;
  } cases[] = {
      {TVyrRegionShape::rsRect, TRect(0, 0, 100, 80), {{0, 0, true}, {99, 79, true}, {100, 40, false}}},
      {TVyrRegionShape::rsRoundRect, TRect(0, 0, 100, 80), {{1, 1, false}, {50, 1, true}, {50, 40, true}}},
      {TVyrRegionShape::rsElliptic, TRect(0, 0, 100, 80), {{50, 40, true}, {5, 5, false}, {95, 75, false}}},
      {TVyrRegionShape::rsHalfRound, TRect(0, 0, 100, 50), {{50, 25, true}, {2, 45, false}, {50, 2, true}}},
      {TVyrRegionShape::rsStar, TRect(0, 0, 100, 80), {{50, 40, true}, {50, 70, false}, {5, 70, false}}},
      {TVyrRegionShape::rsDiamond, TRect(0, 0, 100, 80), {{50, 40, true}, {10, 10, false}, {90, 70, false}}},
      {TVyrRegionShape::rsOctagon, TRect(0, 0, 90, 90), {{45, 45, true}, {2, 2, false}, {45, 2, true}}},
      {TVyrRegionShape::rsComb, TRect(0, 0, 100, 80), {{50, 40, true}, {2, 2, false}, {2, 40, true}}},
      // The shields: notches at the top corners, round or pointed below.
      {TVyrRegionShape::rsRoundShield, TRect(0, 0, 100, 100),
       {{50, 50, true}, {5, 5, false}, {95, 5, false}, {50, 15, true}, {50, 98, true}, {5, 95, false}}},
      {TVyrRegionShape::rsSharpShield, TRect(0, 0, 100, 100),
       {{50, 50, true}, {5, 5, false}, {95, 5, false}, {50, 95, true}, {20, 90, false}}},
  };
  for (const Case& c : cases) {
    TVyrRegion region;
    region.SetRegionShape(c.shape);
    region.CreateRegion(c.rect);
    ExpectSpots(region.GetRegionHandle(), c.spots, "shape");
    EXPECT_TRUE(region.OwnsRegion());
  }
}

TEST_F(RegionTest, ShapesWithoutTheirDataBuildNoRegionAndUserDataIsUsed) {
  TVyrRegion region;
  region.SetRegionShape(TVyrRegionShape::rsBitmap);
  region.CreateRegion(TRect(0, 0, 50, 50));
  EXPECT_EQ(region.GetRegionHandle(), nullptr);
  region.SetRegionShape(TVyrRegionShape::rsUserRegion);
  region.CreateRegion(TRect(0, 0, 50, 50));
  EXPECT_EQ(region.GetRegionHandle(), nullptr);

  const TPoint triangle[] = {{0, 0}, {40, 0}, {0, 40}};
  region.SetUserPolygonRgn(triangle);
  EXPECT_EQ(region.GetShape(), TVyrRegionShape::rsUserRegion);
  region.CreateRegion(TRect(0, 0, 50, 50));
  ExpectSpots(region.GetRegionHandle(), {{5, 5, true}, {35, 35, false}}, "user");

  // A copy takes the user data along.
  TVyrRegion copy;
  copy.Assign(&region);
  copy.CreateRegion(TRect(0, 0, 50, 50));
  ExpectSpots(copy.GetRegionHandle(), {{5, 5, true}, {35, 35, false}}, "copied user");
}

TEST_F(RegionTest, CornersChangeOnlyWhereTheyShow) {
  TCounter counter;
  TVyrRegion region;
  region.SetOnChange(TNotifyEvent(&counter, &TCounter::Count));
  changes = 0;
  region.SetRegionShape(TVyrRegionShape::rsRect);
  EXPECT_EQ(changes, 1);
  region.SetRoundX(60);
  region.SetRoundY(60);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(region.GetRoundX(), 60);
  region.SetRegionShape(TVyrRegionShape::rsRoundRect);
  EXPECT_EQ(changes, 2);
  region.SetRoundX(50);
  EXPECT_EQ(changes, 3);
  region.CreateRegion(TRect(0, 0, 100, 100));
  // A 50 x 60 corner ellipse cuts deeper than the default 20 x 20.
  ExpectSpots(region.GetRegionHandle(), {{6, 6, false}, {50, 1, true}}, "corners");
  // Changes of the border and the mask reach the region's owner.
  region.GetBorder()->SetStyle(TVyrRegionBorderStyle::rbRaised);
  region.GetMask()->Assign(region.GetMask());
  EXPECT_EQ(changes, 5);
}

TEST_F(RegionTest, LoweredFramesAreTheRaisedOnesWithTheColoursExchanged) {
  using Painter = std::function<void(TCanvas*, const TRect&, TColor, TColor, TColor, TVyrRegionBorderStyle)>;
  const std::pair<const char*, Painter> painters[] = {
      {"rect", VyrFrameRectRgn},
      {"diamond", VyrFrameDiamondRgn},
      {"star", VyrFrameStarRgn},
      {"octagon", VyrFrameOctagonRgn},
      {"comb", VyrFrameCombRgn},
      {"round shield", VyrFrameRoundShieldRgn},
      {"sharp shield", VyrFrameSharpShieldRgn},
      {"ellipse", VyrFrameEllipticRgn},
      {"half round", VyrFrameHalfRoundRgn},
      {"round rect",
       [](TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
         VyrFrameRoundRectRgn(C, R, L, S, Si, St, 20, 16);
       }},
  };
  const TRect rect(4, 4, 76, 66);
  for (const auto& [name, paint] : painters) {
    auto raised = MakeBitmap(80, 70, kCanvas);
    auto lowered = MakeBitmap(80, 70, kCanvas);
    for (TBitmap* b : {raised.get(), lowered.get()}) {
      b->GetCanvas()->GetBrush()->SetStyle(bsClear);
      b->GetCanvas()->GetPen()->SetWidth(2);
    }
    paint(raised->GetCanvas(), rect, kLight, kShadow, kSingle, TVyrRegionBorderStyle::rbRaised);
    paint(lowered->GetCanvas(), rect, kShadow, kLight, kSingle, TVyrRegionBorderStyle::rbLowered);
    int light = 0, shadow = 0, differ = 0;
    for (int y = 0; y < 70; ++y)
      for (int x = 0; x < 80; ++x) {
        const TColor c = Px(raised.get(), x, y);
        light += c == kLight;
        shadow += c == kShadow;
        differ += c != Px(lowered.get(), x, y);
      }
    EXPECT_EQ(differ, 0) << name;
    EXPECT_GT(light, 0) << name;
    EXPECT_GT(shadow, 0) << name;
  }
}

TEST_F(RegionTest, BorderStylesPickTheirColours) {
  // The rectangle's top edge is lit, its bottom edge shaded.
  struct Case {
    TVyrRegionBorderStyle style;
    TColor top, bottom, innerBottom;
  } cases[] = {
      {TVyrRegionBorderStyle::rbNone, kCanvas, kCanvas, kCanvas},
      {TVyrRegionBorderStyle::rbRaised, kLight, kShadow, kCanvas},
      {TVyrRegionBorderStyle::rbSingle, kSingle, kSingle, kCanvas},
      {TVyrRegionBorderStyle::rbSingleRaised, kSingle, kSingle, kShadow},
      {TVyrRegionBorderStyle::rbSingleLowered, kSingle, kSingle, kLight},
      {TVyrRegionBorderStyle::rbRaisedpsb, kLight, kSingle, kShadow},
      {TVyrRegionBorderStyle::rbLoweredpsb, kShadow, kSingle, kLight},
  };
  for (const Case& c : cases) {
    auto bmp = MakeBitmap(40, 40, kCanvas);
    bmp->GetCanvas()->GetPen()->SetWidth(1);
    VyrFrameRectRgn(bmp->GetCanvas(), TRect(5, 5, 30, 30), kLight, kShadow, kSingle, c.style);
    EXPECT_EQ(Px(bmp.get(), 15, 5), c.top) << int(c.style);
    EXPECT_EQ(Px(bmp.get(), 15, 30), c.bottom) << int(c.style);
    EXPECT_EQ(Px(bmp.get(), 15, 29), c.innerBottom) << int(c.style);
  }
}
