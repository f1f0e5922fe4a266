#include "sdl_window.h"

#include <SDL_shape.h>

#include <algorithm>
#include <cstring>

#include "host.h"
#include "sdl_present.h"
#include "sdl_x11.h"
#include "surface.h"

namespace SdlBackend {
namespace {

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
    // On the texture path it is made for OpenGL from the start: an OpenGL
    // renderer would otherwise recreate the window, and that drops its shape.
    // The window-surface path draws no OpenGL, and asking for it would load
    // a software rasteriser into the process for good on a machine without
    // a graphics card.
    auto x = static_cast<unsigned>(bounds_.left), y = static_cast<unsigned>(bounds_.top);
    if (ChosenPresentPath() == PresentPath::Texture)
      window = SDL_CreateShapedWindow(title_.c_str(), x, y, w, h, flags | SDL_WINDOW_OPENGL);
    if (!window) window = SDL_CreateShapedWindow(title_.c_str(), x, y, w, h, flags);
  } else {
    window = SDL_CreateWindow(title_.c_str(), bounds_.left, bounds_.top, w, h, flags);
  }
  if (!window) return false;
  Destroy();
  window_ = window;
  presenter_ = std::make_unique<SdlPresenter>(window_);
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
  presenter_.reset();
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
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
  // Pixels presented while hidden go up now.
  if (presenter_) presenter_->Shown();
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
  if (presenter_) presenter_->Present(surface, dirty, visible_);
}

}  // namespace SdlBackend
