// The progress bar: the solid bar, the blocks by direction and colour, the
// Delta of the block styles, fitting to whole blocks, the inverted percent
// text, owner drawing and its form text.
#include <climits>
#include <functional>
#include <string>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrstdcs.h"

using namespace Vyrstdcs;
using Vyrctrl::TVyrMeterDirection;
using Vyrctrl::TVyrMeterTextOptions;

class ProgressTest : public ControlsTest {
 protected:
  // The unit's row on top of the controls' rows, so form text finds it.
  TUnitStartup units{{Vyrstdcs::Unit}};
  TForm* form = nullptr;

  void SetUp() override { form = NewForm(clWhite); }

  TVyrProgress* NewProgress(TVyrProgressStyle Style, int Width = 80, int Height = 20) {
    auto* bar = Place<TVyrProgress>(form, 10, 10, Width, Height);
    bar->SetColor(clWhite);
    bar->GetSmallBar()->SetAutosize(false);
    bar->SetStyle(Style);
    app.pump();
    return bar;
  }

  // How many pixels of the bar area (inside the one-pixel bevel) in
  // columns [FromX, ToX) Match; text is smoothed, so a test looks at the
  // hue rather than the exact colour.
  static int CountShown(TControl* Bar, int FromX, int ToX, const std::function<bool(int R, int G, int B)>& Match) {
    int n = 0;
    for (int y = 1; y < Bar->GetHeight() - 1; ++y)
      for (int x = FromX; x < ToX; ++x) {
        const int c = static_cast<int>(Shown(Bar, x, y));
        n += Match(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
      }
    return n;
  }
};

TEST_F(ProgressTest, TheSolidBarCoversItsPercentOfTheArea) {
  auto* bar = NewProgress(TVyrProgressStyle::pgBar);
  bar->SetBarColor(clRed);
  bar->SetPercentValue(50);
  // 50 % of the 78 columns inside the bevel.
  EXPECT_EQ(Shown(bar, 1, 10), Rgb(clRed));
  EXPECT_EQ(Shown(bar, 39, 10), Rgb(clRed));
  EXPECT_EQ(Shown(bar, 40, 10), Rgb(clWhite));
  bar->SetBar3D(Vyrgraph::TVyrBorderStyle::lsRaised);
  EXPECT_NE(Shown(bar, 39, 10), Rgb(clRed)) << "the frame's dark edge";
  EXPECT_EQ(Shown(bar, 20, 10), Rgb(clRed));
}

TEST_F(ProgressTest, BlocksLightUpFromTheStartOfTheirDirection) {
  // Ten blocks of 5 pixels with 3 between in 81 pixels; 40 % lights four.
  struct Case {
    TVyrMeterDirection direction;
    int width, height;
    TPoint lastLit, firstUnlit, gap;
  } cases[] = {
      {TVyrMeterDirection::mdHorizontal, 83, 20, {30, 10}, {38, 10}, {34, 10}},
      {TVyrMeterDirection::mdHorizontalReverse, 83, 20, {54, 10}, {46, 10}, {50, 10}},
      {TVyrMeterDirection::mdVertical, 20, 83, {10, 30}, {10, 38}, {10, 34}},
      {TVyrMeterDirection::mdVerticalReverse, 20, 83, {10, 54}, {10, 46}, {10, 50}},
  };
  for (const Case& c : cases) {
    auto* bar = NewProgress(TVyrProgressStyle::pgSmallBar, c.width, c.height);
    bar->SetDirection(c.direction);
    bar->SetPercentValue(40);
    const int d = static_cast<int>(c.direction);
    EXPECT_EQ(Shown(bar, c.lastLit.x, c.lastLit.y), Rgb(clNavy)) << d;
    EXPECT_EQ(Shown(bar, c.firstUnlit.x, c.firstUnlit.y), Rgb(clWhite)) << d;
    EXPECT_EQ(Shown(bar, c.gap.x, c.gap.y), Rgb(clWhite)) << d;
    bar->Free();
  }
}

TEST_F(ProgressTest, OnGetColorColoursEachBlockOnlyInTheColourStyle) {
  for (TVyrProgressStyle style : {TVyrProgressStyle::pgSmallBarColor, TVyrProgressStyle::pgSmallBar}) {
    auto* bar = NewProgress(style, 83, 20);
    std::vector<int> asked;
    bar->OnGetColor = TVyrProgressColorEvent([&](TObject*, int Index, TColor& Color) {
      asked.push_back(Index);
      EXPECT_EQ(Color, TColor(0x800000));
      if (Index == 1) Color = clRed;
    });
    bar->SetPercentValue(30);
    const bool colours = style == TVyrProgressStyle::pgSmallBarColor;
    EXPECT_EQ(asked, colours ? (std::vector<int>{0, 1, 2}) : std::vector<int>{});
    EXPECT_EQ(Shown(bar, 14, 10), Rgb(colours ? clRed : clNavy));  // the second block
    EXPECT_EQ(Shown(bar, 22, 10), Rgb(clNavy));
    bar->Free();
  }
}

TEST_F(ProgressTest, BlockStylesWaitForHalfABlock) {
  struct Case {
    TVyrProgressStyle style;
    int count;
    TVyrMeterTextOptions text;
    int delta;
  } cases[] = {
      {TVyrProgressStyle::pgSmallBar, 10, TVyrMeterTextOptions::toNoText, 5},
      {TVyrProgressStyle::pgSmallBarColor, 4, TVyrMeterTextOptions::toCaption, 12},
      {TVyrProgressStyle::pgSmallBar, 0, TVyrMeterTextOptions::toNoText, 1},
      {TVyrProgressStyle::pgSmallBar, 10, TVyrMeterTextOptions::toPercent, 1},
      {TVyrProgressStyle::pgBar, 10, TVyrMeterTextOptions::toNoText, 1},
      {TVyrProgressStyle::pgOwnerDraw, 10, TVyrMeterTextOptions::toNoText, 1},
  };
  for (const Case& c : cases) {
    auto* bar = NewProgress(TVyrProgressStyle::pgBar);
    bar->SetTextOptions(c.text);
    bar->SetStyle(c.style);
    bar->GetSmallBar()->SetBarCount(c.count);
    EXPECT_EQ(bar->GetDelta(), c.delta) << static_cast<int>(c.style) << " " << c.count;
    bar->Free();
  }
  auto* bar = Place<TVyrProgress>(form, 10, 10, 80, 20);
  EXPECT_EQ(bar->GetDelta(), 5);
  app.pump();
  bar->SetPercentValue(40);
  bar->SetPercentValue(43);
  EXPECT_EQ(bar->GetDrawnValue(), 40);
  bar->SetPercentValue(45);
  EXPECT_EQ(bar->GetDrawnValue(), 45);
}

TEST_F(ProgressTest, AutosizeFitsTheLengthToWholeBlocksOnce) {
  struct Case {
    const char* what;
    TVyrMeterDirection direction;
    int count, width, height;
    TAlign align;
    int fittedWidth, fittedHeight;
  } cases[] = {
      {"horizontal", TVyrMeterDirection::mdHorizontal, 10, 80, 20, alNone, 85, 20},
      {"vertical", TVyrMeterDirection::mdVerticalReverse, 10, 20, 100, alNone, 20, 105},
      // Fitted once from 85 (ten blocks): here a second fit would add four
      // pixels on every paint.
      {"spacing of more than half a block", TVyrMeterDirection::mdHorizontal, 4, 80, 20, alNone, 89, 20},
      {"aligned", TVyrMeterDirection::mdHorizontal, 10, 80, 20, alTop, 400, 20},
  };
  for (const Case& c : cases) {
    auto* bar = Place<TVyrProgress>(form, 10, 10, c.width, c.height);
    bar->SetDirection(c.direction);
    bar->GetSmallBar()->SetBarCount(c.count);
    bar->SetAlign(c.align);
    for (int i = 0; i < 4; ++i) {
      bar->Invalidate();
      app.pump();
    }
    EXPECT_EQ(bar->GetWidth(), c.fittedWidth) << c.what;
    EXPECT_EQ(bar->GetHeight(), c.fittedHeight) << c.what;
    bar->Free();
  }
}

TEST_F(ProgressTest, ThePercentTextReadsInvertedOverTheBar) {
  for (bool useFontColor : {false, true}) {
    auto* bar = NewProgress(TVyrProgressStyle::pgBar);
    bar->SetParentFont(false);
    bar->GetFont()->SetColor(clBlack);
    bar->SetBarColor(clNavy);
    bar->SetTextOptions(TVyrMeterTextOptions::toPercent);
    bar->SetUseFontColor(useFontColor);
    bar->SetPercentValue(45);  // the bar ends at column 35, in the middle of "45%"
    // Over the navy bar white text brings in red and green; over the white
    // rest navy text is bluish and black text grey.
    const int lightOverBar = CountShown(bar, 1, 36, [](int R, int G, int) { return R > 0 || G > 0; });
    const int blueOverRest = CountShown(bar, 36, 79, [](int R, int, int B) { return B > R; });
    const int greyOverRest = CountShown(bar, 36, 79, [](int R, int G, int B) { return R == G && G == B && R < 0xFF; });
    if (useFontColor) {
      EXPECT_EQ(lightOverBar + blueOverRest, 0);
      EXPECT_GT(greyOverRest, 0);
    } else {
      EXPECT_GT(lightOverBar, 0);
      EXPECT_GT(blueOverRest, 0);
      EXPECT_EQ(greyOverRest, 0);
    }
    bar->Free();
  }
}

TEST_F(ProgressTest, OwnerDrawGetsTheSplitArea) {
  auto* bar = NewProgress(TVyrProgressStyle::pgOwnerDraw);
  TRect got[3];
  bar->OnPaint = TVyrProgressPaintEvent([&](TObject*, TCanvas* Canvas, const TRect& B, const TRect& R, const TRect& F) {
    got[0] = B, got[1] = R, got[2] = F;
    Canvas->GetBrush()->SetColor(clLime);
    Canvas->FillRect(R);
  });
  bar->SetPercentValue(50);
  EXPECT_EQ(got[0], TRect(0, 0, 39, 18));
  EXPECT_EQ(got[1], TRect(39, 0, 78, 18));
  EXPECT_EQ(got[2], TRect(0, 0, 78, 18));
  EXPECT_EQ(Shown(bar, 60, 10), Rgb(clLime));
  EXPECT_EQ(Shown(bar, 20, 10), Rgb(clWhite));
}

TEST_F(ProgressTest, FormTextKeepsTheValuesAndOnlyWhatDiffers) {
  auto* fresh = Place<TVyrProgress>(form, 0, 0, 85, 20);
  const std::string plain = TestSupport::WrittenFormText(fresh);
  for (const char* absent : {"Position", "UserValue", "Transparent", "SmallBar.", "Color", "  Style", "Bevel.Width"})
    EXPECT_EQ(plain.find(absent), std::string::npos) << absent << "\n" << plain;
  // The meter's lowered frame, and its removal, come back.
  fresh->GetBevel()->SetStyleOuter(Vyrgraph::TVyrBevelStyle::bvNone);
  auto* frameless = static_cast<TVyrProgress*>(TestSupport::ReadFormText(TestSupport::WrittenFormText(fresh), nullptr));
  EXPECT_EQ(frameless->GetBevel()->GetStyleOuter(), Vyrgraph::TVyrBevelStyle::bvNone);
  frameless->Free();

  auto* bar = NewProgress(TVyrProgressStyle::pgBar);
  bar->SetMinValue(-50);
  bar->SetMaxValue(150);
  bar->SetUserValue(100);
  bar->SetBarColor(clRed);
  bar->SetBar3D(Vyrgraph::TVyrBorderStyle::lsSingle);
  bar->SetDirection(TVyrMeterDirection::mdVerticalReverse);
  bar->SetTextOptions(TVyrMeterTextOptions::toPercent);
  bar->SetAlignment(taRightJustify);
  bar->GetSmallBar()->SetHSpace(2);
  bar->GetFont3D()->SetStyle(Vyrgraph::TVyrThreeDStyle::tdRaised);
  bar->SetStep(7);
  const std::string text = TestSupport::WrittenFormText(bar);
  auto* copy = static_cast<TVyrProgress*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_EQ(copy->GetMinValue(), -50);
  EXPECT_EQ(copy->GetMaxValue(), 150);
  EXPECT_EQ(copy->GetUserValue(), 100);
  EXPECT_EQ(copy->GetPosition(), 75);
  EXPECT_EQ(copy->GetStyle(), TVyrProgressStyle::pgBar);
  EXPECT_EQ(copy->GetBar3D(), Vyrgraph::TVyrBorderStyle::lsSingle);
  EXPECT_EQ(copy->GetSmallBar()->GetHSpace(), 2);
  EXPECT_EQ(copy->GetFont3D()->GetStyle(), Vyrgraph::TVyrThreeDStyle::tdRaised);
  EXPECT_EQ(TestSupport::WrittenFormText(copy), text);
  copy->Free();
}

TEST_F(ProgressTest, AStreamMayGiveBoundsAndValuesInAnyOrder) {
  struct Case {
    const char* lines;
    int min, max, user, percent;
  } cases[] = {
      {"MinValue = 200\n  MaxValue = 300\n  UserValue = 250", 200, 300, 250, 50},
      {"MaxValue = -200\n  MinValue = -300\n  UserValue = -250", -300, -200, -250, 50},
      {"UserValue = 20\n  MaxValue = 50\n  MinValue = 10", 10, 50, 20, 25},
      {"MaxValue = 50\n  Position = 50", 0, 50, 25, 50},
      {"MinValue = 10\n  MaxValue = 10", 10, 11, 10, 0},
      {"MinValue = 300\n  MaxValue = 200", 200, 300, 200, 0},
      {"UserValue = 500\n  Position = 20", 0, 100, 20, 20},
      {"Position = 20\n  UserValue = 500", 0, 100, 100, 100},
  };
  for (const Case& c : cases) {
    const std::string text = std::string("object Bar: TVyrProgress\n  ") + c.lines + "\nend\n";
    auto* bar = static_cast<TVyrProgress*>(TestSupport::ReadFormText(text, nullptr));
    EXPECT_EQ(bar->GetMinValue(), c.min) << c.lines;
    EXPECT_EQ(bar->GetMaxValue(), c.max) << c.lines;
    EXPECT_EQ(bar->GetUserValue(), c.user) << c.lines;
    EXPECT_EQ(bar->GetPosition(), c.percent) << c.lines;
    bar->Free();
  }
}

// The off-screen bitmap covers only what the window shows of the bar: a bar
// far larger than its form asked for gigabytes or failed with "Bitmap zu
// groß" at every change; one partly off the form still draws in place.
TEST_F(ProgressTest, AHugeBarDrawsOnlyWhatShows) {
  auto* huge = Place<TVyrProgress>(form, 0, 0, 30000, 30000);
  huge->SetColor(clWhite);
  huge->GetSmallBar()->SetAutosize(false);
  EXPECT_NO_THROW({
    huge->SetStyle(TVyrProgressStyle::pgBar);
    huge->SetBarColor(clRed);
    huge->SetPercentValue(50);
    app.pump();
    huge->SetStyle(TVyrProgressStyle::pgSmallBar);
    huge->SetPercentValue(60);
    app.pump();
  });
  huge->SetStyle(TVyrProgressStyle::pgBar);
  huge->SetPercentValue(40);
  app.pump();
  EXPECT_EQ(Shown(huge, 200, 150), Rgb(clRed));
  huge->Free();

  // 600 wide from x -200: the bar's inner 598 columns, half of them red, end
  // at control column 300, form column 100.
  auto* shifted = Place<TVyrProgress>(form, -200, 10, 600, 20);
  shifted->SetColor(clWhite);
  shifted->SetStyle(TVyrProgressStyle::pgBar);
  shifted->SetBarColor(clRed);
  app.pump();
  shifted->SetPercentValue(50);
  EXPECT_EQ(Shown(shifted, 210, 10), Rgb(clRed));
  EXPECT_EQ(Shown(shifted, 299, 10), Rgb(clRed));
  EXPECT_EQ(Shown(shifted, 300, 10), Rgb(clWhite));
}

// Fitting the blocks of a bar as wide as a coordinate can be added up past
// 32 bits and left it 0 pixels wide.
TEST_F(ProgressTest, FittingTheWidestBarKeepsItsWidth) {
  auto* bar = Place<TVyrProgress>(form, 0, 10, INT_MAX, 20);
  EXPECT_NO_THROW({
    bar->Invalidate();
    app.pump();
    bar->SetPercentValue(50);
  });
  EXPECT_GT(bar->GetWidth(), INT_MAX / 2);
  EXPECT_EQ(bar->GetHeight(), 20);
}
