// Colour arithmetic for the pixel art: pixels are 0x00RRGGBB, as on the
// game's surfaces.
#pragma once

#include <algorithm>
#include <cstdint>

namespace pixelart {

using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return (static_cast<Colour>(std::clamp(r, 0, 255)) << 16) | (static_cast<Colour>(std::clamp(g, 0, 255)) << 8) |
         static_cast<Colour>(std::clamp(b, 0, 255));
}
constexpr int Red(Colour c) { return (c >> 16) & 0xFF; }
constexpr int Green(Colour c) { return (c >> 8) & 0xFF; }
constexpr int Blue(Colour c) { return c & 0xFF; }

// t = 0 gives a, t = 1 gives b.
constexpr Colour Mix(Colour a, Colour b, double t) {
  auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return Rgb(channel(Red(a), Red(b)), channel(Green(a), Green(b)), channel(Blue(a), Blue(b)));
}
// Factors above 1 lighten toward white, below 1 darken toward black.
constexpr Colour Shade(Colour c, double factor) {
  return factor >= 1 ? Mix(c, Rgb(255, 255, 255), factor - 1) : Mix(Rgb(0, 0, 0), c, factor);
}

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

// A hue in three steps, for bevels: light faces up and left, dark down and
// right.
struct Ramp {
  Colour Light, Main, Dark;
};
constexpr Ramp MakeRamp(Colour main) { return {Shade(main, 1.35), main, Shade(main, 0.62)}; }

}  // namespace pixelart
