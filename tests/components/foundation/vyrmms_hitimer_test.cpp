#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "foundation2_fixture.h"
#include "threadid.h"

namespace {

using Vyrmms::TVyrHiTimer;

// Counts ticks from any thread, remembering where the last one ran.
struct TickProbe {
  std::atomic<int> Count{0};
  std::atomic<DWORD> Thread{0};
  std::function<void()> Then;
  void Fire(TObject*) {
    Thread = GetCurrentThreadId();
    ++Count;
    if (Then) Then();
  }
  TNotifyEvent Event() { return TNotifyEvent(this, &TickProbe::Fire); }
};

class HiTimerThread : public ApplicationObjectTest {
 protected:
  // The workers follow the virtual clock on their own threads: after each
  // advance the tick arrives shortly after, not at once.
  bool TickArrives(int count) {
    return app.pump_until([&] { return probe.Count.load() >= count; }, 2000);
  }
  // A stopped timer must stay quiet however far the clock goes.
  void ExpectNoMoreTicks(int count) {
    for (int i = 0; i < 3; ++i) {
      app.advance(timer->GetInterval());
      app.pump_until([] { return false; }, 20);
    }
    EXPECT_EQ(probe.Count.load(), count);
  }

  TickProbe probe;
  TOwnedObject<TVyrHiTimer> timer{TObject::Create<TVyrHiTimer>(nullptr, 100)};
};

class HiTimer : public HiTimerThread, public ::testing::WithParamInterface<bool> {};

TEST_P(HiTimer, TicksOncePerIntervalOnTheUserInterfaceThread) {
  timer->SetUseThread(GetParam());
  timer->SetOnTimer(probe.Event());
  timer->SetEnabled(true);
  for (int tick = 1; tick <= 3; ++tick) {
    app.advance(99);
    app.pump_until([] { return false; }, 10);
    EXPECT_EQ(probe.Count.load(), tick - 1) << "not before its time";
    app.advance(1);
    ASSERT_TRUE(TickArrives(tick)) << tick;
  }
  EXPECT_EQ(probe.Thread.load(), DWORD(MainThreadID));
  timer->SetEnabled(false);
  ExpectNoMoreTicks(3);
}

TEST_P(HiTimer, StopFromInsideItsOwnTickReturnsAtOnce) {
  timer->SetUseThread(GetParam());
  timer->SetOnTimer(probe.Event());
  probe.Then = [&] { timer->SetEnabled(false); };
  timer->SetEnabled(true);
  app.advance(100);
  ASSERT_TRUE(TickArrives(1));
  EXPECT_FALSE(timer->GetEnabled());
  ExpectNoMoreTicks(1);
}

INSTANTIATE_TEST_SUITE_P(ThreadAndMultimediaTimer, HiTimer, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Thread" : "MultimediaTimer"; });


TEST_F(HiTimerThread, WithoutSynchronizeTheTickRunsOnTheWorker) {
  timer->SetSynchronize(false);
  timer->SetOnTimer(probe.Event());
  timer->SetEnabled(true);
  app.advance(100);
  ASSERT_TRUE(TickArrives(1));
  EXPECT_NE(probe.Thread.load(), DWORD(MainThreadID));
  app.advance(100);
  ASSERT_TRUE(TickArrives(2));
  // From inside a tick on the worker: the thread is left to end by itself.
  probe.Then = [&] { timer->SetEnabled(false); };
  app.advance(100);
  ASSERT_TRUE(TickArrives(3));
  ExpectNoMoreTicks(3);
}

TEST_F(HiTimerThread, StopFromOutsideReturnsAtOnceWhateverTheInterval) {
  timer->SetInterval(60000);
  timer->SetOnTimer(probe.Event());
  timer->SetEnabled(true);
  const auto start = std::chrono::steady_clock::now();
  timer->SetEnabled(false);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  app.advance(60000);
  app.pump_until([] { return false; }, 20);
  EXPECT_EQ(probe.Count.load(), 0);
}

TEST_F(HiTimerThread, FreedWhileRunningLeavesNoTick) {
  timer->SetOnTimer(probe.Event());
  timer->SetEnabled(true);
  app.advance(100);
  ASSERT_TRUE(TickArrives(1));
  timer.reset();
  app.advance(500);
  app.pump_until([] { return false; }, 20);
  EXPECT_EQ(probe.Count.load(), 1);
}

TEST_F(HiTimerThread, IntervalOutsideTheDeviceRangeIsASecond) {
  timer->SetInterval(0);
  EXPECT_EQ(timer->GetInterval(), 1000);
  EXPECT_EQ(timer->GetPeriod(1), 1u);
  EXPECT_GE(timer->GetPeriod(0), 1000u);
  EXPECT_EQ(timer->GetPeriod(2), 0u);
}

}  // namespace
