// Arc, Pie and Chord: the ellipse of the box cut by the sweep from the
// start radial counter-clockwise to the end radial.
#include <span>

#include "curve_raster.h"
#include "shape_paint.h"
#include "shapes.h"

namespace {

struct ArcGeometry {
  TRect box;
  curve_raster::Sweep sweep;
  POINT start, end;  // where the radials meet the ellipse
};

ArcGeometry Geometry(const DeviceContext& dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  const TRect box = DeviceBox(dc, left, top, right, bottom);
  const POINT s = LogicalToDevice(dc, POINT{{xs}, {ys}}), e = LogicalToDevice(dc, POINT{{xe}, {ye}});
  const curve_raster::Sweep sweep(box, s, e);
  return {box, sweep, sweep.EdgePoint(s), sweep.EdgePoint(e)};
}

// The ellipse of a box, built only where it can show.
FigureShape EllipseIn(const DeviceContext& dc, const PenTraits& pen) {
  const TRect window = FigureWindow(dc, pen);
  return [window](const TRect& b, LONG) { return curve_raster::Ellipse(b, window); };
}

// Fill first, then the outline over it; the fill leaves the outline's pixels out.
void PaintParts(DeviceContext& dc, const PenTraits& pen, const Region& outline, const Region& inside) {
  PaintInBrush(dc, inside - outline);
  if (!pen.null) PaintInPen(dc, outline, pen.color);
}

// The arc's part of a figure's outline, closed by pen lines through
// `closing` (the radii of a pie, the chord of a chord).
Region ClosedArcOutline(const DeviceContext& dc, const ArcGeometry& g, const FigureParts& parts,
                        const PenTraits& pen, std::span<const POINT> closing) {
  if (pen.null) return Region();
  return g.sweep.Clip(parts.outline) | StrokePixels(closing, false, pen, DrawableBox(dc));
}

}  // namespace

BOOL Arc(HDC h, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  RecordedCall record(h, "Arc", {left, top, right, bottom, xs, ys, xe, ye});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const PenTraits pen = CurrentPen(*dc);
  if (pen.null) return TRUE;
  const ArcGeometry g = Geometry(*dc, left, top, right, bottom, xs, ys, xe, ye);
  PaintInPen(*dc, g.sweep.Clip(SplitFigure(g.box, pen, EllipseIn(*dc, pen)).outline), pen.color);
  return TRUE;
}

BOOL Pie(HDC h, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  RecordedCall record(h, "Pie", {left, top, right, bottom, xs, ys, xe, ye});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const PenTraits pen = CurrentPen(*dc);
  const ArcGeometry g = Geometry(*dc, left, top, right, bottom, xs, ys, xe, ye);
  const FigureParts parts = SplitFigure(g.box, pen, EllipseIn(*dc, pen));
  // The two radii, from the end of the arc in to the centre and out to its start.
  const POINT radii[] = {g.end, g.sweep.Centre(), g.start};
  const Region outline = ClosedArcOutline(*dc, g, parts, pen, radii);
  PaintParts(*dc, pen, outline, g.sweep.Clip(parts.inside));
  return TRUE;
}

BOOL Chord(HDC h, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  RecordedCall record(h, "Chord", {left, top, right, bottom, xs, ys, xe, ye});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const PenTraits pen = CurrentPen(*dc);
  const ArcGeometry g = Geometry(*dc, left, top, right, bottom, xs, ys, xe, ye);
  const FigureParts parts = SplitFigure(g.box, pen, EllipseIn(*dc, pen));
  const POINT chord[] = {g.end, g.start};
  const Region outline = ClosedArcOutline(*dc, g, parts, pen, chord);
  Region inside = parts.inside;
  if (!g.sweep.Whole()) {
    // The arc's side of the chord: with y running down, the cross product of
    // (end - start) and (p - start) is not negative there.
    const long long dx = static_cast<long long>(g.end.x) - g.start.x, dy = static_cast<long long>(g.end.y) - g.start.y;
    inside = curve_raster::SelectPixels(inside, [&](LONG x, LONG y) {
      return dx * (static_cast<long long>(y) - g.start.y) - dy * (static_cast<long long>(x) - g.start.x) >= 0;
    });
  }
  PaintParts(*dc, pen, outline, inside);
  return TRUE;
}
