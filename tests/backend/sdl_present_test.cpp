// The two ways a window's pixels reach the screen, on SDL's dummy driver:
// the window's own surface (the dummy driver's renderer is SDL's software
// one, so that way is chosen) and a renderer's texture (forced).
#include "sdl_present.h"

#include "sdl_host_fixture.h"

namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

TEST_F(SdlHostTest, WithoutAGraphicsCardTheWindowSurfaceIsUsed) {
  EXPECT_EQ(SdlBackend::ChosenPresentPath(), SdlBackend::PresentPath::WindowSurface);
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 40, 30));
  Surface s(40, 30);
  s.Fill(kRed);
  s.At(39, 29) = kBlue;
  host->Present(w, s, TRect(0, 0, 40, 30));
  EXPECT_EQ(SDL_GetRenderer(host->SdlWindowOf(w)), nullptr) << "no renderer on the window surface's way";
  EXPECT_EQ(ScreenPixel(w, 0, 0), kRed);
  EXPECT_EQ(ScreenPixel(w, 39, 29), kBlue);
}

class PresentPathTest : public SdlHostTest, public ::testing::WithParamInterface<SdlBackend::PresentPath> {
 protected:
  void SetUp() override {
    SdlBackend::SetPresentPathForTesting(GetParam());
    SdlHostTest::SetUp();
  }
  void TearDown() override { SdlBackend::SetPresentPathForTesting(std::nullopt); }
};

// Only what changed inside the dirty rectangle is written: a pixel changed
// outside it waits for a present that covers it, and a resize writes
// everything.
TEST_P(PresentPathTest, ChangedPixelsReachTheScreen) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 32, 32));
  EXPECT_EQ(SDL_GetRenderer(host->SdlWindowOf(w)) != nullptr, GetParam() == SdlBackend::PresentPath::Texture);
  Surface s(32, 32);
  s.Fill(kBlue);
  host->Present(w, s, TRect(0, 0, 32, 32));
  s.At(2, 3) = kGreen;
  s.At(29, 30) = kRed;
  s.At(20, 1) = kRed;
  host->Present(w, s, TRect(0, 2, 32, 32));
  EXPECT_EQ(ScreenPixel(w, 2, 3), kGreen);
  EXPECT_EQ(ScreenPixel(w, 29, 30), kRed);
  EXPECT_EQ(ScreenPixel(w, 20, 1), kBlue) << "outside the dirty rectangle";
  EXPECT_EQ(ScreenPixel(w, 15, 15), kBlue);
  host->Present(w, s, TRect(16, 0, 32, 2));
  EXPECT_EQ(ScreenPixel(w, 20, 1), kRed);

  host->SetBounds(w, Bounds(0, 0, 48, 40));
  Surface bigger(48, 40);
  bigger.Fill(kGreen);
  host->Present(w, bigger, TRect(0, 0, 1, 1));
  EXPECT_EQ(ScreenPixel(w, 47, 39), kGreen);
}

INSTANTIATE_TEST_SUITE_P(BothWays, PresentPathTest,
                         ::testing::Values(SdlBackend::PresentPath::WindowSurface, SdlBackend::PresentPath::Texture));

}  // namespace
