// The floor texture: a 100 by 100 patch that the game repeats 16 by 16
// times behind the board, so it must meet itself without a seam.
#pragma once

#include "pixel_canvas.h"

namespace pixelart {

constexpr int kFloorPatchSize = 100;

PixelCanvas FloorPatch();

}  // namespace pixelart
