#include "utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8, EncodesEachLengthAtItsLimitsAndReplacesWhatCannotBeEncoded) {
  struct Case {
    char32_t cp;
    std::string bytes;
  };
  const Case cases[] = {
      {0x00, std::string(1, '\0')}, {0x7F, "\x7F"},
      {0x80, "\xC2\x80"},           {0x7FF, "\xDF\xBF"},
      {0x800, "\xE0\xA0\x80"},      {0xFFFF, "\xEF\xBF\xBF"},
      {0x10000, "\xF0\x90\x80\x80"}, {kMaxCodePoint, "\xF4\x8F\xBF\xBF"},
      {0xD800, "\xEF\xBF\xBD"},     {0xDFFF, "\xEF\xBF\xBD"},
      {0x110000, "\xEF\xBF\xBD"},   {0xFFFFFFFF, "\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8Encode(c.cp), c.bytes) << std::hex << static_cast<unsigned>(c.cp);
    if (!IsEncodableCodePoint(c.cp)) continue;
    std::size_t pos = 0;
    EXPECT_EQ(NextCodePoint(c.bytes, pos), c.cp);
    EXPECT_EQ(pos, c.bytes.size());
    EXPECT_TRUE(IsValidUtf8(c.bytes));
  }
}

TEST(Utf8, DecodesTextAndReplacesEachBadByteAndGoesOn) {
  const std::string text = "Gr\xC3\xB6\xC3\x9F" "e";
  auto cps = DecodeCodePoints(text);
  ASSERT_EQ(cps.size(), 5u);
  EXPECT_EQ(cps[2].cp, U'ö');
  EXPECT_EQ(cps[3].cp, U'ß');
  EXPECT_EQ(cps[3].byteOffset, 4u);

  struct Bad {
    std::string bytes;
    std::size_t count;  // code points decoded, the last a replacement
  };
  const Bad bad[] = {
      {"\x80", 1},              // a stray continuation byte
      {"a\xC3", 2},             // a cut-off tail
      {"\xC0\xAF", 2},          // overlong
      {"\xE0\x80\xAF", 3},      // overlong, three bytes
      {"\xED\xA0\x80", 3},      // a surrogate half
      {"\xF4\x90\x80\x80", 4},  // beyond the last code point
      {"\xE2\x82", 2},          // cut off
      {"\xFF", 1},              // no lead byte at all
  };
  for (const Bad& b : bad) {
    auto out = DecodeCodePoints(b.bytes);
    EXPECT_EQ(out.size(), b.count) << testing::PrintToString(b.bytes);
    EXPECT_EQ(out.back().cp, kReplacementChar) << testing::PrintToString(b.bytes);
    EXPECT_FALSE(IsValidUtf8(b.bytes)) << testing::PrintToString(b.bytes);
  }
  EXPECT_TRUE(IsValidUtf8("ä€😀"));
}

TEST(Utf8, BoundariesNeverSplitALetterAndStrayRunsCountByteByByte) {
  const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80" "b";  // a ä € 😀 b
  EXPECT_TRUE(IsUtf8Continuation(text[2]));
  EXPECT_FALSE(IsUtf8Continuation(text[1]));
  const std::size_t starts[] = {0, 1, 3, 6, 10, 11};
  std::size_t at = 0;
  for (std::size_t i = 1; i < std::size(starts); ++i) {
    at = Utf8NextBoundary(text, at);
    EXPECT_EQ(at, starts[i]);
    EXPECT_EQ(Utf8PreviousBoundary(text, at), starts[i - 1]);
  }
  EXPECT_EQ(Utf8NextBoundary(text, text.size()), text.size());
  EXPECT_EQ(Utf8PreviousBoundary(text, 0), 0u);
  EXPECT_EQ(Utf8StartOfCodePoint(text, 8), 6u);
  EXPECT_EQ(Utf8EndOfCodePoint(text, 8), 10u);
  EXPECT_EQ(Utf8StartOfCodePoint(text, 99), text.size());
  EXPECT_EQ(Utf8Length(text), 5u);

  // Six continuation bytes belong to no letter: no walk past four bytes.
  const std::string stray = "x\x80\x80\x80\x80\x80\x80";
  EXPECT_EQ(Utf8StartOfCodePoint(stray, 3), 0u);
  EXPECT_EQ(Utf8StartOfCodePoint(stray, 5), 5u);
  EXPECT_EQ(Utf8NextBoundary(stray, 0), 4u);
  EXPECT_EQ(Utf8PreviousBoundary(stray, 5), 4u);
  EXPECT_EQ(Utf8Length(stray), 4u);
}

}  // namespace
