// The handles and procedure values of the window manager.
//
// An HWND carries a slot index and a generation, so a handle of a destroyed
// window resolves to nothing, never to another window or freed memory.
//
// A WNDPROC is either a plain function or an object instance made by
// MakeObjectInstance. Instances are tagged values in the upper half of the
// address space, where no user-space function lives; only CallWindowProc
// and the dispatcher call a WNDPROC, and they tell the two apart. Never call
// a WNDPROC directly.
#pragma once

#include "events.h"
#include "gdi_handles.h"
#include "wintypes.h"

struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;

using ATOM = WORD;
using ULONG_PTR = std::uintptr_t;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// The class library's message record: passed by reference, the handler
// writes Result.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  WORD LParamLo() const { return LOWORD(static_cast<std::uintptr_t>(LParam)); }
  WORD LParamHi() const { return HIWORD(static_cast<std::uintptr_t>(LParam)); }
};

// procedure(var Message: TMessage) of object.
using TWndMethod = TClosure<void(TMessage&)>;
