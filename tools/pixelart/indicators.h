// The pictures of the side column, on the main window's navy: the four key
// indicators (32 by 16) and the exit symbol above the exits counter
// (20 by 19). The navy fills every corner, so they look the same whether the
// window draws them transparent (by the corner's colour) or not.
#pragma once

#include "pixel_canvas.h"

namespace pixelart {

PixelCanvas KeyIndicator(Colour colour);
PixelCanvas ExitSymbol();

}  // namespace pixelart
