#include "polygon_raster.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct Edge {
  std::int64_t x0, y0, x1, y1;  // y0 < y1
  int dir;                      // +1 downward, -1 upward
};

// Ceiling of a / b for b > 0.
std::int64_t CeilDiv(__int128 a, __int128 b) {
  const __int128 q = a / b;
  return static_cast<std::int64_t>(q * b < a ? q + 1 : q);
}

struct Crossing {
  std::int64_t x;  // the first pixel at or right of the edge
  int dir;
};

}  // namespace

Region PolygonFillRegion(std::span<const POINT> points, std::span<const int> counts, PolyFill mode, const RECT& box) {
  std::vector<Edge> edges;
  std::int64_t minY = INT64_MAX, maxY = INT64_MIN;
  std::size_t at = 0;
  for (const int count : counts) {
    if (count < 0 || static_cast<std::size_t>(count) > points.size() - at) break;
    for (int i = 0; i < count; ++i) {
      const POINT& a = points[at + i];
      const POINT& b = points[at + (i + 1) % count];
      if (a.y == b.y) continue;
      const bool down = a.y < b.y;
      const POINT& top = down ? a : b;
      const POINT& bottom = down ? b : a;
      edges.push_back({top.x, top.y, bottom.x, bottom.y, down ? 1 : -1});
      minY = std::min<std::int64_t>(minY, top.y);
      maxY = std::max<std::int64_t>(maxY, bottom.y);
    }
    at += static_cast<std::size_t>(count);
  }
  if (edges.empty()) return Region();
  const std::int64_t top = std::max<std::int64_t>(minY, box.top);
  const std::int64_t bottom = std::min<std::int64_t>(maxY, box.bottom);
  RegionBuilder builder;
  std::vector<Crossing> crossings;
  std::vector<RegionBuilder::Span> spans;
  for (std::int64_t y = top; y < bottom; ++y) {
    crossings.clear();
    for (const Edge& e : edges) {
      if (y < e.y0 || y >= e.y1) continue;
      const __int128 num = static_cast<__int128>(e.x0) * (e.y1 - e.y0) + static_cast<__int128>(y - e.y0) * (e.x1 - e.x0);
      crossings.push_back({CeilDiv(num, e.y1 - e.y0), e.dir});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    spans.clear();
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].dir;
      const bool inside = mode == PolyFill::Alternate ? i % 2 == 0 : winding != 0;
      const std::int64_t l = std::max<std::int64_t>(crossings[i].x, box.left);
      const std::int64_t r = std::min<std::int64_t>(crossings[i + 1].x, box.right);
      if (inside && l < r) spans.push_back({static_cast<LONG>(l), static_cast<LONG>(r)});
    }
    builder.AddRow(static_cast<LONG>(y), spans);
  }
  return builder.Finish();
}
