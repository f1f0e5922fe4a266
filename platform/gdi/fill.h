// The simple fills: rectangles through a brush, frames, inversion, the
// dotted focus rectangle, and single pixels.
#pragma once

#include "gdi_handles.h"
#include "wintypes.h"

// Fills left..right-1 x top..bottom-1; an empty or inverted rectangle fills
// nothing. `brush` may also be a system colour index + 1, as on the
// original.
int FillRect(HDC dc, const RECT* r, HBRUSH brush);
// A ring one pixel wide just inside the rectangle.
int FrameRect(HDC dc, const RECT* r, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* r);
// Every other pixel of the ring inverted: drawing it twice restores.
BOOL DrawFocusRect(HDC dc, const RECT* r);

// Outside the bitmap or the clip: GetPixel gives CLR_INVALID and SetPixel
// does nothing (and returns CLR_INVALID). SetPixel returns the colour set.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
