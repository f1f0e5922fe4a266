// A decoded picture, independent of any device context: what the BMP and
// PNG codecs read into and write from.
#pragma once

#include <cstdint>
#include <vector>

#include "dibformat.h"
#include "surface.h"

struct RasterImage {
  int Width = 0;
  int Height = 0;
  // The depth the file declared (1, 4, 8, 16, 24, 32); the pixels below are
  // always 32-bit.
  int BitsPerPixel = 32;
  // The X bytes carry alpha (a PNG with an alpha channel or transparency);
  // otherwise they are 0, as on the surfaces.
  bool HasAlpha = false;
  // Colour table of a 1-, 4- or 8-bit file, entries 0x00RRGGBB.
  std::vector<Pixel> Palette;
  // Width * Height pixels, top row first, in the surfaces' layout.
  std::vector<Pixel> Pixels;

  Pixel* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
  const Pixel* Row(int y) const { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
};

// Every decoder checks this before it allocates, so that a file that merely
// claims a huge size cannot take the memory: the bitmaps' own limit.
inline bool IsSaneImageSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width * height <= kMaxBitmapPixels;
}
