// Lines and figures, with the Windows pixel rules:
// - a line leaves out its end point and moves the current position there,
//   so the segments of a polyline meet without a doubled pixel;
// - pens of width 0 and 1 draw one pixel, wider pens are centred on the
//   path (round ends), PS_INSIDEFRAME keeps a figure's pen inside its box;
//   dash styles apply to one-pixel pens, their gaps in the background colour
//   when the background mode is OPAQUE;
// - a figure's box is normalised and right/bottom exclusive: Rectangle's pen
//   runs on L..R-1 x T..B-1 around the brush, and without a pen the brush
//   fills one pixel less on the right and the bottom (L..R-2 x T..B-2);
//   Ellipse, RoundRect, Pie and Chord follow the same rule;
// - a polygon fills under the DC's fill mode and leaves out the pixels of
//   its right and bottom edges;
// - arcs run counter-clockwise (as seen on the screen) from the radial
//   through the start point to the radial through the end point; both on
//   one radial give the whole ellipse.
// Coordinates are logical.
#pragma once

#include "gdi_handles.h"
#include "wintypes.h"

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
// From the current position through the points; the position ends on the last.
BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);

BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygons);

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// Corner ellipses of width x height.
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
