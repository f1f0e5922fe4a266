#include "sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include "clock.h"
#include "sdl_audio.h"
#include "sdl_window.h"
#include "sdl_x11.h"

namespace SdlBackend {
namespace {

SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* point, void* host) {
  return static_cast<const SdlHost*>(host)->OnCaption(window, point->x, point->y) ? SDL_HITTEST_DRAGGABLE
                                                                                 : SDL_HITTEST_NORMAL;
}

// In the order of Backend::Cursor.
constexpr SDL_SystemCursor kSystemCursors[] = {
    SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_HAND,     SDL_SYSTEM_CURSOR_IBEAM,  SDL_SYSTEM_CURSOR_WAIT,
    SDL_SYSTEM_CURSOR_CROSSHAIR, SDL_SYSTEM_CURSOR_SIZEWE,  SDL_SYSTEM_CURSOR_SIZENS, SDL_SYSTEM_CURSOR_SIZENWSE,
    SDL_SYSTEM_CURSOR_SIZENESW, SDL_SYSTEM_CURSOR_SIZEALL,  SDL_SYSTEM_CURSOR_NO,
};
static_assert(std::size(kSystemCursors) == static_cast<std::size_t>(Backend::Cursor::No) + 1);

// Without a display SDL would fall back to its offscreen driver and run
// unseen; the program must say that there is no display instead. Only a
// driver asked for by name (SDL_VIDEODRIVER=dummy in tests) may be virtual.
void OnlyRealDisplays() {
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (asked && *asked) return;
  std::string drivers;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    std::string name = SDL_GetVideoDriver(i);
    if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
    if (!drivers.empty()) drivers += ',';
    drivers += name;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

}  // namespace

std::unique_ptr<SdlHost> SdlHost::Open(std::string& error) {
  OnlyRealDisplays();
  // The layer decides what closing the last window means (a form may
  // refuse to close), so SDL must not turn it into a quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // Show() activates only when asked to.
  SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "1");
  // A click that activates a window is a click on it, as on Windows.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  X11::EndWhenConnectionLost();
  SDL_StartTextInput();
  return std::unique_ptr<SdlHost>(new SdlHost());
}

SdlHost::SdlHost() : audio_(std::make_unique<SdlAudio>()) {}

SdlHost::~SdlHost() {
  audio_.reset();
  windows_.clear();
  for (SDL_Cursor* c : cursors_)
    if (c) SDL_FreeCursor(c);
  SDL_Quit();
}

std::vector<TRect> SdlHost::Displays() {
  std::vector<TRect> displays;
  int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(i, &r) == 0) displays.push_back(Bounds(r.x, r.y, r.w, r.h));
  }
  return displays;
}

SdlWindow* SdlHost::Find(Backend::HostWindowId w) const {
  auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : it->second.get();
}

// Linear: a program has a handful of top-level windows, and a window's SDL
// id changes when it becomes shaped.
Backend::HostWindowId SdlHost::IdOf(std::uint32_t sdlWindowId) const {
  for (const auto& [id, window] : windows_)
    if (window->SdlId() == sdlWindowId) return id;
  return 0;
}

TPoint SdlHost::OriginOf(Backend::HostWindowId w) const {
  SdlWindow* window = Find(w);
  return window ? window->Origin() : TPoint(0, 0);
}

SDL_Window* SdlHost::SdlWindowOf(Backend::HostWindowId w) const {
  SdlWindow* window = Find(w);
  return window ? window->Handle() : nullptr;
}

Backend::HostWindowId SdlHost::CreateHostWindow(const TRect& bounds, unsigned flags) {
  auto window = std::make_unique<SdlWindow>(bounds, flags, HitTest, this);
  if (!window->Valid()) {
    std::fprintf(stderr, "morvant2: cannot create a window: %s\n", SDL_GetError());
    return 0;
  }
  Backend::HostWindowId id = nextId_++;
  windows_.emplace(id, std::move(window));
  return id;
}

void SdlHost::DestroyHostWindow(Backend::HostWindowId w) {
  SdlWindow* gone = Find(w);
  if (!gone) return;
  for (auto& [id, window] : windows_)
    if (window->Owner() == gone) window->SetOwner(nullptr);
  windows_.erase(w);
}

void SdlHost::SetBounds(Backend::HostWindowId w, const TRect& bounds) {
  if (SdlWindow* window = Find(w)) window->SetBounds(bounds);
}

void SdlHost::Show(Backend::HostWindowId w, bool visible, bool activate) {
  if (SdlWindow* window = Find(w)) window->Show(visible, activate);
}

void SdlHost::SetTitle(Backend::HostWindowId w, const std::string& title) {
  if (SdlWindow* window = Find(w)) window->SetTitle(title);
}

void SdlHost::SetShape(Backend::HostWindowId w, const Region* shape) {
  if (SdlWindow* window = Find(w)) window->SetShape(shape);
}

void SdlHost::Raise(Backend::HostWindowId w) {
  if (SdlWindow* window = Find(w)) window->Raise();
}

void SdlHost::SetOwner(Backend::HostWindowId w, Backend::HostWindowId owner) {
  if (SdlWindow* window = Find(w)) window->SetOwner(Find(owner));
}

void SdlHost::SetFocus(Backend::HostWindowId w) {
  if (SdlWindow* window = Find(w)) window->Focus();
}

void SdlHost::SetCursor(Backend::Cursor c) {
  auto index = static_cast<std::size_t>(c);
  if (index >= cursors_.size()) index = 0;
  if (!cursors_[index]) cursors_[index] = SDL_CreateSystemCursor(kSystemCursors[index]);
  if (cursors_[index]) SDL_SetCursor(cursors_[index]);
}

void SdlHost::SetCaptionTest(CaptionTest test, void* context) {
  captionTest_ = test;
  captionContext_ = context;
}

bool SdlHost::OnCaption(SDL_Window* window, int x, int y) const {
  if (!captionTest_) return false;
  Backend::HostWindowId id = IdOf(SDL_GetWindowID(window));
  return id != 0 && captionTest_(id, x, y, captionContext_);
}

void SdlHost::Present(Backend::HostWindowId w, const Surface& surface, const TRect& dirty) {
  if (SdlWindow* window = Find(w)) window->Present(surface, dirty);
}

bool SdlHost::TakeQueued(Backend::Event& out) {
  SDL_Event e;
  // Not SDL_PollEvent: it stops at the marker of its previous call, which
  // would hide an event queued since.
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
    const bool stateOnly = focusKeys_.StateOnly(e);
    out = Backend::Event();
    if (Translate(e, out)) {
      out.StateOnly = stateOnly;
      return true;
    }
  }
  return false;
}

bool SdlHost::NextEvent(Backend::Event& out, std::uint64_t deadlineMs) {
  for (;;) {
    SDL_PumpEvents();
    if (TakeQueued(out)) return true;
    // Woken, or timed out: the caller looks at its queue and timers again.
    if (wait_.TakeWake()) return false;
    std::uint64_t now = ClockNowMs();
    if (now >= deadlineMs) return false;
    SDL_Window* any = windows_.empty() ? nullptr : windows_.begin()->second->Handle();
    if (xConnection_ < 0) xConnection_ = X11::ConnectionFd(any);
    if (X11::EventsAlreadyRead(any)) continue;
    if (wait_.Wait(static_cast<int>(std::min<std::uint64_t>(deadlineMs - now, INT_MAX)), xConnection_)) return false;
  }
}

void SdlHost::Wake() { wait_.Wake(); }

void SdlHost::PlayWave(const void* data, std::size_t size, bool loop) { audio_->PlayWave(data, size, loop); }
void SdlHost::StopWave() { audio_->StopWave(); }
bool SdlHost::PlayMidi(const std::string& path) { return audio_->PlayMidi(path); }
void SdlHost::StopMidi() { audio_->StopMidi(); }
bool SdlHost::MidiPlaying() { return audio_->MidiPlaying(); }
int SdlHost::WaveOutDeviceCount() { return audio_->OutputDeviceCount(); }

// SDL hands the target to xdg-open in a detached grandchild and returns.
bool SdlHost::OpenUrl(const std::string& target) {
  if (SDL_OpenURL(target.c_str()) == 0) return true;
  std::fprintf(stderr, "morvant2: cannot open %s: %s\n", target.c_str(), SDL_GetError());
  return false;
}

// Real dialogs are drawn by the layer.
std::optional<Backend::AskAnswer> SdlHost::Ask(const Backend::AskRecord&) { return std::nullopt; }

}  // namespace SdlBackend
