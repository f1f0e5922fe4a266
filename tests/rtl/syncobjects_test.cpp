#include <gtest/gtest.h>

#include <thread>

#include "critsec.h"
#include "event.h"

namespace {

TEST(CriticalSection, OwnerMayEnterAgain) {
  CRITICAL_SECTION cs;
  InitializeCriticalSection(&cs);
  EnterCriticalSection(&cs);
  EnterCriticalSection(&cs);
  LeaveCriticalSection(&cs);
  LeaveCriticalSection(&cs);
  DeleteCriticalSection(&cs);
  EXPECT_EQ(cs.mutex, nullptr);

  TCriticalSection lock;
  lock.Enter();
  lock.Acquire();
  lock.Release();
  lock.Leave();
  int shared = 0;
  std::thread other([&] {
    lock.Enter();
    ++shared;
    lock.Leave();
  });
  other.join();
  EXPECT_EQ(shared, 1);
}

TEST(Event, ManualStaysSetAutomaticReleasesOneWaiter) {
  TEvent manual(true, false);
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);
  manual.SetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);
  EXPECT_EQ(manual.WaitFor(0), wrSignaled);
  manual.ResetEvent();
  EXPECT_EQ(manual.WaitFor(0), wrTimeout);

  TEvent automatic(false, true);
  EXPECT_EQ(automatic.WaitFor(0), wrSignaled);
  EXPECT_EQ(automatic.WaitFor(0), wrTimeout);

  std::thread setter([&] { automatic.SetEvent(); });
  EXPECT_EQ(automatic.WaitFor(INFINITE), wrSignaled);
  setter.join();
}

}  // namespace
