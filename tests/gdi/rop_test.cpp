#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "memory_dc.h"

namespace {

// Every code against its truth-table definition, through the row routine
// that the blits use (fast paths included), on pixels where each channel
// mixes all eight combinations of D, S and P.
TEST(RopRow, EveryCodeMatchesItsTruthTable) {
  const std::vector<Pixel> d = {0x00F0CC0F, 0x0000FF00, 0x00123456, 0x00FFFFFF, 0x00000000, 0x00A5A5A5};
  const std::vector<Pixel> s = {0x00CCAAF0, 0x00FF00FF, 0x00654321, 0x00000000, 0x00FFFFFF, 0x005A5A5A};
  const std::vector<Pixel> p = {0x00AAF0CC, 0x000F0F0F, 0x00ABCDEF, 0x00FFFFFF, 0x00FFFFFF, 0x00C3C3C3};
  for (int code = 0; code < 256; ++code) {
    std::vector<Pixel> row = d;
    Rop3Row(static_cast<BYTE>(code), row.data(), s.data(), p.data(), static_cast<int>(row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) {
      Pixel want = 0;
      for (int bit = 0; bit < 24; ++bit) {
        int index = (((p[i] >> bit) & 1) << 2) | (((s[i] >> bit) & 1) << 1) | ((d[i] >> bit) & 1);
        want |= static_cast<Pixel>((code >> index) & 1) << bit;
      }
      ASSERT_EQ(row[i], want) << "code " << code << " pixel " << i;
    }
  }
}

struct NamedRop {
  const char* name;
  DWORD rop;
  std::function<Pixel(Pixel, Pixel, Pixel)> expected;  // (D, S, P)
};

// The named codes through BitBlt on real DCs, with the pattern a solid brush.
TEST(RopBlit, NamedCodesCombineDestinationSourceAndPattern) {
  const Pixel D = 0x00F0CC0F, S = 0x00CCAAF0, P = 0x00AAF0CC;
  const std::vector<NamedRop> table = {
      {"SRCCOPY", SRCCOPY, [](Pixel, Pixel s, Pixel) { return s; }},
      {"SRCAND", SRCAND, [](Pixel d, Pixel s, Pixel) { return d & s; }},
      {"SRCPAINT", SRCPAINT, [](Pixel d, Pixel s, Pixel) { return d | s; }},
      {"SRCINVERT", SRCINVERT, [](Pixel d, Pixel s, Pixel) { return d ^ s; }},
      {"SRCERASE", SRCERASE, [](Pixel d, Pixel s, Pixel) { return s & ~d; }},
      {"NOTSRCCOPY", NOTSRCCOPY, [](Pixel, Pixel s, Pixel) { return ~s; }},
      {"NOTSRCERASE", NOTSRCERASE, [](Pixel d, Pixel s, Pixel) { return ~(d | s); }},
      {"MERGECOPY", MERGECOPY, [](Pixel, Pixel s, Pixel p) { return s & p; }},
      {"MERGEPAINT", MERGEPAINT, [](Pixel d, Pixel s, Pixel) { return ~s | d; }},
      {"PATCOPY", PATCOPY, [](Pixel, Pixel, Pixel p) { return p; }},
      {"PATPAINT", PATPAINT, [](Pixel d, Pixel s, Pixel p) { return p | ~s | d; }},
      {"PATINVERT", PATINVERT, [](Pixel d, Pixel, Pixel p) { return d ^ p; }},
      {"DSTINVERT", DSTINVERT, [](Pixel d, Pixel, Pixel) { return ~d; }},
      {"BLACKNESS", BLACKNESS, [](Pixel, Pixel, Pixel) { return Pixel{0}; }},
      {"WHITENESS", WHITENESS, [](Pixel, Pixel, Pixel) { return Pixel{0xFFFFFF}; }},
      {"DPa", 0x00A000C9, [](Pixel d, Pixel, Pixel p) { return d & p; }},
      {"DSPDxax", 0x00E20746, [](Pixel d, Pixel s, Pixel p) { return ((d ^ p) & s) ^ d; }},
  };
  for (const NamedRop& r : table) {
    MemoryDC dst(4, 2, PixelToColorRef(D)), src(4, 2, PixelToColorRef(S));
    HBRUSH brush = CreateSolidBrush(PixelToColorRef(P));
    HGDIOBJ old = SelectObject(dst.dc(), brush);
    ASSERT_TRUE(BitBlt(dst.dc(), 1, 0, 2, 2, src.dc(), 0, 0, r.rop)) << r.name;
    EXPECT_EQ(dst.At(1, 1), PixelToColorRef(r.expected(D, S, P) & 0xFFFFFF)) << r.name;
    EXPECT_EQ(dst.At(0, 0), PixelToColorRef(D)) << r.name << " outside the rectangle";
    EXPECT_EQ(dst.At(3, 1), PixelToColorRef(D)) << r.name << " outside the rectangle";
    SelectObject(dst.dc(), old);
    DeleteObject(brush);
  }
}

TEST(RopBinary, EveryRop2MatchesItsTruthTable) {
  const Pixel d = 0x00F0CC0F, pen = 0x00CCAAF0;
  for (int rop2 = R2_BLACK; rop2 <= R2_WHITE; ++rop2) {
    Pixel want = 0;
    for (int bit = 0; bit < 24; ++bit) {
      int index = (((pen >> bit) & 1) << 1) | ((d >> bit) & 1);
      want |= static_cast<Pixel>(((rop2 - 1) >> index) & 1) << bit;
    }
    Pixel row[3] = {d, d, d};
    Rop2Row(rop2, row, pen, 3);
    EXPECT_EQ(row[2], want) << rop2;
    EXPECT_EQ(ApplyRop2(rop2, d, pen), want) << rop2;
  }
  EXPECT_EQ(ApplyRop2(R2_XORPEN, 0x00FF00FF, 0x00FFFFFF), 0x0000FF00u);
  EXPECT_EQ(ApplyRop2(R2_COPYPEN, 1, 0x00123456), 0x00123456u);
  EXPECT_EQ(ApplyRop2(R2_NOP, 0x00123456, 0), 0x00123456u);
}

// The dithered-shadow fill: PatBlt with DPa through a checker pattern keeps
// the pixels under white pattern pixels and blackens the others.
TEST(RopBlit, PatBltDPaThroughCheckerPattern) {
  MemoryDC checker(8, 8, RGB(0, 0, 0));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 0) SetPixel(checker.dc(), x, y, RGB(255, 255, 255));
  HBRUSH brush = CreatePatternBrush(checker.bitmap());
  MemoryDC dst(4, 4, RGB(10, 20, 30));
  HGDIOBJ old = SelectObject(dst.dc(), brush);
  ASSERT_TRUE(PatBlt(dst.dc(), 0, 0, 4, 4, 0x00A000C9));
  EXPECT_EQ(dst.At(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(dst.At(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(dst.At(1, 1), RGB(10, 20, 30));
  SelectObject(dst.dc(), old);
  DeleteObject(brush);
}

}  // namespace
