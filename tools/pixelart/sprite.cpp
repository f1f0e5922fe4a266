#include "sprite.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace pixelart {

Sprite::Sprite(int width, int height)
    : width_(width), height_(height), colours_(static_cast<std::size_t>(width) * height, kBlack),
      covered_(colours_.size(), false) {}

bool Sprite::Covers(int x, int y) const {
  return x >= 0 && y >= 0 && x < width_ && y < height_ && covered_[Index(x, y)];
}

void Sprite::Set(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  colours_[Index(x, y)] = c;
  covered_[Index(x, y)] = true;
}

void Sprite::Erase(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  colours_[Index(x, y)] = kBlack;
  covered_[Index(x, y)] = false;
}

Sprite Sprite::Outlined(Colour c) const {
  Sprite result = *this;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (!Covers(x, y) && (Covers(x - 1, y) || Covers(x + 1, y) || Covers(x, y - 1) || Covers(x, y + 1)))
        result.Set(x, y, c);
  return result;
}

Sprite Sprite::Mirrored() const {
  Sprite result(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (Covers(x, y)) result.Set(width_ - 1 - x, y, At(x, y));
  return result;
}

PixelCanvas Sprite::Picture() const {
  PixelCanvas picture(width_, height_, kBlack);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (Covers(x, y)) picture.Put(x, y, At(x, y));
  return picture;
}

PixelCanvas Sprite::Mask() const {
  PixelCanvas mask(width_, height_, kWhite);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (Covers(x, y)) mask.Put(x, y, kBlack);
  return mask;
}

Sprite SpriteFromArt(int width, const std::vector<const char*>& rows, const std::map<char, Colour>& legend) {
  Sprite sprite(width, static_cast<int>(rows.size()));
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    const char* row = rows[y];
    if (static_cast<int>(std::strlen(row)) != width)
      throw std::invalid_argument("pixel art row " + std::to_string(y) + " is not " + std::to_string(width) +
                                  " wide");
    for (int x = 0; x < width; ++x) {
      if (row[x] == '.') continue;
      const auto found = legend.find(row[x]);
      if (found == legend.end())
        throw std::invalid_argument(std::string("pixel art character '") + row[x] + "' has no colour");
      sprite.Set(x, y, found->second);
    }
  }
  return sprite;
}

Sprite SymmetricSpriteFromArt(int halfWidth, const std::vector<const char*>& rows,
                              const std::map<char, Colour>& legend) {
  const Sprite half = SpriteFromArt(halfWidth, rows, legend);
  Sprite whole(2 * halfWidth, half.Height());
  for (int y = 0; y < half.Height(); ++y)
    for (int x = 0; x < halfWidth; ++x)
      if (half.Covers(x, y)) {
        whole.Set(x, y, half.At(x, y));
        whole.Set(2 * halfWidth - 1 - x, y, half.At(x, y));
      }
  return whole;
}

}  // namespace pixelart
