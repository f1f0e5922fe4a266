#include "shape_paint.h"

#include <algorithm>
#include <vector>

#include "curve_raster.h"
#include "line_raster.h"
#include "pen.h"

namespace {

// Dash patterns of the one-pixel styled pens: alternating on and off runs.
std::span<const int> DashPattern(UINT style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case PS_DASH: return kDash;
    case PS_DOT: return kDot;
    case PS_DASHDOT: return kDashDot;
    case PS_DASHDOTDOT: return kDashDotDot;
    default: return {};
  }
}

bool DashOn(std::span<const int> pattern, std::int64_t position) {
  int period = 0;
  for (int run : pattern) period += run;
  std::int64_t at = position % period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return true;
}

std::size_t SegmentCount(std::span<const POINT> points, bool closed) {
  if (points.size() < 2) return 0;
  return closed ? points.size() : points.size() - 1;
}

}  // namespace

bool PenTraits::InsideFrame() const { return style == PS_INSIDEFRAME; }
bool PenTraits::Styled() const { return Thin() && !DashPattern(style).empty(); }

PenTraits CurrentPen(const DeviceContext& dc) {
  PenTraits traits;
  const auto* pen = GdiResolveAs<PenObject>(dc.a.pen, GdiKind::Pen);
  if (!pen) return traits;
  traits.null = pen->IsNull();
  traits.width = pen->Width();
  traits.style = pen->Style();
  traits.color = pen->log.lopnColor;
  return traits;
}

FigureParts SplitFigure(const TRect& box, const PenTraits& pen, const FigureShape& shape) {
  if (pen.null) {
    // Without a pen the brush covers one pixel less on the right and bottom.
    return {Region(), shape(TRect(box.left, box.top, box.right - 1, box.bottom - 1), 0)};
  }
  if (pen.Thin()) {
    const Region whole = shape(box, 0);
    const Region outline = curve_raster::Border(whole);
    return {outline, whole - outline};
  }
  const TRect outer = curve_raster::PenOuterBox(box, pen.width, pen.InsideFrame());
  const LONG grown = box.left - outer.left;
  const Region inside = shape(curve_raster::PenInnerBox(outer, pen.width), grown - pen.width);
  return {shape(outer, grown) - inside, inside};
}

void PaintInPen(DeviceContext& dc, const Region& pixels, COLORREF color) {
  for (const TRect& r : pixels.Rects())
    for (LONG y = r.top; y < r.bottom; ++y) FillSpanColor(dc, y, r.left, r.right, color);
}

void PaintInBrush(DeviceContext& dc, const Region& pixels) {
  if (RealizeBrush(dc).null) return;
  for (const TRect& r : pixels.Rects())
    for (LONG y = r.top; y < r.bottom; ++y) FillSpan(dc, y, r.left, r.right);
}

Region StrokePixels(std::span<const POINT> points, bool closed, const PenTraits& pen, const RECT& box) {
  const std::size_t segments = SegmentCount(points, closed);
  if (pen.Thin()) {
    std::vector<RECT> pixels;
    for (std::size_t i = 0; i < segments; ++i) {
      const POINT a = points[i], b = points[(i + 1) % points.size()];
      ForEachLinePixel(a.x, a.y, b.x, b.y, box, [&](LONG x, LONG y, std::int64_t) {
        pixels.push_back(RECT{{x}, {y}, {x + 1}, {y + 1}});
      });
    }
    return Region::FromRects(pixels);
  }
  Region all;
  for (std::size_t i = 0; i < segments; ++i) all |= WideLineRegion(points[i], points[(i + 1) % points.size()], pen.width, box);
  return all;
}

void Stroke(DeviceContext& dc, std::span<const POINT> points, bool closed, const PenTraits& pen) {
  if (pen.null) return;
  const RECT box = DrawableBox(dc);
  if (!pen.Thin()) {
    PaintInPen(dc, StrokePixels(points, closed, pen, box), pen.color);
    return;
  }
  const std::span<const int> pattern = pen.Styled() ? DashPattern(pen.style) : std::span<const int>();
  const bool opaqueGaps = dc.a.bkMode == OPAQUE;
  // The dash pattern runs on along the whole path.
  std::int64_t position = 0;
  const std::size_t segments = SegmentCount(points, closed);
  for (std::size_t i = 0; i < segments; ++i) {
    const POINT a = points[i], b = points[(i + 1) % points.size()];
    ForEachLinePixel(a.x, a.y, b.x, b.y, box, [&](LONG x, LONG y, std::int64_t step) {
      if (pattern.empty() || DashOn(pattern, position + step))
        PlotPixel(dc, x, y, pen.color);
      else if (opaqueGaps)
        PlotPixel(dc, x, y, dc.a.bkColor);
    });
    position += std::max(std::llabs(static_cast<std::int64_t>(b.x) - a.x), std::llabs(static_cast<std::int64_t>(b.y) - a.y));
  }
}

RECT DrawableBox(const DeviceContext& dc) { return DcClipBoxDevice(dc); }

TRect FigureWindow(const DeviceContext& dc, const PenTraits& pen) {
  TRect window(DrawableBox(dc));
  const LONG margin = std::max<LONG>(pen.width, 1) + 2;
  window.left = window.left > -Region::kMaxCoord + margin ? window.left - margin : -Region::kMaxCoord;
  window.top = window.top > -Region::kMaxCoord + margin ? window.top - margin : -Region::kMaxCoord;
  window.right = window.right < Region::kMaxCoord - margin ? window.right + margin : Region::kMaxCoord;
  window.bottom = window.bottom < Region::kMaxCoord - margin ? window.bottom + margin : Region::kMaxCoord;
  return window;
}

std::vector<POINT> ToDevice(const DeviceContext& dc, const POINT* points, std::size_t count) {
  std::vector<POINT> out(count);
  for (std::size_t i = 0; i < count; ++i) out[i] = LogicalToDevice(dc, points[i]);
  return out;
}

TRect DeviceBox(const DeviceContext& dc, int left, int top, int right, int bottom) {
  const RECT r = LogicalToDevice(dc, RECT{{left}, {top}, {right}, {bottom}});
  return TRect(std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
               std::max(r.top, r.bottom));
}
