#include "curve_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace curve_raster {
namespace {

using i128 = __int128;

std::int64_t ISqrt(i128 n) {
  if (n <= 0) return 0;
  auto r = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(n)));
  while (static_cast<i128>(r) * r > n) --r;
  while (static_cast<i128>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

// The run of row `row` (0-based from the top) of the ellipse in a w x h box,
// as [x0, x1) from the box's left; false when the row holds no pixel.
// Pixel centres in doubled coordinates about the box centre are
// X = 2x + 1 - w and Y = 2y + 1 - h; inside means X²h² + Y²w² <= w²h².
bool EllipseRow(std::int64_t w, std::int64_t h, std::int64_t row, std::int64_t& x0, std::int64_t& x1) {
  const std::int64_t y = 2 * row + 1 - h;
  const i128 n = static_cast<i128>(w) * w * (static_cast<i128>(h) * h - static_cast<i128>(y) * y);
  if (n < 0) return false;
  std::int64_t xMax = ISqrt(n) / h;
  if (((xMax ^ (w + 1)) & 1) != 0) --xMax;  // X has the parity of w + 1
  if (xMax < 0) return false;
  x0 = (w - 1 - xMax) / 2;
  x1 = (w - 1 + xMax) / 2 + 1;
  return true;
}

TRect Normalised(const TRect& r) {
  return TRect(std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
               std::max(r.top, r.bottom));
}

// The rows of a box (0-based from its top) that lie within window.
struct WindowRows {
  std::int64_t first, last;
};
WindowRows RowsIn(const TRect& box, const TRect& window) {
  const std::int64_t h = box.Height();
  return {std::max<std::int64_t>(0, std::int64_t{window.top} - box.top),
          std::min<std::int64_t>(h, std::int64_t{window.bottom} - box.top)};
}

void AddClippedRow(RegionBuilder& builder, std::int64_t y, std::int64_t x0, std::int64_t x1, const TRect& window) {
  x0 = std::max<std::int64_t>(x0, window.left);
  x1 = std::min<std::int64_t>(x1, window.right);
  if (x0 >= x1) return;
  const RegionBuilder::Span span{static_cast<LONG>(x0), static_cast<LONG>(x1)};
  builder.AddRow(static_cast<LONG>(y), {&span, 1});
}

Region Shifted(const Region& r, LONG dx, LONG dy) {
  Region out = r;
  out.Offset(dx, dy);
  return out;
}

// The half-turn of v as seen from s: 0 for [0, 180) degrees counter-clockwise, 1 for the rest.
int HalfTurn(long long sx, long long sy, long long vx, long long vy) {
  const i128 cross = static_cast<i128>(sx) * vy - static_cast<i128>(sy) * vx;
  const i128 dot = static_cast<i128>(sx) * vx + static_cast<i128>(sy) * vy;
  return cross > 0 || (cross == 0 && dot > 0) ? 0 : 1;
}

}  // namespace

Region Ellipse(const TRect& boxIn, const TRect& window) {
  const TRect box = Normalised(boxIn);
  const std::int64_t w = box.Width(), h = box.Height();
  if (w <= 0 || h <= 0) return Region();
  RegionBuilder builder;
  const WindowRows rows = RowsIn(box, window);
  for (std::int64_t row = rows.first; row < rows.last; ++row) {
    std::int64_t x0 = 0, x1 = 0;
    if (!EllipseRow(w, h, row, x0, x1)) continue;
    AddClippedRow(builder, box.top + row, box.left + x0, box.left + x1, window);
  }
  return builder.Finish();
}

Region RoundRect(const TRect& boxIn, LONG rxIn, LONG ryIn, const TRect& window) {
  const TRect box = Normalised(boxIn);
  const std::int64_t w = box.Width(), h = box.Height();
  if (w <= 0 || h <= 0) return Region();
  const std::int64_t rx = std::min<std::int64_t>(std::llabs(rxIn), w), ry = std::min<std::int64_t>(std::llabs(ryIn), h);
  if (rx < 2 || ry < 2) return Region(box) & Region(window);
  RegionBuilder builder;
  const WindowRows rows = RowsIn(box, window);
  for (std::int64_t row = rows.first; row < rows.last; ++row) {
    // Rows of the top corners take the corner ellipse's upper rows, rows of
    // the bottom corners its lower ones; the middle is the whole width.
    const std::int64_t fromBottom = h - 1 - row;
    std::int64_t inset = 0;
    const std::int64_t cornerRow = row < ry / 2 ? row : fromBottom < ry / 2 ? ry - 1 - fromBottom : -1;
    if (cornerRow >= 0) {
      std::int64_t x0 = 0, x1 = 0;
      if (!EllipseRow(rx, ry, cornerRow, x0, x1)) continue;
      inset = x0;
    }
    AddClippedRow(builder, box.top + row, box.left + inset, std::int64_t{box.right} - inset, window);
  }
  return builder.Finish();
}

Region Border(const Region& shape) {
  if (shape.IsSingleRect()) {
    const TRect& b = shape.Bounds();
    return shape - Region(b.left + 1, b.top + 1, b.right - 1, b.bottom - 1);
  }
  const Region inner = shape & Shifted(shape, 1, 0) & Shifted(shape, -1, 0) & Shifted(shape, 0, 1) &
                       Shifted(shape, 0, -1);
  return shape - inner;
}

Region Frame(const Region& shape, LONG w, LONG h) {
  if (w < 1) w = 1;
  if (h < 1) h = 1;
  // Horizontally, each run of a band loses w pixels at both ends.
  RegionBuilder narrowed;
  std::vector<RegionBuilder::Span> spans;
  const auto rects = shape.Rects();
  for (std::size_t i = 0; i < rects.size();) {
    std::size_t j = i;
    spans.clear();
    for (; j < rects.size() && rects[j].top == rects[i].top; ++j)
      if (rects[j].right - rects[j].left > 2 * static_cast<std::int64_t>(w))
        spans.push_back({rects[j].left + w, rects[j].right - w});
    narrowed.AddBand(rects[i].top, rects[i].bottom, spans);
    i = j;
  }
  Region inner = narrowed.Finish();
  for (LONG k = 1; k <= h && !inner.IsEmpty(); ++k) inner = inner & Shifted(shape, 0, k) & Shifted(shape, 0, -k);
  return shape - inner;
}

Region SelectPixels(const Region& shape, const std::function<bool(LONG, LONG)>& keep) {
  // One piece per run of kept pixels; FromRects unites them.
  std::vector<RECT> pieces;
  for (const TRect& r : shape.Rects())
    for (LONG y = r.top; y < r.bottom; ++y) {
      LONG runStart = 0;
      bool inRun = false;
      for (LONG x = r.left; x <= r.right; ++x) {
        const bool in = x < r.right && keep(x, y);
        if (in && !inRun) runStart = x;
        if (!in && inRun) pieces.push_back(TRect(runStart, y, x, y + 1));
        inRun = in;
      }
    }
  return Region::FromRects(pieces);
}

TRect PenOuterBox(const TRect& boxIn, int width, bool insideFrame) {
  TRect box = Normalised(boxIn);
  if (width > 1 && !insideFrame) InflateRect(&box, width / 2, width / 2);
  return box;
}

TRect PenInnerBox(const TRect& outer, int width) {
  TRect box = outer;
  InflateRect(&box, -width, -width);
  return box;
}

Sweep::Sweep(const TRect& boxIn, POINT start, POINT end) : box_(Normalised(boxIn)) {
  // The radials are taken about the box's centre in continuous coordinates,
  // where pixel x spans [x, x + 1); doubled, so all stays integral.
  const long long cx = 1LL * box_.left + box_.right, cy = 1LL * box_.top + box_.bottom;
  sx_ = 2LL * start.x - cx, sy_ = cy - 2LL * start.y;
  ex_ = 2LL * end.x - cx, ey_ = cy - 2LL * end.y;
  if (sx_ == 0 && sy_ == 0) sx_ = 1;
  if (ex_ == 0 && ey_ == 0) ex_ = 1;
  const i128 cross = static_cast<i128>(sx_) * ey_ - static_cast<i128>(sy_) * ex_;
  const i128 dot = static_cast<i128>(sx_) * ex_ + static_cast<i128>(sy_) * ey_;
  whole_ = cross == 0 && dot > 0;
}

POINT Sweep::Centre() const {
  return POINT{{box_.left + (box_.Width() - 1) / 2}, {box_.top + (box_.Height() - 1) / 2}};
}

bool Sweep::Contains(LONG x, LONG y) const {
  if (whole_) return true;
  // The pixel's centre, doubled, about the box's centre.
  const long long vx = 2LL * x + 1 - box_.left - box_.right;
  const long long vy = 1LL * box_.top + box_.bottom - 2LL * y - 1;
  if (vx == 0 && vy == 0) return true;
  const int hv = HalfTurn(sx_, sy_, vx, vy), he = HalfTurn(sx_, sy_, ex_, ey_);
  if (hv != he) return hv < he;
  // Same half-turn: v comes no later than e.
  return static_cast<i128>(vx) * ey_ - static_cast<i128>(vy) * ex_ >= 0;
}

Region Sweep::Clip(const Region& shape) const {
  if (whole_) return shape;
  return SelectPixels(shape, [this](LONG x, LONG y) { return Contains(x, y); });
}

POINT Sweep::EdgePoint(POINT p) const {
  const double a = (box_.Width() - 1) / 2.0, b = (box_.Height() - 1) / 2.0;
  const double cx = box_.left + a, cy = box_.top + b;
  double dx = p.x - cx, dy = p.y - cy;
  if (dx == 0 && dy == 0) dx = 1;
  const double qa = a > 0 ? dx * dx / (a * a) : (dx != 0 ? INFINITY : 0);
  const double qb = b > 0 ? dy * dy / (b * b) : (dy != 0 ? INFINITY : 0);
  const double q = qa + qb;
  const double t = q > 0 && std::isfinite(q) ? 1.0 / std::sqrt(q) : 0.0;
  return POINT{{static_cast<LONG>(std::lround(cx + t * dx))}, {static_cast<LONG>(std::lround(cy + t * dy))}};
}

}  // namespace curve_raster
