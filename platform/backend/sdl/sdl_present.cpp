#include "sdl_present.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>

#include "clock.h"
#include "surface.h"

namespace SdlBackend {
namespace {

constexpr std::uint64_t kFrameMs = 16;
constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

std::optional<PresentPath>& PathOverride() {
  static std::optional<PresentPath> path;
  return path;
}

bool Contains(std::string text, const char* part) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text.find(part) != std::string::npos;
}

// The OpenGL implementation's own name, as the renderer's current context
// reports it; empty when there is none.
std::string GlRendererName() {
  using GetString = const unsigned char* (*)(unsigned);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (!getString || !SDL_GL_GetCurrentContext()) return {};
  const unsigned char* name = getString(kGlRenderer);
  return name ? reinterpret_cast<const char*>(name) : std::string();
}

bool SoftwareRasteriser(const std::string& glName) {
  for (const char* part : {"llvmpipe", "softpipe", "swrast", "software"})
    if (Contains(glName, part)) return true;
  return false;
}

// A machine whose kernel offers no graphics card's render node draws any
// OpenGL with the processor; asking its renderer would load the whole
// software rasteriser for good (some 60 MB) just to hear so.
bool HasRenderNode() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
    if (entry.path().filename().string().rfind("renderD", 0) == 0) return true;
  return false;
}

PresentPath ProbePresentPath() {
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool onScreen = driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
  if (onScreen && !HasRenderNode()) return PresentPath::WindowSurface;
  // Made for OpenGL, so that destroying it lets the OpenGL library go again.
  SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!probe) probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN);
  if (!probe) return PresentPath::WindowSurface;
  PresentPath path = PresentPath::WindowSurface;
  if (SDL_Renderer* renderer = SDL_CreateRenderer(probe, -1, SDL_RENDERER_ACCELERATED)) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0 && !(info.flags & SDL_RENDERER_SOFTWARE) &&
        !Contains(info.name, "software")) {
      // OpenGL may still be drawn by the processor.
      const bool gl = Contains(info.name, "opengl");
      path = gl && SoftwareRasteriser(GlRendererName()) ? PresentPath::WindowSurface : PresentPath::Texture;
    }
    SDL_DestroyRenderer(renderer);
  }
  SDL_DestroyWindow(probe);
  return path;
}

SDL_Rect ToSdl(const TRect& r) {
  return SDL_Rect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.Width()),
                  static_cast<int>(r.Height())};
}

}  // namespace

PresentPath ChosenPresentPath() {
  if (PathOverride()) return *PathOverride();
  static const PresentPath path = [] {
    const PresentPath chosen = ProbePresentPath();
    // SDL would otherwise back a window surface with a renderer of its own,
    // the very OpenGL this way avoids; the system's own framebuffer it is.
    if (chosen == PresentPath::WindowSurface) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return chosen;
  }();
  return path;
}

void SetPresentPathForTesting(std::optional<PresentPath> path) { PathOverride() = path; }

SdlPresenter::SdlPresenter(SDL_Window* window) : window_(window), path_(ChosenPresentPath()) {
  // Without a renderer the window surface is the way left.
  if (path_ == PresentPath::Texture && !CreateRenderer()) path_ = PresentPath::WindowSurface;
}

SdlPresenter::~SdlPresenter() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
}

bool SdlPresenter::CreateRenderer() {
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  return renderer_ != nullptr;
}

void SdlPresenter::Present(const Surface& surface, const TRect& dirty, bool visible) {
  if (surface.Empty()) return;
  const TRect whole(0, 0, surface.Width(), surface.Height());
  TRect area;
  const bool everything = IntersectRect(&area, &dirty, &whole) && EqualRect(&area, &whole);
  std::vector<TRect> changed;
  const bool wroteAll = path_ == PresentPath::WindowSurface ? WriteWindowSurface(surface, dirty, changed)
                                                            : WriteTexture(surface, dirty, changed);
  if (everything || wroteAll) changed = {whole};
  if (changed.empty()) return;
  if (!visible) {
    pending_ = true;
    return;
  }
  Show(changed);
}

void SdlPresenter::Shown() {
  if (!pending_) return;
  Show({TRect(0, 0, width_, height_)});
}

// The window surface is SDL's: it is made anew when the window's size
// changes, and then everything is written again. In our own layout it is
// its own record of what is on the screen.
bool SdlPresenter::WriteWindowSurface(const Surface& surface, const TRect& dirty, std::vector<TRect>& changed) {
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (!target) return false;
  const bool fresh = target != windowSurface_ || target->w != width_ || target->h != height_;
  windowSurface_ = target;
  width_ = target->w;
  height_ = target->h;
  const TRect whole(0, 0, surface.Width(), surface.Height());
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  if (target->format->format == SDL_PIXELFORMAT_RGB888) {
    Surface screen(target->pixels, target->w, target->h, target->pitch);
    changed = Backend::TakeChangedPixels(surface, screen, fresh ? whole : dirty);
  } else {
    changed = presented_.Update(surface, dirty);
    if (fresh) changed = {whole};
    const TRect bounds(0, 0, std::min(width_, surface.Width()), std::min(height_, surface.Height()));
    for (const TRect& r : changed) {
      TRect part;
      if (!IntersectRect(&part, &r, &bounds)) continue;
      auto* to = static_cast<unsigned char*>(target->pixels) + part.top * target->pitch +
                 part.left * target->format->BytesPerPixel;
      for (int y = part.top; y < part.bottom; ++y, to += target->pitch)
        SDL_ConvertPixels(part.Width(), 1, SDL_PIXELFORMAT_RGB888, surface.Row(y) + part.left, part.Width() * 4,
                          target->format->format, to, target->pitch);
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  return fresh;
}

bool SdlPresenter::WriteTexture(const Surface& surface, const TRect& dirty, std::vector<TRect>& changed) {
  changed = presented_.Update(surface, dirty);
  const bool fresh = !texture_ || width_ != surface.Width() || height_ != surface.Height();
  if (fresh) {
    if (texture_) SDL_DestroyTexture(texture_);
    // RGB888 is a 32-bit 0x00RRGGBB word: bytes B, G, R, X, as our surfaces.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, surface.Width(),
                                 surface.Height());
    width_ = texture_ ? surface.Width() : 0;
    height_ = texture_ ? surface.Height() : 0;
    if (!texture_) return false;
    changed = {TRect(0, 0, width_, height_)};
  }
  for (const TRect& r : changed) {
    const SDL_Rect rect = ToSdl(r);
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, &rect, &pixels, &pitch) != 0) continue;
    // Row by row, so that bottom-up surfaces (negative stride) copy alike.
    auto* to = static_cast<unsigned char*>(pixels);
    for (int y = rect.y; y < rect.y + rect.h; ++y, to += pitch)
      std::memcpy(to, surface.Row(y) + rect.x, static_cast<std::size_t>(rect.w) * sizeof(Pixel));
    SDL_UnlockTexture(texture_);
  }
  return fresh;
}

void SdlPresenter::Show(const std::vector<TRect>& rects) {
  pending_ = false;
  if (path_ == PresentPath::WindowSurface) {
    if (!windowSurface_) return;
    WaitForFrameSlot(false);
    std::vector<SDL_Rect> sdl;
    for (const TRect& r : rects) sdl.push_back(ToSdl(r));
    SDL_UpdateWindowSurfaceRects(window_, sdl.data(), static_cast<int>(sdl.size()));
  } else {
    if (!texture_) return;
    SDL_RendererInfo info;
    WaitForFrameSlot(SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC));
    // The texture covers the whole window: no clear first.
    SDL_Rect to{0, 0, width_, height_};
    SDL_RenderCopy(renderer_, texture_, nullptr, &to);
    SDL_RenderPresent(renderer_);
  }
  lastPresentMs_ = ClockNowMs();
  presented_once_ = true;
}

// With vsync on a display that has a refresh, RenderPresent itself waits.
void SdlPresenter::WaitForFrameSlot(bool vsync) {
  SDL_DisplayMode mode;
  const int display = SDL_GetWindowDisplayIndex(window_);
  const bool refresh = display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0;
  if ((vsync && refresh) || !presented_once_) return;
  const std::uint64_t now = ClockNowMs(), due = lastPresentMs_ + kFrameMs;
  if (now < due) Sleep(static_cast<DWORD>(due - now));
}

}  // namespace SdlBackend
