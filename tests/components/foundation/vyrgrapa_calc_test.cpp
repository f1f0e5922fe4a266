// The outlines that VyrShapeCalc computes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "exceptions.h"
#include "vyrgrapa.h"
#include "vyrregion.h"

using namespace Vyrgrapa;
using Points = std::vector<TPoint>;

namespace {

struct ChangeCounter {
  int count = 0;
  void Changed(TObject*) { ++count; }
  TNotifyEvent Handler() { return TNotifyEvent(this, &ChangeCounter::Changed); }
};

struct Outline {
  Points outer, inner;
};

Outline Calc(const TRect& R, TVyrShapeType Shape, TVyrTeeth* Teeth = nullptr, bool Square = false,
             int RoundPercent = 33, TVyrSimpleBevel* Bevel = nullptr, Vyrgraph::TVyrShadow* Shadow = nullptr) {
  TVyrPointList list;
  list.AddPoint(TPoint(1, 1));  // the list is cleared first
  VyrShapeCalc(R, Shape, Teeth, Square, nullptr, RoundPercent, Bevel, Shadow, &list);
  const Points all = list.GetPoints();
  EXPECT_EQ(all.size() % 2, 0u);
  const auto half = static_cast<std::ptrdiff_t>(all.size() / 2);
  return {Points(all.begin(), all.begin() + half), Points(all.begin() + half, all.end())};
}

// Whether P lies inside the closed polygon (even-odd rule).
bool Inside(const Points& Poly, const TPoint& P) {
  bool in = false;
  for (size_t i = 0, j = Poly.size() - 1; i < Poly.size(); j = i++) {
    const TPoint &a = Poly[i], &b = Poly[j];
    if ((a.y > P.y) != (b.y > P.y) && P.x < (b.x - a.x) * double(P.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

}  // namespace

TEST(ShapeCalc, OutlinesOfTheShapes) {
  using S = TVyrShapeType;
  const struct {
    S shape;
    TRect rect;
    Points outer;
  } cases[] = {
      {S::stRectangle, TRect(0, 0, 40, 30), {{0, 0}, {40, 30}}},
      {S::stEllipse, TRect(10, 20, 50, 50), {{0, 0}, {40, 30}}},  // relative to the rectangle
      {S::stRoundRect, TRect(0, 0, 80, 60), {{0, 0}, {80, 60}, {19, 19}}},
      {S::stDirectUp, TRect(0, 0, 40, 30), {{20, 0}, {40, 30}, {0, 30}}},
      {S::stDirectRight, TRect(0, 0, 40, 30), {{0, 0}, {40, 15}, {0, 30}}},
      {S::stDirectDown, TRect(0, 0, 40, 30), {{0, 0}, {40, 0}, {20, 30}}},
      {S::stDirectLeft, TRect(0, 0, 40, 30), {{40, 0}, {0, 15}, {40, 30}}},
      {S::stDiamond, TRect(0, 0, 41, 31), {{20, 0}, {41, 15}, {20, 31}, {0, 15}}},
      {S::stComb, TRect(0, 0, 60, 100), {{30, 0}, {60, 20}, {60, 80}, {30, 100}, {0, 80}, {0, 20}}},
      {S::stOctagon,
       TRect(0, 0, 100, 100),
       {{29, 0}, {70, 0}, {100, 29}, {100, 70}, {70, 100}, {29, 100}, {0, 70}, {0, 29}}},
      {S::stStar, TRect(0, 0, 100, 100), Vyrregion::VyrStarPoints(TRect(0, 0, 100, 100))},
  };
  for (const auto& c : cases) {
    const Outline o = Calc(c.rect, c.shape);
    EXPECT_EQ(o.outer, c.outer) << static_cast<int>(c.shape);
    EXPECT_EQ(o.inner, c.outer) << "a one-pixel bevel moves nothing, shape " << static_cast<int>(c.shape);
  }
  EXPECT_EQ(Calc(TRect(0, 0, 100, 100), S::stStar).outer.front(), TPoint(50, 0));
}

TEST(ShapeCalc, SquareShadowAndRadius) {
  using S = TVyrShapeType;
  EXPECT_EQ(Calc(TRect(0, 0, 120, 80), S::stRectangle, nullptr, true).outer, (Points{{20, 0}, {100, 80}}));
  EXPECT_EQ(Calc(TRect(0, 0, 80, 120), S::stRectangle, nullptr, true).outer, (Points{{0, 20}, {80, 100}}));

  Vyrgraph::TVyrShadow shadow;  // solid, 6 deep
  EXPECT_EQ(Calc(TRect(0, 0, 40, 30), S::stRectangle, nullptr, false, 33, nullptr, &shadow).outer,
            (Points{{6, 6}, {40, 30}}));
  EXPECT_EQ(Calc(TRect(0, 0, 80, 60), S::stRoundRect, nullptr, false, 33, nullptr, &shadow).outer.back(),
            TPoint(17, 17));
  EXPECT_EQ(Calc(TRect(0, 0, 120, 80), S::stRectangle, nullptr, true, 33, nullptr, &shadow).outer,
            (Points{{26, 6}, {100, 80}}));
  shadow.SetStyle(Vyrgraph::TVyrShadowStyle::hssNone);
  EXPECT_EQ(Calc(TRect(0, 0, 40, 30), S::stRectangle, nullptr, false, 33, nullptr, &shadow).outer,
            (Points{{0, 0}, {40, 30}}));

  for (int percent : {0, 100})
    EXPECT_EQ(Calc(TRect(0, 0, 80, 60), S::stRoundRect, nullptr, false, percent).outer.back(),
              TPoint(60 * percent / 100, 60 * percent / 100));
}

TEST(ShapeCalc, InnerCopyMovesInByTheBevelOffsets) {
  using S = TVyrShapeType;
  const struct {
    int width;
    Points rectangle, diamond;
  } cases[] = {
      {0, {{0, 0}, {40, 30}}, {{20, 0}, {41, 15}, {20, 31}, {0, 15}}},
      {2, {{1, 1}, {40, 30}}, {{20, 1}, {41, 15}, {20, 31}, {1, 15}}},
      {3, {{1, 1}, {39, 29}}, {{20, 1}, {40, 15}, {20, 30}, {1, 15}}},
      {4, {{2, 2}, {39, 29}}, {{20, 2}, {40, 15}, {20, 30}, {2, 15}}},
  };
  for (const auto& c : cases) {
    TVyrSimpleBevel bevel;
    bevel.SetWidth(c.width);
    EXPECT_EQ(Calc(TRect(0, 0, 40, 30), S::stRectangle, nullptr, false, 33, &bevel).inner, c.rectangle) << c.width;
    EXPECT_EQ(Calc(TRect(0, 0, 41, 31), S::stDiamond, nullptr, false, 33, &bevel).inner, c.diamond) << c.width;
  }

  TVyrSimpleBevel wide;
  wide.SetWidth(4);
  EXPECT_EQ(Calc(TRect(0, 0, 80, 60), S::stRoundRect, nullptr, false, 33, &wide).inner,
            (Points{{2, 2}, {79, 59}, {16, 16}}));
  // The star's points between the rays (the odd ones) lie on no side of
  // the rectangle; they too move inside, and stay close to where they were.
  const Outline star = Calc(TRect(0, 0, 100, 100), S::stStar, nullptr, false, 33, &wide);
  ASSERT_EQ(star.inner.size(), star.outer.size());
  for (size_t i = 1; i < star.inner.size(); i += 2) {
    EXPECT_TRUE(Inside(star.outer, star.inner[i])) << i;
    EXPECT_LE(std::hypot(star.inner[i].x - star.outer[i].x, star.inner[i].y - star.outer[i].y), 12.0) << i;
  }
}

TEST(ShapeCalc, TeethPerCountWriteThePitchBackQuietly) {
  TVyrTeeth teeth;
  ChangeCounter counter;
  teeth.SetOnChange(counter.Handler());
  TVyrSimpleBevel bevel;
  bevel.SetWidth(6);
  const Outline o = Calc(TRect(0, 0, 50, 200), TVyrShapeType::stEllipse, &teeth, false, 33, &bevel);
  EXPECT_EQ(teeth.GetHeight(), 10);
  EXPECT_EQ(counter.count, 0);
  EXPECT_FALSE(teeth.GetUpdating());
  ASSERT_EQ(o.outer.size(), 4u + 20u + 1u);
  EXPECT_EQ(Points(o.outer.begin(), o.outer.begin() + 6), (Points{{49, 199}, {0, 199}, {0, 0}, {49, 0}, {49, 0}, {39, 10}}));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(o.outer[4 + i], TPoint(i % 2 ? 39 : 49, 10 * i)) << i;
  EXPECT_EQ(o.outer.back(), TPoint(49, 200));
  EXPECT_EQ(o.inner, o.outer) << "teeth have no bevel offsets";

  // An owner's open batch stays open.
  teeth.BeginUpdate();
  Calc(TRect(0, 0, 50, 100), TVyrShapeType::stRectangle, &teeth);
  EXPECT_TRUE(teeth.GetUpdating());
  EXPECT_EQ(teeth.GetHeight(), 5);
  teeth.EndUpdate(false);
}

TEST(ShapeCalc, TeethOnEachSide) {
  using D = TVyrDirection;
  const struct {
    D direction;
    Points outer;
    int width, height;  // after the pitch was written back
  } cases[] = {
      {D::tdRight, {{54, 39}, {0, 39}, {0, 0}, {54, 0}, {54, 0}, {59, 10}, {54, 20}, {59, 30}, {54, 40}}, 5, 10},
      {D::tdLeft, {{5, 39}, {59, 39}, {59, 0}, {5, 0}, {5, 0}, {0, 10}, {5, 20}, {0, 30}, {5, 40}}, 5, 10},
      {D::tdDown, {{59, 34}, {59, 0}, {0, 0}, {0, 34}, {0, 34}, {15, 40}, {30, 34}, {45, 40}, {60, 34}}, 15, 6},
      {D::tdUp, {{59, 6}, {59, 39}, {0, 39}, {0, 6}, {0, 6}, {15, 0}, {30, 6}, {45, 0}, {60, 6}}, 15, 6},
  };
  for (const auto& c : cases) {
    TVyrTeeth teeth;
    teeth.SetCount(2);
    teeth.SetOffset(false);
    teeth.SetWidth(5);
    teeth.SetHeight(6);
    teeth.SetDirection(c.direction);
    EXPECT_EQ(Calc(TRect(0, 0, 60, 40), TVyrShapeType::stRectangle, &teeth).outer, c.outer)
        << static_cast<int>(c.direction);
    EXPECT_EQ(teeth.GetWidth(), c.width);
    EXPECT_EQ(teeth.GetHeight(), c.height);
  }
}

TEST(ShapeCalc, TeethWithoutAUsablePitchGiveAStraightSide) {
  // A zero pitch (the default height) or no teeth at all would divide by 0.
  TVyrTeeth byPitch;
  byPitch.SetSetPerCount(false);
  EXPECT_EQ(Calc(TRect(0, 0, 60, 40), TVyrShapeType::stRectangle, &byPitch).outer,
            (Points{{59, 39}, {0, 39}, {0, 0}, {59, 0}, {59, 40}}));
  byPitch.SetHeight(-4);
  EXPECT_EQ(Calc(TRect(0, 0, 60, 40), TVyrShapeType::stRectangle, &byPitch).outer.size(), 5u);
  byPitch.SetHeight(8);
  EXPECT_EQ(Calc(TRect(0, 0, 60, 40), TVyrShapeType::stRectangle, &byPitch).outer.size(), 4u + 10u + 1u);

  TVyrTeeth none;
  none.SetCount(0);
  none.SetHeight(7);
  EXPECT_EQ(Calc(TRect(0, 0, 60, 40), TVyrShapeType::stRectangle, &none).outer.size(), 5u);
  EXPECT_EQ(none.GetHeight(), 7);
}

TEST(ShapeCalc, TeethDeeperThanThePointRangeKeepTheirInnerLineAtItsEdge) {
  TVyrTeeth teeth;
  teeth.SetCount(1);
  struct Case {
    TVyrDirection direction;
    int depth;
    TPoint inner;  // the outline's first point, on the inner line
  };
  for (const Case& c : {Case{TVyrDirection::tdRight, 100000, TPoint(-32768, 39)},
                        Case{TVyrDirection::tdRight, -2147483647 - 1, TPoint(32767, 39)},
                        Case{TVyrDirection::tdLeft, 100000, TPoint(32767, 39)},
                        Case{TVyrDirection::tdDown, 2147483647, TPoint(59, -32768)},
                        Case{TVyrDirection::tdUp, -100000, TPoint(59, -32768)}}) {
    teeth.SetDirection(c.direction);
    teeth.SetOffset(false);  // the corners start on the inner line
    const bool vertical = c.direction == TVyrDirection::tdRight || c.direction == TVyrDirection::tdLeft;
    if (vertical) teeth.SetWidth(c.depth);
    else teeth.SetHeight(c.depth);
    Outline o;
    ASSERT_NO_THROW(o = Calc(TRect(0, 0, 60, 40), TVyrShapeType::stRectangle, &teeth)) << c.depth;
    EXPECT_EQ(o.outer.front(), c.inner) << static_cast<int>(c.direction) << " " << c.depth;
  }
}

TEST(ShapeCalc, ARectangleBeyondThePointRangeLeavesTheListEmpty) {
  TVyrPointList list;
  list.AddPoint(TPoint(3, 4));
  EXPECT_THROW(VyrShapeCalc(TRect(0, 0, 40000, 10), TVyrShapeType::stDiamond, nullptr, false, nullptr, 33, nullptr,
                            nullptr, &list),
               ERangeError);
  EXPECT_EQ(list.GetCount(), 0);
}
