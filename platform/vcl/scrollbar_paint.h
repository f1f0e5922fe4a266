// The classic scroll bar, painted by the layer for controls that keep their
// bars in the non-client area: two arrow buttons, the track, and a raised
// thumb sized to the visible part. One geometry serves painting and hit
// testing, so a click always lands on what was drawn.
#pragma once

#include "gdi_handles.h"
#include "rect.h"

// The scroll codes of WM_HSCROLL and WM_VSCROLL (low word of wParam).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;

enum class TScrollBarPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct TScrollBarGeometry {
  bool Vertical = true;
  TRect Whole, Up, Down, Track, Thumb;
  int Range = 0;     // the scrolled extent
  int Page = 0;      // the visible part of it
  int Position = 0;  // 0 .. Range - Page
};

// Lays out a bar in R for a position within Range of which Page shows.
TScrollBarGeometry LayoutScrollBar(const TRect& R, bool Vertical, int Range, int Page, int Position);
TScrollBarPart ScrollBarPartAt(const TScrollBarGeometry& G, const TPoint& P);
// The position that puts the thumb's leading edge at Offset pixels into the
// track (clamped).
int ScrollBarPositionAt(const TScrollBarGeometry& G, int Offset);
void PaintScrollBar(HDC DC, const TScrollBarGeometry& G);
