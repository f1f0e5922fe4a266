#include "line_raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A segment in doubled coordinates (pixel (x, y) is the point (2x, 2y)),
// with the squared doubled radius, tested exactly.
struct Capsule {
  std::int64_t ax, ay, bx, by, radius;

  bool Contains(std::int64_t x, std::int64_t y) const {
    const __int128 px = 2 * x - ax, py = 2 * y - ay;
    const __int128 dx = bx - ax, dy = by - ay;
    const __int128 len2 = dx * dx + dy * dy;
    const __int128 t = px * dx + py * dy;
    const __int128 r2 = static_cast<__int128>(radius) * radius;
    if (len2 == 0 || t <= 0) return px * px + py * py <= r2;
    if (t >= len2) {
      const __int128 qx = 2 * x - bx, qy = 2 * y - by;
      return qx * qx + qy * qy <= r2;
    }
    return (px * px + py * py) * len2 - t * t <= r2 * len2;
  }
};

}  // namespace

Region WideLineRegion(POINT a, POINT b, int width, const RECT& box) {
  if (width < 1) width = 1;
  const std::int64_t shift = width % 2 == 0 ? 1 : 0;
  const Capsule c{2 * std::int64_t{a.x} - shift, 2 * std::int64_t{a.y} - shift, 2 * std::int64_t{b.x} - shift,
                  2 * std::int64_t{b.y} - shift, width - 1};
  const std::int64_t top = std::max<std::int64_t>((std::min(c.ay, c.by) - c.radius) / 2 - 1, box.top);
  const std::int64_t bottom = std::min<std::int64_t>((std::max(c.ay, c.by) + c.radius) / 2 + 2, box.bottom);
  // The row's run of inside pixels is contiguous (the capsule is convex): find
  // one inside pixel near the segment, then the ends by bisection.
  const std::int64_t reach = (std::llabs(c.bx - c.ax) + 2 * c.radius) / 2 + 2;
  RegionBuilder builder;
  for (std::int64_t y = top; y < bottom; ++y) {
    double s = 0;
    if (c.by != c.ay) s = std::clamp(static_cast<double>(2 * y - c.ay) / static_cast<double>(c.by - c.ay), 0.0, 1.0);
    const auto seedCentre = static_cast<std::int64_t>(std::floor((c.ax + s * (c.bx - c.ax)) / 2.0 + 0.5));
    std::int64_t seed = seedCentre;
    bool found = false;
    for (std::int64_t d : {0, -1, 1}) {
      if (c.Contains(seedCentre + d, y)) {
        seed = seedCentre + d, found = true;
        break;
      }
    }
    if (!found) continue;
    std::int64_t inside = seed, outside = seed - reach;  // leftmost inside in (outside, inside]
    while (inside - outside > 1) {
      const std::int64_t mid = outside + (inside - outside) / 2;
      (c.Contains(mid, y) ? inside : outside) = mid;
    }
    const std::int64_t left = inside;
    inside = seed, outside = seed + reach;
    while (outside - inside > 1) {
      const std::int64_t mid = inside + (outside - inside) / 2;
      (c.Contains(mid, y) ? inside : outside) = mid;
    }
    const LONG l = static_cast<LONG>(std::max<std::int64_t>(left, box.left));
    const LONG r = static_cast<LONG>(std::min<std::int64_t>(inside + 1, box.right));
    const RegionBuilder::Span span{l, r};
    if (l < r) builder.AddRow(static_cast<LONG>(y), {&span, 1});
  }
  return builder.Finish();
}
