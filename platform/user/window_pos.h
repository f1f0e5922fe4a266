// Placement: position, size, z-order and visibility, and the coordinate
// mappings.
#pragma once

#include "hwnd.h"
#include "messages.h"

inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(static_cast<std::intptr_t>(1));
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-2));

constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_DRAWFRAME = SWP_FRAMECHANGED;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr UINT SWP_NOCOPYBITS = 0x0100;
constexpr UINT SWP_NOOWNERZORDER = 0x0200;
constexpr UINT SWP_NOREPOSITION = SWP_NOOWNERZORDER;
constexpr UINT SWP_NOSENDCHANGING = 0x0400;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// Coordinates are the parent's client coordinates (screen for top-level
// windows). Sends WM_WINDOWPOSCHANGING (whose handler may edit the
// WINDOWPOS), WM_NCCALCSIZE on a size or frame change, activates a shown
// top-level window unless SWP_NOACTIVATE, and sends WM_WINDOWPOSCHANGED,
// whose default sends WM_MOVE and WM_SIZE. Uncovered parts of the parent and
// the moved window itself are invalidated (unless SWP_NOREDRAW).
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
// WM_SHOWWINDOW (lParam 0) on a change of visibility, then SetWindowPos.
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);
BOOL BringWindowToTop(HWND hwnd);

BOOL GetWindowRect(HWND hwnd, RECT* r);  // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* r);  // origin (0, 0)
BOOL ClientToScreen(HWND hwnd, POINT* p);
BOOL ScreenToClient(HWND hwnd, POINT* p);
// From one window's client coordinates to another's (0 = the screen); the
// result packs the horizontal and vertical offset as LOWORD and HIWORD.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
// The window rectangle that gives the client rectangle, by the frame metrics.
BOOL AdjustWindowRectEx(RECT* r, DWORD style, BOOL menu, DWORD exStyle);
BOOL AdjustWindowRect(RECT* r, DWORD style, BOOL menu);

// WM_NCHITTEST answers aside, the window under a screen point, deepest child
// first: hidden windows are skipped, a disabled child yields its parent, and
// window regions count (outside a region is outside the window).
HWND WindowFromPoint(POINT screen);
constexpr UINT CWP_ALL = 0x0000;
constexpr UINT CWP_SKIPINVISIBLE = 0x0001;
constexpr UINT CWP_SKIPDISABLED = 0x0002;
constexpr UINT CWP_SKIPTRANSPARENT = 0x0004;
// The direct child of `parent` at a point in parent's client coordinates;
// the parent itself when no child is there, 0 when outside the parent.
HWND ChildWindowFromPoint(HWND parent, POINT client);
HWND ChildWindowFromPointEx(HWND parent, POINT client, UINT flags);
