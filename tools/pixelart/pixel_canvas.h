// A picture being drawn: clipped pixel access, rectangles, copies, and the
// raster image the PNG writer takes.
#pragma once

#include <functional>

#include "colour.h"
#include "raster_image.h"

namespace pixelart {

class PixelCanvas {
 public:
  PixelCanvas(int width, int height, Colour background = kBlack);

  int Width() const { return image_.Width; }
  int Height() const { return image_.Height; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

  Colour Get(int x, int y) const { return Contains(x, y) ? image_.Row(y)[x] : kBlack; }
  // Outside the picture nothing happens: shapes may overhang their cell.
  void Put(int x, int y, Colour c);
  void Blend(int x, int y, Colour c, double alpha);
  // Right and bottom exclusive.
  void FillRect(int left, int top, int right, int bottom, Colour c);
  // Every pixel of the rectangle gets paint(x, y) with coordinates relative
  // to its top-left corner.
  void Paint(int left, int top, int width, int height, const std::function<Colour(int x, int y)>& paint);
  void CopyFrom(const PixelCanvas& source, int sourceLeft, int sourceTop, int width, int height, int left, int top);

  // The Windows raster rule the game draws sprites with.
  void AndFrom(const PixelCanvas& source, int left, int top);
  void OrFrom(const PixelCanvas& source, int left, int top);

  const RasterImage& Image() const { return image_; }

 private:
  RasterImage image_;
};

}  // namespace pixelart
