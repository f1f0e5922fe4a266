#include "mmtimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "clock.h"

namespace {

struct Ticks {
  std::atomic<int> Count{0};
  std::atomic<UINT> LastId{0};
  std::atomic<bool> KillInCallback{false};
  std::atomic<MMRESULT> KillResult{MMSYSERR_INVALPARAM};
};

void CountTick(UINT id, UINT /*msg*/, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
  auto* ticks = reinterpret_cast<Ticks*>(user);
  ticks->LastId = id;
  if (ticks->KillInCallback) ticks->KillResult = timeKillEvent(id);
  ++ticks->Count;
}

// The workers run on their own; this bounds the wait for one that was due,
// so that a broken timer fails the test instead of hanging it.
bool WaitForCount(const Ticks& ticks, int count) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (ticks.Count < count) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class MmTimerTest : public ::testing::Test {
 protected:
  MmTimerTest() { ClockUseVirtual(5000); }
  // A failed assertion must not leave a worker calling into a dead fixture.
  ~MmTimerTest() override {
    for (MMRESULT id : started) timeKillEvent(id);
  }
  MMRESULT Start(UINT delay, Ticks& t, UINT flags) {
    const MMRESULT id = timeSetEvent(delay, 1, CountTick, reinterpret_cast<DWORD_PTR>(&t), flags);
    started.push_back(id);
    return id;
  }

  std::vector<MMRESULT> started;
  Ticks ticks, other;
  DWORD_PTR user = reinterpret_cast<DWORD_PTR>(&ticks);
};

}  // namespace

TEST_F(MmTimerTest, PeriodicTimerTicksOnTheVirtualClockUntilKilled) {
  const MMRESULT id = Start(50, ticks, TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  ClockAdvance(49);
  for (int tick = 1; tick <= 3; ++tick) {
    EXPECT_EQ(ticks.Count, tick - 1) << "no tick before its time";
    ClockAdvance(tick == 1 ? 1 : 50);
    ASSERT_TRUE(WaitForCount(ticks, tick));
  }
  EXPECT_EQ(ticks.LastId, id);
  EXPECT_EQ(timeKillEvent(id), TIMERR_NOERROR);
  ClockAdvance(500);
  EXPECT_EQ(ticks.Count, 3);
  EXPECT_EQ(timeKillEvent(id), MMSYSERR_INVALPARAM);
}

TEST_F(MmTimerTest, OneShotFiresOnce) {
  const MMRESULT id = Start(20, ticks, TIME_ONESHOT);
  ASSERT_NE(id, 0u);
  ClockAdvance(20);
  ASSERT_TRUE(WaitForCount(ticks, 1));
  ClockAdvance(200);
  // Killing the spent timer joins its worker: nothing can fire after this.
  timeKillEvent(id);
  EXPECT_EQ(ticks.Count, 1);
}

TEST_F(MmTimerTest, CallbackMayKillItsOwnTimer) {
  ticks.KillInCallback = true;
  const MMRESULT id = Start(10, ticks, TIME_PERIODIC);
  ASSERT_NE(id, 0u);
  ClockAdvance(10);
  ASSERT_TRUE(WaitForCount(ticks, 1));
  EXPECT_EQ(ticks.KillResult, TIMERR_NOERROR);
  EXPECT_EQ(timeKillEvent(id), MMSYSERR_INVALPARAM);
  ClockAdvance(100);
  EXPECT_EQ(ticks.Count, 1);
}

TEST_F(MmTimerTest, TimersAreIndependent) {
  const MMRESULT a = Start(10, ticks, TIME_PERIODIC);
  const MMRESULT b = Start(30, other, TIME_PERIODIC);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, a);
  for (int tick = 1; tick <= 3; ++tick) {
    ClockAdvance(10);
    ASSERT_TRUE(WaitForCount(ticks, tick));
  }
  ASSERT_TRUE(WaitForCount(other, 1));
  timeKillEvent(a);
  timeKillEvent(b);
  EXPECT_EQ(ticks.Count, 3);
  EXPECT_EQ(other.Count, 1);
  EXPECT_EQ(other.LastId, b);
}

TEST_F(MmTimerTest, RefusesWhatItCannotTime) {
  const struct {
    const char* name;
    UINT delay;
    LPTIMECALLBACK callback;
    UINT flags;
  } cases[] = {
      {"zero delay", 0, CountTick, TIME_PERIODIC},
      {"delay beyond the range", kTimerPeriodMax + 1, CountTick, TIME_PERIODIC},
      {"no callback", 10, nullptr, TIME_PERIODIC},
      {"unknown flags", 10, CountTick, TIME_PERIODIC | 0x10},
  };
  for (const auto& c : cases) EXPECT_EQ(timeSetEvent(c.delay, 1, c.callback, user, c.flags), 0u) << c.name;
  EXPECT_EQ(timeKillEvent(0), MMSYSERR_INVALPARAM);
}

TEST_F(MmTimerTest, DeviceCapsAndPeriods) {
  TIMECAPS caps{};
  ASSERT_EQ(timeGetDevCaps(&caps, sizeof caps), TIMERR_NOERROR);
  EXPECT_EQ(caps.wPeriodMin, 1u);
  EXPECT_EQ(caps.wPeriodMax, 1000000u);
  EXPECT_EQ(timeGetDevCaps(nullptr, sizeof caps), TIMERR_NOCANDO);
  EXPECT_EQ(timeGetDevCaps(&caps, 4), TIMERR_NOCANDO);
  EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), TIMERR_NOERROR);
  EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOERROR);
  EXPECT_EQ(timeBeginPeriod(0), TIMERR_NOCANDO);
  EXPECT_EQ(timeGetTime(), 5000u);
}
