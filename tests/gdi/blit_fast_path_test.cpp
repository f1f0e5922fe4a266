// The copies at one to one take short ways past the general path's sample
// maps; each case of this table runs both ways over the same pixels and
// must give the same bitmap, pixel for pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "blit_internal.h"
#include "canvas.h"
#include "memory_dc.h"

namespace {

constexpr int kW = 40, kH = 30;

// A bitmap of the given depth in its own DC, filled with noise; 24 bits
// come as a bottom-up DIB section, whose rows run backwards in memory.
class NoiseDC {
 public:
  NoiseDC(int bits, std::uint32_t seed) {
    dc_ = CreateCompatibleDC(nullptr);
    if (bits == 24) {
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
      info.bmiHeader.biWidth = kW;
      info.bmiHeader.biHeight = kH;
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 24;
      void* bits24 = nullptr;
      bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits24, nullptr, 0);
    } else {
      bitmap_ = CreateBitmap(kW, kH, 1, static_cast<UINT>(bits), nullptr);
    }
    old_ = SelectObject(dc_, bitmap_);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        seed = seed * 1664525u + 1013904223u;
        SetPixel(dc_, x, y, bits == 1 ? ((seed >> 20) & 1 ? 0xFFFFFF : 0) : (seed >> 8) & 0xFFFFFF);
      }
  }
  ~NoiseDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> out;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) out.push_back(GetPixel(dc_, x, y));
    return out;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

struct Copy {
  const char* what;
  int x, y, w, h, sx, sy;
};

// Inside, over each edge of the destination, from beyond each edge of the
// source, and with a negative origin.
const Copy kCopies[] = {
    {"inside", 4, 3, 16, 12, 9, 7},      {"over the left edge", -6, 5, 20, 10, 2, 2},
    {"over the top edge", 3, -4, 12, 14, 5, 1}, {"over the right edge", 30, 6, 20, 8, 0, 4},
    {"over the bottom edge", 7, 24, 10, 12, 3, 0}, {"source beyond its left and top", 5, 5, 20, 20, -8, -3},
    {"source beyond its right and bottom", 2, 2, 20, 20, 30, 22}, {"all of it", 0, 0, kW, kH, 0, 0},
    {"nothing left", 50, 40, 10, 10, 0, 0},
};

// Every code the game and the controls draw with, and a few general ones.
const DWORD kRops[] = {SRCCOPY,   SRCAND,  SRCPAINT, SRCINVERT, NOTSRCCOPY, MERGECOPY,
                       MERGEPAINT, PATCOPY, 0x00EA02E9, 0x00B8074A};

struct Depths {
  int dst, src;
};
const Depths kDepths[] = {{32, 32}, {24, 32}, {32, 24}, {8, 8}, {1, 1}, {32, 1}, {1, 32}};

// The destination's state besides its pixels: colours, a hatched brush, an
// origin moved into the negative, a clip with a hole.
void Prepare(HDC dc, bool originAndClip) {
  SetTextColor(dc, RGB(200, 30, 60));
  SetBkColor(dc, RGB(10, 220, 90));
  SelectObject(dc, CreateHatchBrush(HS_DIAGCROSS, RGB(20, 40, 250)));
  if (!originAndClip) return;
  SetViewportOrgEx(dc, 3, -2, nullptr);
  HRGN clip = CreateRectRgn(2, 1, 36, 27);
  HRGN hole = CreateRectRgn(10, 8, 18, 14);
  CombineRgn(clip, clip, hole, RGN_DIFF);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  DeleteObject(hole);
}

void Release(HDC dc) { DeleteObject(SelectObject(dc, GetStockObject(WHITE_BRUSH))); }

template <class Draw>
void ExpectBothWaysAlike(const Depths& d, bool originAndClip, const std::string& what, Draw&& draw) {
  std::vector<COLORREF> result[2];
  for (int general = 0; general < 2; ++general) {
    NoiseDC dst(d.dst, 7), src(d.src, 99);
    Prepare(dst.dc(), originAndClip);
    SetBkColor(src.dc(), GetPixel(src.dc(), 3, 3));  // what a colour source turns white by
    SetBlitFastPaths(general == 0);
    draw(dst, src);
    SetBlitFastPaths(true);
    result[general] = dst.Pixels();
    Release(dst.dc());
  }
  ASSERT_EQ(result[0], result[1]) << what << ", " << d.dst << " bits from " << d.src << " bits"
                                  << (originAndClip ? ", moved origin and clip" : "");
}

TEST(BlitFastPath, BitBltAndStretchBltAtOneToOneGiveTheGeneralPathsPixels) {
  for (const Depths& d : kDepths)
    for (bool originAndClip : {false, true})
      for (const Copy& c : kCopies)
        for (DWORD rop : kRops) {
          const std::string what = std::string(c.what) + ", rop " + std::to_string(rop);
          ExpectBothWaysAlike(d, originAndClip, "BitBlt " + what, [&](NoiseDC& dst, NoiseDC& src) {
            BitBlt(dst.dc(), c.x, c.y, c.w, c.h, src.dc(), c.sx, c.sy, rop);
          });
          // Both sizes negative: no mirror, still one to one.
          if (!originAndClip)
            ExpectBothWaysAlike(d, originAndClip, "StretchBlt " + what, [&](NoiseDC& dst, NoiseDC& src) {
              StretchBlt(dst.dc(), c.x, c.y, -c.w, -c.h, src.dc(), c.sx, c.sy, -c.w, -c.h, rop);
            });
        }
}

// The plain copy splits a row by its length (blocks of eight and an
// overlapping last block, halves below eight, widths of its own for 8, 16
// and 32): every length up to the bitmap's, as a whole row and cut by the
// clip, upwards and downwards in memory.
TEST(BlitFastPath, EveryRowLengthOfThePlainCopyGivesTheGeneralPathsPixels) {
  const Depths depths[] = {{32, 32}, {24, 32}, {32, 24}, {1, 1}};
  for (const Depths& d : depths)
    for (bool originAndClip : {false, true})
      for (int w = 1; w <= kW; ++w)
        for (DWORD rop : {SRCCOPY, SRCPAINT}) {
          const int x = w == kW ? 0 : 1, sx = kW - w;
          ExpectBothWaysAlike(d, originAndClip, "width " + std::to_string(w) + ", rop " + std::to_string(rop),
                              [&](NoiseDC& dst, NoiseDC& src) { BitBlt(dst.dc(), x, 2, w, 9, src.dc(), sx, 5, rop); });
        }
}

TEST(BlitFastPath, MaskBltGivesTheGeneralPathsPixels) {
  NoiseDC mask(1, 5);
  const DWORD codes[] = {MAKEROP4(SRCCOPY, SRCAND), MAKEROP4(SRCPAINT, SRCINVERT), MAKEROP4(NOTSRCCOPY, MERGECOPY),
                         MAKEROP4(PATCOPY, SRCCOPY)};
  for (const Depths& d : kDepths)
    for (const Copy& c : kCopies)
      for (DWORD rop : codes)
        for (int maskX : {0, -3})
          ExpectBothWaysAlike(d, false, std::string("MaskBlt ") + c.what + ", rop " + std::to_string(rop),
                              [&](NoiseDC& dst, NoiseDC& src) {
                                if (c.w > 0 && c.h > 0)
                                  MaskBlt(dst.dc(), c.x, c.y, c.w, c.h, src.dc(), c.sx, c.sy, mask.bitmap(), maskX,
                                          2, rop);
                              });
}

// Source and destination in one bitmap take the general path; the shift
// both ways must read no pixel after it was written.
TEST(BlitFastPath, OverlappingCopiesInOneBitmapReadTheOldPixels) {
  for (const Depths& d : kDepths) {
    if (d.dst != d.src) continue;
    for (int shift : {-3, 3}) {
      NoiseDC one(d.dst, 11);
      const std::vector<COLORREF> before = one.Pixels();
      BitBlt(one.dc(), 5 + shift, 4 + shift, 20, 15, one.dc(), 5, 4, SRCCOPY);
      const std::vector<COLORREF> after = one.Pixels();
      for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
          ASSERT_EQ(after[static_cast<std::size_t>((4 + shift + y) * kW + 5 + shift + x)],
                    before[static_cast<std::size_t>((4 + y) * kW + 5 + x)])
              << d.dst << " bits, shift " << shift << " at " << x << "," << y;
    }
  }
}

// The canvas selects its objects only when something changed; a brush or
// colour put into its DC behind its back is still replaced before it draws.
TEST(CanvasSelection, ObjectsChangedBehindTheCanvasAreSelectedAgain) {
  MemoryDC target(8, 8, RGB(255, 255, 255));
  TCanvas canvas;
  canvas.SetHandle(target.dc());
  canvas.GetBrush()->SetColor(clRed);
  canvas.FillRect(TRect(0, 0, 8, 8));
  ASSERT_EQ(target.At(1, 1), RGB(255, 0, 0));

  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  HGDIOBJ previous = SelectObject(target.dc(), blue);
  SetBkColor(target.dc(), RGB(0, 255, 0));
  canvas.Rectangle(0, 0, 8, 8);
  EXPECT_EQ(target.At(3, 3), RGB(255, 0, 0)) << "the canvas's brush again";
  EXPECT_EQ(GetBkColor(target.dc()), RGB(255, 0, 0)) << "and its background colour";

  canvas.GetBrush()->SetColor(clLime);
  canvas.FillRect(TRect(0, 0, 8, 8));
  EXPECT_EQ(target.At(3, 3), RGB(0, 255, 0)) << "a changed brush is selected";
  canvas.SetHandle(nullptr);
  SelectObject(target.dc(), previous);
  DeleteObject(blue);
}

}  // namespace
