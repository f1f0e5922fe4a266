// The colour table that a 1-, 4- or 8-bit picture file gets when 32-bit
// pixels are written at that depth.
#pragma once

#include <span>
#include <vector>

#include "bitmap.h"
#include "surface.h"

// The picture's own colours (sorted) when they fit, unless all of them lie
// in the fixed table of the depth, which then keeps its usual layout (0 =
// black in a mono file); else the picture's declared table when that fits;
// else the fixed table. Pixels are packed onto it with PackDibRow.
std::vector<RGBQUAD> ChoosePictureTable(std::span<const Pixel> pixels, std::span<const Pixel> declared, int bitCount);
