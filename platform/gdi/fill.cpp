#include "fill.h"

#include <algorithm>

#include "blit.h"
#include "dc_internal.h"
#include "syscolors.h"

namespace {

// A system colour index + 1 stands for that colour's brush.
HBRUSH BrushFromArgument(HBRUSH brush) {
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value >= 1 && value <= static_cast<std::uintptr_t>(kSysColorCount)) return GetSysColorBrush(static_cast<int>(value) - 1);
  return brush;
}

// Runs a pattern operation with `brush` in place of the selected one.
template <class Fn>
void WithBrush(DeviceContext& dc, HBRUSH brush, Fn&& fn) {
  HBRUSH selected = dc.a.brush;
  dc.a.brush = brush;
  fn();
  dc.a.brush = selected;
}

bool Ordered(const RECT& r) { return r.left < r.right && r.top < r.bottom; }

RECT DeviceRect(const DeviceContext& dc, long long l, long long t, long long r, long long b) {
  POINT tl = LogicalToDevice(dc, TPoint(ClampCoord(l), ClampCoord(t)));
  POINT br = LogicalToDevice(dc, TPoint(ClampCoord(r), ClampCoord(b)));
  return TRect(tl.x, tl.y, br.x, br.y);
}

// The surface pixel of a logical point, if it lies on the surface and in
// the clip.
Pixel* ClippedPixel(DeviceContext& dc, int x, int y) {
  if (!dc.surface) return nullptr;
  const POINT d = LogicalToDevice(dc, TPoint(x, y));
  const long long sx = static_cast<long long>(d.x) + dc.origin.x, sy = static_cast<long long>(d.y) + dc.origin.y;
  for (const RECT& c : dc.clip) {
    if (c.top > sy) break;
    if (sy < c.bottom && sx >= c.left && sx < c.right) return &dc.surface->At(static_cast<int>(sx), static_cast<int>(sy));
  }
  return nullptr;
}

}  // namespace

int FillRect(HDC h, const RECT* r, HBRUSH brush) {
  if (!r) return 0;
  RecordedCall record(h, "FillRect", {r->left, r->top, r->right, r->bottom});
  DeviceContext* dc = ResolveDC(h);
  brush = BrushFromArgument(brush);
  if (!dc || !GdiResolve(brush, GdiKind::Brush)) return 0;
  if (!Ordered(*r)) return 1;
  WithBrush(*dc, brush, [&] { PatRect(*dc, DeviceRect(*dc, r->left, r->top, r->right, r->bottom), PATCOPY); });
  return 1;
}

int FrameRect(HDC h, const RECT* r, HBRUSH brush) {
  if (!r) return 0;
  RecordedCall record(h, "FrameRect", {r->left, r->top, r->right, r->bottom});
  DeviceContext* dc = ResolveDC(h);
  brush = BrushFromArgument(brush);
  if (!dc || !GdiResolve(brush, GdiKind::Brush)) return 0;
  if (!Ordered(*r)) return 1;
  const long long l = r->left, t = r->top, rr = r->right, b = r->bottom;
  WithBrush(*dc, brush, [&] {
    PatRect(*dc, DeviceRect(*dc, l, t, rr, t + 1), PATCOPY);
    if (b - t > 1) PatRect(*dc, DeviceRect(*dc, l, b - 1, rr, b), PATCOPY);
    PatRect(*dc, DeviceRect(*dc, l, t + 1, l + 1, b - 1), PATCOPY);
    if (rr - l > 1) PatRect(*dc, DeviceRect(*dc, rr - 1, t + 1, rr, b - 1), PATCOPY);
  });
  return 1;
}

BOOL InvertRect(HDC h, const RECT* r) {
  if (!r) return FALSE;
  RecordedCall record(h, "InvertRect", {r->left, r->top, r->right, r->bottom});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  if (Ordered(*r)) PatRect(*dc, DeviceRect(*dc, r->left, r->top, r->right, r->bottom), DSTINVERT);
  return TRUE;
}

BOOL DrawFocusRect(HDC h, const RECT* r) {
  if (!r) return FALSE;
  RecordedCall record(h, "DrawFocusRect", {r->left, r->top, r->right, r->bottom});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  if (!Ordered(*r) || !dc->surface) return TRUE;
  // The dots sit on the pixels whose coordinates sum to an even number
  // counted from the corner, so the four sides meet in the same rhythm.
  auto dot = [&](int x, int y) {
    if (((static_cast<long long>(x) - r->left) + (static_cast<long long>(y) - r->top)) & 1) return;
    if (Pixel* p = ClippedPixel(*dc, x, y)) *p ^= kPixelMask;
  };
  // Walk only the part of the ring the clip can show.
  const RECT box = DcClipBoxDevice(*dc);
  const POINT lo = DeviceToLogical(*dc, TPoint(box.left, box.top));
  const POINT hi = DeviceToLogical(*dc, TPoint(box.right, box.bottom));
  const int x0 = std::max(r->left, lo.x), x1 = std::min(r->right, hi.x);
  const int y0 = std::max(r->top + 1, lo.y), y1 = std::min(r->bottom - 1, hi.y);
  for (int x = x0; x < x1; ++x) dot(x, r->top);
  if (r->bottom - r->top > 1)
    for (int x = x0; x < x1; ++x) dot(x, r->bottom - 1);
  for (int y = y0; y < y1; ++y) {
    dot(r->left, y);
    if (r->right - r->left > 1) dot(r->right - 1, y);
  }
  return TRUE;
}

COLORREF SetPixel(HDC h, int x, int y, COLORREF color) {
  RecordedCall record(h, "SetPixel", {x, y, static_cast<long long>(color)});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return CLR_INVALID;
  Pixel* p = ClippedPixel(*dc, x, y);
  if (!p) return CLR_INVALID;
  *p = DcPixel(*dc, color);
  return PixelToColorRef(*p);
}

BOOL SetPixelV(HDC h, int x, int y, COLORREF color) {
  RecordedCall record(h, "SetPixelV", {x, y, static_cast<long long>(color)});
  return SetPixel(h, x, y, color) != CLR_INVALID;
}

COLORREF GetPixel(HDC h, int x, int y) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return CLR_INVALID;
  Pixel* p = ClippedPixel(*dc, x, y);
  return p ? PixelToColorRef(*p & kPixelMask) : CLR_INVALID;
}
