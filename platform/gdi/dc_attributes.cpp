// The attribute setters and getters of device contexts, origins and the
// device capabilities.
#include <atomic>

#include "dc.h"
#include "dc_internal.h"

namespace {

std::atomic<int> g_screenWidth{1024};
std::atomic<int> g_screenHeight{768};

template <class T, class Fn>
T Set(HDC h, T failure, Fn&& fn) {
  DeviceContext* dc = ResolveDC(h);
  return dc ? fn(*dc) : failure;
}

template <class T>
T Exchange(T& slot, T value) {
  T previous = slot;
  slot = value;
  return previous;
}

// The attributes a canvas realises (see selectionStamp).
template <class T>
T ExchangeSelected(DeviceContext& dc, T& slot, T value) {
  TouchSelection(dc);
  return Exchange(slot, value);
}

BOOL MoveOrigin(HDC h, POINT DcAttributes::*origin, int x, int y, bool relative, POINT* previous) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  POINT& o = dc->a.*origin;
  if (previous) *previous = o;
  o.x = relative ? o.x + x : x;
  o.y = relative ? o.y + y : y;
  return TRUE;
}

BOOL ReadOrigin(HDC h, POINT DcAttributes::*origin, POINT* out) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !out) return FALSE;
  *out = dc->a.*origin;
  return TRUE;
}

}  // namespace

void GdiSetScreenSize(int width, int height) {
  g_screenWidth = width;
  g_screenHeight = height;
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
  return MoveOrigin(dc, &DcAttributes::viewportOrg, x, y, false, previous);
}
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous) {
  return MoveOrigin(dc, &DcAttributes::viewportOrg, dx, dy, true, previous);
}
BOOL GetViewportOrgEx(HDC dc, POINT* origin) { return ReadOrigin(dc, &DcAttributes::viewportOrg, origin); }
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
  return MoveOrigin(dc, &DcAttributes::windowOrg, x, y, false, previous);
}
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous) {
  return MoveOrigin(dc, &DcAttributes::windowOrg, dx, dy, true, previous);
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) { return ReadOrigin(dc, &DcAttributes::windowOrg, origin); }

BOOL LPtoDP(HDC h, POINT* points, int count) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || (count > 0 && !points)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = LogicalToDevice(*dc, points[i]);
  return TRUE;
}

BOOL DPtoLP(HDC h, POINT* points, int count) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || (count > 0 && !points)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = DeviceToLogical(*dc, points[i]);
  return TRUE;
}

COLORREF SetBkColor(HDC h, COLORREF c) {
  return Set(h, CLR_INVALID, [&](DeviceContext& dc) { return ExchangeSelected(dc, dc.a.bkColor, c); });
}
COLORREF GetBkColor(HDC h) { return Set(h, CLR_INVALID, [](DeviceContext& dc) { return dc.a.bkColor; }); }
COLORREF SetTextColor(HDC h, COLORREF c) {
  return Set(h, CLR_INVALID, [&](DeviceContext& dc) { return ExchangeSelected(dc, dc.a.textColor, c); });
}
COLORREF GetTextColor(HDC h) { return Set(h, CLR_INVALID, [](DeviceContext& dc) { return dc.a.textColor; }); }

int SetBkMode(HDC h, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return Set(h, 0, [&](DeviceContext& dc) { return ExchangeSelected(dc, dc.a.bkMode, mode); });
}
int GetBkMode(HDC h) { return Set(h, 0, [](DeviceContext& dc) { return dc.a.bkMode; }); }

int SetROP2(HDC h, int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  return Set(h, 0, [&](DeviceContext& dc) { return ExchangeSelected(dc, dc.a.rop2, rop2); });
}
int GetROP2(HDC h) { return Set(h, 0, [](DeviceContext& dc) { return dc.a.rop2; }); }

int SetStretchBltMode(HDC h, int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return Set(h, 0, [&](DeviceContext& dc) { return Exchange(dc.a.stretchMode, mode); });
}
int GetStretchBltMode(HDC h) { return Set(h, 0, [](DeviceContext& dc) { return dc.a.stretchMode; }); }

BOOL SetBrushOrgEx(HDC h, int x, int y, POINT* previous) {
  return MoveOrigin(h, &DcAttributes::brushOrg, x, y, false, previous);
}
BOOL GetBrushOrgEx(HDC h, POINT* origin) { return ReadOrigin(h, &DcAttributes::brushOrg, origin); }

int SetPolyFillMode(HDC h, int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return Set(h, 0, [&](DeviceContext& dc) { return Exchange(dc.a.polyFillMode, mode); });
}
int GetPolyFillMode(HDC h) { return Set(h, 0, [](DeviceContext& dc) { return dc.a.polyFillMode; }); }

UINT SetTextAlign(HDC h, UINT align) {
  return Set(h, GDI_ERROR, [&](DeviceContext& dc) { return Exchange(dc.a.textAlign, align); });
}
UINT GetTextAlign(HDC h) { return Set(h, GDI_ERROR, [](DeviceContext& dc) { return dc.a.textAlign; }); }

int SetTextCharacterExtra(HDC h, int extra) {
  return Set(h, static_cast<int>(0x80000000u), [&](DeviceContext& dc) { return Exchange(dc.a.charExtra, extra); });
}
int GetTextCharacterExtra(HDC h) {
  return Set(h, static_cast<int>(0x80000000u), [](DeviceContext& dc) { return dc.a.charExtra; });
}

BOOL GetCurrentPositionEx(HDC h, POINT* pos) { return ReadOrigin(h, &DcAttributes::currentPos, pos); }

HGDIOBJ GetCurrentObject(HDC h, UINT type) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN: return dc->a.pen;
    case OBJ_BRUSH: return dc->a.brush;
    case OBJ_FONT: return dc->a.font;
    case OBJ_BITMAP: return dc->a.bitmap;
    case OBJ_PAL: return dc->a.palette;
    default: return nullptr;
  }
}

int GetDeviceCaps(HDC h, int index) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return 0;
  const int width = g_screenWidth, height = g_screenHeight;
  switch (index) {
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return width;
    case VERTRES: return height;
    case HORZSIZE: return width * 254 / 960;  // millimetres at 96 per inch
    case VERTSIZE: return height * 254 / 960;
    case BITSPIXEL: return dc->targetBits == 1 ? 1 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;  // more than 8 bits per pixel
    case SIZEPALETTE: return 0;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case RASTERCAPS: return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    default: return 0;
  }
}
