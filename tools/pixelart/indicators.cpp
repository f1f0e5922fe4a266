#include "indicators.h"

#include "palette.h"
#include "shapes.h"
#include "sprite.h"
#include "sprites.h"

namespace pixelart {

namespace {

PixelCanvas OnNavy(const Sprite& sprite, int width, int height, int left, int top) {
  PixelCanvas canvas(width, height, kNavy);
  for (int y = 0; y < sprite.Height(); ++y)
    for (int x = 0; x < sprite.Width(); ++x)
      if (sprite.Covers(x, y)) canvas.Put(left + x, top + y, sprite.At(x, y));
  return canvas;
}

}  // namespace

PixelCanvas KeyIndicator(Colour colour) {
  // A small key lying flat, the same shape as the key on the board.
  const Region bow = Minus(Ellipse(8, 8, 5, 5), Ellipse(8, 8, 1.8, 1.8));
  const Region shaft = Box(12, 6, 28, 9);
  const Region bit = Union(Box(20, 9, 23, 12), Box(25, 9, 28, 13));
  const Region key = Union(bow, Union(shaft, bit));
  const Ramp ramp = MakeRamp(colour);
  Sprite sprite(32, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x)
      if (key(x, y)) sprite.Set(x, y, BevelColour(key, x, y, ramp));
  sprite.Set(6, 5, Shade(colour, 1.8));
  return OnNavy(sprite.Outlined(kOutline), 32, 16, 0, 0);
}

PixelCanvas ExitSymbol() { return OnNavy(ExitItem(), kExitItemWidth, kExitItemHeight, 0, 0); }

}  // namespace pixelart
