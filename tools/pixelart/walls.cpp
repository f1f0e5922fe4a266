// The solid tiles. Each repeats every 32 pixels, so a run of wall cells
// reads as one wall.
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace pixelart {

void DrawBrickWall(PixelCanvas& sheet, int left, int top) {
  sheet.Paint(left, top, kCell, kCell, [](int x, int y) {
    const int row = y / 8, yIn = y % 8;
    const int shifted = (x + (row % 2) * 8) % kCell;
    const int brick = shifted / 16, xIn = shifted % 16;
    if (yIn == 7 || xIn == 15) return kMortar;
    const double tint = 0.9 + 0.18 * Hash01(brick, row, 31);
    Colour c = Shade(kWallStone, tint * (0.95 + 0.08 * Hash01(x, y, 32)));
    if (yIn == 0 || xIn == 0) c = Shade(c, 1.22);
    if (yIn == 6 || xIn == 14) c = Shade(c, 0.78);
    return c;
  });
}

void DrawRockWall(PixelCanvas& sheet, int left, int top) {
  // Rounded field stones: the nearest of a few seed points, repeated every
  // cell so the pattern meets itself.
  constexpr int kStones = 7;
  sheet.Paint(left, top, kCell, kCell, [](int x, int y) {
    double nearest = 1e9, second = 1e9;
    int owner = 0;
    for (int i = 0; i < kStones; ++i)
      for (int oy = -1; oy <= 1; ++oy)
        for (int ox = -1; ox <= 1; ++ox) {
          const double px = Hash01(i, 0, 41) * kCell + ox * kCell, py = Hash01(i, 1, 41) * kCell + oy * kCell;
          const double d = std::hypot(x + 0.5 - px, y + 0.5 - py);
          if (d < nearest) {
            second = nearest;
            nearest = d;
            owner = i;
          } else if (d < second) {
            second = d;
          }
        }
    const double edge = second - nearest;  // 0 on the border between stones
    if (edge < 1.6) return Shade(kMortar, 0.9);
    const double px = Hash01(owner, 0, 41) * kCell, py = Hash01(owner, 1, 41) * kCell;
    // Lit from the top left: pixels up-left of a stone's centre are lighter.
    const double slope = ((px - x) + (py - y)) / 14.0;
    const double rim = edge < 3.2 ? 0.82 : 1.0;
    const Colour stone = Mix(kRock, Rgb(128, 122, 112), Hash01(owner, 2, 41) * 0.7);
    return Shade(stone, (1.0 + 0.22 * std::clamp(slope, -1.0, 1.0)) * rim * (0.95 + 0.08 * Hash01(x, y, 42)));
  });
}

void DrawBlockWall(PixelCanvas& sheet, int left, int top) {
  // A riveted iron block: a bevelled frame round a sunken panel.
  const Ramp iron = MakeRamp(kBlock);
  sheet.Paint(left, top, kCell, kCell, [&](int x, int y) {
    const int edge = std::min(std::min(x, y), std::min(kCell - 1 - x, kCell - 1 - y));
    if (edge == 0) return Shade(iron.Dark, 0.7);
    if (edge <= 3) return (x + y < kCell - 1) ? (x < y ? Shade(iron.Light, 0.95) : iron.Light) : iron.Dark;
    if (edge == 4) return (x + y < kCell - 1) ? iron.Dark : iron.Light;
    const double sheen = 0.94 + 0.1 * TilingNoise(x, y, 8, 32, 51) + 0.04 * ((kCell - x - y) / 32.0);
    return Shade(iron.Main, sheen);
  });
  const int rivets[4][2] = {{7, 7}, {24, 7}, {7, 24}, {24, 24}};
  for (const auto& r : rivets) {
    sheet.Put(left + r[0], top + r[1], iron.Light);
    sheet.Put(left + r[0] + 1, top + r[1], iron.Main);
    sheet.Put(left + r[0], top + r[1] + 1, iron.Main);
    sheet.Put(left + r[0] + 1, top + r[1] + 1, iron.Dark);
  }
}

void DrawClosedGate(PixelCanvas& sheet, int left, int top) {
  // Iron bars in a brass frame over a dark opening: it has to read as a way
  // that is shut now and may open, not as a wall.
  const Ramp steel = MakeRamp(kSteel);
  const Ramp brass = MakeRamp(kBrass);
  sheet.Paint(left, top, kCell, kCell, [&](int x, int y) {
    const int edge = std::min(std::min(x, y), std::min(kCell - 1 - x, kCell - 1 - y));
    if (edge == 0) return kOutline;
    if (edge <= 2) return (x + y < kCell - 1) ? brass.Light : brass.Dark;
    if (y == 9 || y == 22) return steel.Light;
    if (y == 10 || y == 23) return steel.Dark;
    const int bar = (x - 3) % 6;
    if (bar == 2) return steel.Light;
    if (bar == 3) return steel.Main;
    if (bar == 4) return steel.Dark;
    return Mix(Rgb(14, 14, 24), Rgb(40, 36, 52), y / 31.0);
  });
  // A red lamp on the lintel says "closed".
  sheet.FillRect(left + 14, top + 1, left + 18, top + 3, Rgb(230, 60, 50));
  sheet.Put(left + 14, top + 1, Rgb(255, 170, 150));
}

}  // namespace pixelart
