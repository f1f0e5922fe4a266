// The way the library's high-resolution timer uses a multimedia timer: the
// callback only posts WM_TIMER to a message-only window, so that the tick is
// handled on the user-interface thread by the pump.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "headless_host_helper.h"
#include "messages.h"
#include "mmtimer.h"
#include "window.h"
#include "windowclass.h"
#include "wndproc.h"

namespace {

struct TickLog {
  int Count = 0;
  WPARAM LastId = 0;
  std::thread::id HandledOn;
};

TickLog& Log() {
  static TickLog log;
  return log;
}

LRESULT TimerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER) return DefWindowProc(hwnd, msg, wParam, lParam);
  ++Log().Count;
  Log().LastId = wParam;
  Log().HandledOn = std::this_thread::get_id();
  return 0;
}

void PostTick(UINT id, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
  PostMessage(reinterpret_cast<HWND>(window), WM_TIMER, id, 0);
}

// Pumps until `count` ticks were handled; bounded, so that a broken timer
// fails instead of hanging.
bool PumpUntilTicks(int count) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (Log().Count < count) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    TestSupport::PumpUntilIdle();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace

TEST(MmTimerPosting, TicksArriveAsWmTimerOnTheUserInterfaceThread) {
  InstallHeadlessHost();
  Log() = TickLog{};
  WNDCLASS wc;
  wc.lpfnWndProc = TimerWindowProc;
  wc.lpszClassName = "MmTimerTestWindow";
  ASSERT_NE(RegisterClass(&wc), 0);
  const HWND window =
      CreateWindowEx(0, "MmTimerTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);

  const MMRESULT id = timeSetEvent(25, 25, PostTick, reinterpret_cast<DWORD_PTR>(window), TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  for (int tick = 1; tick <= 2; ++tick) {
    ClockAdvance(25);
    ASSERT_TRUE(PumpUntilTicks(tick));
  }
  timeKillEvent(id);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Log().Count, 2);
  EXPECT_EQ(Log().LastId, id);
  EXPECT_EQ(Log().HandledOn, std::this_thread::get_id());

  DestroyWindow(window);
  UnregisterClass("MmTimerTestWindow", nullptr);
}
