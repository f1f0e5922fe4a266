// Calling window procedures, object instances, and the default procedure.
#pragma once

#include "hwnd.h"

// Calls `proc` (a function or an object instance); a retired instance hands
// the message to the procedure it forwards to, or to DefWindowProc; a null
// procedure answers 0.
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A procedure value that calls `method` with the message record. Each call
// gives a new value with its own identity; FreeObjectInstance retires it for
// good (the value is never handed out again), so a window or a later hook
// still holding it never calls into a freed object. A hook that subclassed
// a window retires its instance with the procedure it replaced as
// `forwardTo`: every later message to the retired value goes on there, so
// the procedures below it keep running whatever order the hooks leave in.
// Without one, the retired value answers through DefWindowProc.
WNDPROC MakeObjectInstance(const TWndMethod& method);
void FreeObjectInstance(WNDPROC instance, WNDPROC forwardTo = nullptr);
// True for a value made by MakeObjectInstance (retired or not).
bool IsObjectInstance(WNDPROC proc);

// The default handling of every message a procedure does not handle itself.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
