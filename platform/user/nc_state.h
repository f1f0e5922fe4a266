// What the non-client engine remembers per window: the caption's active
// state as WM_NCACTIVATE last set it, a pushed caption button, the menu
// bar's selected item, and the window's own copy of the system menu.
// Handles are never reused, so a stale entry can only be forgotten late.
#pragma once

#include "hwnd.h"

namespace NonClient {

struct WindowState {
  int Active = -1;  // -1: never told; then 0 or 1
  LRESULT PushedButton = 0;
  int BarItem = -1;
  bool BarOpen = false;
  HMENU SystemMenu = nullptr;
};

WindowState& StateOf(HWND hwnd);
WindowState* FindState(HWND hwnd);
void ForgetState(HWND hwnd);

// The caption is drawn active: as WM_NCACTIVATE said, else when the window
// is the active one.
bool IsCaptionActive(HWND hwnd);

}  // namespace NonClient
