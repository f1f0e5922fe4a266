#include "dib_palettes.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace {

constexpr std::array<std::uint32_t, 2> kMonoPalette = {0x000000, 0xFFFFFF};

// The standard colours in the order of the classic 16-colour table.
constexpr std::array<std::uint32_t, 16> kStandardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr std::array<std::uint32_t, 256> MakeByteTable() {
  std::array<std::uint32_t, 256> table{};
  std::size_t n = 0;
  for (std::uint32_t c : kStandardPalette) table[n++] = c;
  for (std::uint32_t r = 0; r < 6; ++r)
    for (std::uint32_t g = 0; g < 6; ++g)
      for (std::uint32_t b = 0; b < 6; ++b) table[n++] = (r * 0x33) << 16 | (g * 0x33) << 8 | (b * 0x33);
  for (std::uint32_t i = 0; n < table.size(); ++i) {
    const std::uint32_t grey = 8 + i * 10;
    table[n++] = grey << 16 | grey << 8 | grey;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kBytePalette = MakeByteTable();

int Distance(std::uint32_t a, std::uint32_t b) {
  const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
  const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
  const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

std::span<const std::uint32_t> FixedPalette(int bitsPerPixel) {
  if (bitsPerPixel == 1) return kMonoPalette;
  if (bitsPerPixel == 4) return kStandardPalette;
  return kBytePalette;
}

std::vector<std::uint32_t> ChoosePalette(std::span<const std::uint32_t> pixels,
                                         std::span<const std::uint32_t> declared, int bitsPerPixel) {
  const std::size_t limit = std::size_t{1} << bitsPerPixel;
  std::unordered_set<std::uint32_t> seen;
  for (std::uint32_t p : pixels) {
    seen.insert(p & 0xFFFFFF);
    if (seen.size() > limit) break;
  }
  const auto fixed = FixedPalette(bitsPerPixel);
  const bool allInFixed = std::all_of(seen.begin(), seen.end(), [&](std::uint32_t c) {
    return std::find(fixed.begin(), fixed.end(), c) != fixed.end();
  });
  // The fixed table keeps the usual layout (0 = black in a mono file).
  if (allInFixed) return {fixed.begin(), fixed.end()};
  if (seen.size() <= limit) {
    std::vector<std::uint32_t> colours(seen.begin(), seen.end());
    std::sort(colours.begin(), colours.end());
    return colours;
  }
  if (!declared.empty() && declared.size() <= limit) return {declared.begin(), declared.end()};
  return {fixed.begin(), fixed.end()};
}

std::uint8_t PaletteMapper::IndexOf(std::uint32_t pixel) {
  const std::uint32_t rgb = pixel & 0xFFFFFF;
  if (auto it = cache_.find(rgb); it != cache_.end()) return it->second;
  std::size_t best = 0;
  int bestDistance = Distance(rgb, palette_.empty() ? 0 : palette_[0]);
  for (std::size_t i = 1; i < palette_.size() && bestDistance != 0; ++i) {
    const int d = Distance(rgb, palette_[i]);
    if (d < bestDistance) best = i, bestDistance = d;
  }
  const auto index = static_cast<std::uint8_t>(best);
  cache_.emplace(rgb, index);
  return index;
}
