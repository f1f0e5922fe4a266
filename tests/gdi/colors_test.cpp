// Colour names and numbers both ways, and the resolving of system colours.
#include <gtest/gtest.h>

#include <vector>

#include "colors.h"
#include "exceptions.h"

namespace {

TEST(Colors, NamesAndNumbersBothWays) {
  struct Case {
    TColor Color;
    const char* Text;
  };
  const Case cases[] = {
      {clBlack, "clBlack"},         {clNavy, "clNavy"},         {clOlive, "clOlive"},
      {clWhite, "clWhite"},         {clScrollBar, "clScrollBar"}, {clBtnFace, "clBtnFace"},
      {cl3DDkShadow, "cl3DDkShadow"}, {clInfoBk, "clInfoBk"},   {clNone, "clNone"},
      {0x00123456, "$00123456"},    {clDefault, "$20000000"},   {SystemColor(25), "$80000019"},
      {0x02ABCDEF, "$02ABCDEF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorToString(c.Color), c.Text);
    EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
  }
}

TEST(Colors, StringToColorAcceptsAnyCaseAndDecimal) {
  EXPECT_EQ(StringToColor("CLRED"), clRed);
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor("-2147483633"), clBtnFace);
  for (const char* bad : {"", "clPink", "$", "12ab", "$1FFFFFFFF"}) EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

TEST(Colors, TableOrderIsStandardThenSystemThenNone) {
  std::vector<AnsiString> names;
  GetColorValues(TGetStrProc([&](const AnsiString& s) { names.push_back(s); }));
  ASSERT_EQ(names.size(), 42u);
  EXPECT_EQ(names[0], "clBlack");
  EXPECT_EQ(names[15], "clWhite");
  EXPECT_EQ(names[16], "clScrollBar");
  EXPECT_EQ(names[40], "clInfoBk");
  EXPECT_EQ(names[41], "clNone");
  // Each system name sits at 16 + its index.
  for (int i = 0; i < 25; ++i) EXPECT_EQ(names[16 + i], ColorToString(SystemColor(i))) << i;
}

TEST(Colors, ColorToRGBResolvesOnlySystemColours) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<LongInt>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clWindowText), static_cast<LongInt>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(ColorToRGB(clNavy), clNavy);
  EXPECT_EQ(ColorToRGB(0x02112233), 0x02112233) << "the palette flag stays";
  EXPECT_EQ(ColorToRGB(SystemColor(0xFF)), 0) << "an unknown index is black";
  EXPECT_EQ(ColorToRGB(clNone), clNone);
}

}  // namespace
