#include "drawedge.h"

#include <algorithm>

#include "dc_internal.h"
#include "line_raster.h"
#include "syscolors.h"

namespace {

constexpr int kNone = -1;

// One edge's colours (system colour indices, kNone = not drawn), indexed by
// its two bits: 0 none, 1 raised, 2 sunken, 3 both (read as raised).
struct EdgeColors {
  int topLeft[4];
  int bottomRight[4];
};

constexpr EdgeColors kOuter{{kNone, COLOR_3DLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT},
                            {kNone, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW}};
constexpr EdgeColors kInner{{kNone, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT},
                            {kNone, COLOR_BTNSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW}};
constexpr EdgeColors kOuterSoft{{kNone, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT},
                                {kNone, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW}};
constexpr EdgeColors kInnerSoft{{kNone, COLOR_3DLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT},
                                {kNone, COLOR_BTNSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW}};

struct Pair {
  int topLeft, bottomRight;
};

Pair ColorsFor(UINT bits, bool outer, UINT flags) {
  if (!bits) return {kNone, kNone};
  if (flags & BF_MONO) {
    int c = outer ? COLOR_WINDOWFRAME : COLOR_WINDOW;
    return {c, c};
  }
  if (flags & BF_FLAT) {
    int c = outer ? COLOR_BTNSHADOW : COLOR_BTNFACE;
    return {c, c};
  }
  const EdgeColors& t = outer ? ((flags & BF_SOFT) ? kOuterSoft : kOuter) : ((flags & BF_SOFT) ? kInnerSoft : kInner);
  return {t.topLeft[bits], t.bottomRight[bits]};
}

void Fill(DeviceContext& dc, long long l, long long t, long long r, long long b, int sysColor) {
  if (sysColor == kNone || l >= r || t >= b) return;
  TRect logical(ClampCoord(l), ClampCoord(t), ClampCoord(r), ClampCoord(b));
  FillRectColor(dc, LogicalToDevice(dc, logical), GetSysColor(sysColor));
}

// One ring on the named sides of `box`; the box then shrinks on those sides.
void DrawRing(DeviceContext& dc, RECT& box, Pair c, UINT flags) {
  if (c.topLeft == kNone) return;
  const long long l = box.left, t = box.top, r = box.right, b = box.bottom;
  if (flags & BF_TOP) Fill(dc, l, t, r - 1, t + 1, c.topLeft);
  if (flags & BF_LEFT) Fill(dc, l, t, l + 1, b - 1, c.topLeft);
  if (flags & BF_RIGHT) Fill(dc, r - 1, t, r, b, c.bottomRight);
  if (flags & BF_BOTTOM) Fill(dc, l, b - 1, r, b, c.bottomRight);
  if (flags & BF_LEFT) ++box.left;
  if (flags & BF_TOP) ++box.top;
  if (flags & BF_RIGHT) --box.right;
  if (flags & BF_BOTTOM) --box.bottom;
}

// A diagonal edge: a line from one corner to the corner the flags name,
// the outer line on the diagonal and the inner one a pixel beside it.
void DrawDiagonal(DeviceContext& dc, const RECT& box, Pair outer, Pair inner, UINT flags) {
  const bool endTop = flags & BF_TOP, endRight = flags & BF_RIGHT;
  const LONG x0 = endRight ? box.left : box.right - 1, y0 = endTop ? box.bottom - 1 : box.top;
  const LONG x1 = endRight ? box.right - 1 : box.left, y1 = endTop ? box.top : box.bottom - 1;
  // Lines ending at the top take the top-left colours, the others the
  // bottom-right ones.
  const bool lit = endTop;
  auto line = [&](Pair colors, int shift) {
    const int sys = lit ? colors.topLeft : colors.bottomRight;
    if (sys == kNone) return;
    const COLORREF color = GetSysColor(sys);
    const TRect everywhere(-(1 << 30), -(1 << 30), 1 << 30, 1 << 30);
    ForEachLinePixel(x0 + shift, y0, x1 + shift, y1, everywhere, [&](LONG x, LONG y, std::int64_t) {
      const POINT d = LogicalToDevice(dc, TPoint(x, y));
      FillRectColor(dc, TRect(d.x, d.y, d.x + 1, d.y + 1), color);
    });
  };
  line(outer, 0);
  line(inner, endRight ? 1 : -1);
}

}  // namespace

BOOL DrawEdge(HDC h, RECT* r, UINT edge, UINT flags) {
  if (!r) return FALSE;
  RecordedCall record(h, "DrawEdge", {r->left, r->top, r->right, r->bottom, edge, flags});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const Pair outer = ColorsFor(edge & BDR_OUTER, true, flags);
  const Pair inner = ColorsFor((edge & BDR_INNER) >> 2, false, flags);
  if (flags & BF_DIAGONAL) {
    if (r->right > r->left && r->bottom > r->top) DrawDiagonal(*dc, *r, outer, inner, flags);
    return TRUE;
  }
  RECT box = *r;
  DrawRing(*dc, box, outer, flags);
  DrawRing(*dc, box, inner, flags);
  if (flags & BF_MIDDLE) Fill(*dc, box.left, box.top, box.right, box.bottom, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) *r = box;
  return TRUE;
}
