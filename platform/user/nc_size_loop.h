// Sizing a frame with the mouse or the keyboard: the loop that runs while a border, a
// corner or a grip is dragged, and the geometry it follows.
#pragma once

#include "hwnd.h"
#include "messages.h"
#include "rect.h"

// True for the hit codes that size a frame: HTLEFT ... HTBOTTOMRIGHT and
// HTGROWBOX (the bottom-right grip).
bool IsSizingHit(LRESULT hit);

// The window rectangle `start` with the edges that `hit` names moved by
// (dx, dy), kept within the minimum and maximum track sizes; the edges
// opposite stay where they are.
TRect SizedRect(const TRect& start, LRESULT hit, int dx, int dy, const MINMAXINFO& limits);

// The window's track limits: the defaults (the minimum track metrics, the
// desktop plus a frame) as the window's WM_GETMINMAXINFO leaves them.
MINMAXINFO TrackLimits(HWND hwnd);

// The side an arrow key makes of `hit` while sizing by keyboard: with no
// side yet the edge it points at, from an edge a crosswise arrow adds the
// corner; otherwise `hit` stays (and the arrow moves it).
LRESULT KeyboardSizeHit(LRESULT hit, WPARAM key);

// Follows the mouse from `start` (screen) until the left button is
// released; Escape puts the window back. Runs its own message loop.
// With `hit` not a sizing code (the window menu's size command) the loop
// runs from the keyboard: arrows pick the edge, then the corner, then move
// it by 8 pixels, Enter keeps and Escape puts the window back; a mouse move
// hands the chosen side to the mouse as in a drag.
void TrackSizeLoop(HWND hwnd, LRESULT hit, POINT start);
