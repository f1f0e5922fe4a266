// VyrShapeDraw, pixel by pixel.
#include <functional>
#include <set>

#include "drawing_fixture.h"
#include "pen_class.h"
#include "vyrgrapa.h"

using namespace Vyrgrapa;

class ShapeDrawTest : public DrawingTest {
 protected:
  ShapeDrawTest() : DrawingTest({Vyrclass::Unit, Vyrmms::Unit, Vyrgrapa::Unit}) {}

  struct Options {
    TVyrShapeType shape = TVyrShapeType::stRectangle;
    TVyrTeeth* teeth = nullptr;
    TVyrPointList* list = nullptr;
    TVyrSimpleBevel* bevel = nullptr;
    Vyrgraph::TVyrShadow* shadow = nullptr;
    TBitmap* picture = nullptr;
    TColor backColor = clNone;
  };

  // A white canvas of the rectangle's size and margin, with the shape drawn
  // in a red brush.
  std::unique_ptr<TBitmap> Draw(const TRect& R, const Options& O, TColor Background = clWhite) {
    auto bmp = MakeBitmap(R.right + 5, R.bottom + 5, Background);
    VyrShapeDraw(R, bmp->GetCanvas(), O.shape, O.teeth, O.list, false, &brush, 33, O.bevel, O.shadow, O.picture,
                 clFuchsia, O.backColor);
    return bmp;
  }

  // The first pixel that is not white, walking from (X, Y) by (DX, DY).
  static TColor FirstInk(TBitmap* Bmp, int X, int Y, int DX, int DY) {
    for (; X >= 0 && Y >= 0 && X < Bmp->GetWidth() && Y < Bmp->GetHeight(); X += DX, Y += DY)
      if (Px(Bmp, X, Y) != clWhite) return Px(Bmp, X, Y);
    return clWhite;
  }

  TBrush brush;
  void SetUp() override { brush.SetColor(clRed); }
};

TEST_F(ShapeDrawTest, TheBevelBandLiesInsideTheOutline) {
  for (TVyrShapeType shape : {TVyrShapeType::stRectangle, TVyrShapeType::stEllipse, TVyrShapeType::stRoundRect})
  for (int width = 1; width <= 4; ++width) {
    SCOPED_TRACE(static_cast<int>(shape));
    TVyrSimpleBevel bevel;
    bevel.SetWidth(width);
    auto bmp = Draw(TRect(5, 5, 35, 25), {.shape = shape, .bevel = &bevel});
    // The shape covers columns 5..34 and rows 5..24.
    for (int i = 0; i < width; ++i) {
      EXPECT_EQ(Px(bmp.get(), 5 + i, 15), clBlack) << width << " left " << i;
      EXPECT_EQ(Px(bmp.get(), 34 - i, 15), clBlack) << width << " right " << i;
      EXPECT_EQ(Px(bmp.get(), 20, 5 + i), clBlack) << width << " top " << i;
      EXPECT_EQ(Px(bmp.get(), 20, 24 - i), clBlack) << width << " bottom " << i;
    }
    EXPECT_EQ(Px(bmp.get(), 5 + width, 15), clRed) << width;
    EXPECT_EQ(Px(bmp.get(), 34 - width, 15), clRed) << width;
    EXPECT_EQ(Px(bmp.get(), 20, 24 - width), clRed) << width;
    EXPECT_EQ(Px(bmp.get(), 4, 15), clWhite) << width;
    EXPECT_EQ(Px(bmp.get(), 35, 15), clWhite) << width;
    EXPECT_EQ(Px(bmp.get(), 20, 25), clWhite) << width;
  }
}

TEST_F(ShapeDrawTest, BevelColoursByStyleAndSide) {
  using S = TVyrShapeType;
  const S shapes[] = {S::stRectangle,  S::stEllipse,   S::stRoundRect, S::stDirectUp, S::stDirectRight,
                      S::stDirectDown, S::stDirectLeft, S::stDiamond,  S::stComb,     S::stOctagon,
                      S::stStar};
  const struct {
    TVyrSimpleBevelStyle style;
    TColor upperLeft, lowerRight;
  } styles[] = {
      {TVyrSimpleBevelStyle::sbNormal, clNavy, clNavy},
      {TVyrSimpleBevelStyle::sbInset, clBlue, clLime},
      {TVyrSimpleBevelStyle::sbOffset, clLime, clBlue},
  };
  const TRect r(0, 0, 60, 60);
  for (const auto& st : styles)
    for (S shape : shapes) {
      TVyrSimpleBevel bevel;
      bevel.SetWidth(3);
      bevel.SetStyle(st.style);
      bevel.SetColor(clNavy);
      bevel.SetLightColor(clLime);
      bevel.SetShadowColor(clBlue);
      auto bmp = Draw(r, {.shape = shape, .bevel = &bevel});
      const int s = static_cast<int>(shape), y = static_cast<int>(st.style);
      // A quarter in from the left, down from the top; three quarters in,
      // up from the bottom.
      EXPECT_EQ(FirstInk(bmp.get(), 18, 0, 0, 1), st.upperLeft) << "shape " << s << " style " << y;
      EXPECT_EQ(FirstInk(bmp.get(), 44, 64, 0, -1), st.lowerRight) << "shape " << s << " style " << y;
      if (shape == S::stStar) continue;  // across the rows it meets the rays' sides in turn
      EXPECT_EQ(FirstInk(bmp.get(), 0, 18, 1, 0), st.upperLeft) << "shape " << s << " style " << y;
      EXPECT_EQ(FirstInk(bmp.get(), 64, 44, -1, 0), st.lowerRight) << "shape " << s << " style " << y;
      EXPECT_EQ(Px(bmp.get(), 30, 33), clRed) << "fill of shape " << s;
    }
}

TEST_F(ShapeDrawTest, ShadowLiesBelowAndRightOfTheShape) {
  Vyrgraph::TVyrShadow shadow;  // 6 deep
  shadow.SetColor(clGreen);
  auto bmp = Draw(TRect(0, 0, 40, 30), {.shadow = &shadow}, clYellow);
  // The shape covers 0..33 x 0..23, its shadow 6..39 x 6..29.
  EXPECT_EQ(Px(bmp.get(), 10, 10), clRed);
  EXPECT_EQ(Px(bmp.get(), 33, 23), clRed);
  EXPECT_EQ(Px(bmp.get(), 37, 27), clGreen);
  EXPECT_EQ(Px(bmp.get(), 39, 29), clGreen);
  EXPECT_EQ(Px(bmp.get(), 37, 3), clYellow);
  EXPECT_EQ(Px(bmp.get(), 3, 27), clYellow);
  EXPECT_EQ(Px(bmp.get(), 40, 30), clYellow);

  shadow.SetStyle(Vyrgraph::TVyrShadowStyle::hssTracing);
  bmp = Draw(TRect(0, 0, 40, 30), {.shadow = &shadow}, clYellow);
  const std::set<TColor> traced{Px(bmp.get(), 36, 27), Px(bmp.get(), 37, 27)};
  EXPECT_EQ(traced, (std::set<TColor>{clGreen, clWhite}));

  shadow.SetStyle(Vyrgraph::TVyrShadowStyle::hssNone);
  bmp = Draw(TRect(0, 0, 40, 30), {.shadow = &shadow}, clYellow);
  EXPECT_EQ(Px(bmp.get(), 39, 29), clRed) << "no shadow, no shadow room";
}

TEST_F(ShapeDrawTest, PictureShowsOnlyInsideTheOutline) {
  auto picture = MakeBitmap(40, 30, clBlue);
  picture->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  picture->GetCanvas()->FillRect(TRect(18, 13, 22, 17));
  auto bmp = Draw(TRect(0, 0, 40, 30), {.shape = TVyrShapeType::stEllipse, .picture = picture.get()}, clYellow);
  EXPECT_EQ(Px(bmp.get(), 10, 15), clBlue);
  EXPECT_EQ(Px(bmp.get(), 20, 3), clBlue);
  EXPECT_EQ(Px(bmp.get(), 20, 15), clYellow) << "the transparent colour";
  EXPECT_EQ(Px(bmp.get(), 1, 1), clYellow) << "outside the ellipse";
  EXPECT_EQ(Px(bmp.get(), 38, 28), clYellow) << "outside the ellipse";
}

TEST_F(ShapeDrawTest, TheCallersListIsReadAndLeftAsGiven) {
  TVyrSimpleBevel bevel;
  bevel.SetStyle(TVyrSimpleBevelStyle::sbInset);
  Vyrgraph::TVyrShadow shadow;
  shadow.SetDepth(4);
  const TRect r(3, 4, 43, 34);
  for (TVyrShapeType shape : {TVyrShapeType::stDiamond, TVyrShapeType::stRoundRect}) {
    TVyrPointList list;
    VyrShapeCalc(r, shape, nullptr, false, &brush, 33, &bevel, &shadow, &list);
    const std::vector<TPoint> before = list.GetPoints();
    auto given = Draw(r, {.shape = shape, .list = &list, .bevel = &bevel, .shadow = &shadow});
    auto own = Draw(r, {.shape = shape, .bevel = &bevel, .shadow = &shadow});
    EXPECT_EQ(list.GetPoints(), before);
    for (int y = 0; y < own->GetHeight(); ++y)
      for (int x = 0; x < own->GetWidth(); ++x)
        ASSERT_EQ(Px(given.get(), x, y), Px(own.get(), x, y)) << static_cast<int>(shape) << " at " << x << "," << y;
    for (int y = 0; y < own->GetHeight(); ++y)
      for (int x = 0; x < own->GetWidth(); ++x)
        if (x < 3 || y < 4) { ASSERT_EQ(Px(own.get(), x, y), clWhite) << "outside the rectangle at " << x << "," << y; }
  }
}

TEST_F(ShapeDrawTest, TeethCutNotchesIntoTheSide) {
  TVyrTeeth teeth;
  teeth.SetCount(2);  // pitch 10 on a 40-pixel side, 10 deep
  auto bmp = Draw(TRect(0, 0, 50, 40), {.teeth = &teeth});
  EXPECT_EQ(teeth.GetHeight(), 10);
  EXPECT_EQ(Px(bmp.get(), 45, 10), clWhite) << "a notch";
  EXPECT_EQ(Px(bmp.get(), 45, 30), clWhite) << "a notch";
  EXPECT_EQ(Px(bmp.get(), 45, 20), clRed) << "a tooth";
  EXPECT_EQ(Px(bmp.get(), 20, 20), clRed);
}

TEST_F(ShapeDrawTest, HatchedBrushOverItsBackColour) {
  brush.SetStyle(bsCross);
  auto opaque = Draw(TRect(0, 0, 30, 30), {.backColor = clLime});
  auto clear = Draw(TRect(0, 0, 30, 30), {});
  std::set<TColor> opaqueColours, clearColours;
  for (int y = 2; y < 28; ++y)
    for (int x = 2; x < 28; ++x) {
      opaqueColours.insert(Px(opaque.get(), x, y));
      clearColours.insert(Px(clear.get(), x, y));
    }
  EXPECT_EQ(opaqueColours, (std::set<TColor>{clRed, clLime}));
  EXPECT_EQ(clearColours, (std::set<TColor>{clRed, clWhite}));
}

TEST_F(ShapeDrawTest, TheCanvasKeepsItsPenAndBrush) {
  auto bmp = MakeBitmap(50, 50);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetColor(clTeal);
  c->GetPen()->SetWidth(3);
  c->GetBrush()->SetColor(clOlive);
  TVyrSimpleBevel bevel;
  bevel.SetWidth(5);
  Vyrgraph::TVyrShadow shadow;
  shadow.SetStyle(Vyrgraph::TVyrShadowStyle::hssTracing);
  VyrShapeDraw(TRect(0, 0, 40, 40), c, TVyrShapeType::stStar, nullptr, nullptr, true, &brush, 33, &bevel, &shadow);
  EXPECT_EQ(c->GetPen()->GetColor(), clTeal);
  EXPECT_EQ(c->GetPen()->GetWidth(), 3);
  EXPECT_EQ(c->GetPen()->GetStyle(), psSolid);
  EXPECT_EQ(c->GetBrush()->GetColor(), clOlive);
  EXPECT_EQ(c->GetBrush()->GetStyle(), bsSolid);
  EXPECT_EQ(c->GetBrush()->GetBitmap(), nullptr);
}

TEST_F(ShapeDrawTest, DegenerateRectanglesDrawWithoutHarm) {
  TVyrSimpleBevel bevel;
  bevel.SetWidth(8);
  Vyrgraph::TVyrShadow shadow;
  TVyrTeeth teeth;
  auto picture = MakeBitmap(4, 4, clBlue);
  for (const TRect& r : {TRect(0, 0, 0, 0), TRect(0, 0, 3, 2), TRect(10, 10, 2, 2)})
    for (TVyrShapeType shape : {TVyrShapeType::stRoundRect, TVyrShapeType::stStar, TVyrShapeType::stOctagon}) {
      auto bmp = MakeBitmap(20, 20);
      VyrShapeDraw(r, bmp->GetCanvas(), shape, nullptr, nullptr, true, &brush, 100, &bevel, &shadow, picture.get());
      VyrShapeDraw(r, bmp->GetCanvas(), shape, &teeth, nullptr, false, &brush, 100, &bevel, &shadow);
    }
  SUCCEED();
}
