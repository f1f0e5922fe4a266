// Multimedia timers: a callback on a worker thread of its own, after a delay
// and then every period, timed by the platform clock. The library's
// high-resolution timer uses them only to post WM_TIMER to a window, so that
// its ticks arrive on the user-interface thread.
//
// On the virtual clock a worker follows virtual time: it re-reads the clock
// every millisecond of real time, because the clock's one advance hook
// belongs to the backend's pump. Moving the clock past a due time therefore
// fires the callback shortly after, on the worker. A periodic timer that
// falls behind (the clock jumped several periods at once) fires once and
// keeps its schedule, dropping the missed ticks rather than delivering a
// burst.
#pragma once

#include "wintypes.h"

using MMRESULT = UINT;
constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT TIMERR_NOERROR = 0;
constexpr MMRESULT TIMERR_NOCANDO = 97;

struct TIMECAPS {
  UINT wPeriodMin;
  UINT wPeriodMax;
};
using LPTIMECAPS = TIMECAPS*;

// The delays a timer accepts, in milliseconds.
constexpr UINT kTimerPeriodMin = 1;
constexpr UINT kTimerPeriodMax = 1000000;

constexpr UINT TIME_ONESHOT = 0x0000;
constexpr UINT TIME_PERIODIC = 0x0001;

// Called with the timer's id, 0, the caller's value and two zeros.
using LPTIMECALLBACK = void (*)(UINT timerId, UINT msg, DWORD_PTR user, DWORD_PTR reserved1, DWORD_PTR reserved2);

MMRESULT timeGetDevCaps(LPTIMECAPS caps, UINT capsSize);
// Every period the clock offers is already in effect: these only check the
// period lies within the device's range.
MMRESULT timeBeginPeriod(UINT period);
MMRESULT timeEndPeriod(UINT period);
// Milliseconds of the platform clock.
DWORD timeGetTime();

// Starts a timer: `callback` runs on its worker thread `delay` ms from now,
// and with TIME_PERIODIC every `delay` ms after. The resolution is always
// one millisecond. Returns the timer's id, or 0 for a delay outside the
// device's range, a null callback, unknown flags or no thread to run it.
MMRESULT timeSetEvent(UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags);
// Stops the timer. A callback running at that moment finishes first; once
// this returns the callback never runs again. Called from the timer's own
// callback it only stops the timer, and the worker ends when the callback
// returns. MMSYSERR_INVALPARAM for an unknown id.
MMRESULT timeKillEvent(UINT timerId);
