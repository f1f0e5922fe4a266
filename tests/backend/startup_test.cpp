#include "startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "clock.h"
#include "headless_host.h"
#include "host.h"
#include "sdl_host.h"

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Backend::InstallHost(nullptr);
    unsetenv("MORVANT_HEADLESS");
  }
};

TEST_F(StartupTest, HeadlessWhenAsked) {
  setenv("MORVANT_HEADLESS", "1", 1);
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  ASSERT_EQ(Backend::InstallHostForProgram(), 0);
  EXPECT_NE(dynamic_cast<HeadlessHost*>(&Backend::CurrentHost()), nullptr);
  EXPECT_FALSE(ClockIsVirtual()) << "a program runs on the real clock";
}

TEST_F(StartupTest, SdlOtherwise) {
  setenv("MORVANT_HEADLESS", "0", 1);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_EQ(Backend::InstallHostForProgram(), 0);
  EXPECT_NE(dynamic_cast<SdlBackend::SdlHost*>(&Backend::CurrentHost()), nullptr);
}

TEST_F(StartupTest, NoDisplayStopsWithStatusTwoAndSdlsMessage) {
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(Backend::InstallHostForProgram(), 2);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("morvant2: no display: ", 0), 0u) << said;
  EXPECT_GT(said.size(), std::string("morvant2: no display: \n").size()) << "SDL's message is missing";
  EXPECT_FALSE(Backend::HostInstalled());
}

// SDL would rather run on its offscreen driver than fail.
TEST_F(StartupTest, NoDisplayIsNotReplacedByAnInvisibleOne) {
  if (std::filesystem::exists("/dev/dri")) GTEST_SKIP() << "a console display may open here";
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(Backend::InstallHostForProgram(), 2);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("morvant2: no display: "), std::string::npos) << said;
  EXPECT_FALSE(Backend::HostInstalled());
}

}  // namespace
