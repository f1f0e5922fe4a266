// Device contexts: memory DCs over a selected bitmap and DCs over a surface
// that the window manager owns (CreateSurfaceDC), the attribute setters,
// SaveDC/RestoreDC and the device capabilities.
#pragma once

#include <vector>

#include "gdi_handles.h"
#include "gdiobj.h"
#include "wintypes.h"

class Surface;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
constexpr int STRETCH_ORSCANS = WHITEONBLACK;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// GetDeviceCaps indices and the raster capability bits callers test.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int TECHNOLOGY = 2;
constexpr int DT_RASDISPLAY = 1;
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_BITMAP64 = 0x0008;
constexpr int RC_DI_BITMAP = 0x0080;
constexpr int RC_PALETTE = 0x0100;
constexpr int RC_DIBTODEV = 0x0200;
constexpr int RC_STRETCHBLT = 0x0800;
constexpr int RC_STRETCHDIB = 0x2000;

HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
// A negative level counts back from the newest saved state (-1 = newest).
BOOL RestoreDC(HDC dc, int savedLevel);

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);

COLORREF SetBkColor(HDC dc, COLORREF color);  // CLR_INVALID on failure
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
int SetBkMode(HDC dc, int mode);  // 0 on failure
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC dc, POINT* origin);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);  // GDI_ERROR on failure
UINT GetTextAlign(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);  // 0x80000000 on failure
int GetTextCharacterExtra(HDC dc);
BOOL GetCurrentPositionEx(HDC dc, POINT* pos);
// OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_PAL.
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
int GetDeviceCaps(HDC dc, int index);

constexpr UINT GDI_ERROR = 0xFFFFFFFF;

// For the window manager: a DC drawing on `surface` (which it keeps alive
// longer than the DC), with device (0, 0) at `origin` on the surface and
// drawing confined to `visible` (rectangles in device coordinates, disjoint;
// an empty list clips everything). DeleteDC ends it.
HDC CreateSurfaceDC(Surface* surface, POINT origin, const std::vector<RECT>& visible);
// Moves such a DC to a new visible area (after a window moved or was
// covered) without resetting its attributes.
BOOL SetSurfaceDCVisible(HDC dc, POINT origin, const std::vector<RECT>& visible);

// For the window manager: the desktop's size, reported as HORZRES/VERTRES.
void GdiSetScreenSize(int width, int height);
