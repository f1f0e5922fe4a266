// Region objects (HRGN), painting through them, and the clip regions of
// device contexts. Regions are in device coordinates; the figures that make
// them take their boxes normalised, right and bottom exclusive.
#pragma once

#include "gdi_handles.h"
#include "gdiobj.h"
#include "region.h"
#include "wintypes.h"

// Region complexities, as CombineRgn and friends return them.
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int RGN_ERROR = ERROR;

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr DWORD RDH_RECTANGLES = 1;

struct RGNDATAHEADER {
  DWORD dwSize = 0;
  DWORD iType = 0;
  DWORD nCount = 0;
  DWORD nRgnSize = 0;
  RECT rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32);

struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];
};

struct XFORM {
  float eM11 = 1, eM12 = 0, eM21 = 0, eM22 = 1, eDx = 0, eDy = 0;
};

// The object behind an HRGN.
struct RegionObject : GdiObject {
  Region region;
  bool GetRects(std::vector<RECT>& out) const override;
};
// The region behind a live HRGN, else null.
Region* ResolveRegion(HRGN rgn);

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* r);
// Corner ellipses of width x height (the full ellipse, not its radii).
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* r);
// mode ALTERNATE or WINDING; fewer than 3 points give an empty region.
HRGN CreatePolygonRgn(const POINT* points, int count, int mode);
HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int mode);

// dst = a op b (dst may be a or b); RGN_COPY copies a. Returns the
// complexity of dst, ERROR on a bad handle or mode.
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
BOOL PtInRegion(HRGN rgn, int x, int y);
// TRUE when any part of the rectangle lies in the region.
BOOL RectInRegion(HRGN rgn, const RECT* r);
int GetRgnBox(HRGN rgn, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);

// With a null buffer, or one smaller than needed, the size the data needs
// (a 32-byte RGNDATAHEADER and 16 bytes per rectangle); else the bytes
// written. 0 for a bad handle.
DWORD GetRegionData(HRGN rgn, DWORD size, RGNDATA* data);
// Rebuilds a region from `size` bytes of RGNDATA. The bytes may come from a
// file: a wrong header, a count the bytes do not hold or an inverted
// rectangle gives NULL. Only the identity transform (or none) is accepted.
HRGN ExtCreateRegion(const XFORM* xform, DWORD size, const RGNDATA* data);

// Painting (logical coordinates are the region's offset by the DC's origins).
BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
// The pixels of the region within width pixels (horizontally) or height
// (vertically) of its outside, in the brush.
BOOL FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height);
// In the selected brush under the DC's binary raster operation.
BOOL PaintRgn(HDC dc, HRGN rgn);
BOOL InvertRgn(HDC dc, HRGN rgn);

// Clip regions. The region passed is in device coordinates and copied; a
// null region removes the application's clip.
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
// The bounding box of what drawing reaches, in logical coordinates.
int GetClipBox(HDC dc, RECT* box);
// 1 and a copy in rgn when the DC has a clip of its own, 0 when not, -1 on error.
int GetClipRgn(HDC dc, HRGN rgn);
