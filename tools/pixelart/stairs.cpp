// Stairs between floors: steps between two stone cheeks. The one-way kinds
// carry an arrow for the only way they go (up for Page Up, down for Page
// Down), so the three are told apart at a glance.
#include "palette.h"
#include "shapes.h"
#include "tiles.h"

namespace pixelart {

namespace {

constexpr Colour kStep = Rgb(186, 160, 118);

void DrawArrow(PixelCanvas& sheet, int left, int top, bool up) {
  // Drawn pointing up; the down arrow is its mirror image.
  const Region pointingUp = [](int x, int y) {
    if (y >= 7 && y <= 13) return x >= 15 - (y - 7) && x <= 16 + (y - 7);
    return y > 13 && y <= 25 && x >= 13 && x <= 18;
  };
  const Region arrow = [&](int x, int y) { return pointingUp(x, up ? y : kCell - 1 - y); };
  const Ramp white = {Rgb(255, 255, 240), Rgb(240, 236, 214), Rgb(186, 178, 150)};
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      if (arrow(x, y))
        sheet.Put(left + x, top + y, BevelColour(arrow, x, y, white));
      else if (arrow(x - 1, y) || arrow(x + 1, y) || arrow(x, y - 1) || arrow(x, y + 1))
        sheet.Put(left + x, top + y, kOutline);
    }
}

}  // namespace

void DrawStairs(PixelCanvas& sheet, int left, int top, StairsWay way) {
  const Ramp stone = MakeRamp(kWallStone);
  sheet.Paint(left, top, kCell, kCell, [&](int x, int y) {
    // Five steps that narrow toward the top, so the flight reads as going
    // away from the viewer; each has a lit nose, a tread and a dark riser.
    const int step = y * 5 / kCell, yIn = y - step * kCell / 5;
    const int inset = 3 + (4 - step);
    if (x == 0 || x == kCell - 1) return kOutline;
    if (x < inset || x > kCell - 1 - inset) {
      const bool leftCheek = x < inset;
      return leftCheek ? (x == inset - 1 ? stone.Dark : stone.Light) : (x == kCell - inset ? stone.Dark : stone.Main);
    }
    const Colour tread = Shade(kStep, 0.74 + 0.07 * step);
    if (yIn == 0) return Shade(tread, 1.3);
    if (yIn >= 4) return Shade(tread, yIn == 4 ? 0.62 : 0.5);
    return tread;
  });
  if (way == StairsWay::UpOnly) DrawArrow(sheet, left, top, true);
  if (way == StairsWay::DownOnly) DrawArrow(sheet, left, top, false);
}

}  // namespace pixelart
