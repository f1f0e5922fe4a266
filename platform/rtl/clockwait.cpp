#include "clockwait.h"

#include <algorithm>

bool ClockWaitUntil(std::uint64_t dueMs, TEvent& stop) {
  for (;;) {
    if (stop.WaitFor(0) == wrSignaled) return false;
    const std::uint64_t now = ClockNowMs();
    if (now >= dueMs) return true;
    // Virtual time moves in steps from another thread, which signals no
    // one: look again every real millisecond.
    const std::uint64_t step = ClockIsVirtual() ? 1 : std::min<std::uint64_t>(dueMs - now, INFINITE - 1);
    if (stop.WaitFor(static_cast<DWORD>(step)) == wrSignaled) return false;
  }
}
