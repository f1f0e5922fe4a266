// Mouse capture, leave tracking and the cursor position.
#pragma once

#include "hwnd.h"

// The window gets all mouse input until released; the previous holder gets
// WM_CAPTURECHANGED.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};
// TME_LEAVE: one WM_MOUSELEAVE when the pointer leaves the window (at once
// when it is not over it now).
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);

BOOL GetCursorPos(POINT* p);
BOOL SetCursorPos(int x, int y);

// Two presses of a button within this time and within half the double-click
// rectangle of each other (SM_CXDOUBLECLK 4 px wide, centred on the first)
// make a double click, for classes with CS_DBLCLKS.
UINT GetDoubleClickTime();
constexpr int kDoubleClickWidth = 4;
constexpr int kDoubleClickHeight = 4;
