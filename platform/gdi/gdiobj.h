// The object table of the graphics interface: every pen, brush, bitmap,
// font, region, palette and device context is a slot here, and its handle
// carries the slot index, a generation and the kind. A deleted or foreign
// handle therefore resolves to nothing, never to freed memory.
//
// The other files of the module register their own object classes (regions,
// fonts) by deriving from GdiObject and calling GdiCreateHandle.
#pragma once

#include <memory>
#include <vector>

#include "gdi_handles.h"
#include "wintypes.h"

enum class GdiKind : unsigned char {
  None = 0,
  Pen,
  Brush,
  Bitmap,
  Font,
  Region,
  Palette,
  DC,
};

// An object behind a handle. GetObjectData fills the structure GetObject
// returns for the kind (BITMAP, LOGPEN, LOGBRUSH, LOGFONT ...): with a null
// `out` it answers the size needed, else the bytes written (0 on failure).
// Regions override GetRects, so that selecting one into a DC (SelectObject)
// sets the clip without this file knowing the region class.
struct GdiObject {
  virtual ~GdiObject() = default;
  virtual int GetObjectData(int size, void* out) const {
    (void)size, (void)out;
    return 0;
  }
  // The object as disjoint rectangles in y-x banded order (regions only).
  virtual bool GetRects(std::vector<RECT>& out) const {
    (void)out;
    return false;
  }
};

// A new handle owning `object`; 0 when the table is full. A permanent
// handle is never freed (DeleteObject succeeds and does nothing), like the
// stock objects.
HGDIOBJ GdiCreateHandle(GdiKind kind, std::unique_ptr<GdiObject> object, bool permanent = false);
// The live object behind `h` if it is of `kind`, else null.
GdiObject* GdiResolve(HGDIOBJ h, GdiKind kind);
// The kind of a live handle, None for a stale or foreign one.
GdiKind GdiKindOf(HGDIOBJ h);

template <class T>
T* GdiResolveAs(HGDIOBJ h, GdiKind kind) {
  return static_cast<T*>(GdiResolve(h, kind));
}

// Objects selected into a device context (or held by one of its saved
// states) are held; DeleteObject of a held object succeeds, the object keeps
// working for the DC, and it is freed when the last holder lets go, so a DC
// never draws through freed memory.
void GdiHold(HGDIOBJ h);
void GdiRelease(HGDIOBJ h);
// Frees a DC's slot; used by DeleteDC only.
bool GdiDestroyDcHandle(HGDIOBJ h);

// Stock objects: made on first use, never freed; DeleteObject on them is a
// harmless success. The stock fonts are made by the text code: a stock font
// handle resolves to null until it installs the object (GdiInstallStock).
int GdiStockIndex(HGDIOBJ h);  // -1 for non-stock handles
void GdiInstallStock(int stockIndex, std::unique_ptr<GdiObject> object);
// The 1 x 1 monochrome bitmap a fresh memory DC holds.
HBITMAP GdiDefaultBitmap();

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int DEFAULT_PALETTE = 15;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

constexpr int OBJ_PEN = 1;
constexpr int OBJ_BRUSH = 2;
constexpr int OBJ_DC = 3;
constexpr int OBJ_PAL = 5;
constexpr int OBJ_FONT = 6;
constexpr int OBJ_BITMAP = 7;
constexpr int OBJ_REGION = 8;
constexpr int OBJ_MEMDC = 10;

HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ h);
int GetObject(HGDIOBJ h, int size, void* out);
inline int GetObjectA(HGDIOBJ h, int size, void* out) { return GetObject(h, size, out); }
DWORD GetObjectType(HGDIOBJ h);
// Defined with the device contexts (dc.cpp): pens, brushes, fonts and
// bitmaps return the previous object; a region becomes the clip and the
// result is the region's complexity.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ h);
