// The shape controls: what the modes paint, when the outline is
// recomputed, where the caption goes, the grid of the repeated shape and
// the form text of every class.
#include <string>
#include <vector>

#include "font_class.h"
#include "form_text.h"
#include "vyrcont.h"
#include "vyrshapa_fixture.h"

using namespace Vyrshapa;
using Vyrgraph::TVyrAlignment;
using Vyrgraph::TVyrShadowStyle;

namespace {

class ShapeControlTest : public ShapeTest {
 protected:
  template <class T>
  T* RedShape(TVyrShapeType Shape) {
    auto* control = Place<T>(form, 10, 10, 100, 60);
    control->GetBrush()->SetColor(clRed);
    control->SetShape(Shape);
    return control;
  }
};

TEST(ShapeHelpers, TileModesAndTeethBands) {
  EXPECT_EQ(VyrTileMode2DSF(TVyrTileMode::tmNone), 0);
  EXPECT_EQ(VyrTileMode2DSF(TVyrTileMode::tmCenter), 8);
  EXPECT_EQ(VyrTileMode2DSF(TVyrTileMode::tmStretch), 16);
  EXPECT_EQ(VyrTileMode2DSF(TVyrTileMode::tmTile), 32);
  Vyrgrapa::TVyrTeeth teeth;
  teeth.SetWidth(7);
  teeth.SetHeight(5);
  const TRect r(0, 0, 100, 60);
  struct Case {
    TVyrDirection direction;
    TRect expected;
  };
  for (const Case& c : {Case{TVyrDirection::tdRight, TRect(0, 0, 93, 60)},
                        Case{TVyrDirection::tdDown, TRect(0, 0, 100, 55)},
                        Case{TVyrDirection::tdLeft, TRect(7, 0, 100, 60)},
                        Case{TVyrDirection::tdUp, TRect(0, 5, 100, 60)}}) {
    teeth.SetDirection(c.direction);
    EXPECT_EQ(VyrTeethReduced(r, &teeth), c.expected) << static_cast<int>(c.direction);
  }
  EXPECT_EQ(VyrTeethReduced(r, nullptr), r);
}

TEST_F(ShapeControlTest, EveryModePaintsTheShapeAndLetsTheCornersOfAnEllipseThrough) {
  struct Case {
    const char* name;
    std::function<TVyrBaseShape*()> make;
    bool ellipse;  // the teeth modes draw a toothed rectangle whatever the shape
  };
  for (const Case& c : std::initializer_list<Case>{
           {"fast", [this] { return RedShape<TVyrShapeControl>(TVyrShapeType::stEllipse); }, true},
           {"fill", [this] { return RedShape<TVyrShapeLabel>(TVyrShapeType::stEllipse); }, true},
           {"teeth fast", [this] { return RedShape<TVyrTeethShape>(TVyrShapeType::stEllipse); }, false},
           {"teeth fill", [this] { return RedShape<TVyrTeethShapeLabel>(TVyrShapeType::stEllipse); }, false}}) {
    TVyrBaseShape* shape = c.make();
    app.pump();
    EXPECT_EQ(Shown(shape, 40, 25), Rgb(clRed)) << c.name;
    EXPECT_EQ(Shown(shape, 1, 1), Rgb(c.ellipse ? clWhite : clRed)) << c.name << ": the corner";
    EXPECT_GT(Count(shape, shape->GetClientRect(), Is(clBtnShadow)), 0) << c.name << ": the shadow";
    shape->Free();
    app.pump();
  }
}

TEST_F(ShapeControlTest, TheTeethModesCutTheToothedEdgeAndTheFillModesKeepAFillPicture) {
  auto* teeth = RedShape<TVyrTeethShapeLabel>(TVyrShapeType::stRectangle);
  teeth->GetShadow()->SetStyle(TVyrShadowStyle::hssNone);
  teeth->GetTeeth()->SetWidth(10);
  app.pump();
  EXPECT_EQ(teeth->GetActiveTeeth(), teeth->GetTeeth());
  ASSERT_NE(teeth->GetFillBitmap(), nullptr);
  EXPECT_EQ(teeth->GetFillBitmap()->GetWidth(), 100);
  // Between two teeth at the right edge the background shows.
  const int background = Count(teeth, TRect(90, 0, 100, 60), Is(clWhite));
  EXPECT_GT(background, 0);
  EXPECT_LT(background, 10 * 60);

  teeth->SetMode(TVyrShapeControlMode::scmShapeFast);
  app.pump();
  EXPECT_EQ(teeth->GetActiveTeeth(), nullptr);
  EXPECT_EQ(teeth->GetFillBitmap(), nullptr);
  EXPECT_EQ(Count(teeth, TRect(92, 10, 96, 50), Is(clRed)), 4 * 40) << "a plain rectangle again";
}

TEST_F(ShapeControlTest, ResizingRecomputesTheOutlineAtTheNextPaintAndMovingDoesNot) {
  auto* shape = RedShape<TVyrShapeControl>(TVyrShapeType::stEllipse);
  app.pump();
  ASSERT_FALSE(shape->GetRecalc());
  const TPoint corner = shape->GetPoints()->GetPoint(1);
  shape->SetBounds(30, 20, 100, 60);
  EXPECT_FALSE(shape->GetRecalc()) << "a move";
  shape->SetBounds(30, 20, 140, 80);
  EXPECT_TRUE(shape->GetRecalc());
  app.pump();
  EXPECT_FALSE(shape->GetRecalc());
  EXPECT_NE(shape->GetPoints()->GetPoint(1), corner);
  EXPECT_EQ(Shown(shape, 120, 40), Rgb(clRed)) << "the bigger ellipse is painted";
}

TEST_F(ShapeControlTest, AClippedCaptionShowsOnlyInsideTheShape) {
  auto* label = RedShape<TVyrShapeLabel>(TVyrShapeType::stEllipse);
  label->GetBevel()->SetWidth(0);  // its dark band would pass for text
  label->GetCaptionObject()->SetAlignment(TVyrAlignment::agTopLeft);
  label->GetCaptionObject()->GetFont()->SetColor(clBlack);
  label->GetCaptionObject()->GetFont()->SetSize(20);
  label->GetCaptionObject()->SetCaption("WWWWWWWWWW");
  const TRect corner(0, 0, 10, 10);
  app.pump();
  EXPECT_GT(Count(label, corner, Is(clBlack)), 0) << "unclipped, over the corner";
  label->SetCaptionClip(true);
  app.pump();
  EXPECT_EQ(Count(label, corner, Is(clBlack)), 0);
  EXPECT_GT(Count(label, TRect(20, 0, 80, 40), Is(clBlack)), 0) << "inside the shape";
}

// The caption is centred over what the teeth leave of the control, on
// whichever side they are.
TEST_F(ShapeControlTest, TheCaptionIsCentredBesideTheTeeth) {
  auto* label = Place<TVyrTeethShapeLabel>(form, 10, 10, 120, 60);
  label->GetBrush()->SetColor(clRed);
  label->GetBevel()->SetWidth(0);
  label->GetShadow()->SetStyle(TVyrShadowStyle::hssNone);
  label->GetTeeth()->SetCount(2);
  label->GetTeeth()->SetWidth(30);
  label->GetCaptionObject()->SetCaption("W");
  // Teeth and shape are red on white; only the caption's letters are neither.
  const auto letters = [](TColor Pixel) { return Pixel != Rgb(clRed) && Pixel != Rgb(clWhite); };
  struct Case {
    TVyrDirection direction;
    TPoint middle;
  };
  for (const Case& c : {Case{TVyrDirection::tdRight, TPoint(45, 30)}, Case{TVyrDirection::tdLeft, TPoint(75, 30)},
                        Case{TVyrDirection::tdDown, TPoint(60, 20)}, Case{TVyrDirection::tdUp, TPoint(60, 40)}}) {
    label->GetTeeth()->SetDirection(c.direction);
    label->GetTeeth()->SetHeight(20);
    app.pump();
    const TPoint middle = BoundsMiddle(InkBounds(label, label->GetClientRect(), letters));
    EXPECT_NEAR(middle.x, c.middle.x, 1) << static_cast<int>(c.direction);
    EXPECT_NEAR(middle.y, c.middle.y, 1) << static_cast<int>(c.direction);
  }
}

TEST_F(ShapeControlTest, TheImageListItemBecomesTheListFill) {
  auto* list = TObject::Create<Vyrcont::TVyrImageList>(form);
  auto* strip = TObject::Create<Vyrcont::TVyrImageListItem>(8, 8);
  TBitmap blue;
  blue.SetSize(8, 8);
  blue.GetCanvas()->GetBrush()->SetColor(clBlue);
  blue.GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  strip->Add(&blue, nullptr);
  list->Add(strip);
  auto* label = RedShape<TVyrShapeLabel>(TVyrShapeType::stRectangle);
  label->GetShapeFill()->SetStyle(TVyrFillStyle::sfBitmapList);
  label->SetImageList(list);
  app.pump();
  EXPECT_EQ(Shown(label, 40, 25), Rgb(clBlue));
  label->SetImageIndexValue(4);
  app.pump();
  EXPECT_TRUE(label->GetShapeFill()->GetEmpty()) << "no such item";
}

TEST_F(ShapeControlTest, TheRepeatedShapeFitsItsGridOrDrawsCellsOfItsOwnSize) {
  auto* grid = Place<TVyrRepeatedShape>(form, 10, 10, 100, 50);
  grid->GetBrush()->SetColor(clRed);
  grid->GetShadow()->SetStyle(TVyrShadowStyle::hssNone);
  grid->GetBevel()->SetWidth(0);
  grid->SetHorOffset(5);
  app.pump();
  EXPECT_EQ(grid->GetShapeWidth(), 16);
  EXPECT_EQ(grid->GetShapeHeight(), 10);
  EXPECT_EQ(Shown(grid, 8, 5), Rgb(clRed));
  EXPECT_EQ(Shown(grid, 18, 5), Rgb(clWhite)) << "the gap";
  EXPECT_EQ(Shown(grid, 92, 45), Rgb(clRed)) << "the fifth cell";

  grid->SetSetPerCount(false);
  grid->SetShapeWidth(0);
  app.pump();  // nothing to divide by: no cells, no crash
  grid->SetShapeWidth(20);
  grid->SetShapeHeight(25);
  grid->SetHorOffset(0);
  app.pump();
  EXPECT_EQ(Shown(grid, 50, 40), Rgb(clRed));

  // Sizes, offsets and counts far out of proportion paint what fits.
  for (bool perCount : {true, false})
    for (bool transparent : {true, false}) {
      grid->SetSetPerCount(perCount);
      grid->SetTransparent(transparent);
      grid->SetHorOffset(2000000000);
      grid->SetVerOffset(-2000000000);
      grid->SetHorCount(1000000);
      app.pump();
      grid->SetShapeWidth(1);
      grid->SetHorOffset(-1);
      grid->SetHorCount(-3);
      app.pump();
      grid->SetVerOffset(0);
      grid->SetHorOffset(0);
      grid->SetHorCount(5);
    }
}

TEST_F(ShapeControlTest, FittedCellsRoundHalvesToEven) {
  auto* grid = Place<TVyrRepeatedShape>(form, 10, 10, 90, 50);
  grid->SetHorCount(4);
  grid->SetVerCount(4);
  EXPECT_EQ(grid->GetGradientRect(), TRect(0, 0, 22, 12)) << "22.5 and 12.5";
  grid->SetBounds(10, 10, 94, 54);
  EXPECT_EQ(grid->GetGradientRect(), TRect(0, 0, 24, 14)) << "23.5 and 13.5";
}

TEST_F(ShapeControlTest, ARepeatedShapeWithoutCellsStillShowsItsCaption) {
  auto* grid = Place<TVyrRepeatedShape>(form, 10, 10, 100, 50);
  grid->GetBrush()->SetColor(clRed);
  grid->GetShadow()->SetStyle(TVyrShadowStyle::hssNone);
  grid->GetCaptionObject()->SetCaption("WWW");
  grid->SetSetPerCount(false);
  grid->SetShapeWidth(0);
  grid->SetShapeHeight(10);
  app.pump();
  EXPECT_EQ(Count(grid, grid->GetClientRect(), Is(clRed)), 0) << "no cells";
  const TRect letters = InkBounds(grid, grid->GetClientRect(), [](TColor Pixel) { return Pixel != Rgb(clWhite); });
  ASSERT_LT(letters.left, letters.right) << "the caption";
  EXPECT_NEAR(BoundsMiddle(letters).x, 50, 1) << "over the client rectangle";
}

// Overlapping cells lie each over the one before.
TEST_F(ShapeControlTest, RepeatedCellsLieEachOverTheOneBefore) {
  auto* grid = Place<TVyrRepeatedShape>(form, 10, 10, 100, 50);
  grid->GetBrush()->SetColor(clRed);
  grid->GetShadow()->SetStyle(TVyrShadowStyle::hssNone);
  grid->SetShape(TVyrShapeType::stEllipse);
  grid->SetTransparent(false);
  grid->SetVerCount(1);
  grid->SetHorOffset(-5);
  app.pump();
  ASSERT_EQ(grid->GetShapeWidth(), 24);
  // Cells at 0, 19, 38, 57 and 76: each one's left bevel over the last one's
  // right bevel; only the last cell's right bevel shows.
  std::vector<int> bevel;
  for (int x = 0; x < 100; ++x)
    if (Shown(grid, x, 25) == Rgb(clBlack)) bevel.push_back(x);
  EXPECT_EQ(bevel, (std::vector<int>{0, 1, 19, 20, 38, 39, 57, 58, 76, 77, 98, 99}));

  // Cells of 140 stepping back by 10: the shape as wide as the control, the
  // last cell's right 60 columns at the left, then the right bevel of each
  // cell before it.
  grid->SetHorOffset(-150);
  app.pump();
  ASSERT_EQ(grid->GetShapeWidth(), 140);
  bevel.clear();
  for (int x = 0; x < 100; ++x)
    if (Shown(grid, x, 25) == Rgb(clBlack)) bevel.push_back(x);
  EXPECT_EQ(bevel, (std::vector<int>{58, 59, 68, 69, 78, 79, 88, 89, 98, 99}));

}

TEST_F(ShapeControlTest, EveryClassComesBackFromItsFormText) {
  auto* shape = RedShape<TVyrShapeControl>(TVyrShapeType::stStar);
  shape->SetName("Star");
  shape->SetRoundPercent(50);
  shape->SetMode(TVyrShapeControlMode::scmTeethFill);
  shape->GetTeeth()->SetCount(7);
  shape->GetCaptionObject()->SetCaption("Stern");
  auto* label = RedShape<TVyrShapeLabel>(TVyrShapeType::stEllipse);
  label->SetName("Oval");
  label->SetCaptionClip(true);
  label->SetBrushBackColor(clYellow);
  auto* teeth = RedShape<TVyrTeethShape>(TVyrShapeType::stRectangle);
  teeth->SetName("Saw");
  teeth->SetTransparent(false);
  auto* teethLabel = RedShape<TVyrTeethShapeLabel>(TVyrShapeType::stRectangle);
  teethLabel->SetName("SawLabel");
  teethLabel->SetSquare(true);
  auto* grid = Place<TVyrRepeatedShape>(form, 0, 0, 50, 50);
  grid->SetName("Grid");
  grid->SetHorCount(3);
  grid->SetSetPerCount(false);

  auto controls = [](TForm* Form) {
    const std::string text = TestSupport::WrittenFormText(Form);
    return text.substr(text.find("  object "));
  };
  const std::string written = controls(form);
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(TestSupport::WrittenFormText(form), second);
  EXPECT_EQ(controls(second), written);
  auto* star = dynamic_cast_object<TVyrShapeControl>(second->FindComponent("Star"));
  auto* oval = dynamic_cast_object<TVyrShapeLabel>(second->FindComponent("Oval"));
  auto* copy = dynamic_cast_object<TVyrRepeatedShape>(second->FindComponent("Grid"));
  ASSERT_TRUE(star && oval && copy);
  EXPECT_EQ(star->GetShape(), TVyrShapeType::stStar);
  EXPECT_EQ(star->GetMode(), TVyrShapeControlMode::scmTeethFill);
  EXPECT_EQ(star->GetTeeth()->GetCount(), 7);
  EXPECT_EQ(star->GetBrush()->GetColor(), clRed);
  EXPECT_TRUE(oval->GetCaptionClip());
  EXPECT_EQ(copy->GetHorCount(), 3);
  EXPECT_FALSE(copy->GetSetPerCount());
  for (const char* line : {"RoundPercent = 50", "Mode = scmTeethFill", "BrushBackColor = clYellow",
                           "Transparent = False", "Square = True", "SetPerCount = False"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"Mode = scmShapeFill", "Mode = scmTeethFast", "VerCount"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;
  second->Free();
}

}  // namespace
