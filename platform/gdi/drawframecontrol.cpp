#include "drawframecontrol.h"

#include <algorithm>
#include <utility>

#include "dc_internal.h"
#include "drawedge.h"
#include "rect.h"
#include "syscolors.h"

namespace {

// The images as maps: 'O' outer ring, 'I' inner ring, 'W' inside, 'X' the
// mark, '.' untouched. Ring pixels above the anti-diagonal take the
// top-left colour, the others the bottom-right one.
constexpr const char* kCheckBox[13] = {
    "OOOOOOOOOOOOO", "OIIIIIIIIIIIO", "OIWWWWWWWWWIO", "OIWWWWWWWWWIO", "OIWWWWWWWWWIO",
    "OIWWWWWWWWWIO", "OIWWWWWWWWWIO", "OIWWWWWWWWWIO", "OIWWWWWWWWWIO", "OIWWWWWWWWWIO",
    "OIWWWWWWWWWIO", "OIIIIIIIIIIIO", "OOOOOOOOOOOOO",
};
// The check mark inside the box, 7 x 7 from (3, 3).
constexpr const char* kCheckMark[7] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};
constexpr const char* kRadio[12] = {
    "....OOOO....", "..OOIIIIOO..", ".OIIWWWWIIO.", ".OIWWWWWWIO.", "OIWWWWWWWWIO", "OIWWWWWWWWIO",
    "OIWWWWWWWWIO", "OIWWWWWWWWIO", ".OIWWWWWWIO.", ".OIIWWWWIIO.", "..OOIIIIOO..", "....OOOO....",
};
// The dot of a checked radio, 4 x 4 from (4, 4).
constexpr const char* kRadioDot[4] = {".XX.", "XXXX", "XXXX", ".XX."};

struct Palette {
  COLORREF outerTL, outerBR, innerTL, innerBR, inside, mark;
};

Palette PaletteFor(UINT state) {
  Palette p{GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW),
            GetSysColor(COLOR_3DLIGHT),   GetSysColor(COLOR_WINDOW),       GetSysColor(COLOR_WINDOWTEXT)};
  if (state & (DFCS_FLAT | DFCS_MONO)) {
    p.outerTL = p.outerBR = GetSysColor((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
    p.innerTL = p.innerBR = p.inside;
  }
  if (state & (DFCS_INACTIVE | DFCS_PUSHED)) p.inside = GetSysColor(COLOR_BTNFACE);
  if (state & DFCS_INACTIVE) p.mark = GetSysColor(COLOR_BTNSHADOW);
  return p;
}

void Plot(DeviceContext& dc, long long x, long long y, COLORREF c) {
  const POINT d = LogicalToDevice(dc, TPoint(ClampCoord(x), ClampCoord(y)));
  FillRectColor(dc, TRect(d.x, d.y, ClampCoord(d.x + 1LL), ClampCoord(d.y + 1LL)), c);
}

template <std::size_t Rows>
void DrawMap(DeviceContext& dc, long long x0, long long y0, const char* const (&map)[Rows], int size,
             const Palette& p) {
  for (int y = 0; y < static_cast<int>(Rows); ++y)
    for (int x = 0; map[y][x]; ++x) {
      const bool topLeft = x + y < size - 1;
      switch (map[y][x]) {
        case 'O': Plot(dc, x0 + x, y0 + y, topLeft ? p.outerTL : p.outerBR); break;
        case 'I': Plot(dc, x0 + x, y0 + y, topLeft ? p.innerTL : p.innerBR); break;
        case 'W': Plot(dc, x0 + x, y0 + y, p.inside); break;
        case 'X': Plot(dc, x0 + x, y0 + y, p.mark); break;
        default: break;
      }
    }
}

BOOL DrawButton(DeviceContext& dc, HDC h, RECT* r, UINT state) {
  if (state & DFCS_BUTTONPUSH) {
    RECT box = *r;
    UINT flags = BF_RECT | BF_MIDDLE | ((state & DFCS_FLAT) ? BF_FLAT : 0);
    DrawEdge(h, &box, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, flags | BF_ADJUST);
    if (state & DFCS_ADJUSTRECT) *r = box;
    return TRUE;
  }
  const long long x0 = r->left + (static_cast<long long>(r->right) - r->left - 13) / 2;
  const long long y0 = r->top + (static_cast<long long>(r->bottom) - r->top - 13) / 2;
  Palette p = PaletteFor(state);
  if (state & DFCS_BUTTONRADIO) {
    DrawMap(dc, x0, y0, kRadio, 12, p);
    if (state & DFCS_CHECKED) DrawMap(dc, x0 + 4, y0 + 4, kRadioDot, 4, p);
    return TRUE;
  }
  // Three-state boxes show their third state as a greyed check.
  if ((state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED)) {
    p.inside = GetSysColor(COLOR_BTNFACE);
    p.mark = GetSysColor(COLOR_BTNSHADOW);
  }
  DrawMap(dc, x0, y0, kCheckBox, 13, p);
  if (state & DFCS_CHECKED) DrawMap(dc, x0 + 3, y0 + 3, kCheckMark, 7, p);
  return TRUE;
}

// A filled triangle pointing `direction` (0 up, 1 down, 2 left, 3 right),
// centred in the box.
void DrawArrow(DeviceContext& dc, const RECT& box, UINT direction, COLORREF c) {
  const long long w = box.right - box.left, hgt = box.bottom - box.top;
  const long long size = std::max<long long>(1, (std::min(w, hgt) + 1) / 4);  // rows of the triangle
  const long long cx = box.left + w / 2, cy = box.top + hgt / 2;
  for (long long i = 0; i < size; ++i) {
    const long long half = i;  // row i is 2i+1 pixels wide
    for (long long j = -half; j <= half; ++j) {
      switch (direction) {
        case DFCS_SCROLLUP: Plot(dc, cx + j, cy - size / 2 + i, c); break;
        case DFCS_SCROLLDOWN: Plot(dc, cx + j, cy + size / 2 - i, c); break;
        case DFCS_SCROLLLEFT: Plot(dc, cx - size / 2 + i, cy + j, c); break;
        default: Plot(dc, cx + size / 2 - i, cy + j, c); break;
      }
    }
  }
}

BOOL DrawRaisedFace(HDC h, RECT box, UINT state, RECT& inside) {
  UINT flags = BF_RECT | BF_MIDDLE | BF_ADJUST | ((state & DFCS_FLAT) ? BF_FLAT : 0);
  DrawEdge(h, &box, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, flags);
  inside = box;
  if (state & DFCS_PUSHED) OffsetRect(&inside, 1, 1);
  return TRUE;
}

// Each ridge a light line above two dark ones, 12, 8 and 4 pixels from the
// corner.
void DrawSizeGrip(DeviceContext& dc, const RECT& r) {
  const long long right = static_cast<long long>(r.right) - 1, bottom = static_cast<long long>(r.bottom) - 1;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  for (int ridge = 0; ridge < 3; ++ridge) {
    const int far = 12 - 4 * ridge;
    const std::pair<int, COLORREF> strokes[] = {{far, light}, {far - 1, dark}, {far - 2, dark}};
    for (const auto& [distance, colour] : strokes)
      for (int i = 1; i <= distance; ++i) Plot(dc, right - distance + i, bottom + 1 - i, colour);
  }
}

BOOL DrawScroll(DeviceContext& dc, HDC h, const RECT& r, UINT state) {
  if ((state & 0xFF) == DFCS_SCROLLSIZEGRIP) {
    DrawSizeGrip(dc, r);
    return TRUE;
  }
  RECT inside;
  DrawRaisedFace(h, r, state, inside);
  const UINT kind = state & 0xFF;
  const UINT direction = kind == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : kind;
  if (direction > DFCS_SCROLLRIGHT) return FALSE;
  DrawArrow(dc, inside, direction, GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  return TRUE;
}

// The close mark: two diagonals of an n-wide square centred in the face,
// mirror-symmetric both ways. Two pixels thick where the square leaves a gap
// between the strokes (n >= 6); a thick cross in less room would be a blot,
// so small faces get one-pixel strokes. A thick stroke pairs (i, i) with
// (i + 1, i), which makes the cross one row shorter than it is wide.
void DrawCross(DeviceContext& dc, const RECT& face, COLORREF c) {
  const long long w = static_cast<long long>(face.right) - face.left;
  const long long hgt = static_cast<long long>(face.bottom) - face.top;
  const long long side = std::min(w, hgt);
  const long long n = side - 2 * std::max<long long>(1, side / 4);
  if (n < 2) return;
  const long long thick = n >= 6 ? 2 : 1;
  const long long rows = n - (thick - 1);
  const long long left = face.left + (w - n) / 2, top = face.top + (hgt - rows) / 2;
  for (long long i = 0; i < rows; ++i)
    for (long long k = 0; k < thick; ++k) {
      Plot(dc, left + i + k, top + i, c);
      Plot(dc, left + n - 1 - i - k, top + i, c);
    }
}

BOOL DrawCaption(DeviceContext& dc, HDC h, const RECT& r, UINT state) {
  RECT in;
  DrawRaisedFace(h, r, state, in);
  const COLORREF c = GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
  const long long w = in.right - in.left, hgt = in.bottom - in.top;
  const long long m = std::max<long long>(2, std::min(w, hgt) / 4);  // margin
  const long long l = in.left + m, t = in.top + m, rr = in.right - m, b = in.bottom - m;
  switch (state & 0xFF) {
    case DFCS_CAPTIONCLOSE:
      DrawCross(dc, in, c);
      return TRUE;
    case DFCS_CAPTIONMIN:
      for (long long x = l; x < rr; ++x) Plot(dc, x, b - 1, c), Plot(dc, x, b - 2, c);
      return TRUE;
    case DFCS_CAPTIONMAX:
    case DFCS_CAPTIONRESTORE:
      for (long long x = l; x < rr; ++x) Plot(dc, x, t, c), Plot(dc, x, t + 1, c), Plot(dc, x, b - 1, c);
      for (long long y = t; y < b; ++y) Plot(dc, l, y, c), Plot(dc, rr - 1, y, c);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

BOOL DrawFrameControl(HDC h, RECT* r, UINT type, UINT state) {
  if (!r) return FALSE;
  RecordedCall record(h, "DrawFrameControl", {r->left, r->top, r->right, r->bottom, type, state});
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  switch (type) {
    case DFC_BUTTON: return DrawButton(*dc, h, r, state);
    case DFC_SCROLL: return DrawScroll(*dc, h, *r, state);
    case DFC_CAPTION: return DrawCaption(*dc, h, *r, state);
    default: return FALSE;
  }
}
