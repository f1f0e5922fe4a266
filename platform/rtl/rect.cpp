#include "rect.h"

#include <algorithm>

BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
  if (!r) return FALSE;
  r->left = left, r->top = top, r->right = right, r->bottom = bottom;
  return TRUE;
}

BOOL SetRectEmpty(RECT* r) { return SetRect(r, 0, 0, 0, 0); }

BOOL CopyRect(RECT* dst, const RECT* src) {
  if (!dst || !src) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

BOOL EqualRect(const RECT* a, const RECT* b) {
  return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* r, POINT p) {
  return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}

BOOL InflateRect(RECT* r, int dx, int dy) {
  if (!r) return FALSE;
  r->left -= dx, r->right += dx, r->top -= dy, r->bottom += dy;
  return TRUE;
}

BOOL OffsetRect(RECT* r, int dx, int dy) {
  if (!r) return FALSE;
  r->left += dx, r->right += dx, r->top += dy, r->bottom += dy;
  return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  RECT r;
  r.left = std::max(a->left, b->left);
  r.top = std::max(a->top, b->top);
  r.right = std::min(a->right, b->right);
  r.bottom = std::min(a->bottom, b->bottom);
  if (IsRectEmpty(&r)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  *dst = r;
  return TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  const bool ea = IsRectEmpty(a), eb = IsRectEmpty(b);
  if (ea && eb) {
    SetRectEmpty(dst);
    return FALSE;
  }
  if (ea) {
    *dst = *b;
  } else if (eb) {
    *dst = *a;
  } else {
    RECT r;
    r.left = std::min(a->left, b->left);
    r.top = std::min(a->top, b->top);
    r.right = std::max(a->right, b->right);
    r.bottom = std::max(a->bottom, b->bottom);
    *dst = r;
  }
  return TRUE;
}

BOOL SubtractRect(RECT* dst, const RECT* full, const RECT* bar) {
  if (!dst || !full || !bar) return FALSE;
  RECT r = *full;
  const bool spansX = bar->left <= full->left && bar->right >= full->right;
  const bool spansY = bar->top <= full->top && bar->bottom >= full->bottom;
  if (spansX && bar->top <= full->top && bar->bottom > full->top) {
    r.top = std::min(bar->bottom, full->bottom);
  } else if (spansX && bar->bottom >= full->bottom && bar->top < full->bottom) {
    r.bottom = std::max(bar->top, full->top);
  } else if (spansY && bar->left <= full->left && bar->right > full->left) {
    r.left = std::min(bar->right, full->right);
  } else if (spansY && bar->right >= full->right && bar->left < full->right) {
    r.right = std::max(bar->left, full->left);
  }
  *dst = r;
  return !IsRectEmpty(&r);
}
