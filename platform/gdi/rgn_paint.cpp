// Painting through regions: FillRgn, FrameRgn, PaintRgn, InvertRgn.
#include <utility>

#include "curve_raster.h"
#include "dc_internal.h"
#include "rgn.h"

namespace {

// The region moved from logical to device coordinates.
bool DeviceRegion(const DeviceContext& dc, HRGN rgn, Region& out) {
  const Region* r = ResolveRegion(rgn);
  if (!r) return false;
  out = *r;
  const POINT by = LogicalToDevice(dc, POINT{});
  return out.Offset(by.x, by.y);
}

// Each rectangle of the region through `brush` with PATCOPY, as FillRect
// fills; the DC's own brush is put back afterwards.
BOOL FillWithBrush(DeviceContext& dc, const Region& region, HBRUSH brush) {
  if (!GdiResolve(brush, GdiKind::Brush)) return FALSE;
  const HBRUSH selected = std::exchange(dc.a.brush, brush);
  for (const TRect& r : region.Rects()) PatRect(dc, r, PATCOPY);
  dc.a.brush = selected;
  return TRUE;
}

}  // namespace

BOOL FillRgn(HDC h, HRGN rgn, HBRUSH brush) {
  RecordedCall record(h, "FillRgn", {});
  DeviceContext* dc = ResolveDC(h);
  Region region;
  if (!dc || !DeviceRegion(*dc, rgn, region)) return FALSE;
  return FillWithBrush(*dc, region, brush);
}

BOOL FrameRgn(HDC h, HRGN rgn, HBRUSH brush, int width, int height) {
  RecordedCall record(h, "FrameRgn", {width, height});
  DeviceContext* dc = ResolveDC(h);
  Region region;
  if (!dc || !DeviceRegion(*dc, rgn, region)) return FALSE;
  return FillWithBrush(*dc, curve_raster::Frame(region, width, height), brush);
}

BOOL PaintRgn(HDC h, HRGN rgn) {
  RecordedCall record(h, "PaintRgn", {});
  DeviceContext* dc = ResolveDC(h);
  Region region;
  if (!dc || !DeviceRegion(*dc, rgn, region)) return FALSE;
  for (const TRect& r : region.Rects())
    for (LONG y = r.top; y < r.bottom; ++y) FillSpan(*dc, y, r.left, r.right);
  return TRUE;
}

BOOL InvertRgn(HDC h, HRGN rgn) {
  RecordedCall record(h, "InvertRgn", {});
  DeviceContext* dc = ResolveDC(h);
  Region region;
  if (!dc || !DeviceRegion(*dc, rgn, region)) return FALSE;
  for (const TRect& r : region.Rects()) PatRect(*dc, r, DSTINVERT);
  return TRUE;
}
