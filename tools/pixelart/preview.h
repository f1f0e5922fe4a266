// Previews for looking at the art (not shipped): a sample board composed the
// way the game composes it (tiles copied, sprites by AND mask then OR
// picture), the floor patch tiled 3 by 3, and the sprites enlarged.
#pragma once

#include "assets.h"

namespace pixelart {

PixelCanvas PreviewBoard(const Assets& assets);
PixelCanvas PreviewFloor(const Assets& assets);
PixelCanvas PreviewSprites(const Assets& assets);
PixelCanvas Enlarged(const PixelCanvas& canvas, int zoom);

}  // namespace pixelart
