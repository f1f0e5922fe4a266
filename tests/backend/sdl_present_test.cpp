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

// Only what changed inside the dirty rectangle is written; pixels changed
// outside it wait for their own present, and a resize writes everything.
TEST_P(PresentPathTest, ChangedPixelsReachTheScreen) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 32, 32));
  EXPECT_EQ(SDL_GetRenderer(host->SdlWindowOf(w)) != nullptr, GetParam() == SdlBackend::PresentPath::Texture);
  Surface s(32, 32);
  s.Fill(kRed);
  host->Present(w, s, TRect(0, 0, 32, 32));
  s.Fill(kGreen);
  host->Present(w, s, TRect(4, 4, 8, 8));
  EXPECT_EQ(ScreenPixel(w, 4, 4), kGreen);
  EXPECT_EQ(ScreenPixel(w, 7, 7), kGreen);
  EXPECT_EQ(ScreenPixel(w, 8, 8), kRed);
  host->Present(w, s, TRect(8, 8, 32, 32));
  EXPECT_EQ(ScreenPixel(w, 31, 31), kGreen);
  EXPECT_EQ(ScreenPixel(w, 0, 0), kRed);

  host->SetBounds(w, Bounds(0, 0, 48, 40));
  Surface bigger(48, 40);
  bigger.Fill(kBlue);
  host->Present(w, bigger, TRect(0, 0, 1, 1));
  EXPECT_EQ(ScreenPixel(w, 47, 39), kBlue);
}

INSTANTIATE_TEST_SUITE_P(BothWays, PresentPathTest,
                         ::testing::Values(SdlBackend::PresentPath::WindowSurface, SdlBackend::PresentPath::Texture));

}  // namespace
