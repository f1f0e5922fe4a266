// The message queue of the user-interface thread and the calls that feed,
// read and dispatch it.
//
// One routine pumps for every loop: each GetMessage or PeekMessage runs the
// queued Synchronize calls, serves SendMessage calls from other threads,
// takes the host's pending input, presents what was painted, and then hands
// out, in this order, a posted message, WM_QUIT, WM_PAINT for a window with
// an update region, and WM_TIMER for a due timer. GetMessage waits in the
// host until the next timer is due.
#pragma once

#include "hwnd.h"
#include "messages.h"

inline const HWND HWND_BROADCAST = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0xFFFF));

// UI thread: calls the procedure at once (re-entrant). Another thread: the
// call is queued for the UI thread, which runs it the next time it pumps,
// and the caller waits for the result. 0 for a handle that is not a window.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Any thread; wakes the host. hwnd 0 posts a thread message.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Only the UI thread has a queue: other thread ids fail.
BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// hwnd 0: any window's and thread messages; (HWND)-1: thread messages only;
// else that window's. min = max = 0: no range filter. WM_QUIT passes every
// filter.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove);
// FALSE for WM_QUIT, -1 for a bad call, else TRUE.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT min, UINT max);
// Waits until the queue has something (a message, a paint, a due timer).
BOOL WaitMessage();
// Posts WM_CHAR / WM_SYSCHAR for a key-down: the characters the host typed
// with it, else those of Enter, Backspace, Tab, Escape, Ctrl+letters and
// Alt+letters. They come next, before any later input. wParam is the
// character's Unicode code point (ä is 0xE4), whatever its UTF-8 length.
BOOL TranslateMessage(const MSG* msg);
// Calls the window's procedure (or a timer's TIMERPROC); the result is the
// procedure's.
LRESULT DispatchMessage(const MSG* msg);

// The time (platform clock) and cursor position of the last message taken.
LONG GetMessageTime();
DWORD GetMessagePos();
