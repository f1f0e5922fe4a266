// A decoded picture, independent of any device context: what the BMP and
// PNG codecs read into and write from.
#pragma once

#include <cstdint>
#include <vector>

// Bounds every decoder checks before it allocates, so that a file that
// merely claims a huge size cannot take the memory.
constexpr int kMaxImageSide = 65536;
constexpr std::uint64_t kMaxImagePixels = std::uint64_t{1} << 26;

struct RasterImage {
  int Width = 0;
  int Height = 0;
  // The depth the file declared (1, 4, 8, 16, 24, 32); the pixels below are
  // always 32-bit.
  int BitsPerPixel = 32;
  // The X byte carries alpha (a PNG with an alpha channel, or transparency).
  bool HasAlpha = false;
  // Colour table of a 1-, 4- or 8-bit file, entries 0x00RRGGBB.
  std::vector<std::uint32_t> Palette;
  // Width * Height pixels, top row first. Bytes B, G, R, X in memory, so a
  // pixel read as a little-endian word is 0xXXRRGGBB, as on the surfaces.
  std::vector<std::uint32_t> Pixels;

  std::uint32_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
  const std::uint32_t* Row(int y) const { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
};

// True when width x height is positive and within the bounds above.
inline bool IsSaneImageSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= kMaxImagePixels;
}
