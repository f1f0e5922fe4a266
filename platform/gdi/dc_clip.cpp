// The effective clip of a device context and its coordinate transforms.
#include <algorithm>

#include "dc_internal.h"

namespace {

RECT Offset(const RECT& r, POINT by) {
  RECT o;
  o.left = r.left + by.x;
  o.top = r.top + by.y;
  o.right = r.right + by.x;
  o.bottom = r.bottom + by.y;
  return o;
}

bool Intersect(const RECT& a, const RECT& b, RECT& out) {
  out.left = std::max(a.left, b.left);
  out.top = std::max(a.top, b.top);
  out.right = std::min(a.right, b.right);
  out.bottom = std::min(a.bottom, b.bottom);
  return out.left < out.right && out.top < out.bottom;
}

// Both lists are disjoint, so the pairwise intersections are too.
std::vector<RECT> IntersectLists(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  std::vector<RECT> out;
  for (const RECT& ra : a)
    for (const RECT& rb : b) {
      RECT r;
      if (Intersect(ra, rb, r)) out.push_back(r);
    }
  return out;
}

}  // namespace

void UpdateDcClip(DeviceContext& dc) {
  dc.clip.clear();
  if (!dc.surface || dc.surface->Empty()) return;
  RECT bounds;
  bounds.right = dc.surface->Width();
  bounds.bottom = dc.surface->Height();
  const TPoint toDevice(-dc.origin.x, -dc.origin.y);
  std::vector<RECT> area = dc.visibleIsWhole ? std::vector<RECT>{Offset(bounds, toDevice)} : dc.visible;
  if (dc.a.hasClipRgn) area = IntersectLists(area, dc.a.clipRgn);
  for (const RECT& r : area) {
    RECT onSurface;
    if (Intersect(Offset(r, dc.origin), bounds, onSurface)) dc.clip.push_back(onSurface);
  }
  std::sort(dc.clip.begin(), dc.clip.end(), [](const RECT& a, const RECT& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
}

void SetDcClipRects(DeviceContext& dc, const std::vector<RECT>* deviceRects) {
  dc.a.hasClipRgn = deviceRects != nullptr;
  dc.a.clipRgn = deviceRects ? *deviceRects : std::vector<RECT>{};
  UpdateDcClip(dc);
}

RECT DcClipBoxDevice(const DeviceContext& dc) {
  RECT box;
  bool any = false;
  for (const RECT& r : dc.clip) {
    if (!any) {
      box = r;
      any = true;
      continue;
    }
    box.left = std::min(box.left, r.left);
    box.top = std::min(box.top, r.top);
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
  }
  if (!any) return RECT{};
  return Offset(box, TPoint(-dc.origin.x, -dc.origin.y));
}

POINT DeviceToLogical(const DeviceContext& dc, POINT p) {
  return TPoint(ClampCoord(static_cast<long long>(p.x) - dc.a.viewportOrg.x + dc.a.windowOrg.x),
               ClampCoord(static_cast<long long>(p.y) - dc.a.viewportOrg.y + dc.a.windowOrg.y));
}

RECT LogicalToDevice(const DeviceContext& dc, const RECT& r) {
  POINT tl = LogicalToDevice(dc, TPoint(r.left, r.top));
  POINT br = LogicalToDevice(dc, TPoint(r.right, r.bottom));
  RECT out;
  out.left = tl.x;
  out.top = tl.y;
  out.right = br.x;
  out.bottom = br.y;
  return out;
}
