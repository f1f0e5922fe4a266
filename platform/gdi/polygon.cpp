// Polygon and PolyPolygon: the fill under the DC's fill mode, then the
// outline of every polygon in the pen.
#include <vector>

#include "polygon_raster.h"
#include "shape_paint.h"
#include "shapes.h"

namespace {

// "3,3;0,0,4,0,0,4,1,1,5,1,1,5": the counts, then the points of them all.
AnsiString PolyPolygonArgs(const POINT* points, const INT* counts, int polygons) {
  if (!counts || polygons <= 0) return AnsiString(polygons);
  AnsiString joined;
  long long total = 0;
  for (int i = 0; i < polygons; ++i) {
    if (i) joined += ",";
    joined += AnsiString(counts[i]);
    if (counts[i] < 0) return joined;
    total += counts[i];
  }
  return joined + ";" + RecordedPoints(points, total);
}

}  // namespace

BOOL PolyPolygon(HDC h, const POINT* points, const INT* counts, int polygons) {
  RecordedCall record(h, "PolyPolygon", PolyPolygonArgs(points, counts, polygons));
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !points || !counts || polygons <= 0) return FALSE;
  std::size_t total = 0;
  for (int i = 0; i < polygons; ++i) {
    if (counts[i] < 2) return FALSE;
    total += static_cast<std::size_t>(counts[i]);
  }
  const std::vector<POINT> device = ToDevice(*dc, points, total);
  const PenTraits pen = CurrentPen(*dc);
  const RECT box = DrawableBox(*dc);
  const PolyFill mode = dc->a.polyFillMode == WINDING ? PolyFill::Winding : PolyFill::Alternate;
  Region fill = PolygonFillRegion(device, {counts, static_cast<std::size_t>(polygons)}, mode, box);
  // The outline is drawn over the fill, so the fill leaves its pixels out
  // (under XOR they would cancel otherwise).
  std::vector<std::span<const POINT>> outlines;
  std::size_t at = 0;
  for (int i = 0; i < polygons; ++i) {
    outlines.emplace_back(device.data() + at, static_cast<std::size_t>(counts[i]));
    at += static_cast<std::size_t>(counts[i]);
  }
  if (!pen.null)
    for (const auto& outline : outlines) fill -= StrokePixels(outline, true, pen, box);
  PaintInBrush(*dc, fill);
  for (const auto& outline : outlines) Stroke(*dc, outline, true, pen);
  return TRUE;
}

BOOL Polygon(HDC h, const POINT* points, int count) {
  RecordedCall record(h, "Polygon", RecordedPoints(points, count));
  return PolyPolygon(h, points, &count, 1);
}
