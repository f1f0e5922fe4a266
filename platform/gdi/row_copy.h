// Copying a block of rows between two surfaces that share no memory, as the
// small copies (board tiles, glyph cells, LED segments) need it: a tile of
// 32 x 32 is 32 rows of 128 bytes, and on rows that short a loop per pixel or
// a library call per row costs more than the bytes themselves.
#pragma once

#include <cstddef>
#include <cstring>

#include "surface.h"

// n pixels of a row shorter than a few hundred bytes: blocks of eight, then
// the last eight once more (writing again, with the same values, what the
// blocks wrote), so that no per-pixel loop and no call remains. The rows
// must not overlap.
inline void CopyShortRow(Pixel* __restrict to, const Pixel* __restrict from, int n) {
  if (n >= 8) {
    int i = 0;
    for (; i + 8 <= n; i += 8) std::memcpy(to + i, from + i, 8 * sizeof(Pixel));
    if (i < n) std::memcpy(to + n - 8, from + n - 8, 8 * sizeof(Pixel));
  } else if (n >= 4) {
    std::memcpy(to, from, 4 * sizeof(Pixel));
    std::memcpy(to + n - 4, from + n - 4, 4 * sizeof(Pixel));
  } else if (n >= 2) {
    std::memcpy(to, from, 2 * sizeof(Pixel));
    std::memcpy(to + n - 2, from + n - 2, 2 * sizeof(Pixel));
  } else if (n == 1) {
    to[0] = from[0];
  }
}

// `rows` rows of `width` pixels from `from` to `to`, each pointer moved on by
// its step in bytes (negative to walk upwards) after every row.
void CopyRowBlock(Pixel* to, std::ptrdiff_t toStep, const Pixel* from, std::ptrdiff_t fromStep, int width, int rows);
