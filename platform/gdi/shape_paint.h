// What every figure shares once its pixels are known: the selected pen as
// the figures read it, painting pixel sets in the pen or the brush, and
// stroking connected segments. Device coordinates throughout.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "dc_internal.h"
#include "region.h"

struct PenTraits {
  bool null = false;
  int width = 1;         // 0 and 1 draw one pixel
  UINT style = 0;        // PS_SOLID ... PS_INSIDEFRAME
  COLORREF color = 0;
  bool Thin() const { return width <= 1; }
  bool InsideFrame() const;
  // A dashed or dotted pen; styles apply to one-pixel pens only.
  bool Styled() const;
};
PenTraits CurrentPen(const DeviceContext& dc);

// The pixels of a figure for a box; `grown` is how far that box lies
// outside the figure's own box on each side (negative inside), so that
// corner sizes follow the pen.
using FigureShape = std::function<Region(const TRect& box, LONG grown)>;

// The parts of a closed figure drawn with a pen: its outline in the pen and
// its inside in the brush (the null-pen inside is one pixel short on the
// right and the bottom).
struct FigureParts {
  Region outline, inside;
};
FigureParts SplitFigure(const TRect& box, const PenTraits& pen, const FigureShape& shape);

// The pixels in the pen's colour, or in the brush (nothing for a null
// brush), under the DC's binary raster operation.
void PaintInPen(DeviceContext& dc, const Region& pixels, COLORREF color);
void PaintInBrush(DeviceContext& dc, const Region& pixels);

// The pixels that stroking `points` (closed: back to the first) covers,
// without the end point of an open path for one-pixel pens.
Region StrokePixels(std::span<const POINT> points, bool closed, const PenTraits& pen, const RECT& box);
// Draws that stroke: a one-pixel pen plots the pixels along the lines with
// its dash pattern (gaps in the background colour when the background mode
// is OPAQUE), a wide pen paints the union of its strokes once.
void Stroke(DeviceContext& dc, std::span<const POINT> points, bool closed, const PenTraits& pen);

// The device box in which drawing can show (the clip's bounds).
RECT DrawableBox(const DeviceContext& dc);
// Where a figure's pixels are worth building: the drawable box grown by
// more than a pen reaches, so that no outline is cut where it shows.
TRect FigureWindow(const DeviceContext& dc, const PenTraits& pen);
// Logical points to device points.
std::vector<POINT> ToDevice(const DeviceContext& dc, const POINT* points, std::size_t count);
// A logical box to a normalised device box.
TRect DeviceBox(const DeviceContext& dc, int left, int top, int right, int bottom);
