// The menu bar: its items laid out left to right in the bar's row, and its
// painting (an open item pushed in, a keyboard-selected one raised).
#pragma once

#include <vector>

#include "hwnd.h"
#include "rect.h"

namespace Menus {

// One rectangle per item, in the coordinates of `bar`.
std::vector<TRect> MenuBarItemRects(HMENU menu, const TRect& bar);
// The item under p, else -1.
int MenuBarItemAt(HMENU menu, const TRect& bar, POINT p);

void PaintMenuBar(HDC dc, HMENU menu, const TRect& bar, int selected, bool open);

}  // namespace Menus
