// The platform clock: every tick count, performance counter, Sleep and Now of
// the program reads this one clock.
//
// Real by default: monotonic milliseconds since the clock was first read.
// Virtual on request (tests, the headless backend): time stands still until
// ClockAdvance or Sleep moves it; Sleep then returns at once, from any
// thread, having moved the clock by its duration. A worker that sleeps in a
// loop therefore drives virtual time too; tests that want exact virtual time
// keep such workers stopped.
//
// Now() follows the clock as well: the wall time is taken once when virtual
// mode starts and then moves only with the virtual clock.
#pragma once

#include <cstdint>

#include "wintypes.h"

// Switches to virtual time, starting at `startMs` (GetTickCount64 reads it).
void ClockUseVirtual(std::uint64_t startMs);
// Back to real time (continuing from the real monotonic reading).
void ClockUseReal();
bool ClockIsVirtual();
// Moves virtual time forward; ignored in real mode.
void ClockAdvance(std::uint64_t ms);

// Milliseconds of the platform clock.
std::uint64_t ClockNowMs();
// Wall time in milliseconds since 1970-01-01 UTC, as the platform clock sees it.
std::int64_t ClockWallMs();

// Called after every move of virtual time, with the new reading, on the
// thread that moved it and outside any lock of the clock. The backend uses it
// to wake its pump so that timers due at the new time fire. Pass nullptr to
// remove. One hook; setting it replaces the previous one.
using ClockAdvanceHook = void (*)(std::uint64_t nowMs);
void SetClockAdvanceHook(ClockAdvanceHook hook);

// Milliseconds since start, 32 bits: wraps after 49.7 days, as the callers'
// unsigned differences expect.
DWORD GetTickCount();
ULONGLONG GetTickCount64();
// Microsecond counter; the frequency is always 1 000 000.
BOOL QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency);

constexpr DWORD INFINITE = 0xFFFFFFFF;
// Real mode: blocks the calling thread (Sleep(0) yields). Virtual mode:
// advances the clock and returns. Sleep(INFINITE) in virtual mode would stop
// time meaning anything, so it blocks for real, forever, as asked.
void Sleep(DWORD ms);
// Nothing queues alertable calls in this program, so the result is always 0.
DWORD SleepEx(DWORD ms, BOOL alertable);
