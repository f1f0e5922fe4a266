#include <string>
#include <vector>

#include "colors.h"
#include "font_class.h"
#include "foundation_fixture.h"
#include "resourcestrings.h"
#include "vyrconst.h"
#include "vyrutils.h"

using namespace Vyrutils;

namespace {
std::vector<std::string> Parsed(const AnsiString& S, char Separator) {
  TStringList list;
  list.Add("left over");
  VyrParseToStrList(S, Separator, &list);
  std::vector<std::string> out;
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetStrings(i).str());
  return out;
}
}  // namespace

TEST(VyrutilsEncodings, TheDelimiterComesFromTheStringTable) {
  EXPECT_EQ(LoadStr(Vyrconst::IDS_DEFAULTDELIMITER), ",");
  EXPECT_EQ(VyrDelimiter(), ',');
}

TEST_F(FoundationTest, FontTextsBothWaysAndABadTextLeavesTheFont) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  font.SetColor(clBlack);
  font.SetStyle({fsBold});
  EXPECT_EQ(VyrFontToString(&font), "Arial,10,clBlack,1,0,0,0");

  TFont read;
  VyrStringToFont("Courier New,12,$00123456,0,1,1,0", &read);
  EXPECT_EQ(read.GetName(), "Courier New");
  EXPECT_EQ(read.GetSize(), 12);
  EXPECT_EQ(read.GetColor(), 0x00123456);
  EXPECT_EQ(read.GetStyle(), (TFontStyles{fsItalic, fsUnderline}));
  VyrStringToFont("Arial,10,clBlack,1,0,0,0", &read);
  EXPECT_EQ(VyrFontToString(&read), "Arial,10,clBlack,1,0,0,0");

  VyrStringToFont("Times,14,clRed,0,0,0", &read);  // six fields
  EXPECT_EQ(VyrFontToString(&read), "Arial,10,clBlack,1,0,0,0");
  EXPECT_THROW(VyrStringToFont("Times,14,clRed,x,0,0,0", &read), EConvertError);
  EXPECT_THROW(VyrStringToFont("Times,14,clNoSuchColour,0,0,0,0", &read), EConvertError);
  EXPECT_EQ(VyrFontToString(&read), "Arial,10,clBlack,1,0,0,0");
  VyrStringToFont("Times,big,clRed,0,0,0,0", &read);
  EXPECT_EQ(VyrFontToString(&read), "Times,10,clRed,0,0,0,0");
}

TEST(VyrutilsEncodings, PointsAndRects) {
  EXPECT_EQ(VyrPointToString(TPoint(12, -3)), "[12,-3]");
  EXPECT_EQ(VyrStringToPoint("[12,-3]"), TPoint(12, -3));
  EXPECT_EQ(VyrStringToPoint("[ 4 , 5 ]"), TPoint(4, 5));
  EXPECT_EQ(VyrStringToPoint("12"), TPoint(0, 0));
  EXPECT_EQ(VyrStringToPoint("[x,7]"), TPoint(0, 7));

  EXPECT_EQ(VyrRectToString(TRect(1, -2, 30, 40)), "1,-2,30,40");
  EXPECT_EQ(VyrStringToRect("1,-2,30,40"), TRect(1, -2, 30, 40));
  EXPECT_EQ(VyrStringToRect("1,2,3"), TRect(0, 0, 0, 0));
  EXPECT_EQ(VyrStringToRect("1,2,3,4,5"), TRect(0, 0, 0, 0));
}

TEST(VyrutilsEncodings, ParseToStrListSplitsAtEverySeparator) {
  EXPECT_EQ(Parsed("a,,b,", ','), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Parsed("", ','), std::vector<std::string>{});
  EXPECT_EQ(Parsed(",", ','), std::vector<std::string>{""});

  std::string longText;
  std::vector<std::string> pieces;
  for (int i = 0; i < 100; ++i) {
    pieces.push_back(std::to_string(i * 7));
    longText += pieces.back();
    longText += ';';
  }
  ASSERT_GT(longText.size(), 300u);
  EXPECT_EQ(Parsed(longText, ';'), pieces);
  VyrParseToStrList("a,b", ',', nullptr);
}
