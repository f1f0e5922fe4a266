#include <gtest/gtest.h>

#include "dc_internal.h"
#include "memory_dc.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

TEST(FillRect, FillsRightAndBottomExclusiveAndNothingWhenEmpty) {
  struct Case {
    RECT r;
    int filled;  // pixels expected red in the 6 x 6 bitmap
  } cases[] = {
      {TRect(1, 1, 4, 3), 6},   {TRect(2, 2, 2, 5), 0},   {TRect(4, 1, 1, 3), 0},  // empty, inverted
      {TRect(1, 4, 3, 1), 0},   {TRect(-3, -3, 1, 1), 1}, {TRect(5, 5, 99, 99), 1},
  };
  HBRUSH red = CreateSolidBrush(kRed);
  for (const Case& c : cases) {
    MemoryDC dc(6, 6, kBlack);
    FillRect(dc.dc(), &c.r, red);
    int n = 0;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) n += dc.At(x, y) == kRed;
    EXPECT_EQ(n, c.filled) << c.r.left << "," << c.r.top << "," << c.r.right << "," << c.r.bottom;
  }
  DeleteObject(red);
  // A system colour index + 1 stands for the colour's brush.
  MemoryDC dc(2, 2, kBlack);
  TRect all(0, 0, 2, 2);
  FillRect(dc.dc(), &all, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
  EXPECT_EQ(dc.At(1, 1), GetSysColor(COLOR_BTNFACE));
}

TEST(FillRect, FrameAndInvert) {
  MemoryDC dc(5, 5, kBlack);
  TRect r(0, 0, 4, 4);
  HBRUSH red = CreateSolidBrush(kRed);
  FrameRect(dc.dc(), &r, red);
  EXPECT_EQ(dc.At(0, 0), kRed);
  EXPECT_EQ(dc.At(3, 3), kRed);
  EXPECT_EQ(dc.At(3, 1), kRed);
  EXPECT_EQ(dc.At(1, 1), kBlack);
  EXPECT_EQ(dc.At(4, 4), kBlack);
  DeleteObject(red);
  TRect one(1, 1, 2, 2);
  InvertRect(dc.dc(), &one);
  EXPECT_EQ(dc.At(1, 1), kWhite);
  EXPECT_EQ(dc.At(0, 0), kRed);
}

TEST(FocusRect, DottedXorAndTwiceRestores) {
  MemoryDC dc(8, 6, RGB(10, 20, 30));
  SetPixel(dc.dc(), 3, 0, RGB(200, 100, 50));
  TRect r(0, 0, 8, 6);
  DrawFocusRect(dc.dc(), &r);
  EXPECT_EQ(dc.At(0, 0), RGB(245, 235, 225));  // inverted
  EXPECT_EQ(dc.At(1, 0), RGB(10, 20, 30));     // every other pixel
  EXPECT_EQ(dc.At(3, 0), RGB(200, 100, 50));
  EXPECT_EQ(dc.At(2, 2), RGB(10, 20, 30));     // inside untouched
  DrawFocusRect(dc.dc(), &r);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(dc.At(x, y), x == 3 && y == 0 ? RGB(200, 100, 50) : RGB(10, 20, 30)) << x << "," << y;
}

TEST(Pixels, OutsideTheBitmapReadsInvalidAndWritesNothing) {
  MemoryDC dc(3, 2, kBlack);
  EXPECT_EQ(GetPixel(dc.dc(), 3, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(dc.dc(), 0, 2), CLR_INVALID);
  EXPECT_EQ(GetPixel(dc.dc(), -1, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(dc.dc(), 3, 0, kRed), CLR_INVALID);
  EXPECT_FALSE(SetPixelV(dc.dc(), 0, -1, kRed));
  EXPECT_EQ(SetPixel(dc.dc(), 2, 1, kRed), kRed);
  EXPECT_EQ(GetPixel(dc.dc(), 2, 1), kRed);
  EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
  // A monochrome bitmap keeps the nearest of black and white.
  MemoryDC mono(2, 1, kBlack, true);
  EXPECT_EQ(SetPixel(mono.dc(), 0, 0, RGB(200, 200, 200)), kWhite);
  EXPECT_EQ(SetPixel(mono.dc(), 1, 0, RGB(100, 0, 0)), kBlack);
}

TEST(Brushes, HatchGapsFollowTheBackgroundMode) {
  HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, kRed);
  MemoryDC dc(8, 8, kBlack);
  SetBkColor(dc.dc(), kWhite);
  TRect r(0, 0, 8, 8);
  FillRect(dc.dc(), &r, hatch);
  EXPECT_EQ(dc.At(3, 7), kRed);    // the hatch line
  EXPECT_EQ(dc.At(3, 2), kWhite);  // opaque gap
  dc.Clear(kBlack);
  SetBkMode(dc.dc(), TRANSPARENT);
  FillRect(dc.dc(), &r, hatch);
  EXPECT_EQ(dc.At(3, 7), kRed);
  EXPECT_EQ(dc.At(3, 2), kBlack);  // transparent gap
  DeleteObject(hatch);
}

// A pattern tiles from the brush origin, not from the shape; a mono
// pattern takes text colour for 0 and background colour for 1.
TEST(Brushes, PatternTilesFromTheBrushOrigin) {
  MemoryDC tile(2, 1, kWhite, true);
  SetPixel(tile.dc(), 0, 0, kBlack);
  HBRUSH brush = CreatePatternBrush(tile.bitmap());
  MemoryDC dc(6, 1, kBlack);
  SetTextColor(dc.dc(), kRed);
  SetBkColor(dc.dc(), RGB(0, 0, 255));
  TRect r(1, 0, 6, 1);
  FillRect(dc.dc(), &r, brush);
  EXPECT_EQ(dc.At(1, 0), RGB(0, 0, 255));  // x 1 is tile column 1
  EXPECT_EQ(dc.At(2, 0), kRed);
  SetBrushOrgEx(dc.dc(), 1, 0, nullptr);
  FillRect(dc.dc(), &r, brush);
  EXPECT_EQ(dc.At(1, 0), kRed);
  DeleteObject(brush);
}

TEST(Spans, FillSpanUsesRop2AndClip) {
  MemoryDC dc(6, 2, RGB(0, 255, 0));
  DeviceContext* d = ResolveDC(dc.dc());
  SetROP2(dc.dc(), R2_XORPEN);
  FillSpanColor(*d, 0, -3, 3, RGB(255, 255, 255));
  EXPECT_EQ(dc.At(2, 0), RGB(255, 0, 255));
  EXPECT_EQ(dc.At(3, 0), RGB(0, 255, 0));
  SetROP2(dc.dc(), R2_COPYPEN);
  std::vector<RECT> clip = {TRect(4, 0, 6, 2)};
  SetDcClipRects(*d, &clip);
  HBRUSH red = CreateSolidBrush(kRed);
  SelectObject(dc.dc(), red);
  FillSpan(*d, 1, 0, 6);
  PlotPixel(*d, 0, 0, kRed);
  SetDcClipRects(*d, nullptr);
  EXPECT_EQ(dc.At(3, 1), RGB(0, 255, 0));
  EXPECT_EQ(dc.At(4, 1), kRed);
  EXPECT_EQ(dc.At(0, 0), RGB(255, 0, 255));
  SelectObject(dc.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(red);
}

TEST(Spans, CoverageMaskBlendsAndClips) {
  MemoryDC dc(3, 1, kBlack);
  DeviceContext* d = ResolveDC(dc.dc());
  const BYTE mask[4] = {255, 128, 0, 255};
  BlendCoverageMask(*d, 0, 0, mask, 4, 1, 4, RGB(255, 255, 255));
  EXPECT_EQ(dc.At(0, 0), kWhite);
  EXPECT_EQ(dc.At(1, 0), RGB(128, 128, 128));
  EXPECT_EQ(dc.At(2, 0), kBlack);
}

}  // namespace
