// Calling window procedures, object instances, and the default procedure.
#pragma once

#include "hwnd.h"

// Calls `proc` (a function or an object instance); a retired instance hands
// the message to DefWindowProc, a null procedure answers 0.
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A procedure value that calls `method` with the message record. Each call
// gives a new value with its own identity; FreeObjectInstance retires it for
// good (the value is never handed out again), so a window still holding it
// gets default handling instead of a call into a freed object.
WNDPROC MakeObjectInstance(const TWndMethod& method);
void FreeObjectInstance(WNDPROC instance);
// True for a value made by MakeObjectInstance (retired or not).
bool IsObjectInstance(WNDPROC proc);

// The default handling of every message a procedure does not handle itself.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
