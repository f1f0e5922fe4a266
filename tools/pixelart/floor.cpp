#include "floor.h"

#include "noise.h"
#include "palette.h"

namespace pixelart {

namespace {

constexpr int kSize = kFloorPatchSize;

// Pebbles are stamped with wrap-around, so that one lying across the
// patch's border continues on the opposite side.
void StampPebble(PixelCanvas& patch, int cx, int cy, int radius, Colour stone) {
  for (int dy = -radius - 1; dy <= radius + 1; ++dy)
    for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
      const double d = (dx * dx + dy * dy) / static_cast<double>(radius * radius);
      const int x = ((cx + dx) % kSize + kSize) % kSize, y = ((cy + dy) % kSize + kSize) % kSize;
      if (d <= 1.0) {
        const bool lit = dx + dy < -radius / 2;
        const bool shaded = dx + dy > radius / 2;
        patch.Put(x, y, lit ? Shade(stone, 1.18) : shaded ? Shade(stone, 0.82) : stone);
      } else if (d <= 1.9 && dx + dy > 0) {
        patch.Blend(x, y, kBlack, 0.22);  // the pebble's shadow falls down and right
      }
    }
}

}  // namespace

PixelCanvas FloorPatch() {
  PixelCanvas patch(kSize, kSize);
  patch.Paint(0, 0, kSize, kSize, [](int x, int y) {
    const double broad = TilingNoise(x, y, 25, kSize, 11);
    const double fine = TilingNoise(x, y, 5, kSize, 12);
    const double grain = Hash01(x, y, 13);
    const double light = 0.86 + 0.16 * broad + 0.08 * fine + 0.05 * grain;
    Colour c = Shade(kFloor, light);
    // Faint patches of a cooler stone break up the warm ground.
    const double cool = 0.6 * TilingNoise(x, y, 25, kSize, 14) + 0.4 * TilingNoise(x, y, 10, kSize, 15);
    if (cool > 0.55) c = Mix(c, Rgb(104, 108, 112), (cool - 0.55) * 1.8);
    return c;
  });
  for (int i = 0; i < 26; ++i) {
    const int cx = static_cast<int>(Hash01(i, 1, 21) * kSize), cy = static_cast<int>(Hash01(i, 2, 21) * kSize);
    const int radius = 1 + static_cast<int>(Hash01(i, 3, 21) * 2.2);
    const Colour stone = Mix(Rgb(150, 140, 124), Rgb(118, 122, 126), Hash01(i, 4, 21));
    StampPebble(patch, cx, cy, radius, stone);
  }
  return patch;
}

}  // namespace pixelart
