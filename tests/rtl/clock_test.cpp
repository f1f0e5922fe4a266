#include "clock.h"

#include <gtest/gtest.h>

#include <vector>

#include "datetime.h"

namespace {

class VirtualClock : public ::testing::Test {
 protected:
  void TearDown() override {
    SetClockAdvanceHook(nullptr);
    ClockUseReal();
  }
};

std::vector<std::uint64_t> seen_advances;
void RecordAdvance(std::uint64_t now) { seen_advances.push_back(now); }

TEST_F(VirtualClock, SleepAndAdvanceMoveEveryReadingTogether) {
  ClockUseVirtual(1000);
  EXPECT_EQ(GetTickCount(), 1000u);
  Sleep(250);
  EXPECT_EQ(GetTickCount(), 1250u);
  ClockAdvance(50);
  EXPECT_EQ(GetTickCount64(), 1300u);
  EXPECT_EQ(SleepEx(10, FALSE), 0u);
  LARGE_INTEGER count{}, frequency{};
  ASSERT_TRUE(QueryPerformanceCounter(&count));
  ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
  EXPECT_EQ(frequency.QuadPart, 1000000);
  EXPECT_EQ(count.QuadPart, 1310 * 1000);
}

TEST_F(VirtualClock, HookHearsEveryMoveWithTheNewTime) {
  seen_advances.clear();
  ClockUseVirtual(0);
  SetClockAdvanceHook(&RecordAdvance);
  Sleep(16);
  ClockAdvance(4);
  EXPECT_EQ(seen_advances, (std::vector<std::uint64_t>{16, 20}));
}

TEST_F(VirtualClock, TickCountWrapsAt32BitsAndDifferencesStayRight) {
  ClockUseVirtual(0xFFFFFFF0ull);
  const DWORD start = GetTickCount();
  Sleep(0x20);
  EXPECT_EQ(GetTickCount(), 0x10u);
  EXPECT_EQ(GetTickCount64(), 0x100000010ull);
  EXPECT_EQ(static_cast<DWORD>(GetTickCount() - start), 0x20u);
}

TEST_F(VirtualClock, NowMovesWithVirtualTimeOnly) {
  ClockUseVirtual(0);
  const TDateTime before = Now();
  EXPECT_EQ(Now(), before);
  Sleep(60 * 1000);
  EXPECT_NEAR(Now() - before, 1.0 / MinsPerDay, 1e-7);
}

TEST_F(VirtualClock, AdvanceInRealModeIsIgnored) {
  ClockUseVirtual(500);
  ClockUseReal();
  EXPECT_FALSE(ClockIsVirtual());
  ClockAdvance(1ull << 40);
  EXPECT_LT(GetTickCount64(), 1ull << 40);
}

}  // namespace
