#include "ansistring.h"

#include <gtest/gtest.h>

#include "exceptions.h"

TEST(AnsiString, PositionsAreOneBasedBytes) {
  const AnsiString s("Größe");  // G r ö(2) ß(2) e
  EXPECT_EQ(s.Length(), 7);
  EXPECT_EQ(s.CodePointCount(), 5);
  EXPECT_EQ(s.Pos("ß"), 5);
  EXPECT_EQ(s.Pos("x"), 0);
  EXPECT_EQ(s.SubString(1, 2), "Gr");
  EXPECT_EQ(s[1], 'G');
}

TEST(AnsiString, CutsNeverSplitALetter) {
  const AnsiString s("Größe");
  // Byte 3 is the first half of "ö": the cut takes the whole letter.
  EXPECT_EQ(s.SubString(3, 1), "ö");
  EXPECT_EQ(s.SubString(4, 1), "ö");
  EXPECT_EQ(s.SubString(6, 100), "ße");
  EXPECT_EQ(s.SubString(0, 3), "Grö");
  EXPECT_EQ(s.SubString(8, 1), "");
  AnsiString d = s;
  d.Delete(4, 1);
  EXPECT_EQ(d, "Grße");
  AnsiString i = s;
  i.Insert("-", 4);
  EXPECT_EQ(i, "Grö-ße");
  AnsiString l = s;
  l.SetLength(3);  // would end inside "ö"
  EXPECT_EQ(l, "Gr");
  l = s;
  l.SetLength(4);
  EXPECT_EQ(l, "Grö");
}

TEST(AnsiString, NumbersAndTrim) {
  struct Case {
    const char* text;
    int expected;
    bool valid;
  } cases[] = {
      {"42", 42, true},   {" -7 ", -7, true},         {"+3", 3, true},
      {"$FF", 255, true}, {"$FFFFFFFF", -1, true},    {"0x10", 16, true},
      {"", 0, false},     {"12a", 0, false},          {"2147483648", 0, false},
      {"-2147483648", static_cast<int>(-2147483648LL), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(AnsiString(c.text).ToIntDef(99), c.valid ? c.expected : 99);
    if (!c.valid) { EXPECT_THROW(AnsiString(c.text).ToInt(), EConvertError); }
  }
  EXPECT_EQ(AnsiString("\t a b \r\n").Trim(), "a b");
  EXPECT_EQ(AnsiString(-12), "-12");
  EXPECT_EQ(AnsiString::StringOfChar('*', 3), "***");
  EXPECT_EQ(AnsiString::StringOfChar('*', -1), "");
}

TEST(AnsiString, OutsideTextFallsBackToWindows1252) {
  EXPECT_EQ(TextFromOutsideBytes("Gr\xc3\xb6\xc3\x9f" "e"), "Größe");
  EXPECT_EQ(TextFromOutsideBytes("Gr\xf6\xdf" "e \x80"), "Größe €");
  EXPECT_FALSE(IsValidUtf8("\xc3"));
  EXPECT_FALSE(IsValidUtf8("\xc0\x80"));
  EXPECT_TRUE(IsValidUtf8("ä€😀"));
}
