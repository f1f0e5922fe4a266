// The application's clip of a device context: SelectClipRgn and the
// functions that edit it. The clip is kept in device coordinates in the DC
// (dc_internal.h), which intersects it with the visible area.
#include <vector>

#include "dc_internal.h"
#include "rgn.h"

namespace {

// The complexity of what drawing on the DC reaches now.
int EffectiveKind(const DeviceContext& dc) {
  return Region::FromRects(dc.clip).GetKind();
}

// The clip's region; without one of its own, the whole surface (in device
// coordinates), as that is what drawing reaches.
Region CurrentClip(const DeviceContext& dc) {
  if (dc.a.hasClipRgn) return Region::FromRects(dc.a.clipRgn);
  if (!dc.surface) return Region();
  return Region(-dc.origin.x, -dc.origin.y, dc.surface->Width() - dc.origin.x, dc.surface->Height() - dc.origin.y);
}

int SetClip(DeviceContext& dc, const Region& clip) {
  const auto rects = clip.Rects();
  const std::vector<RECT> list(rects.begin(), rects.end());
  SetDcClipRects(dc, &list);
  return EffectiveKind(dc);
}

}  // namespace

int SelectClipRgn(HDC h, HRGN rgn) { return ExtSelectClipRgn(h, rgn, RGN_COPY); }

int ExtSelectClipRgn(HDC h, HRGN rgn, int mode) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return ERROR;
  const Region* r = ResolveRegion(rgn);
  if (!r) {
    // Only RGN_COPY may pass no region: it removes the clip.
    if (rgn || mode != RGN_COPY) return ERROR;
    SetDcClipRects(*dc, nullptr);
    return EffectiveKind(*dc);
  }
  switch (mode) {
    case RGN_COPY: return SetClip(*dc, *r);
    case RGN_AND: return SetClip(*dc, CurrentClip(*dc) & *r);
    case RGN_OR: return SetClip(*dc, CurrentClip(*dc) | *r);
    case RGN_XOR: return SetClip(*dc, CurrentClip(*dc) ^ *r);
    case RGN_DIFF: return SetClip(*dc, CurrentClip(*dc) - *r);
    default: return ERROR;
  }
}

int IntersectClipRect(HDC h, int left, int top, int right, int bottom) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return ERROR;
  Region clip = CurrentClip(*dc);
  clip.IntersectRect(LogicalToDevice(*dc, RECT{{left}, {top}, {right}, {bottom}}));
  return SetClip(*dc, clip);
}

int ExcludeClipRect(HDC h, int left, int top, int right, int bottom) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return ERROR;
  Region clip = CurrentClip(*dc);
  clip.ExcludeRect(LogicalToDevice(*dc, RECT{{left}, {top}, {right}, {bottom}}));
  return SetClip(*dc, clip);
}

int OffsetClipRgn(HDC h, int dx, int dy) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return ERROR;
  if (!dc->a.hasClipRgn) return EffectiveKind(*dc);
  Region clip = Region::FromRects(dc->a.clipRgn);
  if (!clip.Offset(dx, dy)) return ERROR;
  return SetClip(*dc, clip);
}

int GetClipBox(HDC h, RECT* box) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !box) return ERROR;
  const RECT device = DcClipBoxDevice(*dc);
  const int kind = EffectiveKind(*dc);
  if (kind == NULLREGION) {
    *box = RECT{};
    return kind;
  }
  const POINT topLeft = DeviceToLogical(*dc, POINT{{device.left}, {device.top}});
  const POINT bottomRight = DeviceToLogical(*dc, POINT{{device.right}, {device.bottom}});
  *box = RECT{{topLeft.x}, {topLeft.y}, {bottomRight.x}, {bottomRight.y}};
  return kind;
}

int GetClipRgn(HDC h, HRGN rgn) {
  DeviceContext* dc = ResolveDC(h);
  Region* out = ResolveRegion(rgn);
  if (!dc || !out) return -1;
  if (!dc->a.hasClipRgn) return 0;
  *out = Region::FromRects(dc->a.clipRgn);
  return 1;
}
