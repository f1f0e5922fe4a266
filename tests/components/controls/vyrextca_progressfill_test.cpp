// The filled progress bar (brush, a picture of its image list, the back
// colour without one) and the shadow area's checkerboard, with their form
// text.
#include <string>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrextca.h"

using namespace Vyrextca;
using Vyrgraph::TVyrFillStyle;

class ProgressFillTest : public ControlsTest {
 protected:
  // The unit's row on top of the controls' rows, so form text finds it.
  TUnitStartup units{{Vyrextca::Unit}};
  TForm* form = nullptr;

  void SetUp() override { form = NewForm(clWhite); }

  TVyrProgressFill* NewFill() {
    auto* bar = Place<TVyrProgressFill>(form, 10, 10, 80, 20);
    bar->SetColor(clWhite);
    app.pump();
    return bar;
  }

  // A list of one 8 x 8 picture in Color.
  Vyrcont::TVyrBitmapList* PictureList(TColor Color) {
    auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
    list->SetName("Pictures");
    TBitmap picture;
    picture.SetSize(8, 8);
    picture.GetCanvas()->GetBrush()->SetColor(Color);
    picture.GetCanvas()->FillRect(TRect(0, 0, 8, 8));
    auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(nullptr);
    item->SetBitmap(&picture);
    list->Add(item);
    return list;
  }

  TVyrShadowFill* NewShadow() {
    auto* shadow = Place<TVyrShadowFill>(form, 20, 20, 40, 40);
    app.pump();
    return shadow;
  }

  // The pixels of the area in Color, counted on the two colours of a
  // checkerboard.
  static void CountChecks(TControl* Area, TColor Color, int& Odd, int& Even) {
    Odd = Even = 0;
    for (int y = 4; y < Area->GetHeight() - 4; ++y)
      for (int x = 4; x < Area->GetWidth() - 4; ++x) ((x + y) % 2 ? Odd : Even) += Shown(Area, x, y) == Rgb(Color);
  }
};

TEST_F(ProgressFillTest, TheBrushFillsTheBar) {
  auto* bar = NewFill();
  bar->GetFillObject()->SetStyle(TVyrFillStyle::sfBrush);
  bar->GetFillObject()->GetBrush()->SetColor(clRed);
  bar->SetPercentValue(50);
  EXPECT_EQ(Shown(bar, 20, 10), Rgb(clRed));
  EXPECT_EQ(Shown(bar, 60, 10), Rgb(clWhite));
  bar->SetBar3D(Vyrgraph::TVyrBorderStyle::lsRaised);
  EXPECT_NE(Shown(bar, 39, 10), Rgb(clRed)) << "the frame's dark edge";
  EXPECT_EQ(Shown(bar, 20, 10), Rgb(clRed));
}

TEST_F(ProgressFillTest, ThePictureOfTheImageListFillsTheBarUntilTheListGoes) {
  auto* bar = NewFill();
  bar->SetBack(clYellow);
  bar->GetFillObject()->SetStyle(TVyrFillStyle::sfBitmapList);
  bar->SetImageList(PictureList(clLime));
  bar->SetPercentValue(50);
  app.pump();
  EXPECT_EQ(Shown(bar, 20, 10), Rgb(clLime));
  EXPECT_EQ(Shown(bar, 60, 10), Rgb(clWhite));
  bar->SetImageList(nullptr);
  app.pump();
  EXPECT_EQ(Shown(bar, 20, 10), Rgb(clYellow));
}

TEST_F(ProgressFillTest, TheShadowIsACheckerboardOfItsColour) {
  auto* shadow = NewShadow();
  int odd = 0, even = 0;
  CountChecks(shadow, clBlack, odd, even);
  EXPECT_GT(odd + even, 0);
  EXPECT_TRUE(odd == 0 || even == 0) << "every other pixel: " << odd << " " << even;
  int white = 0, whiteEven = 0;
  CountChecks(shadow, clWhite, white, whiteEven);
  EXPECT_EQ(odd + even, white + whiteEven) << "half the ground shows through";

  shadow->SetColor(clRed);
  app.pump();
  CountChecks(shadow, clRed, odd, even);
  EXPECT_GT(odd + even, 0);
  EXPECT_EQ(shadow->GetShadowColor(), clRed);
  shadow->SetColor(clWhite);
  EXPECT_EQ(shadow->GetShadowColor(), TColor(0)) << "white would not show";
}

TEST_F(ProgressFillTest, TheStyleSaysHowMuchOfTheAreaIsShaded) {
  struct Case {
    const char* what;
    TVyrShadowFillStyle style;
    bool bevel;
    bool empty;
    bool frameShaded, insideShaded;
  } cases[] = {
      {"inside the bevel", TVyrShadowFillStyle::sfShadow, true, false, false, true},
      {"over the bevel too", TVyrShadowFillStyle::sfFullShadow, true, false, true, true},
      {"a bevel only", TVyrShadowFillStyle::sfNone, true, false, false, false},
      {"nothing", TVyrShadowFillStyle::sfNone, false, true, false, false},
  };
  for (const Case& c : cases) {
    auto* shadow = NewShadow();
    if (c.bevel) {
      shadow->GetBevel()->SetStyleOuter(Vyrgraph::TVyrBevelStyle::bvRaised);
      shadow->GetBevel()->SetLightColor(clWhite);
    }
    shadow->SetShadowMode(c.style);
    app.pump();
    EXPECT_EQ(shadow->GetEmpty(), c.empty) << c.what;
    // Of two neighbours one is shaded where the shadow falls.
    auto shaded = [&](int x, int y) {
      return Shown(shadow, x, y) == Rgb(clBlack) || Shown(shadow, x + 1, y) == Rgb(clBlack);
    };
    EXPECT_EQ(shaded(10, 0), c.frameShaded) << c.what;
    EXPECT_EQ(shaded(10, 10), c.insideShaded) << c.what;
    shadow->Free();
  }
}

TEST_F(ProgressFillTest, FormTextKeepsBothClassesAndTheListLinked) {
  form->SetName("Host");
  auto* bar = NewFill();
  bar->SetName("Fill");
  bar->SetImageList(PictureList(clLime));
  bar->SetBar3D(Vyrgraph::TVyrBorderStyle::lsRaised);
  bar->SetBack(clYellow);
  bar->GetFillObject()->SetStyle(TVyrFillStyle::sfBitmapList);
  bar->SetPercentValue(30);
  auto* shadow = NewShadow();
  shadow->SetName("Shadow");
  shadow->SetColor(clNavy);
  shadow->SetShadowMode(TVyrShadowFillStyle::sfFullShadow);
  const std::string text = TestSupport::WrittenFormText(form);
  EXPECT_NE(text.find("ImageList = Pictures"), std::string::npos) << text;

  TOwnedObject<TForm> again(TObject::Create<TForm>(nullptr));
  TestSupport::ReadFormText(text, again.get());
  auto* fill = static_cast<TVyrProgressFill*>(again->FindComponent("Fill"));
  auto* copy = static_cast<TVyrShadowFill*>(again->FindComponent("Shadow"));
  ASSERT_TRUE(fill && copy);
  EXPECT_EQ(static_cast<TComponent*>(fill->GetImageList()), again->FindComponent("Pictures"));
  EXPECT_EQ(fill->GetBar3D(), Vyrgraph::TVyrBorderStyle::lsRaised);
  EXPECT_EQ(fill->GetBrushBackColor(), clYellow);
  EXPECT_EQ(fill->GetFillObject()->GetStyle(), TVyrFillStyle::sfBitmapList);
  EXPECT_EQ(fill->GetPosition(), 30);
  EXPECT_EQ(copy->GetShadowColor(), clNavy);
  EXPECT_EQ(copy->GetStyle(), TVyrShadowFillStyle::sfFullShadow);
  EXPECT_EQ(TestSupport::WrittenFormText(fill), TestSupport::WrittenFormText(bar));
  EXPECT_EQ(TestSupport::WrittenFormText(copy), TestSupport::WrittenFormText(shadow));

  const std::string plain = TestSupport::WrittenFormText(Place<TVyrShadowFill>(form, 0, 0, 30, 30));
  for (const char* absent : {"ShadowColor", "Style", "Transparent"})
    EXPECT_EQ(plain.find(absent), std::string::npos) << absent << "\n" << plain;
}
