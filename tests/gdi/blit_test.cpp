#include <gtest/gtest.h>

#include "dc_internal.h"
#include "memory_dc.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(128, 128, 128);

TEST(BlitMono, MonoSourceTakesDestinationTextAndBackgroundColours) {
  MemoryDC mono(2, 1, kWhite, true);
  SetPixel(mono.dc(), 0, 0, kBlack);
  MemoryDC dst(2, 1, kGrey);
  SetTextColor(dst.dc(), kRed);
  SetBkColor(dst.dc(), kBlue);
  ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), kRed);   // 0 -> text colour
  EXPECT_EQ(dst.At(1, 0), kBlue);  // 1 -> background colour
}

TEST(BlitMono, ColourSourceComparesWithItsBackgroundColour) {
  MemoryDC src(3, 1, kGreen);
  SetPixel(src.dc(), 1, 0, kRed);
  SetPixel(src.dc(), 2, 0, kWhite);
  SetBkColor(src.dc(), kGreen);
  MemoryDC mono(3, 1, kBlack, true);
  ASSERT_TRUE(BitBlt(mono.dc(), 0, 0, 3, 1, src.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(mono.At(0, 0), kWhite);  // equal to the background -> 1
  EXPECT_EQ(mono.At(1, 0), kBlack);
  EXPECT_EQ(mono.At(2, 0), kBlack);  // white, but not the background colour
}

// The sprite scheme: a mask made from the key colour, then AND mask and OR
// image with the key painted black.
TEST(BlitMono, MaskThenImageDrawsOnlyTheSprite) {
  MemoryDC sprite(2, 1, kRed);
  SetPixel(sprite.dc(), 1, 0, kGreen);  // green is the key
  SetBkColor(sprite.dc(), kGreen);
  MemoryDC mask(2, 1, kBlack, true);
  BitBlt(mask.dc(), 0, 0, 2, 1, sprite.dc(), 0, 0, SRCCOPY);
  // Key pixels of the image become black so OR leaves the scene: the mask's
  // 0 turns white and its 1 black through the sprite's colours.
  SetBkColor(sprite.dc(), kBlack);
  SetTextColor(sprite.dc(), kWhite);
  BitBlt(sprite.dc(), 0, 0, 2, 1, mask.dc(), 0, 0, SRCAND);
  MemoryDC scene(2, 1, kBlue);
  SetBkColor(scene.dc(), kWhite);
  SetTextColor(scene.dc(), kBlack);
  BitBlt(scene.dc(), 0, 0, 2, 1, mask.dc(), 0, 0, SRCAND);
  BitBlt(scene.dc(), 0, 0, 2, 1, sprite.dc(), 0, 0, SRCPAINT);
  EXPECT_EQ(scene.At(0, 0), kRed);
  EXPECT_EQ(scene.At(1, 0), kBlue);
}

TEST(BlitClip, NegativeDestinationAndSourcePartlyOutside) {
  MemoryDC src(4, 4, kRed);
  MemoryDC dst(6, 6, kGrey);
  // Destination starts left of and above the bitmap: only the part inside
  // is drawn.
  ASSERT_TRUE(BitBlt(dst.dc(), -2, -2, 4, 4, src.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), kRed);
  EXPECT_EQ(dst.At(1, 1), kRed);
  EXPECT_EQ(dst.At(2, 2), kGrey);
  // Source rectangle reaching left of and below its bitmap: the matching
  // destination pixels stay unchanged.
  dst.Clear(kGrey);
  ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 6, 6, src.dc(), -1, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), kGrey);  // source x -1
  EXPECT_EQ(dst.At(1, 0), kRed);
  EXPECT_EQ(dst.At(4, 2), kRed);
  EXPECT_EQ(dst.At(5, 0), kGrey);  // source x 4
  EXPECT_EQ(dst.At(1, 3), kGrey);  // source y 4
}

TEST(BlitClip, RegionClipLimitsTheDestination) {
  MemoryDC src(4, 4, kRed);
  MemoryDC dst(4, 4, kGrey);
  DeviceContext* d = ResolveDC(dst.dc());
  std::vector<RECT> clip = {TRect(0, 0, 1, 4), TRect(3, 0, 4, 4)};
  SetDcClipRects(*d, &clip);
  BitBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(dst.At(0, 2), kRed);
  EXPECT_EQ(GetPixel(dst.dc(), 1, 2), CLR_INVALID);  // clipped away for reads too
  SetDcClipRects(*d, nullptr);
  EXPECT_EQ(dst.At(1, 2), kGrey);
  EXPECT_EQ(dst.At(3, 2), kRed);
}

// A blit within one bitmap whose source and destination overlap (scrolling)
// reads every pixel before it is overwritten.
TEST(BlitOverlap, ShiftWithinOneBitmap) {
  for (DWORD rop : {SRCCOPY, SRCPAINT}) {
    MemoryDC dc(4, 4, kBlack);
    for (int x = 0; x < 4; ++x) SetPixel(dc.dc(), x, 0, RGB(x * 10, 0, 0));
    for (int y = 0; y < 4; ++y) SetPixel(dc.dc(), 0, y, RGB(0, y * 10, 0));
    ASSERT_TRUE(BitBlt(dc.dc(), 1, 1, 3, 3, dc.dc(), 0, 0, rop));
    EXPECT_EQ(dc.At(3, 1), RGB(20, 0, 0)) << rop;
    EXPECT_EQ(dc.At(1, 3), RGB(0, 20, 0)) << rop;
    ASSERT_TRUE(BitBlt(dc.dc(), 0, 0, 3, 3, dc.dc(), 1, 1, SRCCOPY));
    EXPECT_EQ(dc.At(2, 0), RGB(20, 0, 0)) << rop;
  }
}

TEST(Stretch, DoubleSizeNearestPixel) {
  MemoryDC src(2, 2, kRed);
  SetPixel(src.dc(), 1, 0, kGreen);
  SetPixel(src.dc(), 0, 1, kBlue);
  MemoryDC dst(4, 4, kGrey);
  SetStretchBltMode(dst.dc(), COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 2, 2, SRCCOPY));
  const COLORREF want[4][4] = {{kRed, kRed, kGreen, kGreen},
                               {kRed, kRed, kGreen, kGreen},
                               {kBlue, kBlue, kRed, kRed},
                               {kBlue, kBlue, kRed, kRed}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, y), want[y][x]) << x << "," << y;
}

TEST(Stretch, HalfSizeAndMirror) {
  MemoryDC src(4, 1, kBlack);
  for (int x = 0; x < 4; ++x) SetPixel(src.dc(), x, 0, RGB(x * 50, 0, 0));
  MemoryDC dst(4, 1, kGrey);
  SetStretchBltMode(dst.dc(), COLORONCOLOR);
  StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  // Each destination pixel samples the source under its centre.
  EXPECT_EQ(dst.At(0, 0), RGB(50, 0, 0));
  EXPECT_EQ(dst.At(1, 0), RGB(150, 0, 0));
  // (w - 1, -w) mirrors the row.
  StretchBlt(dst.dc(), 3, 0, -4, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), RGB(150, 0, 0));
  EXPECT_EQ(dst.At(3, 0), RGB(0, 0, 0));
}

TEST(Stretch, SourceOutsideItsBitmapLeavesDestination) {
  MemoryDC src(2, 2, kRed);
  MemoryDC dst(4, 4, kGrey);
  StretchBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 1, 1, 2, 2, SRCCOPY);
  EXPECT_EQ(dst.At(0, 0), kRed);
  EXPECT_EQ(dst.At(1, 1), kRed);
  EXPECT_EQ(dst.At(2, 0), kGrey);
  EXPECT_EQ(dst.At(0, 2), kGrey);
}

// A window DC: device (0, 0) at the origin on the surface, drawing confined
// to the visible rectangles; the surface belongs to the caller.
TEST(SurfaceDC, OriginAndVisibleAreaFromTheWindowManager) {
  Surface surface(10, 10);
  surface.Fill(ColorRefToPixel(kGrey));
  HDC dc = CreateSurfaceDC(&surface, TPoint(2, 3), {TRect(0, 0, 4, 4)});
  ASSERT_NE(dc, nullptr);
  HBRUSH red = CreateSolidBrush(kRed);
  TRect all(-5, -5, 20, 20);
  FillRect(dc, &all, red);
  EXPECT_EQ(surface.At(2, 3), ColorRefToPixel(kRed));
  EXPECT_EQ(surface.At(5, 6), ColorRefToPixel(kRed));
  EXPECT_EQ(surface.At(6, 6), ColorRefToPixel(kGrey));
  EXPECT_EQ(surface.At(1, 3), ColorRefToPixel(kGrey));
  EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
  RECT box;
  box = DcClipBoxDevice(*ResolveDC(dc));
  EXPECT_EQ(box.right, 4);
  ASSERT_TRUE(SetSurfaceDCVisible(dc, TPoint(0, 0), {}));
  surface.Fill(0);
  FillRect(dc, &all, red);
  EXPECT_EQ(surface.At(0, 0), 0u);  // nothing visible
  DeleteObject(red);
  EXPECT_TRUE(DeleteDC(dc));
}

TEST(MaskBlt, ForegroundWhereMaskIsSetBackgroundElsewhere) {
  MemoryDC src(2, 1, kRed);
  MemoryDC dst(2, 1, kBlue);
  MemoryDC mask(2, 1, kBlack, true);
  SetPixel(mask.dc(), 0, 0, kWhite);
  ASSERT_TRUE(MaskBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, mask.bitmap(), 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
  EXPECT_EQ(dst.At(0, 0), kRed);
  EXPECT_EQ(dst.At(1, 0), kBlue);
}

}  // namespace
