// What a present really changes: a copy of the pixels last presented to one
// window, against which a new present is compared inside the rectangle the
// layer marked dirty. A window that repaints a whole picture of which three
// cells moved then puts only those cells on the screen.
#pragma once

#include <vector>

#include "rect.h"
#include "surface.h"

namespace Backend {

// Copies the pixels of `dirty` (clipped to both) that differ from `to` over
// and returns where they lie, as disjoint rectangles top to bottom.
std::vector<TRect> TakeChangedPixels(const Surface& from, Surface& to, const TRect& dirty);

class PresentedPixels {
 public:
  // The parts of `dirty` (clipped to the surface) whose pixels differ from
  // the last present, as disjoint rectangles top to bottom, and takes them
  // over. The first present, and one after the surface's size changed,
  // reports the whole surface.
  std::vector<TRect> Update(const Surface& surface, const TRect& dirty);

 private:
  Surface copy_;
};

}  // namespace Backend
