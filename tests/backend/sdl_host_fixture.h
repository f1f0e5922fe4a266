// An SDL host on SDL's dummy video and audio drivers, with helpers to inject
// SDL events and read back what reached the screen.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "sdl_host.h"
#include "surface.h"

class SdlHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string error;
    host = SdlBackend::SdlHost::Open(error);
    ASSERT_TRUE(host) << error;
  }

  // A shown window with its first events (shown, exposed) taken out.
  Backend::HostWindowId OpenWindow(const TRect& bounds) {
    Backend::HostWindowId w = host->CreateHostWindow(bounds, Backend::hwfNone);
    EXPECT_NE(w, 0u);
    host->Show(w, true, true);
    Drain();
    return w;
  }

  void Drain() {
    Backend::Event e;
    while (host->NextEvent(e, 0)) {
    }
  }

  Uint32 SdlId(Backend::HostWindowId w) { return SDL_GetWindowID(host->SdlWindowOf(w)); }

  // The pixel at (x, y) of what the window shows, as 0x00RRGGBB: from its
  // renderer, or from its window surface where it has none.
  Pixel ScreenPixel(Backend::HostWindowId w, int x, int y) {
    SDL_Window* window = host->SdlWindowOf(w);
    Uint32 p = 0xDEADBEEF;
    if (SDL_Renderer* renderer = SDL_GetRenderer(window)) {
      SDL_Rect r{x, y, 1, 1};
      EXPECT_EQ(SDL_RenderReadPixels(renderer, &r, SDL_PIXELFORMAT_RGB888, &p, 4), 0) << SDL_GetError();
    } else if (SDL_Surface* s = SDL_GetWindowSurface(window)) {
      const auto* row = static_cast<const unsigned char*>(s->pixels) + y * s->pitch;
      EXPECT_EQ(SDL_ConvertPixels(1, 1, s->format->format, row + x * s->format->BytesPerPixel, s->pitch,
                                  SDL_PIXELFORMAT_RGB888, &p, 4),
                0)
          << SDL_GetError();
    } else {
      ADD_FAILURE() << "the window has neither renderer nor surface: " << SDL_GetError();
    }
    return p & kPixelMask;
  }

  // The next event the host hands out after `e` was pushed.
  Backend::Event Through(SDL_Event e) {
    EXPECT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    Backend::Event out;
    EXPECT_TRUE(host->NextEvent(out, 0));
    return out;
  }

  std::unique_ptr<SdlBackend::SdlHost> host;
};
