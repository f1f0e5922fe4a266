// The sprites the game draws over the cells with a mask: the figure, the
// mover, the keys and the exit item.
#pragma once

#include "sprite.h"

namespace pixelart {

constexpr int kExitItemWidth = 20;
constexpr int kExitItemHeight = 19;

// 32 by 32; the figure facing left is the mirror image.
Sprite FigureFacingRight();
Sprite Mover();
// 32 by 32; every key has the same silhouette, so the four share one mask.
Sprite Key(Colour colour);
// 20 by 19.
Sprite ExitItem();

}  // namespace pixelart
