#include "clockwait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

class ClockWait : public ::testing::Test {
 protected:
  void TearDown() override { ClockUseReal(); }
  TEvent stop{true, false};
};

TEST_F(ClockWait, FollowsTheVirtualClockWithoutMovingIt) {
  ClockUseVirtual(1000);
  std::atomic<bool> returned = false;
  bool due = false;
  std::thread waiter([&] {
    due = ClockWaitUntil(1100, stop);
    returned = true;
  });
  ClockAdvance(99);
  // Real time passes; virtual time stands where the test left it.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_FALSE(returned);
  EXPECT_EQ(ClockNowMs(), 1099u);
  ClockAdvance(1);
  waiter.join();
  EXPECT_TRUE(due);
  EXPECT_EQ(ClockNowMs(), 1100u);
}

TEST_F(ClockWait, StopEndsTheWaitAndWinsOverADueTime) {
  ClockUseVirtual(0);
  bool due = true;
  std::thread waiter([&] { due = ClockWaitUntil(1000000, stop); });
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  stop.SetEvent();
  waiter.join();
  EXPECT_FALSE(due);
  EXPECT_FALSE(ClockWaitUntil(0, stop)) << "already due, but stopped";
  stop.ResetEvent();
  EXPECT_TRUE(ClockWaitUntil(0, stop));
}

TEST_F(ClockWait, RealClockReturnsAtTheDueTime) {
  const std::uint64_t due = ClockNowMs() + 20;
  EXPECT_TRUE(ClockWaitUntil(due, stop));
  EXPECT_GE(ClockNowMs(), due);
}

}  // namespace
