// A door: an arched leaf in its key's colour, set in a stone frame, with a
// brass lock plate; the colour is the one of its key and indicator.
#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tiles.h"

namespace pixelart {

void DrawDoor(PixelCanvas& sheet, int left, int top, Colour colour) {
  const Region opening = Union(Box(5, 11, 27, 32), Ellipse(16, 12, 11, 9));
  const Region leaf = Union(Box(7, 12, 25, 32), Ellipse(16, 12.5, 9, 7.5));
  const Ramp stone = MakeRamp(kWallStone);
  const Ramp wood = MakeRamp(colour);
  const Ramp iron = MakeRamp(Rgb(70, 66, 78));
  sheet.Paint(left, top, kCell, kCell, [&](int x, int y) {
    if (!opening(x, y)) {
      // The frame: large dressed stones around the arch.
      const Colour c = Shade(stone.Main, 0.92 + 0.14 * Hash01(x / 6, y / 6, 61) + 0.05 * Hash01(x, y, 62));
      if (opening(x + 1, y + 1) || opening(x, y + 1)) return stone.Dark;
      if (y % 8 == 7 || (x % 11 == 10 && y < 12)) return kMortar;
      return c;
    }
    if (!leaf(x, y)) return kOutline;  // the dark gap between leaf and frame
    if (y == 15 || y == 26) return iron.Main;
    if (y == 16 || y == 27) return iron.Dark;
    Colour c = BevelColour(leaf, x, y, wood);
    // Vertical planks.
    if ((x - 7) % 6 == 5 && c == wood.Main) c = Shade(wood.Main, 0.78);
    return Shade(c, 0.96 + 0.06 * Hash01(x, y / 3, 63));
  });
  // Lock plate with its keyhole.
  const Ramp lock = MakeRamp(kGold);
  const Region plate = Box(19, 18, 24, 25);
  for (int y = 18; y < 25; ++y)
    for (int x = 19; x < 24; ++x) sheet.Put(left + x, top + y, BevelColour(plate, x, y, lock));
  sheet.Put(left + 21, top + 20, kOutline);
  sheet.Put(left + 21, top + 21, kOutline);
  sheet.Put(left + 21, top + 22, kOutline);
  sheet.Put(left + 20, top + 20, Shade(kOutline, 1.3));
  sheet.Put(left + 22, top + 20, Shade(kOutline, 1.3));
}

}  // namespace pixelart
