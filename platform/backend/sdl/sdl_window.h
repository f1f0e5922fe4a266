// One host window on SDL: a borderless SDL window and its presenter
// (sdl_present.h), which puts the layer's pixels on it.
//
// A window becomes a shaped SDL window the first time the layer gives it an
// outline (SDL shapes only windows created as shaped); where the display has
// no shaped windows it stays rectangular and the layer paints the outside.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "rect.h"
#include "region.h"

class Surface;

namespace SdlBackend {

class SdlPresenter;

class SdlWindow {
 public:
  // `flags` are Backend::HostWindowFlags. Check Valid() afterwards.
  SdlWindow(const TRect& bounds, unsigned flags, SDL_HitTest hitTest, void* hitTestData);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  bool Valid() const { return window_ != nullptr; }
  SDL_Window* Handle() const { return window_; }
  Uint32 SdlId() const { return window_ ? SDL_GetWindowID(window_) : 0; }
  // The window's top-left corner on the desktop, as SDL last saw it.
  TPoint Origin() const;

  void SetBounds(const TRect& bounds);
  void Show(bool visible, bool activate);
  void SetTitle(const std::string& title);
  void SetShape(const Region* shape);
  void Raise();
  // Whose dialog this window is (nullptr: no one's); kept across a
  // re-creation.
  void SetOwner(const SdlWindow* owner);
  const SdlWindow* Owner() const { return owner_; }
  // Gives this window the keyboard.
  void Focus();
  void Present(const Surface& surface, const TRect& dirty);
  // Which way the pixels go (tests).
  const SdlPresenter* Presenter() const { return presenter_.get(); }

  // True when SDL reports the window at (x, y) because we put it there,
  // rather than the desktop moving it; remembers a desktop move.
  bool IsOwnMove(int x, int y);

 private:
  bool Create(bool shaped);
  // Owner, window type and legacy title, which SDL does not set for us.
  void ApplyDesktopProperties();
  void Destroy();
  void ApplyShape();

  TRect bounds_;
  unsigned flags_;
  SDL_HitTest hitTest_;
  void* hitTestData_;
  std::string title_;
  bool visible_ = false;
  bool shaped_ = false;
  bool shapesUnavailable_ = false;
  std::optional<Region> shape_;
  const SdlWindow* owner_ = nullptr;

  SDL_Window* window_ = nullptr;
  std::unique_ptr<SdlPresenter> presenter_;
};

}  // namespace SdlBackend
