// The goal plate and the crate, both 22 by 22. A crate standing on a goal
// takes on the goal's gold, so that finished boxes stand out.
#include <cstdlib>

#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tiles.h"

namespace pixelart {

namespace {

constexpr int kS = kSmallTile;

}  // namespace

void DrawGoal(PixelCanvas& sheet, int left, int top) {
  const Ramp plate = MakeRamp(Rgb(92, 86, 80));
  const Ramp gold = MakeRamp(kGold);
  const Region ring = Minus(Ellipse(11, 11, 8, 8), Ellipse(11, 11, 5.2, 5.2));
  const Region dot = Ellipse(11, 11, 2.2, 2.2);
  sheet.Paint(left, top, kS, kS, [&](int x, int y) {
    const int edge = std::min(std::min(x, y), std::min(kS - 1 - x, kS - 1 - y));
    if (edge == 0) return kOutline;
    // A sunken plate: dark on its upper left rim, light on its lower right.
    if (edge == 1) return (x + y < kS - 1) ? plate.Dark : plate.Light;
    if (ring(x, y)) return BevelColour(ring, x, y, gold);
    if (dot(x, y)) return BevelColour(dot, x, y, gold);
    return Shade(plate.Main, 0.95 + 0.08 * Hash01(x, y, 71));
  });
}

void DrawBox(PixelCanvas& sheet, int left, int top, bool onGoal) {
  const Ramp frame = MakeRamp(onGoal ? kGold : Shade(kWood, 1.08));
  const Ramp boards = MakeRamp(onGoal ? Rgb(196, 150, 70) : kWood);
  const Region brace = [](int x, int y) { return std::abs((x - 3) - (kS - 4 - y)) <= 1 && x >= 3 && x < kS - 3; };
  sheet.Paint(left, top, kS, kS, [&](int x, int y) {
    const int edge = std::min(std::min(x, y), std::min(kS - 1 - x, kS - 1 - y));
    if (edge == 0) return kOutline;
    if (edge <= 3) {
      if (edge == 3) return Shade(frame.Dark, 0.85);
      return (x + y < kS - 1) ? frame.Light : frame.Dark;
    }
    if (brace(x, y)) return (x - 3) - (kS - 4 - y) < 0 ? frame.Light : frame.Main;
    // Horizontal boards behind the brace.
    if ((y - 4) % 5 == 4) return boards.Dark;
    return Shade(boards.Main, 0.93 + 0.1 * Hash01(x / 3, y / 5, 72));
  });
  // Nails in the corners of the frame.
  const int nails[4][2] = {{2, 2}, {kS - 3, 2}, {2, kS - 3}, {kS - 3, kS - 3}};
  for (const auto& n : nails) sheet.Put(left + n[0], top + n[1], Rgb(60, 52, 48));
}

}  // namespace pixelart
