// Menus: menu bars and popup menus with text items, '&' access keys,
// separators, check marks, grey items and submenus, and their tracking.
//
// A menu bar is drawn in its window's non-client area under the caption and
// opened by a click, by F10 or Alt, or by Alt with an access key; popups are
// top-level popup windows of the window manager. The arrow keys move, Enter
// chooses, Esc steps back. A choice reaches the owner as WM_COMMAND with the
// item's id (WM_SYSCOMMAND for the system menu); a bar item without
// sub-items sends it at once. Before a popup shows, its owner gets
// WM_INITMENUPOPUP; each move sends WM_MENUSELECT. Tracking pumps the
// window manager's queue, so timers keep ticking while a menu is open.
#pragma once

#include "hwnd.h"

constexpr UINT MF_INSERT = 0x0000;
constexpr UINT MF_CHANGE = 0x0080;
constexpr UINT MF_APPEND = 0x0100;
constexpr UINT MF_DELETE = 0x0200;
constexpr UINT MF_REMOVE = 0x1000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_USECHECKBITMAPS = 0x0200;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_UNHILITE = 0x0000;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_SYSMENU = 0x2000;
constexpr UINT MF_HELP = 0x4000;
constexpr UINT MF_RIGHTJUSTIFY = 0x4000;
constexpr UINT MF_MOUSESELECT = 0x8000;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and its submenus; FALSE for a handle that is not a menu.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// `item` is the id, or with MF_POPUP the submenu's handle, which the menu
// then owns. Position -1 (or past the end) appends.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR item, LPCSTR text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text);
// DeleteMenu destroys a submenu it removes; RemoveMenu only unlinks it.
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
// By command, the search goes into submenus. The previous state, or -1
// (0xFFFFFFFF) when the item is not there.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
// The item's flags (for a submenu, its item count in the high byte); -1
// when the item is not there.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Copies the text (bytes, never cutting a letter) and returns its length;
// with a null buffer, the length alone.
int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags);
int GetMenuItemCount(HMENU menu);                 // -1 for a bad handle
UINT GetMenuItemID(HMENU menu, int position);     // -1 for a submenu or none
HMENU GetSubMenu(HMENU menu, int position);

// The menu bar of a top-level window; the frame is recomputed, so the
// client area shrinks or grows by the bar.
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);
BOOL DrawMenuBar(HWND hwnd);

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

struct TPMPARAMS {
  UINT cbSize = sizeof(TPMPARAMS);
  RECT rcExclude;
};

// Shows the popup at a screen point and tracks it until a choice or a
// cancel. With TPM_RETURNCMD the chosen id (0 for none) is returned and
// nothing is sent; else the choice is posted as WM_COMMAND and the result
// is nonzero. FALSE while another menu is being tracked.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
