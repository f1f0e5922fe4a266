#include "clock.h"
#include "timers.h"
#include "user_fixture.h"

namespace {

using Timers = UserTest;

std::vector<UINT_PTR>& ProcTicks() {
  static std::vector<UINT_PTR> ticks;
  return ticks;
}

void CountingTimerProc(HWND, UINT, UINT_PTR id, DWORD) { ProcTicks().push_back(id); }

TEST_F(Timers, TicksFollowTheVirtualClockWithoutBacklog) {
  HWND w = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  ASSERT_EQ(SetTimer(w, 7, 100, nullptr), 7u);
  TestSupport::AdvanceAndPump(99);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  TestSupport::AdvanceAndPump(1);
  EXPECT_EQ(Count(w, WM_TIMER), 1);
  // A long stall gives one tick, not the five that fell due.
  ClockAdvance(500);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_TIMER), 2);
  TestSupport::AdvanceAndPump(100, 10);
  EXPECT_EQ(Count(w, WM_TIMER), 3);
  EXPECT_TRUE(KillTimer(w, 7));
  EXPECT_FALSE(KillTimer(w, 7)) << "killing it again is harmless";
  TestSupport::AdvanceAndPump(300, 10);
  EXPECT_EQ(Count(w, WM_TIMER), 3);
}

TEST_F(Timers, SettingARunningIdReArmsIt) {
  HWND w = MakeTopLevel();
  SetTimer(w, 1, 100, nullptr);
  TestSupport::AdvanceAndPump(60, 10);
  SetTimer(w, 1, 100, nullptr);
  TestSupport::AdvanceAndPump(60, 10);
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  TestSupport::AdvanceAndPump(40, 10);
  EXPECT_EQ(Count(w, WM_TIMER), 1);
  EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x7777)), 1, 10, nullptr), 0u);
}

TEST_F(Timers, TimerProcsAndThreadTimersRunFromDispatch) {
  ProcTicks().clear();
  UINT_PTR a = SetTimer(nullptr, 0, 50, &CountingTimerProc);
  UINT_PTR b = SetTimer(nullptr, 0, 50, &CountingTimerProc);
  ASSERT_NE(a, 0u);
  EXPECT_NE(a, b);
  TestSupport::AdvanceAndPump(50, 50);
  EXPECT_EQ(ProcTicks().size(), 2u);
  KillTimer(nullptr, a);
  KillTimer(nullptr, b);
}

TEST_F(Timers, TickInsideANestedPeekMessageLoop) {
  HWND w = MakeTopLevel();
  HWND other = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  SetTimer(other, 2, 20, nullptr);
  int nestedTicks = 0;
  bool inNested = false;
  handler = [&](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h == w && msg == WM_USER) {
      // A step animation: draw, pump, wait, for 100 ms of virtual time.
      inNested = true;
      for (int i = 0; i < 10; ++i) {
        MSG m;
        while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&m);
        Sleep(10);
      }
      inNested = false;
      return 0;
    }
    if (h == other && msg == WM_TIMER && inNested) ++nestedTicks;
    return std::nullopt;
  };
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_GE(nestedTicks, 4);
  EXPECT_LE(nestedTicks, 5);
}

TEST_F(Timers, TicksReachAModalLoopAndATimerDoesNotReenterItsOwnHandler) {
  HWND owner = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  SetTimer(owner, 1, 30, nullptr);
  SetTimer(owner, 2, 10, nullptr);
  int outerDepth = 0, reentered = 0, innerTicks = 0;
  handler = [&](HWND h, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (h != owner || msg != WM_TIMER) return std::nullopt;
    if (wParam == 2) {
      if (outerDepth) ++innerTicks;
      return 0;
    }
    if (outerDepth) ++reentered;
    ++outerDepth;
    // A modal dialog: the owner is disabled, a window of its own pumps
    // until it is closed.
    EnableWindow(owner, FALSE);
    HWND dialog = MakeTopLevel();
    std::uint64_t end = ClockNowMs() + 200;
    MSG m;
    while (IsWindow(dialog)) {
      if (ClockNowMs() >= end) DestroyWindow(dialog);
      else if (GetMessage(&m, nullptr, 0, 0)) DispatchMessage(&m);
    }
    EnableWindow(owner, TRUE);
    --outerDepth;
    return 0;
  };
  TestSupport::AdvanceAndPump(30, 30);
  EXPECT_EQ(reentered, 0) << "timer 1 fell due several times inside its own handler";
  EXPECT_GE(innerTicks, 15) << "timer 2 kept ticking inside the modal loop";
}

TEST_F(Timers, DestroyingTheWindowKillsItsTimers) {
  HWND w = MakeTopLevel();
  SetTimer(w, 1, 10, nullptr);
  DestroyWindow(w);
  HWND v = MakeTopLevel();
  TestSupport::AdvanceAndPump(50, 10);
  EXPECT_EQ(Count(v, WM_TIMER), 0);
  EXPECT_FALSE(KillTimer(w, 1));
}

}  // namespace
