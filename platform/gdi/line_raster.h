// Pixels of straight lines: the one-pixel line of the Windows rule (the end
// point is not drawn, so joined segments meet without a doubled pixel) and
// the wide line as a pixel set.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "rect.h"
#include "region.h"

namespace line_raster {

// The minor-axis offset of step `i` of a line running `major` steps along
// its major axis and `minor` along the other (both >= 0, minor <= major).
// Halfway cases go toward the smaller coordinate, whichever way the line
// runs, so a line and its reverse cover the same pixels.
inline std::int64_t MinorOffset(std::int64_t i, std::int64_t major, std::int64_t minor, bool increasing) {
  if (major < (std::int64_t{1} << 30))  // every line of a real surface: no 128-bit division
    return (2 * i * minor + major - (increasing ? 1 : 0)) / (2 * major);
  const __int128 num = static_cast<__int128>(2) * i * minor + major - (increasing ? 1 : 0);
  return static_cast<std::int64_t>(num / (2 * major));
}

}  // namespace line_raster

// Calls plot(x, y, i) for each pixel of the line from (x0, y0) to (x1, y1),
// the end point excluded, where i is the pixel's step from the start (for
// pen styles). Only pixels inside `box` are visited, and the walk is limited
// to the box, so a line reaching far outside costs no more than its visible
// part.
template <class Plot>
void ForEachLinePixel(LONG x0, LONG y0, LONG x1, LONG y1, const RECT& box, Plot&& plot) {
  const std::int64_t dx = static_cast<std::int64_t>(x1) - x0, dy = static_cast<std::int64_t>(y1) - y0;
  const std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  const bool xMajor = adx >= ady;
  const std::int64_t steps = xMajor ? adx : ady;
  if (steps == 0 || box.right <= box.left || box.bottom <= box.top) return;
  const std::int64_t minorSteps = xMajor ? ady : adx;
  const int majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const int minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const std::int64_t majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
  const std::int64_t lo = xMajor ? box.left : box.top, hi = (xMajor ? box.right : box.bottom) - 1;
  const std::int64_t minorLo = xMajor ? box.top : box.left, minorHi = (xMajor ? box.bottom : box.right) - 1;
  // The steps whose major coordinate lies within the box.
  std::int64_t first = majorSign > 0 ? lo - majorStart : majorStart - hi;
  std::int64_t last = majorSign > 0 ? hi - majorStart : majorStart - lo;
  if (first < 0) first = 0;
  if (last > steps - 1) last = steps - 1;
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t major = majorStart + majorSign * i;
    const std::int64_t minor = minorStart + minorSign * line_raster::MinorOffset(i, steps, minorSteps, minorSign > 0);
    if (minor < minorLo || minor > minorHi) {
      // Past the box on the minor side: the rest of the line stays outside.
      if ((minorSign > 0 && minor > minorHi) || (minorSign < 0 && minor < minorLo)) break;
      continue;
    }
    if (xMajor)
      plot(static_cast<LONG>(major), static_cast<LONG>(minor), i);
    else
      plot(static_cast<LONG>(minor), static_cast<LONG>(major), i);
  }
}

// The pixels of a wide line from a to b: those whose centre lies within
// width/2 of the segment (round ends). An even width is centred half a pixel
// up and left of the path, so a width-2 horizontal line covers the rows y-1
// and y, and width 4 covers y-2 .. y+1.
Region WideLineRegion(POINT a, POINT b, int width, const RECT& box);
