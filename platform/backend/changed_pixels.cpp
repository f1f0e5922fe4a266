#include "changed_pixels.h"

#include <algorithm>
#include <cstring>

namespace Backend {
namespace {

// Rows are compared one by one and gathered in strips of this height, so
// that the rectangles stay few and still hug what moved.
constexpr int kStripRows = 16;

// The first and one past the last differing column of [left, right), or an
// empty range.
std::pair<int, int> DifferingColumns(const Pixel* a, const Pixel* b, int left, int right) {
  // Most rows of a frame are as they were: the library's compare says so
  // fastest.
  if (std::memcmp(a + left, b + left, static_cast<std::size_t>(right - left) * sizeof(Pixel)) == 0) return {left, left};
  int first = left, last = right;
  while (first < last && a[first] == b[first]) ++first;
  while (last > first && a[last - 1] == b[last - 1]) --last;
  return {first, last};
}

}  // namespace

std::vector<TRect> TakeChangedPixels(const Surface& from, Surface& to, const TRect& dirty) {
  const TRect whole(0, 0, std::min(from.Width(), to.Width()), std::min(from.Height(), to.Height()));
  TRect area;
  if (!IntersectRect(&area, &dirty, &whole)) return {};
  std::vector<TRect> changed;
  for (int stripTop = area.top; stripTop < area.bottom; stripTop += kStripRows) {
    const int stripBottom = std::min<int>(stripTop + kStripRows, area.bottom);
    TRect strip;
    bool any = false;
    for (int y = stripTop; y < stripBottom; ++y) {
      const auto [left, right] = DifferingColumns(from.Row(y), to.Row(y), area.left, area.right);
      if (left >= right) continue;
      std::memcpy(to.Row(y) + left, from.Row(y) + left, static_cast<std::size_t>(right - left) * sizeof(Pixel));
      if (!any) strip = TRect(left, y, right, y + 1);
      strip.left = std::min<LONG>(strip.left, left);
      strip.right = std::max<LONG>(strip.right, right);
      strip.bottom = y + 1;
      any = true;
    }
    if (!any) continue;
    // A strip under one of the same columns continues it.
    if (!changed.empty() && changed.back().bottom == strip.top && changed.back().left == strip.left &&
        changed.back().right == strip.right)
      changed.back().bottom = strip.bottom;
    else
      changed.push_back(strip);
  }
  return changed;
}

std::vector<TRect> PresentedPixels::Update(const Surface& surface, const TRect& dirty) {
  if (copy_.Width() != surface.Width() || copy_.Height() != surface.Height()) {
    copy_ = Surface(surface.Width(), surface.Height());
    for (int y = 0; y < surface.Height(); ++y)
      std::memcpy(copy_.Row(y), surface.Row(y), static_cast<std::size_t>(surface.Width()) * sizeof(Pixel));
    if (surface.Empty()) return {};
    return {TRect(0, 0, surface.Width(), surface.Height())};
  }
  return TakeChangedPixels(surface, copy_, dirty);
}

}  // namespace Backend
