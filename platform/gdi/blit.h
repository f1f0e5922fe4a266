// Block transfers: BitBlt, StretchBlt, PatBlt and MaskBlt under ternary
// raster operations (rop.h). Both sides are clipped: the destination to its
// DC's clip, the source to its surface, and destination pixels whose source
// lies outside the source bitmap stay unchanged. A monochrome source drawn
// on colour takes the destination's text colour for 0 and its background
// colour for 1; a colour source drawn on monochrome gives 1 (white) where it
// equals the source DC's background colour and 0 elsewhere.
#pragma once

#include "gdi_handles.h"
#include "rop.h"
#include "wintypes.h"

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
// Negative widths or heights mirror; the stretch mode of the destination
// picks the sampling (nearest pixel in every mode here).
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
// Where the monochrome mask has 1 the foreground code applies, where 0 the
// background code (MAKEROP4); without a mask, the foreground code only.
BOOL MaskBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, HBITMAP mask, int maskX,
             int maskY, DWORD rop);

constexpr DWORD MAKEROP4(DWORD fore, DWORD back) { return ((back << 8) & 0xFF000000) | fore; }
