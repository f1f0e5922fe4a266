// A region as a value: a set of pixels in device coordinates, held as
// rectangles in y-x banded order (right and bottom exclusive). Rows of equal
// top and bottom form a band; within a band the rectangles are sorted by x
// and neither overlap nor touch; bands are sorted by y, do not overlap, and
// two touching bands never carry the same x-spans (they are merged). The
// form is therefore canonical: two regions cover the same pixels exactly when
// their rectangle lists are equal, and the list is what GetRegionData writes.
//
// A region of one rectangle keeps it inline, so copying a clip rectangle
// never allocates.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "rect.h"

enum class RegionOp { And, Or, Xor, Diff };

class Region {
 public:
  // Coordinates beyond this magnitude are refused (offsets, region data),
  // so that no arithmetic on them can overflow.
  static constexpr LONG kMaxCoord = 1 << 27;

  // The three shapes a region can have, numbered as the region functions
  // report them.
  enum Kind { Empty = 1, Simple = 2, Complex = 3 };

  Region() = default;
  // An empty or inverted rectangle gives the empty region.
  explicit Region(const RECT& r);
  Region(LONG left, LONG top, LONG right, LONG bottom) : Region(TRect(left, top, right, bottom)) {}

  bool IsEmpty() const { return bounds_.right <= bounds_.left; }
  bool IsSingleRect() const { return !IsEmpty() && rects_.empty(); }
  Kind GetKind() const { return IsEmpty() ? Empty : rects_.empty() ? Simple : Complex; }
  // The bounding box; all zero when empty.
  const TRect& Bounds() const { return bounds_; }
  // The rectangles in banded order.
  std::span<const TRect> Rects() const;
  std::size_t RectCount() const { return Rects().size(); }

  bool Contains(LONG x, LONG y) const;
  bool Contains(POINT p) const { return Contains(p.x, p.y); }
  // True when any pixel of r lies in the region (r normalised first).
  bool Overlaps(const RECT& r) const;
  // True when every pixel of a non-empty r lies in the region.
  bool ContainsRect(const RECT& r) const;

  // Moves the region; false (and unchanged) when a coordinate would leave
  // the supported range.
  bool Offset(LONG dx, LONG dy);

  void SetEmpty() { *this = Region(); }
  void SetRect(const RECT& r) { *this = Region(r); }

  static Region Combine(const Region& a, const Region& b, RegionOp op);
  Region& operator&=(const Region& o) { return *this = Combine(*this, o, RegionOp::And); }
  Region& operator|=(const Region& o) {
    if (o.IsSingleRect() && Append(o.bounds_)) return *this;
    return *this = Combine(*this, o, RegionOp::Or);
  }
  Region& operator^=(const Region& o) { return *this = Combine(*this, o, RegionOp::Xor); }
  Region& operator-=(const Region& o) { return *this = Combine(*this, o, RegionOp::Diff); }
  friend Region operator&(const Region& a, const Region& b) { return Combine(a, b, RegionOp::And); }
  friend Region operator|(const Region& a, const Region& b) { return Combine(a, b, RegionOp::Or); }
  friend Region operator^(const Region& a, const Region& b) { return Combine(a, b, RegionOp::Xor); }
  friend Region operator-(const Region& a, const Region& b) { return Combine(a, b, RegionOp::Diff); }
  // The common clip edits, without building a second region.
  void IntersectRect(const RECT& r);
  void ExcludeRect(const RECT& r) { *this -= Region(r); }

  // Adds r in place when it lies below the last band or right of the
  // band's last rectangle with the band's top and bottom, the way regions
  // are built one rectangle at a time; false (and unchanged) otherwise.
  bool Append(const RECT& r);

  // The union of arbitrary rectangles (normalised; empty ones ignored).
  static Region FromRects(std::span<const RECT> rects);

  // The RGNDATA block: a 32-byte header (dwSize 32, iType 1, nCount,
  // nRgnSize, rcBound) and nCount little-endian RECTs.
  std::size_t RegionDataSize() const;
  std::vector<BYTE> ToRegionData() const;
  // Writes the block into out, which must hold RegionDataSize() bytes.
  void WriteRegionData(BYTE* out) const;
  // Parses a block of outside data; false on any malformed input (wrong
  // header, a count the bytes do not hold, inverted or out-of-range
  // rectangles). Rectangles need not be banded; they are united.
  static bool FromRegionData(const BYTE* data, std::size_t size, Region& out);

  friend bool operator==(const Region& a, const Region& b);

 private:
  friend class RegionBuilder;
  void AdoptRects(std::vector<TRect>&& rects);

  TRect bounds_;
  // Empty for the empty region and for a single rectangle (held in bounds_).
  std::vector<TRect> rects_;
};

// Builds a region from bands given top to bottom: each band a y-range and
// its x-spans sorted by x. Touching or overlapping spans of one band are
// merged, and a band repeating the one above it extends it. The shape
// rasterisers feed it one row at a time.
class RegionBuilder {
 public:
  struct Span {
    LONG left, right;
  };
  // top must not be above the bottom of the previous band.
  void AddBand(LONG top, LONG bottom, std::span<const Span> spans);
  void AddRow(LONG y, std::span<const Span> spans) { AddBand(y, y + 1, spans); }
  void Reserve(std::size_t rects) { rects_.reserve(rects); }
  Region Finish();

 private:
  std::vector<TRect> rects_;
  std::size_t lastBandStart_ = 0;
  std::size_t lastBandEnd_ = 0;
};
