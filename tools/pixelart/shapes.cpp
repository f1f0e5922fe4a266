#include "shapes.h"

namespace pixelart {

Region Ellipse(double centreX, double centreY, double radiusX, double radiusY) {
  return [=](int x, int y) {
    const double dx = (x + 0.5 - centreX) / radiusX;
    const double dy = (y + 0.5 - centreY) / radiusY;
    return dx * dx + dy * dy <= 1.0;
  };
}

Region Box(int left, int top, int right, int bottom) {
  return [=](int x, int y) { return x >= left && x < right && y >= top && y < bottom; };
}

Region Union(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) || b(x, y); };
}

Region Minus(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](int x, int y) { return a(x, y) && !b(x, y); };
}

Colour BevelColour(const Region& inside, int x, int y, const Ramp& ramp) {
  if (!inside(x, y - 1) || !inside(x - 1, y)) return ramp.Light;
  if (!inside(x, y + 1) || !inside(x + 1, y)) return ramp.Dark;
  return ramp.Main;
}

}  // namespace pixelart
