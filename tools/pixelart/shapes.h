// Regions for drawing in code: a region says which pixels a shape covers,
// and the bevel rule shades a shape with light from the top left.
#pragma once

#include <functional>

#include "colour.h"

namespace pixelart {

using Region = std::function<bool(int x, int y)>;

// Centres and radii in pixels; a pixel belongs when its centre lies inside.
Region Ellipse(double centreX, double centreY, double radiusX, double radiusY);
Region Box(int left, int top, int right, int bottom);
Region Union(Region a, Region b);
Region Minus(Region a, Region b);

// Light where the pixel above or to the left lies outside, dark where the one
// below or to the right does, the main colour elsewhere.
Colour BevelColour(const Region& inside, int x, int y, const Ramp& ramp);

}  // namespace pixelart
