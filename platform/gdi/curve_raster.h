// Pixel sets of the curved figures: ellipses, round rectangles, the outline
// rings drawn by pens, and the angular sweeps of arcs, pies and chords.
//
// A pixel belongs to the ellipse inscribed in a box (right and bottom
// exclusive) when its centre lies inside or on that ellipse, so the figures
// are symmetric about both axes of the box.
#pragma once

#include <functional>

#include "rect.h"
#include "region.h"

namespace curve_raster {

// The whole plane: a figure built within it is complete.
inline const TRect kWholePlane(-Region::kMaxCoord, -Region::kMaxCoord, Region::kMaxCoord, Region::kMaxCoord);

// Boxes are taken normalised; an empty box gives the empty region. Only
// the pixels within window are built, so a figure far larger than the
// surface costs no more than the surface.
Region Ellipse(const TRect& box, const TRect& window = kWholePlane);
// A rectangle whose corners are quarters of an rx x ry ellipse (the corner
// sizes are clamped to the box).
Region RoundRect(const TRect& box, LONG rx, LONG ry, const TRect& window = kWholePlane);

// The pixels of `shape` with a 4-neighbour outside it: a one-pixel,
// 8-connected outline.
Region Border(const Region& shape);
// The pixels of `shape` within w pixels (horizontally) or h (vertically) of
// its outside: the frame FrameRgn paints.
Region Frame(const Region& shape, LONG w, LONG h);

// The pixels of `shape` for which keep(x, y) holds, visited one by one:
// for figures of drawing size.
Region SelectPixels(const Region& shape, const std::function<bool(LONG, LONG)>& keep);

// A figure's box grown by the outer part of a pen of width w centred on it,
// and the box of its inside after the whole pen width (insideFrame keeps the
// pen within the box).
TRect PenOuterBox(const TRect& box, int width, bool insideFrame);
TRect PenInnerBox(const TRect& outer, int width);

// The counter-clockwise (as seen on the screen) sweep about the centre of a
// box from the radial through `start` to the radial through `end`; start and
// end on one radial give the whole turn.
class Sweep {
 public:
  Sweep(const TRect& box, POINT start, POINT end);
  bool Contains(LONG x, LONG y) const;
  // The pixels of `shape` inside the sweep.
  Region Clip(const Region& shape) const;
  // The point where the radial through p leaves the ellipse of the box,
  // rounded to a pixel (the ends of an arc, the corners of a pie).
  POINT EdgePoint(POINT p) const;
  POINT Centre() const;
  bool Whole() const { return whole_; }

 private:
  TRect box_;
  // Doubled coordinates relative to the centre, y pointing up.
  long long sx_, sy_, ex_, ey_;
  bool whole_ = false;
};

}  // namespace curve_raster
