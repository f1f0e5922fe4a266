// MoveToEx, LineTo, Polyline, PolylineTo.
#include <vector>

#include "shape_paint.h"
#include "shapes.h"

BOOL MoveToEx(HDC h, int x, int y, POINT* previous) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  if (previous) *previous = dc->a.currentPos;
  dc->a.currentPos = POINT{{x}, {y}};
  return TRUE;
}

BOOL LineTo(HDC h, int x, int y) {
  RecordedCall record(h, "LineTo", {x, y});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const POINT ends[] = {LogicalToDevice(*dc, dc->a.currentPos), LogicalToDevice(*dc, POINT{{x}, {y}})};
  Stroke(*dc, ends, false, CurrentPen(*dc));
  dc->a.currentPos = POINT{{x}, {y}};
  return TRUE;
}

BOOL Polyline(HDC h, const POINT* points, int count) {
  RecordedCall record(h, "Polyline", RecordedPoints(points, count));
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !points || count < 2) return FALSE;
  const std::vector<POINT> device = ToDevice(*dc, points, static_cast<std::size_t>(count));
  Stroke(*dc, device, false, CurrentPen(*dc));
  return TRUE;
}

BOOL PolylineTo(HDC h, const POINT* points, DWORD count) {
  RecordedCall record(h, "PolylineTo", RecordedPoints(points, static_cast<long long>(count)));
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !points || count < 1) return FALSE;
  std::vector<POINT> device{LogicalToDevice(*dc, dc->a.currentPos)};
  for (DWORD i = 0; i < count; ++i) device.push_back(LogicalToDevice(*dc, points[i]));
  Stroke(*dc, device, false, CurrentPen(*dc));
  dc->a.currentPos = points[count - 1];
  return TRUE;
}
