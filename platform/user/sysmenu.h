// The system menu: each window's own copy of the classic window menu
// (Wiederherstellen, Verschieben, Größe ändern, Minimieren, Maximieren, a
// separator, Schließen Alt+F4 at positions 0..6), made on first use. Its
// choices arrive as WM_SYSCOMMAND with the item's id, custom entries too.
#pragma once

#include "hwnd.h"

// bRevert FALSE: the window's copy, made when missing. TRUE: the copy is
// dropped (the next call makes a fresh one) and 0 is returned.
HMENU GetSystemMenu(HWND hwnd, BOOL revert);

namespace Menus {
// Greys the standard entries that the window's state and styles rule out,
// before the menu shows.
void UpdateSystemMenu(HWND hwnd, HMENU menu);
}  // namespace Menus
