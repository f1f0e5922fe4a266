// The colour tables used when 32-bit pixels are reduced to 1, 4 or 8 bits,
// and the nearest-colour mapping onto a table.
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

// Fixed tables (entries 0x00RRGGBB): black and white; the 16 standard
// colours; those 16, a 6 x 6 x 6 colour cube and 24 greys. A picture that
// uses only table colours therefore reduces without loss.
std::span<const std::uint32_t> FixedPalette(int bitsPerPixel);

// The table a 1-, 4- or 8-bit file of these pixels should carry: the
// picture's own colours (sorted) when they fit, else its declared table
// when that fits, else the fixed table for the depth.
std::vector<std::uint32_t> ChoosePalette(std::span<const std::uint32_t> pixels,
                                         std::span<const std::uint32_t> declared, int bitsPerPixel);

// Index of the nearest table entry (by squared RGB distance) for each pixel;
// X bytes are ignored. Remembers each answer, as pictures repeat colours.
class PaletteMapper {
 public:
  explicit PaletteMapper(std::span<const std::uint32_t> palette) : palette_(palette) {}
  std::uint8_t IndexOf(std::uint32_t pixel);

 private:
  std::span<const std::uint32_t> palette_;
  std::unordered_map<std::uint32_t, std::uint8_t> cache_;
};
