// Palettes on 32-bit surfaces are bookkeeping only: the handles exist and
// can be selected and deleted, realising maps nothing, and the screen never
// reports a palette device.
#pragma once

#include "gdi_handles.h"
#include "wintypes.h"

constexpr BYTE PC_RESERVED = 0x01;
constexpr BYTE PC_EXPLICIT = 0x02;
constexpr BYTE PC_NOCOLLAPSE = 0x04;

struct PALETTEENTRY {
  BYTE peRed = 0;
  BYTE peGreen = 0;
  BYTE peBlue = 0;
  BYTE peFlags = 0;
};

struct LOGPALETTE {
  WORD palVersion = 0x300;
  WORD palNumEntries = 0;
  PALETTEENTRY palPalEntry[1];
};

HPALETTE CreatePalette(const LOGPALETTE* lp);
// Returns the previous palette of the DC.
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
// The number of entries mapped: always 0.
UINT RealizePalette(HDC dc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
