// Raster operations. A ternary code (ROP3) holds in bits 16..23 the truth
// table over pattern, source and destination: result bit = code bit
// (P << 2 | S << 1 | D). A binary code (ROP2, R2_*) minus one is the table
// over pen and destination: bit (P << 1 | D).
#pragma once

#include <cstdint>

#include "surface.h"
#include "wintypes.h"

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

constexpr BYTE Rop3Index(DWORD rop) { return static_cast<BYTE>((rop >> 16) & 0xFF); }
constexpr bool Rop3UsesSource(BYTE r) { return ((r >> 2) & 0x33) != (r & 0x33); }
constexpr bool Rop3UsesPattern(BYTE r) { return ((r >> 4) & 0x0F) != (r & 0x0F); }
constexpr bool Rop3UsesDest(BYTE r) { return ((r >> 1) & 0x55) != (r & 0x55); }

// One pixel, bitwise, for any code; the result's X byte is cleared.
constexpr Pixel ApplyRop3(BYTE r, Pixel d, Pixel s, Pixel p) {
  Pixel out = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((r >> i) & 1)) continue;
    out |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return out & kPixelMask;
}
constexpr Pixel ApplyRop2(int rop2, Pixel d, Pixel pen) {
  int t = (rop2 - 1) & 0x0F;
  Pixel out = 0;
  for (int i = 0; i < 4; ++i) {
    if (!((t >> i) & 1)) continue;
    out |= ((i & 2) ? pen : ~pen) & ((i & 1) ? d : ~d);
  }
  return out & kPixelMask;
}

// A destination row under a code. `src` and `pat` may be null when the code
// does not use them; a row may not overlap `dst` unless it is `dst` itself
// shifted by nothing. The common codes run in loops that vectorise.
void Rop3Row(BYTE rop, Pixel* dst, const Pixel* src, const Pixel* pat, int n);
// A row under a ROP2 with one pen pixel for all.
void Rop2Row(int rop2, Pixel* dst, Pixel pen, int n);
