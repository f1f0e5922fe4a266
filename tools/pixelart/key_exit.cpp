// The key and the exit item, drawn from shapes and shaded by the bevel rule.
#include "palette.h"
#include "shapes.h"
#include "sprites.h"

namespace pixelart {

Sprite Key(Colour colour) {
  const Region bow = Minus(Ellipse(10, 16, 7, 7), Ellipse(10, 16, 2.8, 2.8));
  const Region collar = Box(16, 13, 19, 20);
  const Region shaft = Box(18, 15, 29, 18);
  const Region bit = Union(Box(22, 18, 25, 22), Box(26, 18, 29, 23));
  const Region key = Union(Union(bow, collar), Union(shaft, bit));
  const Ramp ramp = MakeRamp(colour);
  Sprite sprite(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (key(x, y)) sprite.Set(x, y, BevelColour(key, x, y, ramp));
  // A glint on the bow.
  sprite.Set(7, 11, Shade(colour, 1.8));
  sprite.Set(6, 12, Shade(colour, 1.6));
  return sprite.Outlined(kOutline);
}

Sprite ExitItem() {
  // A cut diamond: a crown of three facets over a pavilion of two.
  constexpr double kCentre = kExitItemWidth / 2.0;
  const Region crown = [=](int x, int y) {
    if (y < 2 || y > 6) return false;
    const double half = 4.5 + (y - 2) * 0.9;
    return x + 0.5 >= kCentre - half && x + 0.5 <= kCentre + half;
  };
  const Region pavilion = [=](int x, int y) {
    if (y < 7 || y > 16) return false;
    const double half = 8.5 * (16.5 - y) / 9.5;
    return x + 0.5 >= kCentre - half && x + 0.5 <= kCentre + half;
  };
  const Colour white = Rgb(252, 254, 255), pale = Rgb(196, 232, 255), mid = Rgb(120, 186, 240),
               deep = Rgb(66, 118, 204);
  Sprite sprite(kExitItemWidth, kExitItemHeight);
  for (int y = 0; y < kExitItemHeight; ++y)
    for (int x = 0; x < kExitItemWidth; ++x) {
      const double dx = x + 0.5 - kCentre;
      if (crown(x, y)) {
        const double facet = dx / (4.5 + (y - 2) * 0.9);
        sprite.Set(x, y, y == 2 ? white : facet < -0.35 ? pale : facet > 0.35 ? mid : white);
      } else if (pavilion(x, y)) {
        sprite.Set(x, y, y == 7 ? pale : dx < -1 ? mid : dx > 1 ? deep : pale);
      }
    }
  // Sparkles.
  sprite.Set(6, 4, kWhite);
  sprite.Set(9, 9, kWhite);
  return sprite.Outlined(kOutline);
}

}  // namespace pixelart
