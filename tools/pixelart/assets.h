// Everything the generator makes, drawn once and then both written out and
// composed into the preview.
#pragma once

#include <array>

#include "pixel_canvas.h"
#include "sprite.h"

namespace pixelart {

struct Assets {
  PixelCanvas Tiles;
  Sprite FigureLeft, FigureRight, Mover;
  std::array<Sprite, 4> Keys;
  Sprite Exit;
  std::array<PixelCanvas, 4> KeyIndicators;
  PixelCanvas ExitSymbol;
};

Assets DrawAssets();

}  // namespace pixelart
