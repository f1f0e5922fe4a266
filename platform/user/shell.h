// Requests to the desktop: opening a document or address, and the beep.
#pragma once

#include "hwnd.h"

constexpr int SE_ERR_NOASSOC = 31;

// "open" (or no verb) hands the target to the host and does not wait; the
// result is above 32 on success, as callers test.
HINSTANCE ShellExecute(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show);

constexpr UINT MB_OK_BEEP = 0;
// No sound device is asked for a beep; it returns at once.
BOOL MessageBeep(UINT type);
