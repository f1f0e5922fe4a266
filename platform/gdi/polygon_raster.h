// The pixels a polygon fills. Pixel (x, y) is inside when the point (x, y)
// is, under the fill mode; a point on an edge counts for the edges on its
// left and top only, so a polygon's right and bottom edges are not filled
// and polygons sharing an edge never both fill it.
#pragma once

#include <span>

#include "rect.h"
#include "region.h"

enum class PolyFill { Alternate, Winding };

// Several closed polygons filled together (one polygon: one count). Only the
// rows of `box` are scanned, and the result lies within it.
Region PolygonFillRegion(std::span<const POINT> points, std::span<const int> counts, PolyFill mode, const RECT& box);
