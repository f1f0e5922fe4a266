// Brushes: solid, hatched, pattern (any size, tiled from the brush origin)
// and null. A monochrome pattern keeps its bits and takes the DC's text
// colour for 0 and background colour for 1 when it is drawn.
#pragma once

#include "gdiobj.h"
#include "surface.h"
#include "wintypes.h"

using ULONG_PTR = std::uintptr_t;

constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_HATCHED = 2;
constexpr UINT BS_PATTERN = 3;

constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  ULONG_PTR lbHatch = 0;  // the hatch style, or the pattern's bitmap handle
};

struct BrushObject : GdiObject {
  LOGBRUSH log;
  Surface pattern;          // BS_PATTERN: a copy of the bitmap's pixels
  bool monoPattern = false;  // the bitmap was 1 bit deep
  int GetObjectData(int size, void* out) const override;
};

// The 8 x 8 rows of a hatch style: bit 7 is the left pixel; 1 = hatch line.
const BYTE* HatchRows(int style);

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int style, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* lb);
