#include "region.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kRectSize = 16;
constexpr DWORD kRdhRectangles = 1;

TRect Normalised(const RECT& r) {
  return TRect(std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
               std::max(r.top, r.bottom));
}

bool InRange(std::int64_t v) { return v >= -Region::kMaxCoord && v <= Region::kMaxCoord; }

// The end of the band starting at begin: rects there share top and bottom.
std::size_t BandEnd(std::span<const TRect> rects, std::size_t begin) {
  std::size_t end = begin + 1;
  while (end < rects.size() && rects[end].top == rects[begin].top) ++end;
  return end;
}

bool Applies(RegionOp op, bool inA, bool inB) {
  switch (op) {
    case RegionOp::And: return inA && inB;
    case RegionOp::Or: return inA || inB;
    case RegionOp::Xor: return inA != inB;
    case RegionOp::Diff: return inA && !inB;
  }
  return false;
}

// Combines the x-spans of one band of each operand.
void CombineSpans(std::span<const TRect> a, std::span<const TRect> b, RegionOp op,
                  std::vector<RegionBuilder::Span>& out) {
  out.clear();
  constexpr LONG kNone = std::numeric_limits<LONG>::max();
  std::size_t i = 0, j = 0;
  bool inA = false, inB = false;
  LONG x = std::numeric_limits<LONG>::min();
  for (;;) {
    const LONG nextA = i < a.size() ? (inA ? a[i].right : a[i].left) : kNone;
    const LONG nextB = j < b.size() ? (inB ? b[j].right : b[j].left) : kNone;
    const LONG next = std::min(nextA, nextB);
    if (next == kNone) break;
    if (next > x && Applies(op, inA, inB)) {
      if (!out.empty() && out.back().right == x)
        out.back().right = next;
      else
        out.push_back({x, next});
    }
    x = next;
    if (nextA == next) {
      if (inA) ++i;
      inA = !inA;
    }
    if (nextB == next) {
      if (inB) ++j;
      inB = !inB;
    }
  }
}

void PutLong(BYTE* p, LONG v) {
  const auto u = static_cast<std::uint32_t>(v);
  p[0] = static_cast<BYTE>(u), p[1] = static_cast<BYTE>(u >> 8), p[2] = static_cast<BYTE>(u >> 16),
  p[3] = static_cast<BYTE>(u >> 24);
}

std::uint32_t GetDword(const BYTE* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

LONG GetLong(const BYTE* p) { return static_cast<LONG>(GetDword(p)); }

void PutRect(BYTE* p, const RECT& r) {
  PutLong(p, r.left), PutLong(p + 4, r.top), PutLong(p + 8, r.right), PutLong(p + 12, r.bottom);
}

// True when the list is already banded (perhaps without merged bands), so
// that it can be taken over in one pass.
bool IsBanded(std::span<const TRect> rects) {
  for (std::size_t i = 1; i < rects.size(); ++i) {
    const TRect& p = rects[i - 1];
    const TRect& r = rects[i];
    if (r.top == p.top) {
      if (r.bottom != p.bottom || r.left <= p.right) return false;
    } else if (r.top < p.bottom) {
      return false;
    }
  }
  return true;
}

Region UniteRange(std::span<const TRect> rects) {
  if (rects.size() == 1) return Region(rects[0]);
  const std::size_t half = rects.size() / 2;
  return Region::Combine(UniteRange(rects.first(half)), UniteRange(rects.subspan(half)), RegionOp::Or);
}

}  // namespace

Region::Region(const RECT& r) {
  if (r.right > r.left && r.bottom > r.top) bounds_ = r;
}

std::span<const TRect> Region::Rects() const {
  if (IsEmpty()) return {};
  if (rects_.empty()) return {&bounds_, 1};
  return rects_;
}

void Region::AdoptRects(std::vector<TRect>&& rects) {
  rects_.clear();
  bounds_ = TRect();
  if (rects.empty()) return;
  bounds_ = TRect(rects.front().left, rects.front().top, rects.front().right, rects.back().bottom);
  for (const TRect& r : rects) {
    bounds_.left = std::min(bounds_.left, r.left);
    bounds_.right = std::max(bounds_.right, r.right);
  }
  if (rects.size() > 1) rects_ = std::move(rects);
}

bool Region::Contains(LONG x, LONG y) const {
  if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return false;
  if (rects_.empty()) return true;
  // The first rectangle whose bottom lies below y starts the band of y, if any.
  auto it = std::partition_point(rects_.begin(), rects_.end(), [y](const TRect& r) { return r.bottom <= y; });
  for (; it != rects_.end() && it->top <= y; ++it) {
    if (x < it->left) return false;
    if (x < it->right) return true;
  }
  return false;
}

bool Region::Overlaps(const RECT& r) const {
  const TRect n = Normalised(r);
  if (n.right <= n.left || n.bottom <= n.top) return false;
  for (const TRect& q : Rects()) {
    if (q.top >= n.bottom) break;
    if (q.bottom > n.top && q.left < n.right && q.right > n.left) return true;
  }
  return false;
}

bool Region::ContainsRect(const RECT& r) const {
  const Region inner(Normalised(r));
  if (inner.IsEmpty()) return false;
  return Combine(inner, *this, RegionOp::Diff).IsEmpty();
}

bool Region::Offset(LONG dx, LONG dy) {
  if (IsEmpty()) return true;
  const auto moved = [](LONG v, LONG d) { return static_cast<std::int64_t>(v) + d; };
  if (!InRange(moved(bounds_.left, dx)) || !InRange(moved(bounds_.right, dx)) ||
      !InRange(moved(bounds_.top, dy)) || !InRange(moved(bounds_.bottom, dy)))
    return false;
  OffsetRect(&bounds_, dx, dy);
  for (TRect& r : rects_) OffsetRect(&r, dx, dy);
  return true;
}

void Region::IntersectRect(const RECT& r) {
  if (rects_.empty()) {
    TRect out;
    ::IntersectRect(&out, &bounds_, &r);
    *this = Region(out);
    return;
  }
  *this &= Region(r);
}

Region Region::Combine(const Region& a, const Region& b, RegionOp op) {
  // The cases a clip meets most: an empty side, and two rectangles.
  if (a.IsEmpty()) return op == RegionOp::And || op == RegionOp::Diff ? Region() : b;
  if (b.IsEmpty()) return op == RegionOp::And ? Region() : a;
  if (op == RegionOp::And && a.IsSingleRect() && b.IsSingleRect()) {
    TRect out;
    ::IntersectRect(&out, &a.bounds_, &b.bounds_);
    return Region(out);
  }
  const bool disjoint = a.bounds_.right <= b.bounds_.left || b.bounds_.right <= a.bounds_.left ||
                        a.bounds_.bottom <= b.bounds_.top || b.bounds_.bottom <= a.bounds_.top;
  if (disjoint && op == RegionOp::And) return Region();
  if (disjoint && op == RegionOp::Diff) return a;

  // Sweep down both band lists; each y-range where the active bands do not
  // change becomes one band of the result.
  const std::span<const TRect> ra = a.Rects(), rb = b.Rects();
  RegionBuilder out;
  out.Reserve(op == RegionOp::And ? std::max(ra.size(), rb.size()) : ra.size() + rb.size());
  std::vector<RegionBuilder::Span> spans;
  std::size_t ia = 0, ib = 0;
  LONG y = std::min(ra[0].top, rb[0].top);
  while (ia < ra.size() || ib < rb.size()) {
    const std::size_t ja = ia < ra.size() ? BandEnd(ra, ia) : ia;
    const std::size_t jb = ib < rb.size() ? BandEnd(rb, ib) : ib;
    constexpr LONG kNone = std::numeric_limits<LONG>::max();
    bool activeA = false, activeB = false;
    LONG yEnd = kNone;
    if (ia < ra.size()) {
      activeA = ra[ia].top <= y;
      yEnd = std::min(yEnd, activeA ? ra[ia].bottom : ra[ia].top);
    }
    if (ib < rb.size()) {
      activeB = rb[ib].top <= y;
      yEnd = std::min(yEnd, activeB ? rb[ib].bottom : rb[ib].top);
    }
    if (activeA || activeB) {
      const auto bandA = activeA ? ra.subspan(ia, ja - ia) : std::span<const TRect>();
      const auto bandB = activeB ? rb.subspan(ib, jb - ib) : std::span<const TRect>();
      CombineSpans(bandA, bandB, op, spans);
      out.AddBand(y, yEnd, spans);
    }
    y = yEnd;
    if (activeA && ra[ia].bottom == yEnd) ia = ja;
    if (activeB && rb[ib].bottom == yEnd) ib = jb;
  }
  return out.Finish();
}

bool Region::Append(const RECT& r) {
  if (r.right <= r.left || r.bottom <= r.top) return true;
  if (IsEmpty()) {
    *this = Region(r);
    return true;
  }
  const TRect last = Rects().back();
  const bool below = r.top >= last.bottom;
  const bool beside = r.top == last.top && r.bottom == last.bottom && r.left >= last.right;
  if (!below && !beside) return false;
  if (rects_.empty()) rects_.push_back(bounds_);
  // The first rectangle of the band that starts at `top` (bands are sorted).
  const auto bandStart = [this](LONG top) {
    return static_cast<std::size_t>(
        std::partition_point(rects_.begin(), rects_.end(), [top](const TRect& q) { return q.top < top; }) -
        rects_.begin());
  };
  const std::size_t lastBand = bandStart(last.top);
  if (below) {
    // Directly below a band of the same one span, the band grows instead.
    if (r.top == last.bottom && lastBand + 1 == rects_.size() && last.left == r.left && last.right == r.right)
      rects_.back().bottom = r.bottom;
    else
      rects_.push_back(TRect(r.left, r.top, r.right, r.bottom));
  } else {
    if (r.left == last.right)
      rects_.back().right = r.right;
    else
      rects_.push_back(TRect(r.left, r.top, r.right, r.bottom));
    // The band may now repeat the one touching it above: then they merge.
    if (lastBand > 0 && rects_[lastBand - 1].bottom == last.top) {
      const std::size_t previous = bandStart(rects_[lastBand - 1].top);
      const std::size_t count = rects_.size() - lastBand;
      bool same = lastBand - previous == count;
      for (std::size_t i = 0; same && i < count; ++i)
        same = rects_[previous + i].left == rects_[lastBand + i].left &&
               rects_[previous + i].right == rects_[lastBand + i].right;
      if (same) {
        rects_.resize(lastBand);
        for (std::size_t i = previous; i < lastBand; ++i) rects_[i].bottom = last.bottom;
      }
    }
  }
  bounds_.left = std::min(bounds_.left, r.left);
  bounds_.right = std::max(bounds_.right, r.right);
  bounds_.bottom = std::max(bounds_.bottom, r.bottom);
  if (rects_.size() == 1) rects_.clear();
  return true;
}

Region Region::FromRects(std::span<const RECT> rects) {
  std::vector<TRect> kept;
  kept.reserve(rects.size());
  for (const RECT& r : rects) {
    const TRect n = Normalised(r);
    if (n.right > n.left && n.bottom > n.top) kept.push_back(n);
  }
  if (kept.empty()) return Region();
  if (!IsBanded(kept)) return UniteRange(kept);
  RegionBuilder builder;
  std::vector<RegionBuilder::Span> spans;
  for (std::size_t begin = 0; begin < kept.size();) {
    const std::size_t end = BandEnd(kept, begin);
    spans.clear();
    for (std::size_t i = begin; i < end; ++i) spans.push_back({kept[i].left, kept[i].right});
    builder.AddBand(kept[begin].top, kept[begin].bottom, spans);
    begin = end;
  }
  return builder.Finish();
}

std::size_t Region::RegionDataSize() const { return kHeaderSize + RectCount() * kRectSize; }

std::vector<BYTE> Region::ToRegionData() const {
  std::vector<BYTE> out(RegionDataSize());
  WriteRegionData(out.data());
  return out;
}

void Region::WriteRegionData(BYTE* out) const {
  const std::span<const TRect> rects = Rects();
  const auto count = static_cast<LONG>(rects.size());
  PutLong(out, static_cast<LONG>(kHeaderSize));
  PutLong(out + 4, static_cast<LONG>(kRdhRectangles));
  PutLong(out + 8, count);
  PutLong(out + 12, count * static_cast<LONG>(kRectSize));
  PutRect(out + 16, bounds_);
  BYTE* p = out + kHeaderSize;
  for (const TRect& r : rects) {
    PutRect(p, r);
    p += kRectSize;
  }
}

bool Region::FromRegionData(const BYTE* data, std::size_t size, Region& out) {
  if (!data || size < kHeaderSize) return false;
  if (GetDword(data) != kHeaderSize || GetDword(data + 4) != kRdhRectangles) return false;
  const std::uint64_t count = GetDword(data + 8);
  if (count > (size - kHeaderSize) / kRectSize) return false;
  std::vector<RECT> rects(static_cast<std::size_t>(count));
  const BYTE* p = data + kHeaderSize;
  for (RECT& r : rects) {
    r.left = GetLong(p), r.top = GetLong(p + 4), r.right = GetLong(p + 8), r.bottom = GetLong(p + 12);
    p += kRectSize;
    if (r.left > r.right || r.top > r.bottom) return false;
    if (!InRange(r.left) || !InRange(r.right) || !InRange(r.top) || !InRange(r.bottom)) return false;
  }
  out = FromRects(rects);
  return true;
}

bool operator==(const Region& a, const Region& b) {
  const std::span<const TRect> ra = a.Rects(), rb = b.Rects();
  return std::equal(ra.begin(), ra.end(), rb.begin(), rb.end());
}

void RegionBuilder::AddBand(LONG top, LONG bottom, std::span<const Span> spans) {
  if (bottom <= top || spans.empty()) return;
  // Sort and merge the spans of this band into rects_, after the last band.
  const std::size_t start = rects_.size();
  std::vector<Span> sorted;
  std::span<const Span> use = spans;
  if (!std::is_sorted(spans.begin(), spans.end(), [](const Span& l, const Span& r) { return l.left < r.left; })) {
    sorted.assign(spans.begin(), spans.end());
    std::sort(sorted.begin(), sorted.end(), [](const Span& l, const Span& r) { return l.left < r.left; });
    use = sorted;
  }
  for (const Span& s : use) {
    if (s.right <= s.left) continue;
    if (rects_.size() > start && rects_.back().right >= s.left)
      rects_.back().right = std::max(rects_.back().right, s.right);
    else
      rects_.push_back(TRect(s.left, top, s.right, bottom));
  }
  const std::size_t end = rects_.size();
  if (end == start) return;
  // A band that continues the previous one with the same spans extends it.
  const std::size_t prevCount = lastBandEnd_ - lastBandStart_;
  if (prevCount == end - start && prevCount > 0 && rects_[lastBandStart_].bottom == top) {
    bool same = true;
    for (std::size_t i = 0; i < prevCount && same; ++i)
      same = rects_[lastBandStart_ + i].left == rects_[start + i].left &&
             rects_[lastBandStart_ + i].right == rects_[start + i].right;
    if (same) {
      rects_.resize(start);
      for (std::size_t i = lastBandStart_; i < lastBandEnd_; ++i) rects_[i].bottom = bottom;
      return;
    }
  }
  lastBandStart_ = start;
  lastBandEnd_ = end;
}

Region RegionBuilder::Finish() {
  Region r;
  r.AdoptRects(std::move(rects_));
  rects_.clear();
  lastBandStart_ = lastBandEnd_ = 0;
  return r;
}
