// How one SDL window's pixels reach the screen. Two ways:
// - the window's own surface (SDL's software path), updated in the
//   rectangles that changed, where SDL's renderer would draw with the
//   processor anyway (its software renderer, or OpenGL over a software
//   rasteriser, which costs far more processor and memory for the same);
// - a streaming texture of SDL's renderer, updated in the changed
//   rectangles and drawn whole, where a graphics card renders.
// Presents are paced: by the display's refresh where the renderer waits for
// it, else at most one a window every 16 ms of the platform clock.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "changed_pixels.h"
#include "rect.h"

class Surface;

namespace SdlBackend {

enum class PresentPath { WindowSurface, Texture };

// The way for this machine, found once by asking a hidden window's renderer
// what it draws with.
PresentPath ChosenPresentPath();
// Tests pick a way, or (nullopt) let the machine choose again.
void SetPresentPathForTesting(std::optional<PresentPath> path);

class SdlPresenter {
 public:
  explicit SdlPresenter(SDL_Window* window);
  ~SdlPresenter();
  SdlPresenter(const SdlPresenter&) = delete;
  SdlPresenter& operator=(const SdlPresenter&) = delete;

  PresentPath Path() const { return path_; }
  // Takes the changed parts of `dirty` over and, when the window is
  // visible, shows them; a dirty rectangle over the whole surface (an
  // expose) shows everything again.
  void Present(const Surface& surface, const TRect& dirty, bool visible);
  // The window was shown: what was presented while hidden goes up now.
  void Shown();

 private:
  bool CreateRenderer();
  // Each writes what changed inside `dirty` and says where (`changed`), or
  // everything where what it held was lost or has another size, and then
  // answers true.
  bool WriteWindowSurface(const Surface& surface, const TRect& dirty, std::vector<TRect>& changed);
  bool WriteTexture(const Surface& surface, const TRect& dirty, std::vector<TRect>& changed);
  void Show(const std::vector<TRect>& rects);
  void WaitForFrameSlot(bool vsync);

  SDL_Window* window_;
  PresentPath path_;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 0, height_ = 0;          // of the texture or the window surface last written
  SDL_Surface* windowSurface_ = nullptr;  // the one last written
  Backend::PresentedPixels presented_;  // the texture's pixels, or a window surface's of another layout
  bool pending_ = false;  // pixels taken over while hidden
  bool presented_once_ = false;
  std::uint64_t lastPresentMs_ = 0;
};

}  // namespace SdlBackend
