// Driving the window manager under the headless host in tests: install the
// host, pump until nothing is left, move virtual time, and tidy up.
#pragma once

#include <string>

#include "clock.h"
#include "headless_host.h"
#include "message_queue.h"
#include "paint.h"
#include "window.h"
#include "window_internal.h"

namespace TestSupport {

// Runs the pump like a message loop until it finds nothing to do (no
// message, paint or due timer); returns the messages dispatched. A loop
// that never calms down stops after `limit`.
inline int PumpUntilIdle(int limit = 10000) {
  MSG m;
  int n = 0;
  while (n < limit && PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    TranslateMessage(&m);
    DispatchMessage(&m);
    ++n;
  }
  return n;
}

// Moves virtual time forward, pumping at every step of `stepMs`.
inline void AdvanceAndPump(std::uint64_t ms, std::uint64_t stepMs = 1) {
  for (std::uint64_t t = 0; t < ms; t += stepMs) {
    ClockAdvance(stepMs);
    PumpUntilIdle();
  }
}

// Destroys every window left over, so the next test starts clean.
inline void DestroyAllWindows() {
  for (HWND h : WindowManager::TopLevelWindows()) DestroyWindow(h);
  MSG m;
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
}

inline bool SaveWindowPng(HWND hwnd, const std::string& path) {
  const Surface* s = GetWindowSurface(hwnd);
  return s && SaveSurfacePng(*s, path);
}

}  // namespace TestSupport
