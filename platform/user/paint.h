// The paint cycle and window device contexts.
//
// Each window has an update region; when the queue has nothing else, the
// pump hands out WM_PAINT for the topmost window with one (parents before
// children). BeginPaint sends WM_NCPAINT and WM_ERASEBKGND where owed and
// validates. Every DC of a window draws on its top-level window's retained
// surface, clipped to the window's visible region, so what is drawn outside
// a paint cycle stays there; the changed part is presented at the next pump.
#pragma once

#include "gdi_handles.h"
#include "hwnd.h"
#include "rect.h"

class Surface;

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;  // the background still needs erasing
  RECT rcPaint;         // client coordinates
  BOOL fRestore = FALSE;
  BOOL fIncUpdate = FALSE;
  BYTE rgbReserved[32] = {};
};

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// hwnd 0 invalidates every top-level window. Rectangles and regions are in
// client coordinates (window coordinates with RDW_FRAME and no rectangle).
// Children are included when the window lacks WS_CLIPCHILDREN, or with
// RDW_ALLCHILDREN. Hidden windows gain nothing.
BOOL InvalidateRect(HWND hwnd, const RECT* r, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* r);
BOOL ValidateRgn(HWND hwnd, HRGN rgn);
BOOL RedrawWindow(HWND hwnd, const RECT* r, HRGN rgn, UINT flags);
// Paints the window (and its children) now if they have anything to paint.
BOOL UpdateWindow(HWND hwnd);
// The update region's bounds in client coordinates; FALSE when empty. With
// erase, owed non-client and background painting happens first.
BOOL GetUpdateRect(HWND hwnd, RECT* r, BOOL erase);
// Copies the update region (client coordinates); the region's complexity.
int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase);

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_NORESETATTRS = 0x00000004;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_LOCKWINDOWUPDATE = 0x00000400;
constexpr DWORD DCX_USESTYLE = 0x00010000;

// The client area's DC; GetDC(0) draws on (and reads) a picture of the
// screen composed from our windows at the time of the call.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// clipRgn is in the DC's coordinates (client, or window with DCX_WINDOW).
HDC GetDCEx(HWND hwnd, HRGN clipRgn, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// One window at a time: its drawing is suppressed until the lock is lifted
// (0), which repaints it.
BOOL LockWindowUpdate(HWND hwnd);

// The window takes ownership of the region (window coordinates; 0 removes
// it). It clips painting and hit tests; a top-level window's outline goes to
// the host.
int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw);
// Copies the window region into rgn; ERROR when the window has none.
int GetWindowRgn(HWND hwnd, HRGN rgn);

// A child that shows its parent through itself: the parent erases and paints
// its client area into the child's DC (WM_ERASEBKGND, then WM_PRINTCLIENT
// with PRF_CLIENT), moved so that the part behind the child lands on it and
// clipped to rect (the child's client coordinates; its client area when
// null). The DC's state is as before afterwards. FALSE for a window that is
// no child.
BOOL DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect);

// The retained surface of a top-level window (for screenshots and tests).
const Surface* GetWindowSurface(HWND hwnd);
