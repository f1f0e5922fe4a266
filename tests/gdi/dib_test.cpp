#include <gtest/gtest.h>

#include <vector>

#include "memory_dc.h"

namespace {

struct DibInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

// A 5 x 3 picture of table colours (black, white, red, navy, olive, grey)
// survives GetDIBits then SetDIBits at every depth: 1 bit keeps only the
// black and white ones.
TEST(DibBits, RoundTripAtEveryDepth) {
  const COLORREF palette[] = {RGB(0, 0, 0),   RGB(255, 255, 255), RGB(255, 0, 0),
                              RGB(0, 0, 128), RGB(128, 128, 0),   RGB(128, 128, 128)};
  for (int depth : {1, 4, 8, 24, 32}) {
    MemoryDC src(5, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        SetPixel(src.dc(), x, y, depth == 1 ? palette[(x + y) % 2] : palette[(x + 2 * y) % 6]);
    DibInfo info{};
    info.header.biWidth = 5;
    info.header.biHeight = 3;
    info.header.biBitCount = static_cast<WORD>(depth);
    ASSERT_EQ(GetDIBits(src.dc(), src.bitmap(), 0, 3, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS),
              3);
    EXPECT_EQ(info.header.biSizeImage, static_cast<DWORD>(DibRowBytes(5, depth) * 3)) << depth;
    std::vector<BYTE> bits(info.header.biSizeImage);
    ASSERT_EQ(GetDIBits(src.dc(), src.bitmap(), 0, 3, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                        DIB_RGB_COLORS),
              3)
        << depth;
    MemoryDC dst(5, 3, RGB(1, 2, 3));
    ASSERT_EQ(SetDIBits(dst.dc(), dst.bitmap(), 0, 3, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                        DIB_RGB_COLORS),
              3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) ASSERT_EQ(dst.At(x, y), src.At(x, y)) << depth << " at " << x << "," << y;
  }
}

TEST(DibBits, BottomUpRowsAndNearestTableColour) {
  MemoryDC src(1, 2, RGB(0, 0, 0));
  SetPixel(src.dc(), 0, 1, RGB(250, 10, 5));  // bottom row: near red
  DibInfo info{};
  info.header.biWidth = 1;
  info.header.biHeight = 2;
  info.header.biBitCount = 4;
  std::vector<BYTE> bits(8);
  GetDIBits(src.dc(), src.bitmap(), 0, 2, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  const RGBQUAD& first = info.colors[bits[0] >> 4];  // first row in memory is the bottom one
  EXPECT_EQ(first.rgbRed, 255);
  EXPECT_EQ(first.rgbGreen, 0);
  EXPECT_EQ(bits[4] >> 4, 0);  // black
  // Top-down when the height is negative.
  info.header.biHeight = -2;
  GetDIBits(src.dc(), src.bitmap(), 0, 2, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  EXPECT_EQ(bits[0] >> 4, 0);
}

TEST(DibBits, FormatQueryAndBadHeaders) {
  MemoryDC mono(7, 2, RGB(255, 255, 255), true);
  DibInfo info{};
  ASSERT_NE(GetDIBits(mono.dc(), mono.bitmap(), 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS),
            0);
  EXPECT_EQ(info.header.biBitCount, 1);
  EXPECT_EQ(info.header.biWidth, 7);
  DibInfo bad{};
  bad.header.biWidth = 4;
  bad.header.biHeight = 4;
  bad.header.biBitCount = 7;
  BYTE bits[64] = {};
  EXPECT_EQ(SetDIBits(mono.dc(), mono.bitmap(), 0, 4, bits, reinterpret_cast<BITMAPINFO*>(&bad), DIB_RGB_COLORS), 0);
  bad.header.biBitCount = 8;
  bad.header.biClrUsed = 300;
  EXPECT_EQ(SetDIBits(mono.dc(), mono.bitmap(), 0, 4, bits, reinterpret_cast<BITMAPINFO*>(&bad), DIB_RGB_COLORS), 0);
  bad.header.biClrUsed = 0;
  bad.header.biWidth = 1 << 20;
  bad.header.biHeight = 1 << 20;
  EXPECT_EQ(CreateDIBitmap(mono.dc(), &bad.header, 0, nullptr, nullptr, DIB_RGB_COLORS), nullptr);
}

TEST(DibSection, BitsAreTheSurface) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = 2;  // bottom-up
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  ASSERT_NE(bits, nullptr);
  static_cast<DWORD*>(bits)[0] = 0x00FF0000;  // first in memory: bottom-left, red
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
  SetPixel(dc, 1, 0, RGB(0, 0, 255));
  EXPECT_EQ(static_cast<DWORD*>(bits)[3], 0x000000FFu);  // top-right: last in memory
  BITMAP bm;
  GetObject(dib, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBits, bits);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
}

TEST(DibDraw, StretchDIBitsAndSetDIBitsToDevice) {
  // 2 x 2 bottom-up 24-bit: bottom row blue, white; top row red, green.
  BYTE bits[16] = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
  BITMAPINFO info{};
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = 2;
  info.bmiHeader.biBitCount = 24;
  MemoryDC dst(4, 4, RGB(0, 0, 0));
  EXPECT_EQ(SetDIBitsToDevice(dst.dc(), 1, 1, 2, 2, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(dst.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(dst.At(2, 2), RGB(255, 255, 255));
  dst.Clear(RGB(0, 0, 0));
  EXPECT_EQ(StretchDIBits(dst.dc(), 0, 0, 4, 4, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
  EXPECT_EQ(dst.At(3, 0), RGB(0, 255, 0));
  EXPECT_EQ(dst.At(0, 3), RGB(0, 0, 255));
}

}  // namespace
