#include "pixel_canvas.h"

namespace pixelart {

PixelCanvas::PixelCanvas(int width, int height, Colour background) {
  image_.Width = width;
  image_.Height = height;
  image_.BitsPerPixel = 24;
  image_.Pixels.assign(static_cast<std::size_t>(width) * height, background);
}

void PixelCanvas::Put(int x, int y, Colour c) {
  if (Contains(x, y)) image_.Row(y)[x] = c & 0xFFFFFF;
}

void PixelCanvas::Blend(int x, int y, Colour c, double alpha) {
  if (Contains(x, y)) Put(x, y, Mix(Get(x, y), c, std::clamp(alpha, 0.0, 1.0)));
}

void PixelCanvas::FillRect(int left, int top, int right, int bottom, Colour c) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Put(x, y, c);
}

void PixelCanvas::Paint(int left, int top, int width, int height,
                        const std::function<Colour(int x, int y)>& paint) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) Put(left + x, top + y, paint(x, y));
}

void PixelCanvas::CopyFrom(const PixelCanvas& source, int sourceLeft, int sourceTop, int width, int height,
                           int left, int top) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) Put(left + x, top + y, source.Get(sourceLeft + x, sourceTop + y));
}

void PixelCanvas::AndFrom(const PixelCanvas& source, int left, int top) {
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x)
      if (Contains(left + x, top + y)) Put(left + x, top + y, Get(left + x, top + y) & source.Get(x, y));
}

void PixelCanvas::OrFrom(const PixelCanvas& source, int left, int top) {
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x)
      if (Contains(left + x, top + y)) Put(left + x, top + y, Get(left + x, top + y) | source.Get(x, y));
}

}  // namespace pixelart
