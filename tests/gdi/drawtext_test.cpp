#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text_fixture.h"

namespace {

// Layout in a monospaced font, in units of its advance (c) and line height.
class DrawTextLayout : public TextFixture {
 protected:
  // DT_CALCRECT from (10, 10) in a box `columns` advances wide: the
  // measured width in advances and the height in lines.
  struct Measured {
    int columns;
    int lines;
    int result;
  };
  Measured Calc(const char* text, int columns, UINT format) {
    TRect r(10, 10, 10 + columns * charWidth, 10 + 5 * lineHeight);
    const int result = DrawText(dc, text, -1, &r, format | DT_CALCRECT);
    EXPECT_EQ((r.right - 10) % charWidth, 0) << text;
    EXPECT_EQ((r.bottom - 10) % lineHeight, 0) << text;
    EXPECT_EQ(result, r.bottom - 10) << text;
    return {(r.right - 10) / charWidth, (r.bottom - 10) / lineHeight, result};
  }
};

TEST_F(DrawTextLayout, CalcRectMeasuresLinesAndDrawsNothing) {
  const struct {
    const char* text;
    int boxColumns;
    UINT format;
    int columns, lines;
  } cases[] = {
      {"abcde", 20, DT_SINGLELINE, 5, 1},
      {"abcde", 2, DT_SINGLELINE, 5, 1},
      {"ab\r\ncdef\nx\ry", 20, 0, 4, 4},
      {"ab\r\ncdef", 20, DT_SINGLELINE, 6, 1},  // breaks are no letters then
      {"ab\n", 20, 0, 2, 1},                    // a final break adds no line
      {"aaa bbb ccc", 7, DT_WORDBREAK, 7, 2},
      {"aaa bbb ccc", 6, DT_WORDBREAK, 3, 3},
      {"aaa   bbb", 4, DT_WORDBREAK, 3, 2},  // the spaces at a break vanish
      {"aaaaaaaaaa bb", 5, DT_WORDBREAK, 10, 2},                // a long word stays whole
      {"aaaaaaaaaa", 4, DT_WORDBREAK | DT_EDITCONTROL, 4, 3},  // unless in an edit control
      {"aaa bbb\nc", 4, DT_WORDBREAK, 3, 3},
      {"&File", 20, DT_SINGLELINE, 4, 1},
      {"&File", 20, DT_SINGLELINE | DT_NOPREFIX, 5, 1},
      {"a&&b", 20, DT_SINGLELINE, 3, 1},
      {"Gr\xC3\xB6\xC3\x9F" "e", 20, DT_SINGLELINE, 5, 1},
  };
  for (const auto& c : cases) {
    const Measured m = Calc(c.text, c.boxColumns, c.format);
    EXPECT_EQ(m.columns, c.columns) << testing::PrintToString(c.text);
    EXPECT_EQ(m.lines, c.lines) << testing::PrintToString(c.text);
  }
  EXPECT_TRUE(Ink().empty);
  TRect r(10, 10, 50, 50);
  EXPECT_EQ(DrawText(dc, "", -1, &r, DT_CALCRECT), 0);
  EXPECT_EQ(r.right, 10);
  EXPECT_EQ(r.bottom, 10);
}

TEST_F(DrawTextLayout, TabsExpandToStops) {
  const int tab = tm.tmAveCharWidth * 8;
  ASSERT_EQ(tab % charWidth, 0);
  EXPECT_EQ(Calc("a\tb", 40, DT_SINGLELINE | DT_EXPANDTABS).columns, tab / charWidth + 1);
  EXPECT_EQ(Calc("a\tb", 40, DT_SINGLELINE).columns, 2);  // unexpanded tabs take no room
  // DT_TABSTOP carries the tab size in bits 8-15, where DT_CALCRECT would
  // be: look where the letter after the tab is drawn.
  const struct {
    const char* text;
    int column;  // of the letter after the tab
  } cases[] = {{"a\tH", 4}, {"abcd\tH", 8}, {"abcde\tH", 8}};
  for (const auto& c : cases) {
    Clear();
    TRect r(10, 10, 10 + 40 * charWidth, 10 + lineHeight);
    DrawText(dc, c.text, -1, &r, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
    const int from = 10 + c.column * charWidth;
    EXPECT_FALSE(Ink(TRect(from, 10, from + charWidth, 10 + lineHeight)).empty) << c.text;
    EXPECT_TRUE(Ink(TRect(from + charWidth, 10, kWidth, 10 + lineHeight)).empty) << c.text;
  }
}

TEST_F(DrawTextLayout, EllipsesShortenToTheBox) {
  const struct {
    const char* text;
    int boxColumns;
    UINT format;
    const char* drawn;
    int columns;
  } cases[] = {
      {"abcdefghij", 6, DT_END_ELLIPSIS, "abc...", 6},
      {"abcdefghij", 10, DT_END_ELLIPSIS, "abcdefghij", 10},
      {"abcdefghij", 2, DT_END_ELLIPSIS, "...", 3},
      {"abcdefghij", 6, DT_WORD_ELLIPSIS, "abc...", 6},
      {"C:\\dir\\sub\\file.txt", 14, DT_PATH_ELLIPSIS, "C:...\\file.txt", 14},
      {"C:\\dir\\sub\\file.txt", 10, DT_PATH_ELLIPSIS, "...ile.txt", 10},
      {"/usr/share/fonts", 12, DT_PATH_ELLIPSIS, "/us.../fonts", 12},
      {"&abcdefghij", 6, DT_END_ELLIPSIS, "&abc...", 6},  // the prefix mark stays in the text
      {"\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC", 5, DT_END_ELLIPSIS, "\xC3\xA4\xC3\xB6...", 5},
  };
  for (const auto& c : cases) {
    char buffer[64] = {};
    std::strcpy(buffer, c.text);
    TRect r(10, 10, 10 + c.boxColumns * charWidth, 10 + lineHeight);
    DrawText(dc, buffer, -1, &r, c.format | DT_SINGLELINE | DT_CALCRECT | DT_MODIFYSTRING);
    EXPECT_EQ(r.right - 10, c.columns * charWidth) << c.text;
    EXPECT_STREQ(buffer, c.drawn);
  }
  // Without DT_MODIFYSTRING, or with a read-only text, the text is left alone.
  char buffer[32] = "abcdefghij";
  TRect r(0, 0, 6 * charWidth, lineHeight);
  DrawText(dc, buffer, -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_STREQ(buffer, "abcdefghij");
}

TEST_F(DrawTextLayout, AlignmentWithinTheBox) {
  const int left = 20, top = 20, right = left + 10 * charWidth, bottom = top + 3 * lineHeight;
  const struct {
    UINT format;
    int inkFrom;  // first column the ink may use (in advances from the left)
    int lineTop;  // of the line, in pixels from the top
  } cases[] = {
      {DT_LEFT | DT_SINGLELINE, 0, 0},
      {DT_CENTER | DT_SINGLELINE, 4, 0},
      {DT_RIGHT | DT_SINGLELINE, 8, 0},
      {DT_SINGLELINE | DT_VCENTER, 0, (3 * lineHeight - lineHeight) / 2},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 8, 2 * lineHeight},
      {DT_VCENTER, 0, 0},  // vertical placement needs a single line
  };
  for (const auto& c : cases) {
    Clear();
    TRect r(left, top, right, bottom);
    const int result = DrawText(dc, "HH", 2, &r, c.format);
    const bool placed = (c.format & DT_SINGLELINE) && (c.format & (DT_VCENTER | DT_BOTTOM));
    EXPECT_EQ(result, placed ? c.lineTop + lineHeight : lineHeight) << c.format;
    const InkBox ink = Ink();
    ASSERT_FALSE(ink.empty);
    const int from = left + c.inkFrom * charWidth;
    EXPECT_GE(ink.left, from) << c.format;
    EXPECT_LE(ink.right, from + 2 * charWidth) << c.format;
    EXPECT_EQ(ink.bottom, top + c.lineTop + tm.tmAscent) << c.format;  // "H" sits on the baseline
  }
}

TEST_F(DrawTextLayout, PrefixUnderlinesTheNextLetter) {
  const int underlineRow = [&] {
    // Where this font's underline lies, from an underlined font of the
    // same face and size.
    LOGFONT lf;
    GetObject(fonts.back(), sizeof lf, &lf);
    lf.lfUnderline = 1;
    HFONT underlined = CreateFontIndirect(&lf);
    HGDIOBJ previous = SelectObject(dc, underlined);
    TextOut(dc, 0, 0, " ", 1);
    const int row = Ink().top;
    SelectObject(dc, previous);
    DeleteObject(underlined);
    Clear();
    return row;
  }();
  const int x = 30, y = 40;
  const int row = y + underlineRow;
  const struct {
    UINT format;
    const char* text;
    int markedCell;  // -1: no underline
    bool glyphs;
  } cases[] = {
      {0, "a&xa", 1, true},
      {DT_NOPREFIX, "a&xa", -1, true},
      {0, "a&&a", -1, true},
      {DT_HIDEPREFIX, "a&xa", -1, true},
      {DT_PREFIXONLY, "a&xa", 1, false},
  };
  for (const auto& c : cases) {
    Clear();
    TRect r(x, y, x + 10 * charWidth, y + lineHeight);
    DrawText(dc, c.text, -1, &r, c.format | DT_SINGLELINE);
    for (int cell = 0; cell < 4; ++cell) {
      const int inked = InkInRow(row, x + cell * charWidth, x + (cell + 1) * charWidth);
      if (cell == c.markedCell) {
        EXPECT_EQ(inked, charWidth) << c.text << " " << c.format;
      } else {
        EXPECT_EQ(inked, 0) << c.text << " " << c.format << " cell " << cell;
      }
    }
    const InkBox aboveLine = Ink(TRect(x, y, x + 10 * charWidth, row));
    EXPECT_EQ(!aboveLine.empty, c.glyphs) << c.text << " " << c.format;
  }
}

TEST_F(DrawTextLayout, ClipsToTheBoxUnlessNoClip) {
  TRect r(20, 20, 20 + 2 * charWidth, 20 + lineHeight);
  DrawText(dc, "WWWWWW", -1, &r, DT_SINGLELINE);
  EXPECT_LE(Ink().right, 20 + 2 * charWidth);
  Clear();
  DrawText(dc, "WWWWWW", -1, &r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(Ink().right, 20 + 4 * charWidth);
}

TEST_F(DrawTextLayout, EditControlHidesAPartlyVisibleLastLine) {
  const int top = 20;
  TRect r(20, top, 20 + 10 * charWidth, top + lineHeight + lineHeight / 2);
  DrawText(dc, "H\nH", -1, &r, DT_WORDBREAK);
  EXPECT_FALSE(Ink(TRect(0, top + lineHeight, kWidth, kHeight)).empty);
  Clear();
  DrawText(dc, "H\nH", -1, &r, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_TRUE(Ink(TRect(0, top + lineHeight, kWidth, kHeight)).empty);
  EXPECT_FALSE(Ink().empty);
}

TEST_F(DrawTextLayout, OpaqueLinesFillTheirCells) {
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, 0xFF0000);
  TRect r(20, 20, 20 + 10 * charWidth, 20 + 4 * lineHeight);
  DrawText(dc, "ab\ncde", -1, &r, 0);
  EXPECT_EQ(Pixel(20, 20), 0xFF0000u);
  EXPECT_EQ(Pixel(20 + 2 * charWidth, 20), 0xFFFFFFu);
  EXPECT_EQ(Pixel(20 + 3 * charWidth - 1, 20 + lineHeight), 0xFF0000u);
  EXPECT_EQ(Pixel(20, 20 + 2 * lineHeight), 0xFFFFFFu);
}

TEST_F(DrawTextLayout, DrawTextExMarginsAndTabLength) {
  char text[] = "a\tb";
  DRAWTEXTPARAMS params;
  params.iTabLength = 2;
  params.iLeftMargin = 5;
  params.iRightMargin = 7;
  TRect r(10, 10, 200, 100);
  const int height = DrawTextEx(dc, text, -1, &r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE, &params);
  EXPECT_EQ(height, lineHeight);
  EXPECT_EQ(r.right, 10 + 5 + 2 * tm.tmAveCharWidth + charWidth + 7);
  EXPECT_EQ(params.uiLengthDrawn, 3u);
}

TEST_F(DrawTextLayout, BadArgumentsFail) {
  TRect r(0, 0, 10, 10);
  EXPECT_EQ(DrawText(dc, "abc", -2, &r, 0), 0);
  EXPECT_EQ(DrawText(dc, "abc", 3, nullptr, 0), 0);
  EXPECT_EQ(DrawText(nullptr, "abc", 3, &r, 0), 0);
  EXPECT_EQ(DrawText(dc, static_cast<const char*>(nullptr), 3, &r, 0), 0);
}

}  // namespace
