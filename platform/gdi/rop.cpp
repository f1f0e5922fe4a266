#include "rop.h"

#include <cstring>

namespace {

// The generic path: the result is the OR of the code's minterms; each
// minterm is one pass over a block, so every pass is a plain vector loop.
void GenericRop3Row(BYTE rop, Pixel* dst, const Pixel* src, const Pixel* pat, int n) {
  constexpr int kBlock = 256;
  Pixel acc[kBlock];
  for (int start = 0; start < n; start += kBlock) {
    const int m = n - start < kBlock ? n - start : kBlock;
    Pixel* d = dst + start;
    const Pixel* s = src ? src + start : nullptr;
    const Pixel* p = pat ? pat + start : nullptr;
    for (int x = 0; x < m; ++x) acc[x] = 0;
    for (int term = 0; term < 8; ++term) {
      if (!((rop >> term) & 1)) continue;
      const Pixel pInv = (term & 4) ? 0 : ~Pixel{0};
      const Pixel sInv = (term & 2) ? 0 : ~Pixel{0};
      const Pixel dInv = (term & 1) ? 0 : ~Pixel{0};
      for (int x = 0; x < m; ++x) {
        Pixel pv = (p ? p[x] : 0) ^ pInv;
        Pixel sv = (s ? s[x] : 0) ^ sInv;
        acc[x] |= pv & sv & (d[x] ^ dInv);
      }
    }
    for (int x = 0; x < m; ++x) d[x] = acc[x] & kPixelMask;
  }
}

}  // namespace

void Rop3Row(BYTE rop, Pixel* dst, const Pixel* src, const Pixel* pat, int n) {
  if (n <= 0) return;
  switch (rop) {
    case 0xCC:  // SRCCOPY
      if (dst != src) std::memmove(dst, src, static_cast<std::size_t>(n) * sizeof(Pixel));
      return;
    case 0x88:  // SRCAND
      for (int x = 0; x < n; ++x) dst[x] &= src[x];
      return;
    case 0xEE:  // SRCPAINT
      for (int x = 0; x < n; ++x) dst[x] |= src[x];
      return;
    case 0x66:  // SRCINVERT
      for (int x = 0; x < n; ++x) dst[x] ^= src[x];
      return;
    case 0x33:  // NOTSRCCOPY
      for (int x = 0; x < n; ++x) dst[x] = ~src[x] & kPixelMask;
      return;
    case 0xF0:  // PATCOPY
      std::memcpy(dst, pat, static_cast<std::size_t>(n) * sizeof(Pixel));
      return;
    case 0x5A:  // PATINVERT
      for (int x = 0; x < n; ++x) dst[x] ^= pat[x];
      return;
    case 0xA0:  // DPa: the dithered shadow
      for (int x = 0; x < n; ++x) dst[x] &= pat[x];
      return;
    case 0x00:  // BLACKNESS
      FillPixels(dst, n, 0);
      return;
    case 0xFF:  // WHITENESS
      FillPixels(dst, n, kPixelMask);
      return;
    case 0x55:  // DSTINVERT
      for (int x = 0; x < n; ++x) dst[x] ^= kPixelMask;
      return;
    case 0xAA:  // D: nothing changes
      return;
    default:
      GenericRop3Row(rop, dst, src, pat, n);
      return;
  }
}

void Rop2Row(int rop2, Pixel* dst, Pixel pen, int n) {
  switch (rop2) {
    case R2_COPYPEN:
      FillPixels(dst, n, pen);
      return;
    case R2_NOP:
      return;
    case R2_XORPEN:
      for (int x = 0; x < n; ++x) dst[x] ^= pen;
      return;
    case R2_NOT:
      for (int x = 0; x < n; ++x) dst[x] ^= kPixelMask;
      return;
    default:
      for (int x = 0; x < n; ++x) dst[x] = ApplyRop2(rop2, dst[x], pen);
      return;
  }
}
