#include "assets.h"

#include "indicators.h"
#include "palette.h"
#include "sprites.h"
#include "tile_sheet.h"

namespace pixelart {

Assets DrawAssets() {
  const Sprite right = FigureFacingRight();
  return Assets{
      TileSheet(),
      right.Mirrored(),
      right,
      Mover(),
      {Key(kKeyColours[0]), Key(kKeyColours[1]), Key(kKeyColours[2]), Key(kKeyColours[3])},
      ExitItem(),
      {KeyIndicator(kKeyColours[0]), KeyIndicator(kKeyColours[1]), KeyIndicator(kKeyColours[2]),
       KeyIndicator(kKeyColours[3])},
      ExitSymbol(),
  };
}

}  // namespace pixelart
