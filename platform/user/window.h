// Windows: creation and destruction, styles, the tree of parents, owners
// and z-order, text, properties and the window longs.
#pragma once

#include "hwnd.h"
#include "messages.h"

constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_TILED = WS_OVERLAPPED;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_MAXIMIZE = 0x01000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_DLGFRAME = 0x00400000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_SIZEBOX = WS_THICKFRAME;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;
constexpr DWORD WS_CHILDWINDOW = WS_CHILD;

constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr DWORD WS_EX_TOPMOST = 0x00000008;
constexpr DWORD WS_EX_ACCEPTFILES = 0x00000010;
constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD WS_EX_CONTEXTHELP = 0x00000400;
constexpr DWORD WS_EX_STATICEDGE = 0x00020000;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// HWND_MESSAGE parents a message-only window: never shown, never on screen.
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-3));

// lpClassName is a registered class name. The message order is the
// platform's: WM_GETMINMAXINFO (top-level), WM_NCCREATE, WM_NCCALCSIZE,
// WM_CREATE, WM_SIZE, WM_MOVE, then ShowWindow when WS_VISIBLE. A window
// whose WM_NCCREATE returns 0 or WM_CREATE returns -1 is destroyed and 0 is
// returned.
HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param);
inline HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                         int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
  return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menuOrId,
                        instance, param);
}
// Hides, then sends WM_DESTROY parent first and children after, then
// WM_NCDESTROY children first; owned windows are destroyed before their
// owner. A handle stays valid until its WM_NCDESTROY has returned.
BOOL DestroyWindow(HWND hwnd);

BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);  // the window and all its parents
BOOL IsWindowEnabled(HWND hwnd);
// Sends WM_CANCELMODE first when disabling, then WM_ENABLE on a change;
// returns TRUE when the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);

HWND GetDesktopWindow();
// The parent of a child, the owner of a popup, else 0.
HWND GetParent(HWND hwnd);
// A top-level window becomes a child of newParent (0 = the desktop) or back.
// The style is not changed: callers set WS_CHILD themselves.
HWND SetParent(HWND hwnd, HWND newParent);

constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;
constexpr UINT GA_ROOTOWNER = 3;
HWND GetAncestor(HWND hwnd, UINT flags);

constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;
constexpr UINT GW_ENABLEDPOPUP = 6;
HWND GetWindow(HWND hwnd, UINT relation);
// The topmost child (the topmost top-level window for 0).
HWND GetTopWindow(HWND hwnd);
HWND GetNextWindow(HWND hwnd, UINT relation);
// Finds a top-level window by class and/or title (null matches any).
HWND FindWindow(LPCSTR className, LPCSTR windowName);

using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM param);

// Through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH, so procedures see them.
BOOL SetWindowText(HWND hwnd, LPCSTR text);
int GetWindowText(HWND hwnd, LPSTR buffer, int size);
int GetWindowTextLength(HWND hwnd);

BOOL SetProp(HWND hwnd, LPCSTR name, HANDLE data);
HANDLE GetProp(HWND hwnd, LPCSTR name);
HANDLE RemoveProp(HWND hwnd, LPCSTR name);

constexpr int GWL_WNDPROC = -4;
constexpr int GWLP_WNDPROC = GWL_WNDPROC;
constexpr int GWL_HINSTANCE = -6;
constexpr int GWLP_HINSTANCE = GWL_HINSTANCE;
constexpr int GWL_HWNDPARENT = -8;
constexpr int GWLP_HWNDPARENT = GWL_HWNDPARENT;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_USERDATA = -21;
constexpr int GWLP_USERDATA = GWL_USERDATA;
constexpr int GWL_ID = -12;
constexpr int GWLP_ID = GWL_ID;

// Non-negative indices address the window's extra bytes (a LONG at the
// offset, which must lie wholly inside them; else 0 and
// ERROR_INVALID_PARAMETER). Setting GWL_STYLE or GWL_EXSTYLE changes only
// the stored bits, as on the original: SetWindowPos(SWP_FRAMECHANGED)
// recomputes the frame. GWL_WNDPROC and GWL_HINSTANCE hold pointers: only the
// Ptr calls take them; GetWindowLong/SetWindowLong refuse them.
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
WORD GetWindowWord(HWND hwnd, int index);
