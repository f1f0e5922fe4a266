// A sprite: colours plus which pixels it covers. From it come the two
// pictures the game draws with: the mask (white where the cell shows
// through, black under the sprite) and the picture (black where the cell
// shows through), so that AND mask then OR picture composites it.
#pragma once

#include <map>
#include <vector>

#include "pixel_canvas.h"

namespace pixelart {

class Sprite {
 public:
  Sprite(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Covers(int x, int y) const;
  Colour At(int x, int y) const { return Covers(x, y) ? colours_[Index(x, y)] : kBlack; }
  void Set(int x, int y, Colour c);
  void Erase(int x, int y);

  // A one-pixel border in `c` around the silhouette (four neighbours).
  Sprite Outlined(Colour c) const;
  Sprite Mirrored() const;

  PixelCanvas Picture() const;
  PixelCanvas Mask() const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_;
  int height_;
  std::vector<Colour> colours_;
  std::vector<bool> covered_;
};

// Pixel art written as rows of characters; '.' is transparent, every other
// character must be in the legend and every row exactly `width` long (a
// mistyped row stops the generator rather than shifting the picture).
Sprite SpriteFromArt(int width, const std::vector<const char*>& rows, const std::map<char, Colour>& legend);
// The left half of a symmetric sprite; the right half is its mirror image.
Sprite SymmetricSpriteFromArt(int halfWidth, const std::vector<const char*>& rows,
                              const std::map<char, Colour>& legend);

}  // namespace pixelart
