// Window timers: WM_TIMER to a window, or a TIMERPROC called from
// DispatchMessage. Ticks are made when the queue has nothing else, on the
// platform clock; a timer has at most one tick pending, a late timer does
// not catch up, and a tick that falls due while the timer's own handler runs
// (in a nested loop) is dropped. Intervals below 10 ms count as 10 ms.
#pragma once

#include "hwnd.h"

constexpr UINT USER_TIMER_MINIMUM = 10;

// Re-arms a timer of the same window and id. With hwnd 0 the id is chosen
// (unless it names a running thread timer) and returned. 0 on failure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
// Harmless (FALSE) for a timer that is not set.
BOOL KillTimer(HWND hwnd, UINT_PTR id);
