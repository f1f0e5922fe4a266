// The LED display: the number text, the sizes, the segments' pixels, and
// how the control repaints when its value changes.
#include <functional>

#include "controls_fixture.h"

using namespace Vyrled;

namespace {

// One LED painted into a bitmap on background B.
struct PaintedLED {
  static constexpr TColor B = clNavy;
  TVyrLED led;
  TBitmap bitmap;

  explicit PaintedLED(std::function<void(TVyrLED&)> SetUp = nullptr) {
    if (SetUp) SetUp(led);
    led.SetColor(2, B);
  }
  void Paint(const AnsiString& Text, bool Enabled = true) {
    bitmap.SetSize(led.GetWidth() * 4, led.GetHeight() * 2);
    bitmap.GetCanvas()->GetBrush()->SetColor(B);
    bitmap.GetCanvas()->FillRect(TRect(0, 0, bitmap.GetWidth(), bitmap.GetHeight()));
    led.PaintLED(bitmap.GetCanvas(), TRect(0, 0, bitmap.GetWidth(), bitmap.GetHeight()), Text, true, Enabled);
  }
  TColor At(int X, int Y) { return static_cast<TColor>(ColorToRGB(bitmap.GetCanvas()->GetPixels(X, Y))); }
  bool AnyLit() {
    for (int y = 0; y < led.GetHeight(); ++y)
      for (int x = 0; x < led.GetWidth(); ++x)
        if (At(x, y) == static_cast<TColor>(ColorToRGB(led.GetActiveColor()))) return true;
    return false;
  }
};

// A pixel inside the segment, lit by '-' and '1' (middle bar, inner upright)
// and by '8' (upper left upright) in the default cell.
constexpr TPoint kMiddleBar(7, 14);
constexpr TPoint kTopLeft(3, 8);

}  // namespace

class LEDTest : public ControlsTest {
 protected:
  TProbeLED* NewLED(TWinControl* Parent, int Digits, TVyrLEDStyle Style = TVyrLEDStyle::lsInteger) {
    auto* led = Place<TProbeLED>(Parent, 10, 10, 100, 40);
    led->SetDigits(static_cast<std::uint8_t>(Digits));
    led->SetStyle(Style);
    return led;
  }
};

TEST_F(LEDTest, ValueStringPadsAfterTheSignAndDashesWhatDoesNotFit) {
  TForm* form = NewForm();
  auto* led = NewLED(form, 3);
  struct Case {
    int digits, value;
    const char* text;
  } cases[] = {
      {3, 7, "007"},   {3, 0, "000"},   {3, 1234, "---"}, {3, -5, "-05"},    {3, -99, "-99"},
      {3, -100, "---"}, {2, -12, "--"}, {4, 9000, "9000"}, {1, -1, "-"},
  };
  for (const Case& c : cases) {
    led->SetDigits(static_cast<std::uint8_t>(c.digits));
    EXPECT_EQ(led->ValueString(c.value), AnsiString(c.text)) << c.value << " in " << c.digits;
  }
  led->SetDigits(0);
  EXPECT_EQ(led->GetDigits(), 1);
}

TEST_F(LEDTest, AutosizeFitsTheCellsAndTheBevel) {
  TForm* form = NewForm();
  TVyrLED plain;
  EXPECT_EQ(plain.GetWidth(), 19);
  EXPECT_EQ(plain.GetHeight(), 28);
  struct Case {
    const char* what;
    int digits;
    TVyrLEDStyle style;
    const char* caption;
    bool beveled;
    int width, height;
  } cases[] = {
      {"3 digits", 3, TVyrLEDStyle::lsInteger, "", false, 58, 28},
      {"1 digit", 1, TVyrLEDStyle::lsInteger, "", false, 20, 28},
      {"two rows", 2, TVyrLEDStyle::lsString, "AB\rC", false, 39, 56},
      {"level counter", 3, TVyrLEDStyle::lsInteger, "", true, 60, 30},
      {"floor counter", 1, TVyrLEDStyle::lsInteger, "", true, 22, 30},
      {"steps counter", 4, TVyrLEDStyle::lsInteger, "", true, 79, 30},
  };
  for (const Case& c : cases) {
    auto* led = NewLED(form, c.digits, c.style);
    led->SetCaption(c.caption);
    if (c.beveled) led->GetBevel()->SetMode(Vyrgraph::TVyrBevelMode::bmStandard);
    led->SetAutosize(true);
    EXPECT_EQ(led->GetWidth(), c.width) << c.what;
    EXPECT_EQ(led->GetHeight(), c.height) << c.what;
    led->Free();
  }
}

TEST_F(LEDTest, CharacterMasks) {
  struct Case {
    char c;
    std::uint16_t mask;
  } cases[] = {{'0', 0x1277}, {'a', 0x003F}, {'A', 0x003F}, {':', 0xA000}, {'%', 0}, {'\xE4', 0}, {' ', 0}};
  for (const Case& c : cases) EXPECT_EQ(TVyrLED::CharToMask(c.c), c.mask) << c.c;
}

TEST_F(LEDTest, CellPixels) {
  const TColor lit = Rgb(clLime), unlit = Rgb(clGreen), back = Rgb(PaintedLED::B);
  {
    PaintedLED blank;
    blank.Paint(" ");
    EXPECT_EQ(blank.At(0, 0), back);
    EXPECT_EQ(blank.At(7, 3), unlit);  // the checkerboard inside the top bar
    EXPECT_EQ(blank.At(6, 3), back);
    EXPECT_FALSE(blank.AnyLit());
  }
  {
    PaintedLED minus;
    minus.Paint("-");
    EXPECT_EQ(minus.At(kMiddleBar.x, kMiddleBar.y), lit);
    EXPECT_NE(minus.At(kTopLeft.x, kTopLeft.y), lit);
  }
  {
    // Small cells light only the outer seven; the unlit look keeps all 16.
    PaintedLED small([](TVyrLED& l) { l.SetHorzsize(3); });
    const TPoint innerUpright(6, 8);
    small.Paint("*");
    EXPECT_FALSE(small.AnyLit());
    EXPECT_EQ(small.At(innerUpright.x, innerUpright.y), unlit);
    small.Paint("8");
    EXPECT_EQ(small.At(kTopLeft.x, kTopLeft.y), lit);
    EXPECT_EQ(small.At(innerUpright.x, innerUpright.y), unlit);
  }
  {
    PaintedLED disabled;
    disabled.Paint("8", false);
    EXPECT_FALSE(disabled.AnyLit());
    disabled.led.SetEnabled(false);
    disabled.Paint("8", false);
    EXPECT_TRUE(disabled.AnyLit());
  }
}

TEST_F(LEDTest, FlashingAlternatesOnlyWithRealPaints) {
  PaintedLED flashing;
  flashing.led.BeginFlash();
  std::vector<bool> seen;
  for (int i = 0; i < 3; ++i) {
    flashing.Paint("8");
    seen.push_back(flashing.AnyLit());
    flashing.led.CalcBoundsRect("8", 0);  // an autosize measures in between
  }
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
}

TEST_F(LEDTest, SetValueRepaintsAsTheStyleAndTheTransparencyAsk) {
  TForm* form = NewForm();
  struct Case {
    const char* what;
    TVyrLEDStyle style;
    bool transparent;
    int newValue;
    int paints, invalidations;
  } cases[] = {
      {"the current value", TVyrLEDStyle::lsInteger, false, 0, 0, 0},
      {"opaque integer", TVyrLEDStyle::lsInteger, false, 5, 1, 0},
      {"string style", TVyrLEDStyle::lsString, false, 5, 0, 0},
      {"transparent integer", TVyrLEDStyle::lsInteger, true, 5, 0, 1},
  };
  for (const Case& c : cases) {
    auto* led = NewLED(form, 3, c.style);
    led->SetTransparent(c.transparent);
    app.pump();
    led->paints = led->invalidations = 0;
    led->SetValue(c.newValue);
    EXPECT_EQ(led->paints, c.paints) << c.what;
    EXPECT_EQ(led->invalidations, c.invalidations) << c.what;
    EXPECT_EQ(led->GetValue(), c.newValue) << c.what;
    led->Free();
  }
}

TEST_F(LEDTest, ATransparentDisplayLeavesNoSegmentOfTheOldValue) {
  TForm* form = NewForm(clWhite);
  auto* led = NewLED(form, 1);
  led->SetTransparent(true);
  led->SetAutosize(true);
  led->SetValue(8);
  app.pump();
  EXPECT_EQ(Shown(led, kTopLeft.x, kTopLeft.y), Rgb(clLime));
  led->SetValue(1);
  app.pump();
  EXPECT_EQ(Shown(led, kTopLeft.x, kTopLeft.y), Rgb(clWhite));
  EXPECT_EQ(Shown(led, 9, 10), Rgb(clLime));  // the upper inner upright of the 1
}
