// The headless host as the program runs it, and what its presents record.
#include "headless_host.h"

#include <gtest/gtest.h>

#include <thread>

#include "changed_pixels.h"
#include "clock.h"

namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00;

TEST(PresentedPixelsTest, OnlyThePixelsThatDifferAreReported) {
  Backend::PresentedPixels presented;
  Surface s(100, 80);
  s.Fill(kRed);
  EXPECT_EQ(presented.Update(s, TRect(0, 0, 1, 1)), std::vector<TRect>{TRect(0, 0, 100, 80)}) << "first: all";
  EXPECT_TRUE(presented.Update(s, TRect(0, 0, 100, 80)).empty()) << "nothing changed";

  // Two small changes far apart inside one big dirty rectangle.
  s.At(10, 5) = kGreen;
  s.At(12, 6) = kGreen;
  s.At(90, 70) = kGreen;
  const std::vector<TRect> changed = presented.Update(s, TRect(0, 0, 100, 80));
  ASSERT_EQ(changed.size(), 2u);
  EXPECT_EQ(changed[0], TRect(10, 5, 13, 7));
  EXPECT_EQ(changed[1], TRect(90, 70, 91, 71));

  // Changes outside the dirty rectangle wait for a present that covers them.
  s.At(50, 40) = kGreen;
  EXPECT_TRUE(presented.Update(s, TRect(0, 0, 20, 20)).empty());
  EXPECT_EQ(presented.Update(s, TRect(0, 0, 100, 80)), std::vector<TRect>{TRect(50, 40, 51, 41)});

  Surface other(30, 20);
  EXPECT_EQ(presented.Update(other, TRect(0, 0, 1, 1)), std::vector<TRect>{TRect(0, 0, 30, 20)}) << "a new size: all";
}

class HeadlessProgramTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Backend::InstallHost(nullptr);
    ClockUseReal();
  }
};

// As a program the host waits for its deadlines on the real clock rather
// than jumping the clock to them, and an event ends a wait at once.
TEST_F(HeadlessProgramTest, WaitsOnTheRealClockUntilTheDeadlineOrAnEvent) {
  HeadlessHost& host = InstallHeadlessHostOnRealClock();
  EXPECT_FALSE(ClockIsVirtual());
  Backend::Event e;
  const std::uint64_t start = ClockNowMs();
  EXPECT_FALSE(host.NextEvent(e, start + 30));
  EXPECT_GE(ClockNowMs(), start + 30);

  std::thread poster([&] { host.PostKey(0x41); });
  EXPECT_TRUE(host.NextEvent(e, UINT64_MAX - 1));
  poster.join();
}

}  // namespace
