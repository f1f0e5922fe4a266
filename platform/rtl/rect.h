// The class library's TPoint and TRect, and the rectangle routines of both
// the class library and Windows. Right and bottom are exclusive.
#pragma once

#include "wintypes.h"

struct TPoint : POINT {
  constexpr TPoint() = default;
  constexpr TPoint(LONG ax, LONG ay) { x = ax, y = ay; }
  constexpr TPoint(const POINT& p) : POINT(p) {}
  friend constexpr bool operator==(const TPoint& a, const TPoint& b) { return a.x == b.x && a.y == b.y; }
};

struct TSize : SIZE {
  constexpr TSize() = default;
  constexpr TSize(LONG w, LONG h) { cx = w, cy = h; }
  constexpr TSize(const SIZE& s) : SIZE(s) {}
  friend constexpr bool operator==(const TSize& a, const TSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

struct TRect : RECT {
  constexpr TRect() = default;
  constexpr TRect(LONG l, LONG t, LONG r, LONG b) { left = l, top = t, right = r, bottom = b; }
  constexpr TRect(const TPoint& topLeft, const TPoint& bottomRight)
      : TRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y) {}
  constexpr TRect(const RECT& r) : RECT(r) {}
  constexpr LONG Width() const { return right - left; }
  constexpr LONG Height() const { return bottom - top; }
  constexpr TPoint TopLeft() const { return TPoint(left, top); }
  constexpr TPoint BottomRight() const { return TPoint(right, bottom); }
  friend constexpr bool operator==(const TRect& a, const TRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

constexpr TPoint Point(LONG x, LONG y) { return TPoint(x, y); }
constexpr TRect Rect(LONG l, LONG t, LONG r, LONG b) { return TRect(l, t, r, b); }
constexpr TRect Bounds(LONG x, LONG y, LONG w, LONG h) { return TRect(x, y, x + w, y + h); }

// The Windows routines; each returns FALSE (0) where Windows does.
BOOL SetRect(RECT* r, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* r);
BOOL CopyRect(RECT* dst, const RECT* src);
BOOL IsRectEmpty(const RECT* r);  // right <= left or bottom <= top
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* r, POINT p);  // left <= x < right, top <= y < bottom
BOOL InflateRect(RECT* r, int dx, int dy);
BOOL OffsetRect(RECT* r, int dx, int dy);
// Empty result (all zero) and FALSE when the rectangles do not overlap.
BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b);
// An empty operand is ignored; both empty gives an empty result and FALSE.
BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b);
// The part of `full` outside `bar`, only when `bar` covers a whole side of
// `full`; otherwise `full` unchanged.
BOOL SubtractRect(RECT* dst, const RECT* full, const RECT* bar);
