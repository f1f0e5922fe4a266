// The caret: one per program, owned by a window, drawn by inverting a bar
// of its client area and blinking on a window timer. A window that repaints
// under a shown caret repaints it away; the next blink brings it back.
#pragma once

#include "hwnd.h"

// width or height 0: the border width (1 pixel). The bitmap is ignored: the
// caret is always a solid bar. It starts hidden.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
// Calls nest: a caret hidden twice shows after two ShowCaret calls. hwnd 0
// or the caret's owner; others fail.
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
// Client coordinates of the caret's owner.
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* p);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);
