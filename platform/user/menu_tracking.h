// Tracking an open menu: the loop that pumps the window manager's queue
// while a menu bar or popup is open, and takes the keys and the mouse.
#pragma once

#include "hwnd.h"

namespace Menus {

// From WM_SYSCOMMAND SC_KEYMENU: 0 selects the bar's first item (Alt, F10),
// ' ' opens the system menu, another character opens the bar item with that
// access key (or chooses it when it has no sub-items).
void StartKeyboardMenu(HWND root, char32_t key);
// From WM_SYSCOMMAND SC_MOUSEMENU: `hit` is HTMENU or HTSYSMENU.
void StartMouseMenu(HWND root, LRESULT hit, POINT screen);
// The choice's id, 0 for none; -1 when another menu is being tracked.
LONG_PTR TrackPopup(HWND owner, HMENU menu, POINT at, UINT flags, bool systemMenu);

bool IsTrackingMenu();

}  // namespace Menus
