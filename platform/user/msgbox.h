// Message boxes. MessageBox first asks the host (headless: the test's
// script, which records caption, text and flags); an answer that is not one
// of the box's buttons counts as the default button, and an answer of 0 or
// less means "show the box". Otherwise a modal window of ours shows the
// word-wrapped text, a classic icon and painted buttons with German
// captions, centred over its owner (or the screen); the owner is disabled
// while it shows. Enter presses the focused button (the default one at
// first), Esc and the close button cancel where the box has a cancel
// (or only an OK), Tab and the arrow keys move between buttons, a button's
// first letter presses it, the mouse clicks. The loop is the window
// manager's pump, so timers keep ticking.
#pragma once

#include "hwnd.h"

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_RETRYCANCEL = 0x00000005;
constexpr UINT MB_TYPEMASK = 0x0000000F;

constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x000000F0;

constexpr UINT MB_DEFBUTTON1 = 0x00000000;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_DEFBUTTON3 = 0x00000200;
constexpr UINT MB_DEFBUTTON4 = 0x00000300;
constexpr UINT MB_DEFMASK = 0x00000F00;

constexpr UINT MB_APPLMODAL = 0x00000000;
constexpr UINT MB_SYSTEMMODAL = 0x00001000;
constexpr UINT MB_TASKMODAL = 0x00002000;
constexpr UINT MB_SETFOREGROUND = 0x00010000;
constexpr UINT MB_TOPMOST = 0x00040000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// 0 when the box cannot be shown.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
inline int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
  return MessageBox(owner, text, caption, flags);
}
