// Inside the drawing routines: a clip to one rectangle for the length of a
// scope, which puts back the clip the caller had (or none) when it ends.
#pragma once

#include <cstdint>

#include "rect.h"
#include "rgn.h"
#include "gdiobj.h"

namespace Vyrutils::Detail {

// ClipOffset moves the rectangle by its low and high word, both unsigned.
inline TRect ClipRectWithOffset(const TRect& Rect, int ClipOffset) {
  if (ClipOffset == 0) return Rect;
  const auto bits = static_cast<std::uint32_t>(ClipOffset);
  const int dx = static_cast<int>(bits & 0xFFFF), dy = static_cast<int>(bits >> 16);
  return TRect(Rect.left + dx, Rect.top + dy, Rect.right + dx, Rect.bottom + dy);
}

class ClipScope {
 public:
  ClipScope(HDC Dc, const TRect& Clip) : dc_(Dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    if (GetClipRgn(dc_, saved_) != 1) {
      DeleteObject(saved_);
      saved_ = nullptr;
    }
    HRGN rgn = CreateRectRgn(Clip.left, Clip.top, Clip.right, Clip.bottom);
    SelectClipRgn(dc_, rgn);
    DeleteObject(rgn);
  }
  ~ClipScope() {
    SelectClipRgn(dc_, saved_);
    if (saved_) DeleteObject(saved_);
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  HDC dc_;
  HRGN saved_;
};

}  // namespace Vyrutils::Detail
