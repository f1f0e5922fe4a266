#include "drawing_fixture.h"
#include "vyrgraph.h"

using namespace Vyrutils;
using Vyrgraph::TVyrAlignment;
using Vyrgraph::TVyrCaption;
using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrGlyphTextLayout;
using Vyrgraph::TVyrTextArrange;

namespace {

// The numbers of the first logged call of Name, after any quoted text.
std::vector<long> ArgsOf(const std::vector<AnsiString>& Calls, const char* Name) {
  for (const AnsiString& c : Calls) {
    if (c.Pos(AnsiString(Name) + "(") != 1) continue;
    std::string s = c.c_str();
    const std::size_t quote = s.rfind('"');
    std::size_t at = quote == std::string::npos ? s.find('(') + 1 : quote + 2;
    std::vector<long> out;
    char* end = nullptr;
    for (const char* p = s.c_str() + at; *p && *p != ')'; p = end + (*end == ',' ? 1 : 0)) {
      out.push_back(std::strtol(p, &end, 10));
      if (end == p) break;
    }
    return out;
  }
  return {};
}

}  // namespace

class LayoutTest : public DrawingTest {
 protected:
  void SetUp() override {
    canvas.SetHandle(rec.Handle());
    canvas.GetFont()->SetName("Arial");
    canvas.GetFont()->SetSize(10);
    glyph = MakeBitmap(16, 16, clRed);
  }
  void TearDown() override { canvas.SetHandle(nullptr); }

  // Where the text and the glyph land, from their logged calls.
  struct Placed {
    TPoint text, glyph;
    bool drewText, drewGlyph;
  };
  Placed Lay(const AnsiString& Text, TVyrTextArrange Arrange, TVyrAlignment Alignment, TVyrDrawTextStyles Styles = {}) {
    rec.Clear();
    TVyrGlyphTextLayout layout;
    layout.SetAlignText2Glyph(Arrange);
    layout.SetAlignment(Alignment);
    Styles.Include(TVyrDrawTextStyle::dtEnabled);
    VyrDrawTextAndGlyph(&canvas, Text, nullptr, TRect(0, 0, 100, 50), glyph.get(), nullptr, &layout, false, false,
                        false, Styles, 0);
    const auto calls = rec.Calls();
    const auto text = ArgsOf(calls, "DrawText");
    const auto blit = ArgsOf(calls, "StretchBlt");
    return {text.size() >= 2 ? TPoint(int(text[0]), int(text[1])) : TPoint(),
            blit.size() >= 2 ? TPoint(int(blit[0]), int(blit[1])) : TPoint(), !text.empty(), !blit.empty()};
  }
  TSize Measured(const AnsiString& Text) {
    TRect r(0, 0, 100, 0);
    VyrDrawTextCalc(Text, nullptr, r, canvas.GetFont(), false, false, 0, 0);
    return TSize(r.Width(), r.Height());
  }

  RecordingDC rec{120, 60};
  TCanvas canvas;
  std::unique_ptr<TBitmap> glyph;
};

TEST_F(LayoutTest, AlignRectColumnsAndRows) {
  EXPECT_EQ(VyrAlignRect(TVyrAlignment::agCenter, TRect(0, 0, 30, 10), TRect(0, 0, 20, 20)), TRect(-5, 5, 25, 15));
  EXPECT_EQ(VyrAlignRect(TVyrAlignment::agBottomRight, TRect(0, 0, 4, 4), TRect(10, 10, 20, 30)), TRect(16, 26, 20, 30));
  EXPECT_EQ(VyrAlignRect(TVyrAlignment::agTopCenter, TRect(0, 0, 5, 5), TRect(0, 0, 10, 10)), TRect(2, 0, 7, 5));
}

TEST_F(LayoutTest, ArrangementsPlaceTextAndGlyph) {
  // A text measured 40 x 10 beside or above a 16 x 16 glyph with Spacing 2,
  // the block centred in (0, 0, 100, 50); the text sits one pixel in from
  // its place. Side by side the block is 58 x 16 at (21, 17), stacked
  // 40 x 28 at (30, 11).
  canvas.GetFont()->SetHeight(8);
  const AnsiString text = "000000000.";
  ASSERT_EQ(Measured(text), TSize(40, 10)) << "the font's metrics moved";
  struct Case {
    TVyrTextArrange arrange;
    TPoint glyph, text;
  } cases[] = {
      {TVyrTextArrange::taRight, TPoint(21, 17), TPoint(40, 21)},
      {TVyrTextArrange::taRightTop, TPoint(21, 17), TPoint(40, 21)},
      {TVyrTextArrange::taLeft, TPoint(63, 17), TPoint(22, 21)},
      {TVyrTextArrange::taLeftTop, TPoint(63, 17), TPoint(22, 21)},
      {TVyrTextArrange::taTop, TPoint(42, 23), TPoint(31, 12)},
      {TVyrTextArrange::taTopLeft, TPoint(30, 23), TPoint(31, 12)},
      {TVyrTextArrange::taBottom, TPoint(42, 11), TPoint(31, 30)},
      {TVyrTextArrange::taBottomLeft, TPoint(30, 11), TPoint(31, 30)},
  };
  for (const Case& c : cases) {
    const Placed p = Lay(text, c.arrange, TVyrAlignment::agCenter);
    EXPECT_EQ(p.glyph, c.glyph) << int(c.arrange);
    EXPECT_EQ(p.text, c.text) << int(c.arrange);
  }
}

TEST_F(LayoutTest, TopArrangementsKeepTheSmallerGlyphUp) {
  // A glyph lower than the text: taLeftTop and taRightTop leave it at the
  // block's top, taLeft and taRight centre it on the text.
  glyph = MakeBitmap(4, 4, clRed);
  canvas.GetFont()->SetHeight(8);
  const AnsiString text = "000000000.";
  ASSERT_EQ(Measured(text), TSize(40, 10)) << "the font's metrics moved";
  // Block 46 x 10 at (27, 20).
  struct Case {
    TVyrTextArrange arrange;
    TPoint glyph, text;
  } cases[] = {
      {TVyrTextArrange::taRight, TPoint(27, 23), TPoint(34, 21)},
      {TVyrTextArrange::taRightTop, TPoint(27, 20), TPoint(34, 21)},
      {TVyrTextArrange::taLeft, TPoint(69, 23), TPoint(28, 21)},
      {TVyrTextArrange::taLeftTop, TPoint(69, 20), TPoint(28, 21)},
  };
  for (const Case& c : cases) {
    const Placed p = Lay(text, c.arrange, TVyrAlignment::agCenter);
    EXPECT_EQ(p.glyph, c.glyph) << int(c.arrange);
    EXPECT_EQ(p.text, c.text) << int(c.arrange);
  }
}

TEST_F(LayoutTest, EmptyTextCentresTheGlyphAlone) {
  const Placed p = Lay("", TVyrTextArrange::taRight, TVyrAlignment::agCenter);
  EXPECT_FALSE(p.drewText);
  EXPECT_EQ(p.glyph, TPoint(42, 17));
}

TEST_F(LayoutTest, CalculateDrawsNothingAndAnswersTheFocusRect) {
  const Placed p = Lay("Hello", TVyrTextArrange::taRight, TVyrAlignment::agTopLeft, {TVyrDrawTextStyle::dtCalculate});
  EXPECT_FALSE(p.drewText);
  EXPECT_FALSE(p.drewGlyph);
}

TEST_F(LayoutTest, FocusRectangleByStyle) {
  // Text 40 x 10 right of the glyph, top-left in (0, 0, 100, 50): the glyph
  // at (0, 0, 16, 16), the text at (19, 4, 59, 14).
  canvas.GetFont()->SetHeight(8);
  ASSERT_EQ(Measured("000000000."), TSize(40, 10)) << "the font's metrics moved";
  struct Case {
    TVyrDrawTextStyles styles;
    TRect focus;
  } cases[] = {
      {{TVyrDrawTextStyle::dtRectText}, TRect(18, 3, 60, 15)},
      {{TVyrDrawTextStyle::dtRectGlyph}, TRect(0, 0, 16, 16)},
      {{TVyrDrawTextStyle::dtRectGlyphText}, TRect(-1, -1, 60, 17)},
      {{}, TRect(1, 1, 99, 49)},
      {{TVyrDrawTextStyle::dtCalculate}, TRect(-2, -2, 61, 18)},
  };
  for (const Case& c : cases) {
    TVyrGlyphTextLayout layout;
    layout.SetAlignText2Glyph(TVyrTextArrange::taRight);
    layout.SetAlignment(TVyrAlignment::agTopLeft);
    TRect focus(0, 0, 16, 16);
    TVyrDrawTextStyles styles = c.styles;
    styles.Include(TVyrDrawTextStyle::dtEnabled);
    VyrDrawTextAndGlyphExt(&canvas, "000000000.", nullptr, TRect(0, 0, 100, 50), glyph->GetCanvas(), focus, nullptr,
                           clNone, &layout, false, false, false, styles, 0);
    EXPECT_EQ(focus, c.focus) << c.styles.Bits();
  }
}

TEST_F(LayoutTest, DefaultCaptionDrawsCentredOnOneLine) {
  TVyrCaption caption;
  caption.DrawCaption(&canvas, "Hi", TRect(0, 0, 100, 50), clBtnFace, {});
  const auto args = ArgsOf(rec.Calls(), "DrawText");
  ASSERT_EQ(args.size(), 5u);
  EXPECT_EQ(args[4], 0x875);
}
