// Rectangle, Ellipse and RoundRect: one figure painter, three shapes.
#include "curve_raster.h"
#include "shape_paint.h"
#include "shapes.h"

namespace {

void PaintFigure(DeviceContext& dc, const TRect& box, const FigureShape& shape) {
  const PenTraits pen = CurrentPen(dc);
  const FigureParts parts = SplitFigure(box, pen, shape);
  PaintInBrush(dc, parts.inside);
  if (!pen.null) PaintInPen(dc, parts.outline, pen.color);
}

}  // namespace

BOOL Rectangle(HDC h, int left, int top, int right, int bottom) {
  RecordedCall record(h, "Rectangle", {left, top, right, bottom});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const TRect box = DeviceBox(*dc, left, top, right, bottom);
  const PenTraits pen = CurrentPen(*dc);
  if (pen.Styled() && !pen.null) {
    // A dashed frame runs round the box as one path.
    PaintInBrush(*dc, Region(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1));
    const POINT corners[] = {{{box.left}, {box.top}},
                             {{box.right - 1}, {box.top}},
                             {{box.right - 1}, {box.bottom - 1}},
                             {{box.left}, {box.bottom - 1}}};
    Stroke(*dc, corners, true, pen);
    return TRUE;
  }
  const TRect window = FigureWindow(*dc, pen);
  PaintFigure(*dc, box, [&window](const TRect& b, LONG) { return Region(b) & Region(window); });
  return TRUE;
}

BOOL Ellipse(HDC h, int left, int top, int right, int bottom) {
  RecordedCall record(h, "Ellipse", {left, top, right, bottom});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const TRect window = FigureWindow(*dc, CurrentPen(*dc));
  PaintFigure(*dc, DeviceBox(*dc, left, top, right, bottom),
              [&window](const TRect& b, LONG) { return curve_raster::Ellipse(b, window); });
  return TRUE;
}

BOOL RoundRect(HDC h, int left, int top, int right, int bottom, int width, int height) {
  RecordedCall record(h, "RoundRect", {left, top, right, bottom, width, height});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const LONG rx = width < 0 ? -width : width, ry = height < 0 ? -height : height;
  const TRect window = FigureWindow(*dc, CurrentPen(*dc));
  PaintFigure(*dc, DeviceBox(*dc, left, top, right, bottom), [rx, ry, &window](const TRect& b, LONG grown) {
    return curve_raster::RoundRect(b, std::max<LONG>(0, rx + 2 * grown), std::max<LONG>(0, ry + 2 * grown), window);
  });
  return TRUE;
}
