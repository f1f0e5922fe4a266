// Keyboard focus and activation. One top-level window is active; the focus
// window is it or one of its descendants. Activating sends, in order:
// WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE) to the old window,
// WM_ACTIVATEAPP(TRUE) to every top-level window when the program was
// inactive, WM_NCACTIVATE(TRUE) and WM_ACTIVATE to the new one, whose
// default sets the focus to it (WM_KILLFOCUS, then WM_SETFOCUS).
#pragma once

#include "hwnd.h"

HWND SetFocus(HWND hwnd);  // the previous focus; 0 on failure
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
