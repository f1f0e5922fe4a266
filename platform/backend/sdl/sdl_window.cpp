#include "sdl_window.h"

#include <SDL_shape.h>

#include <algorithm>
#include <cstring>

#include "clock.h"
#include "host.h"
#include "sdl_x11.h"
#include "surface.h"

namespace SdlBackend {
namespace {

// Without a refresh to wait for (Xvfb, the software renderer), at most one
// present a window in this time, so that animation loops keep a frame rate.
constexpr std::uint64_t kFrameMs = 16;

Uint32 SdlWindowFlags(unsigned flags) {
  Uint32 sdl = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if (flags & Backend::hwfTopmost) sdl |= SDL_WINDOW_ALWAYS_ON_TOP;
  // SDL refuses a window that is more than one of utility, tooltip and
  // pop-up menu; a pop-up (a menu, a drop-down list, a hint) is a tool
  // window too, and its pop-up nature wins.
  if (flags & Backend::hwfPopup)
    sdl |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU;
  else if (flags & Backend::hwfToolWindow)
    sdl |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_UTILITY;
  return sdl;
}

// SDL refuses windows of no size; the layer's may be empty for a while.
int AtLeastOne(LONG v) { return std::max<LONG>(v, 1); }

}  // namespace

SdlWindow::SdlWindow(const TRect& bounds, unsigned flags, SDL_HitTest hitTest, void* hitTestData)
    : bounds_(bounds), flags_(flags), hitTest_(hitTest), hitTestData_(hitTestData) {
  Create(false);
}

SdlWindow::~SdlWindow() { Destroy(); }

// Makes the new window first, so that a failure leaves the old one working.
bool SdlWindow::Create(bool shaped) {
  int w = AtLeastOne(bounds_.Width()), h = AtLeastOne(bounds_.Height());
  Uint32 flags = SdlWindowFlags(flags_);
  SDL_Window* window = nullptr;
  if (shaped) {
    // Created for OpenGL from the start: an OpenGL renderer would otherwise
    // recreate the window, and that drops its shape.
    auto x = static_cast<unsigned>(bounds_.left), y = static_cast<unsigned>(bounds_.top);
    window = SDL_CreateShapedWindow(title_.c_str(), x, y, w, h, flags | SDL_WINDOW_OPENGL);
    if (!window) window = SDL_CreateShapedWindow(title_.c_str(), x, y, w, h, flags);
  } else {
    window = SDL_CreateWindow(title_.c_str(), bounds_.left, bounds_.top, w, h, flags);
  }
  if (!window) return false;
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
  if (!renderer) {
    SDL_DestroyWindow(window);
    return false;
  }
  Destroy();
  window_ = window;
  renderer_ = renderer;
  SDL_SetWindowHitTest(window_, hitTest_, hitTestData_);
  ApplyDesktopProperties();
  if (visible_) SDL_ShowWindow(window_);
  return true;
}

void SdlWindow::ApplyDesktopProperties() {
  X11::SetTransientFor(window_, owner_ ? owner_->Handle() : nullptr);
  // Pop-ups keep SDL's pop-up menu type; an owned window is its owner's
  // dialog, or a utility window when it is a tool window.
  if (!(flags_ & Backend::hwfPopup)) {
    X11::WindowType type = (flags_ & Backend::hwfToolWindow) ? X11::WindowType::Utility
                           : owner_                         ? X11::WindowType::Dialog
                                                            : X11::WindowType::Normal;
    X11::SetWindowType(window_, type);
  }
  X11::SetLegacyTitle(window_, title_);
}

void SdlWindow::SetOwner(const SdlWindow* owner) {
  owner_ = owner;
  if (window_) ApplyDesktopProperties();
}

void SdlWindow::Focus() {
  if (window_ && visible_) X11::GiveFocus(window_);
}

void SdlWindow::Destroy() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  textureWidth_ = textureHeight_ = 0;
}

TPoint SdlWindow::Origin() const {
  int x = bounds_.left, y = bounds_.top;
  if (window_) SDL_GetWindowPosition(window_, &x, &y);
  return TPoint(x, y);
}

void SdlWindow::SetBounds(const TRect& bounds) {
  bool resized = bounds.Width() != bounds_.Width() || bounds.Height() != bounds_.Height();
  bounds_ = bounds;
  if (!window_) return;
  SDL_SetWindowPosition(window_, bounds_.left, bounds_.top);
  if (!resized) return;
  SDL_SetWindowSize(window_, AtLeastOne(bounds_.Width()), AtLeastOne(bounds_.Height()));
  if (shaped_) ApplyShape();
}

bool SdlWindow::IsOwnMove(int x, int y) {
  if (x == bounds_.left && y == bounds_.top) return true;
  OffsetRect(&bounds_, x - bounds_.left, y - bounds_.top);
  return false;
}

void SdlWindow::Show(bool visible, bool activate) {
  visible_ = visible;
  if (!window_) return;
  if (!visible) {
    SDL_HideWindow(window_);
    return;
  }
  // Without a window manager SDL gives every window it maps the keyboard;
  // one shown without activation gives it back.
  const unsigned long focusBefore = activate ? 0 : X11::FocusedWindow(window_);
  SDL_ShowWindow(window_);
  if (activate) SDL_RaiseWindow(window_);
  else if (focusBefore && X11::FocusedWindow(window_) == X11::XWindowOf(window_))
    X11::RestoreFocus(window_, focusBefore);
  // Pixels presented while hidden are on the texture: show them now.
  if (presentPending_) PresentTexture();
}

void SdlWindow::SetTitle(const std::string& title) {
  title_ = title;
  if (!window_) return;
  SDL_SetWindowTitle(window_, title_.c_str());
  X11::SetLegacyTitle(window_, title_);
}

void SdlWindow::Raise() {
  if (window_) SDL_RaiseWindow(window_);
}

void SdlWindow::SetShape(const Region* shape) {
  if (shape)
    shape_ = *shape;
  else
    shape_.reset();
  if (!shaped_) {
    // A plain window is already whole; one without shapes stays plain.
    if (!shape_ || shapesUnavailable_) return;
    if (!Create(true)) {
      shapesUnavailable_ = true;
      return;
    }
    shaped_ = true;
  }
  ApplyShape();
}

// The outline as an alpha mask the size of the window: opaque inside.
void SdlWindow::ApplyShape() {
  int w = AtLeastOne(bounds_.Width()), h = AtLeastOne(bounds_.Height());
  SDL_Surface* mask = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!mask) return;
  Uint32 opaque = SDL_MapRGBA(mask->format, 255, 255, 255, 255);
  if (!shape_) {
    SDL_FillRect(mask, nullptr, opaque);
  } else {
    SDL_FillRect(mask, nullptr, 0);
    for (const TRect& r : shape_->Rects()) {
      SDL_Rect part{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.Width()),
                    static_cast<int>(r.Height())};
      SDL_FillRect(mask, &part, opaque);  // clipped to the mask
    }
  }
  SDL_WindowShapeMode mode;
  mode.mode = ShapeModeBinarizeAlpha;
  mode.parameters.binarizationCutoff = 128;
  SDL_SetWindowShape(window_, mask, &mode);
  SDL_FreeSurface(mask);
  // A shaped window waits off-screen for its first shape; put it in place.
  SDL_SetWindowPosition(window_, bounds_.left, bounds_.top);
}

void SdlWindow::Present(const Surface& surface, const TRect& dirty) {
  if (!renderer_ || surface.Empty()) return;
  TRect whole(0, 0, surface.Width(), surface.Height());
  TRect area;
  if (!texture_ || textureWidth_ != whole.right || textureHeight_ != whole.bottom) {
    if (!EnsureTexture(whole.right, whole.bottom)) return;
    area = whole;
  } else if (!IntersectRect(&area, &dirty, &whole)) {
    return;
  }
  Upload(surface, area);
  if (visible_)
    PresentTexture();
  else
    presentPending_ = true;
}

bool SdlWindow::EnsureTexture(int width, int height) {
  if (texture_) SDL_DestroyTexture(texture_);
  // RGB888 is a 32-bit 0x00RRGGBB word: bytes B, G, R, X, as our surfaces.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
  textureWidth_ = texture_ ? width : 0;
  textureHeight_ = texture_ ? height : 0;
  return texture_ != nullptr;
}

// Row by row, so that bottom-up surfaces (negative stride) copy alike.
void SdlWindow::Upload(const Surface& surface, const TRect& area) {
  SDL_Rect rect{static_cast<int>(area.left), static_cast<int>(area.top), static_cast<int>(area.Width()),
                static_cast<int>(area.Height())};
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, &rect, &pixels, &pitch) != 0) return;
  auto* dst = static_cast<unsigned char*>(pixels);
  std::size_t rowBytes = static_cast<std::size_t>(rect.w) * sizeof(Pixel);
  for (int y = rect.y; y < rect.y + rect.h; ++y, dst += pitch)
    std::memcpy(dst, surface.Row(y) + rect.x, rowBytes);
  SDL_UnlockTexture(texture_);
}

void SdlWindow::PresentTexture() {
  presentPending_ = false;
  if (!texture_) return;
  WaitForFrameSlot();
  SDL_RenderClear(renderer_);
  SDL_Rect dst{0, 0, textureWidth_, textureHeight_};
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
  lastPresentMs_ = ClockNowMs();
  presented_ = true;
}

// With vsync on a display that has a refresh, RenderPresent itself waits.
void SdlWindow::WaitForFrameSlot() {
  SDL_RendererInfo info;
  bool vsync = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC);
  SDL_DisplayMode mode;
  int display = SDL_GetWindowDisplayIndex(window_);
  bool refresh = display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0;
  if ((vsync && refresh) || !presented_) return;
  std::uint64_t now = ClockNowMs();
  std::uint64_t due = lastPresentMs_ + kFrameMs;
  if (now < due) Sleep(static_cast<DWORD>(due - now));
}

}  // namespace SdlBackend
