#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fontengine.h"
#include "fontenum.h"
#include "rgn.h"
#include "shapes.h"
#include "text_fixture.h"

namespace {

using FontsAndText = TextFixture;

HFONT Font(const char* face, int height, int escapement = 0, int weight = FW_NORMAL, bool underline = false,
           bool strikeOut = false) {
  return CreateFont(height, 0, escapement, 0, weight, 0, underline, strikeOut, ANSI_CHARSET, 0, 0, 0, 0, face);
}

TEST(LogFont, RecordRoundTripsAndCutsTheFaceName) {
  LOGFONT lf;
  lf.lfHeight = -13;
  lf.lfEscapement = 450;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = 1;
  lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(lf.lfFaceName, "Comic Sans MS");
  HFONT font = CreateFontIndirect(&lf);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetObject(font, 0, nullptr), 60);
  LOGFONT back;
  EXPECT_EQ(GetObject(font, sizeof back, &back), 60);
  EXPECT_EQ(std::memcmp(&lf, &back, sizeof lf), 0);
  DeleteObject(font);

  // 40 letters: cut to 31 bytes; a cut inside "ö" takes the whole letter out.
  const std::string longName(40, 'x');
  const std::string umlautAtCut = std::string(30, 'a') + "\xC3\xB6";
  const struct {
    std::string name;
    std::size_t kept;
  } cases[] = {{longName, 31}, {umlautAtCut, 30}, {"Arial", 5}};
  for (const auto& c : cases) {
    HFONT f = CreateFont(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, c.name.c_str());
    LOGFONT got;
    GetObject(f, sizeof got, &got);
    EXPECT_EQ(std::strlen(got.lfFaceName), c.kept) << c.name;
    EXPECT_EQ(std::string(got.lfFaceName), c.name.substr(0, c.kept));
    DeleteObject(f);
  }
}

TEST(LogFont, StockFontsHaveTheirRecords) {
  LOGFONT lf;
  ASSERT_EQ(GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), 60);
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
  ASSERT_EQ(GetObject(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), 60);
  EXPECT_STREQ(lf.lfFaceName, "System");
  EXPECT_EQ(GetObject(GetStockObject(ANSI_VAR_FONT), 0, nullptr), 60);
}

TEST_F(FontsAndText, HeightsAreEmOrCell) {
  for (int h : {11, 13, 16, 33}) {
    UseFont(Font("Arial", -h));
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, h);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    UseFont(Font("Arial", h));
    EXPECT_EQ(tm.tmHeight, h);
    SIZE size;
    GetTextExtentPoint32(dc, "W", 1, &size);
    EXPECT_EQ(size.cy, h);
  }
}

// The TrueType test of the callers: classic bitmap faces answer False so
// that their fallbacks run; every other face answers True.
TEST_F(FontsAndText, TrueTypeTestByFaceName) {
  const struct {
    const char* face;
    bool trueType;
  } cases[] = {{"MS Sans Serif", false}, {"System", false}, {"Small Fonts", false}, {"Arial", true},
               {"Comic Sans MS", true},  {"Tahoma", true},  {"Courier New", true}};
  for (const auto& c : cases) {
    UseFont(Font(c.face, -13));
    EXPECT_EQ((tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0, c.trueType) << c.face;
    char face[LF_FACESIZE];
    EXPECT_EQ(GetTextFace(dc, sizeof face, face), static_cast<int>(std::strlen(c.face)) + 1);
    EXPECT_STREQ(face, c.face);
  }
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  GetTextMetrics(dc, &tm);
  EXPECT_EQ(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
  SelectObject(dc, fonts.back());
}

TEST_F(FontsAndText, PitchFlagMeansVariablePitch) {
  EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);  // Liberation Mono
  EXPECT_EQ(tm.tmAveCharWidth, charWidth);
  UseFont(Font("Arial", -13, 0, FW_BOLD));
  EXPECT_NE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
}

// Extents count code points, not bytes, and the character extra once after
// each of them.
TEST_F(FontsAndText, ExtentCountsCodePointsAndCharacterExtra) {
  const char* text = "Gr\xC3\xB6\xC3\x9F" "e";  // "Größe", 7 bytes
  SIZE size;
  ASSERT_TRUE(GetTextExtentPoint32(dc, text, 7, &size));
  EXPECT_EQ(size.cx, 5 * charWidth);
  EXPECT_EQ(size.cy, lineHeight);
  SetTextCharacterExtra(dc, 3);
  GetTextExtentPoint32(dc, text, 7, &size);
  EXPECT_EQ(size.cx, 5 * (charWidth + 3));
  GetTextExtentPoint(dc, "", 0, &size);
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, lineHeight);
  EXPECT_FALSE(GetTextExtentPoint32(dc, "abc", -1, &size));

  UseFont(Font("Arial", -16));
  SIZE narrow, wide;
  GetTextExtentPoint32(dc, "iiii", 4, &narrow);
  GetTextExtentPoint32(dc, "WWWW", 4, &wide);
  EXPECT_LT(narrow.cx, wide.cx);
}

TEST_F(FontsAndText, UmlautsDrawAsSingleGlyphs) {
  ASSERT_TRUE(TextOut(dc, 50, 50, "\xC3\xB6\xC3\xB6", 4));  // "öö"
  const InkBox ink = Ink();
  ASSERT_FALSE(ink.empty);
  EXPECT_GE(ink.left, 50);
  EXPECT_LE(ink.right, 50 + 2 * charWidth);
  // Each cell holds one glyph: two separate groups of columns.
  EXPECT_GT(InkInRow(50 + tm.tmAscent - 2, 50, 50 + charWidth), 0);
  EXPECT_GT(InkInRow(50 + tm.tmAscent - 2, 50 + charWidth, 50 + 2 * charWidth), 0);
  Clear();
  // Broken bytes still draw (a replacement glyph each) and never overrun.
  EXPECT_TRUE(TextOut(dc, 50, 50, "\xC3", 1));
}

struct AlignCase {
  UINT align;
  int left, right;  // ink limits relative to x, in widths of the text
  const char* name;
};

TEST_F(FontsAndText, AlignmentPlacesTheReferencePoint) {
  const int x = 200, y = 100;
  const char* text = "HHHH";
  const int w = 4 * charWidth;
  for (UINT vertical : {TA_TOP, TA_BASELINE, TA_BOTTOM}) {
    for (UINT horizontal : {TA_LEFT, TA_CENTER, TA_RIGHT}) {
      Clear();
      SetTextAlign(dc, vertical | horizontal);
      TextOut(dc, x, y, text, 4);
      const InkBox ink = Ink();
      ASSERT_FALSE(ink.empty);
      const int start = horizontal == TA_LEFT ? x : horizontal == TA_RIGHT ? x - w : x - w / 2;
      EXPECT_GE(ink.left, start) << vertical << "/" << horizontal;
      EXPECT_LE(ink.right, start + w) << vertical << "/" << horizontal;
      const int baseline = vertical == TA_TOP ? y + tm.tmAscent : vertical == TA_BASELINE ? y : y - tm.tmDescent;
      // "H" stands on the baseline.
      EXPECT_EQ(ink.bottom, baseline) << vertical << "/" << horizontal;
    }
  }
}

TEST_F(FontsAndText, UpdateCpMovesOverTheText) {
  MoveToEx(dc, 20, 30, nullptr);
  SetTextAlign(dc, TA_UPDATECP);
  TextOut(dc, 0, 0, "abc", 3);
  POINT cp;
  GetCurrentPositionEx(dc, &cp);
  EXPECT_EQ(cp.x, 20 + 3 * charWidth);
  EXPECT_EQ(cp.y, 30);
  EXPECT_GE(Ink().left, 20);
  SetTextAlign(dc, TA_UPDATECP | TA_RIGHT);
  TextOut(dc, 0, 0, "ab", 2);
  GetCurrentPositionEx(dc, &cp);
  EXPECT_EQ(cp.x, 20 + charWidth);
}

TEST_F(FontsAndText, OpaqueModeFillsTheCell) {
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, 0x0000FF);
  SetTextCharacterExtra(dc, 2);
  TextOut(dc, 30, 40, "  ", 2);
  const InkBox ink = Ink();
  EXPECT_EQ(ink.left, 30);
  EXPECT_EQ(ink.top, 40);
  EXPECT_EQ(ink.right, 30 + 2 * (charWidth + 2));
  EXPECT_EQ(ink.bottom, 40 + lineHeight);
  EXPECT_EQ(Pixel(31, 41), 0x0000FFu);
}

TEST_F(FontsAndText, ExtTextOutOpaqueRectClipAndDx) {
  const TRect rect(10, 10, 60, 40);
  ExtTextOut(dc, 10, 10, ETO_OPAQUE, &rect, "", 0, nullptr);
  EXPECT_EQ(Pixel(10, 10), 0xFFFFFFu);  // bk colour is white by default
  SetBkColor(dc, 0x00FF00);
  ExtTextOut(dc, 10, 10, ETO_OPAQUE, &rect, "", 0, nullptr);
  EXPECT_EQ(Pixel(10, 10), 0x00FF00u);
  EXPECT_EQ(Pixel(59, 39), 0x00FF00u);
  EXPECT_EQ(Pixel(60, 40), 0xFFFFFFu);

  Clear();
  const TRect clip(100, 100, 100 + charWidth, 100 + lineHeight);
  ExtTextOut(dc, 100, 100, ETO_CLIPPED, &clip, "WWWW", 4, nullptr);
  InkBox ink = Ink();
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.right, 100 + charWidth);

  // dx spaces the code points as given, one entry each.
  Clear();
  const INT dx[] = {3 * charWidth, 3 * charWidth};
  ExtTextOut(dc, 100, 100, 0, nullptr, "\xC3\x9F\xC3\x9F", 4, dx);  // "ßß"
  ink = Ink();
  EXPECT_GE(ink.right, 100 + 3 * charWidth);
  EXPECT_EQ(InkInRow(100 + tm.tmAscent - 2, 100 + charWidth + 1, 100 + 3 * charWidth), 0);
}

TEST_F(FontsAndText, UnderlineAndStrikeOutAreLines) {
  UseFont(Font("Liberation Mono", -16, 0, FW_NORMAL, true, false));
  TextOut(dc, 20, 20, "    ", 4);  // only the line has ink
  InkBox ink = Ink();
  ASSERT_FALSE(ink.empty);
  EXPECT_EQ(ink.left, 20);
  EXPECT_EQ(ink.right, 20 + 4 * charWidth);
  EXPECT_GE(ink.top, 20 + tm.tmAscent);
  EXPECT_LE(ink.bottom, 20 + tm.tmHeight);

  Clear();
  UseFont(Font("Liberation Mono", -16, 0, FW_NORMAL, false, true));
  TextOut(dc, 20, 20, "    ", 4);
  ink = Ink();
  ASSERT_FALSE(ink.empty);
  EXPECT_EQ(ink.right - ink.left, 4 * charWidth);
  EXPECT_LT(ink.bottom, 20 + tm.tmAscent);
  EXPECT_GT(ink.top, 20 + tm.tmInternalLeading);
}

// Whole strings turn counterclockwise about the reference point: the ink of
// a left/top aligned string lies in the quadrant the angle points to.
TEST_F(FontsAndText, EscapementTurnsTheString) {
  const struct {
    int escapement;
    bool right, below;  // which side of the reference point the ink lies on
    bool tall;          // a vertical string
  } cases[] = {{0, true, true, false}, {900, true, false, true}, {1800, false, false, false},
               {2700, false, true, true}};
  const int x = 200, y = 150;
  for (const auto& c : cases) {
    Clear();
    UseFont(Font("Arial", -16, c.escapement));
    TextOut(dc, x, y, "HHHHHH", 6);
    const InkBox ink = Ink();
    ASSERT_FALSE(ink.empty) << c.escapement;
    if (c.right) {
      EXPECT_GE(ink.left, x - 1) << c.escapement;
    } else {
      EXPECT_LE(ink.right, x + 1) << c.escapement;
    }
    if (c.below) {
      EXPECT_GE(ink.top, y - 1) << c.escapement;
    } else {
      EXPECT_LE(ink.bottom, y + 1) << c.escapement;
    }
    const int w = ink.right - ink.left, h = ink.bottom - ink.top;
    EXPECT_EQ(h > w, c.tall) << c.escapement;
  }
}

TEST_F(FontsAndText, BoldAndItalicAreDrawnEvenWithoutTheirFaces) {
  // Comic Neue has a bold face; DejaVu Sans Mono an oblique. "Comic Sans MS"
  // italic is real; "MS Sans Serif" bold too. Whatever the files, the ink of
  // a bold string is heavier than the regular one.
  auto inkCount = [&](HFONT f) {
    Clear();
    UseFont(f);
    TextOut(dc, 10, 10, "lllll", 5);
    int n = 0;
    for (int y = 0; y < 60; ++y) n += InkInRow(y, 0, kWidth);
    return n;
  };
  const int regular = inkCount(Font("Tahoma", -16));
  const int bold = inkCount(Font("Tahoma", -16, 0, FW_BOLD));
  EXPECT_GT(bold, regular);
}

TEST_F(FontsAndText, ClipRegionOfTheDcHoldsText) {
  SelectClipRgn(dc, nullptr);
  IntersectClipRect(dc, 0, 0, 50, kHeight);
  TextOut(dc, 40, 40, "WWWWWW", 6);
  const InkBox ink = Ink();
  ASSERT_FALSE(ink.empty);
  EXPECT_LE(ink.right, 50);
}

struct Enumerated {
  std::string face;
  DWORD type;
  LONG weight;
  bool trueTypeMetrics;
};

struct EnumLog {
  std::vector<Enumerated> seen;
  std::size_t stopAfter = 0;  // 0: never stop
};

int Collect(const LOGFONT* lf, const TEXTMETRIC* tm, DWORD type, LPARAM data) {
  auto& log = *reinterpret_cast<EnumLog*>(data);
  log.seen.push_back({lf->lfFaceName, type, lf->lfWeight, (tm->tmPitchAndFamily & TMPF_TRUETYPE) != 0});
  return log.stopAfter != 0 && log.seen.size() >= log.stopAfter ? 0 : 1;
}

const Enumerated* Find(const EnumLog& log, const std::string& face) {
  for (const Enumerated& e : log.seen)
    if (e.face == face) return &e;
  return nullptr;
}

TEST(FontEnumeration, FamiliesOnceEachWithTheirType) {
  EnumLog log;
  EXPECT_EQ(EnumFontFamilies(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&log)), 1);
  const struct {
    const char* face;
    DWORD type;
  } expected[] = {{"DejaVu Sans", TRUETYPE_FONTTYPE},
                  {"Liberation Mono", TRUETYPE_FONTTYPE},
                  {"Arial", TRUETYPE_FONTTYPE},
                  {"MS Sans Serif", RASTER_FONTTYPE}};
  for (const auto& e : expected) {
    const Enumerated* found = Find(log, e.face);
    ASSERT_NE(found, nullptr) << e.face;
    EXPECT_EQ(found->type, e.type) << e.face;
    EXPECT_EQ(found->trueTypeMetrics, e.type == TRUETYPE_FONTTYPE) << e.face;
    EXPECT_EQ(found->weight, FW_NORMAL) << e.face;  // the family's regular stands for it
  }
  for (std::size_t i = 1; i < log.seen.size(); ++i) EXPECT_NE(log.seen[i - 1].face, log.seen[i].face);

  EnumLog ex;
  LOGFONT any;
  any.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesEx(nullptr, &any, Collect, reinterpret_cast<LPARAM>(&ex), 0);
  EXPECT_EQ(ex.seen.size(), log.seen.size());
}

TEST(FontEnumeration, StylesOfOneFamilyAndStopping) {
  for (const char* family : {"DejaVu Sans", "Arial"}) {
    EnumLog log;
    EnumFonts(nullptr, family, Collect, reinterpret_cast<LPARAM>(&log));
    ASSERT_GE(log.seen.size(), 2u) << family;
    bool bold = false;
    for (const Enumerated& e : log.seen) {
      EXPECT_EQ(e.face, family);
      bold |= e.weight >= FW_BOLD;
    }
    EXPECT_TRUE(bold) << family;
  }
  EnumLog none;
  EXPECT_EQ(EnumFontFamilies(nullptr, "No Such Family", Collect, reinterpret_cast<LPARAM>(&none)), 1);
  EXPECT_TRUE(none.seen.empty());

  EnumLog stopping;
  stopping.stopAfter = 1;
  EXPECT_EQ(EnumFontFamilies(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&stopping)), 0);
  EXPECT_EQ(stopping.seen.size(), 1u);
}

TEST(FontResources, AddingAFontFile) {
  EXPECT_EQ(AddFontResource("/no/such/font.ttf"), 0);
  EXPECT_EQ(AddFontResource(nullptr), 0);
  const FaceMatch installed = ResolveFace("DejaVu Sans", FW_NORMAL, false);
  EXPECT_EQ(AddFontResource(installed.file.c_str()), 1);
  EXPECT_TRUE(RemoveFontResource(installed.file.c_str()));
}

}  // namespace
