// A teleporter: a glowing pad with a spiral on an iron base; the two ends of
// a pair share its colour.
#include <cmath>

#include "palette.h"
#include "tiles.h"

namespace pixelart {

void DrawTeleporter(PixelCanvas& sheet, int left, int top, Colour colour) {
  const Ramp base = MakeRamp(Rgb(62, 64, 80));
  const Ramp ring = MakeRamp(kSteel);
  sheet.Paint(left, top, kCell, kCell, [&](int x, int y) {
    const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
    const double r = std::hypot(dx, dy);
    if (r > 13.2) {
      const int edge = std::min(std::min(x, y), std::min(kCell - 1 - x, kCell - 1 - y));
      if (edge == 0) return kOutline;
      if (edge == 1) return (x + y < kCell - 1) ? base.Light : base.Dark;
      return base.Main;
    }
    if (r > 11.0) {
      // The steel ring, lit on its upper left.
      const double lit = -(dx + dy) / (r * 1.41);
      return Shade(ring.Main, 1.0 + 0.3 * lit);
    }
    if (r > 10.0) return kOutline;
    const double angle = std::atan2(dy, dx);
    const double swirl = 0.5 + 0.5 * std::sin(r * 1.1 - angle * 2.0);
    const double glow = 1.0 - r / 10.0;
    const Colour deep = Shade(colour, 0.45);
    Colour c = Mix(deep, colour, 0.35 + 0.65 * swirl);
    return Mix(c, Rgb(255, 255, 255), std::max(0.0, glow - 0.45) * 1.3);
  });
}

}  // namespace pixelart
