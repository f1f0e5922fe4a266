#include "picture_palette.h"

#include <algorithm>
#include <unordered_set>

namespace {

Pixel QuadPixel(const RGBQUAD& q) {
  return static_cast<Pixel>(q.rgbRed) << 16 | static_cast<Pixel>(q.rgbGreen) << 8 | q.rgbBlue;
}

std::vector<RGBQUAD> TableOf(std::span<const Pixel> colours) {
  std::vector<RGBQUAD> table(colours.size());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    table[i].rgbRed = static_cast<BYTE>(colours[i] >> 16);
    table[i].rgbGreen = static_cast<BYTE>(colours[i] >> 8);
    table[i].rgbBlue = static_cast<BYTE>(colours[i]);
  }
  return table;
}

}  // namespace

std::vector<RGBQUAD> ChoosePictureTable(std::span<const Pixel> pixels, std::span<const Pixel> declared, int bitCount) {
  const std::size_t limit = std::size_t{1} << bitCount;
  std::unordered_set<Pixel> seen;
  for (Pixel p : pixels) {
    seen.insert(p & kPixelMask);
    if (seen.size() > limit) break;
  }
  const std::vector<RGBQUAD>& fixed = FixedColorTable(bitCount);
  std::unordered_set<Pixel> fixedColours;
  for (const RGBQUAD& q : fixed) fixedColours.insert(QuadPixel(q));
  if (std::all_of(seen.begin(), seen.end(), [&](Pixel c) { return fixedColours.count(c) != 0; })) return fixed;
  if (seen.size() <= limit) {
    std::vector<Pixel> colours(seen.begin(), seen.end());
    std::sort(colours.begin(), colours.end());
    return TableOf(colours);
  }
  if (!declared.empty() && declared.size() <= limit) return TableOf(declared);
  return fixed;
}
