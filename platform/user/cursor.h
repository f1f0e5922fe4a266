// Cursors: the standard shapes, the hand of resource 16548, and the few
// calls that choose what the host shows. A cursor made by CreateCursor
// shows as the arrow: the hosts know only their system shapes.
#pragma once

#include "hwnd.h"

inline LPCSTR MAKEINTRESOURCE(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id)); }

inline const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);
inline const LPCSTR IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCE(32514);
inline const LPCSTR IDC_CROSS = MAKEINTRESOURCE(32515);
inline const LPCSTR IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const LPCSTR IDC_SIZE = MAKEINTRESOURCE(32640);
inline const LPCSTR IDC_ICON = MAKEINTRESOURCE(32641);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const LPCSTR IDC_NO = MAKEINTRESOURCE(32648);
inline const LPCSTR IDC_HAND = MAKEINTRESOURCE(32649);
inline const LPCSTR IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const LPCSTR IDC_HELP = MAKEINTRESOURCE(32651);
// The class library's hand cursor resource.
constexpr WORD kHandCursorResource = 16548;

// A standard cursor by its IDC_ number (any instance), or the hand by its
// resource number; 0 for anything else.
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
// Shows the cursor (0 hides it, as far as the host can) and returns the
// previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The display counter: the cursor shows while it is 0 or more.
int ShowCursor(BOOL show);
HCURSOR CreateCursor(HINSTANCE instance, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane);
// Standard cursors are shared and stay; FALSE for them and for bad handles.
BOOL DestroyCursor(HCURSOR cursor);
