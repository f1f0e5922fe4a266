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
  // Spacing 2, glyph 16 x 16, the text as measured (w x h), block centred
  // in (0, 0, 100, 50); the text sits one pixel in from its place.
  const TSize t = Measured("Hello");
  const int w = int(t.cx), h = int(t.cy);
  struct Case {
    TVyrTextArrange arrange;
    int blockW, blockH;
    TPoint glyph, text;  // inside the block
  } cases[] = {
      {TVyrTextArrange::taRight, w + 18, std::max(h, 16), TPoint(0, (std::max(h, 16) - 16) / 2),
       TPoint(18, (std::max(h, 16) - h) / 2)},
      {TVyrTextArrange::taRightTop, w + 18, std::max(h, 16), TPoint(0, 0), TPoint(18, (std::max(h, 16) - h) / 2)},
      {TVyrTextArrange::taLeft, w + 18, std::max(h, 16), TPoint(w + 2, (std::max(h, 16) - 16) / 2),
       TPoint(0, (std::max(h, 16) - h) / 2)},
      {TVyrTextArrange::taLeftTop, w + 18, std::max(h, 16), TPoint(w + 2, 0), TPoint(0, (std::max(h, 16) - h) / 2)},
      {TVyrTextArrange::taTop, std::max(w, 16), h + 18, TPoint((std::max(w, 16) - 16) / 2, h + 2),
       TPoint((std::max(w, 16) - w) / 2, 0)},
      {TVyrTextArrange::taTopLeft, std::max(w, 16), h + 18, TPoint(0, h + 2), TPoint((std::max(w, 16) - w) / 2, 0)},
      {TVyrTextArrange::taBottom, std::max(w, 16), h + 18, TPoint((std::max(w, 16) - 16) / 2, 0),
       TPoint((std::max(w, 16) - w) / 2, 18)},
      {TVyrTextArrange::taBottomLeft, std::max(w, 16), h + 18, TPoint(0, 0), TPoint((std::max(w, 16) - w) / 2, 18)},
  };
  for (const Case& c : cases) {
    const int bx = (100 - c.blockW) / 2, by = (50 - c.blockH) / 2;
    const Placed p = Lay("Hello", c.arrange, TVyrAlignment::agCenter);
    EXPECT_EQ(p.glyph, TPoint(bx + c.glyph.x, by + c.glyph.y)) << int(c.arrange);
    EXPECT_EQ(p.text, TPoint(bx + c.text.x + 1, by + c.text.y + 1)) << int(c.arrange);
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

TEST_F(LayoutTest, DefaultCaptionDrawsCentredOnOneLine) {
  TVyrCaption caption;
  caption.DrawCaption(&canvas, "Hi", TRect(0, 0, 100, 50), clBtnFace, {});
  const auto args = ArgsOf(rec.Calls(), "DrawText");
  ASSERT_EQ(args.size(), 5u);
  EXPECT_EQ(args[4], 0x875);
}
