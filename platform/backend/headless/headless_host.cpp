#include "headless_host.h"

#include <algorithm>
#include <chrono>

#include "atomic_file.h"
#include "clock.h"
#include "png_codec.h"

using Backend::Event;
using Backend::EventKind;

namespace {

constexpr int kIdOk = 1;

void WakeOnAdvance(std::uint64_t) {
  if (Backend::HostInstalled()) Backend::CurrentHost().Wake();
}

}  // namespace

HeadlessHost::HeadlessHost() : displays_{TRect(0, 0, 1024, 768)} {}

void HeadlessHost::SetDisplays(std::vector<TRect> displays) {
  {
    std::lock_guard lock(lock_);
    displays_ = std::move(displays);
  }
  Event e;
  e.Kind = EventKind::DisplaysChanged;
  PostEvent(e);
}

void HeadlessHost::PostEvent(const Event& e) {
  {
    std::lock_guard lock(lock_);
    events_.push_back(e);
  }
  arrived_.notify_all();
}

void HeadlessHost::PostKeyDown(int vk, unsigned modifiers, bool repeat) {
  Event e;
  e.Kind = EventKind::KeyDown;
  e.VirtualKey = vk;
  e.Modifiers = modifiers;
  e.Repeat = repeat;
  PostEvent(e);
}

void HeadlessHost::PostKeyUp(int vk, unsigned modifiers) {
  Event e;
  e.Kind = EventKind::KeyUp;
  e.VirtualKey = vk;
  e.Modifiers = modifiers;
  PostEvent(e);
}

void HeadlessHost::PostText(const std::string& text) {
  Event e;
  e.Kind = EventKind::Text;
  e.Text = text;
  PostEvent(e);
}

void HeadlessHost::PostKey(int vk, unsigned modifiers, const std::string& text) {
  PostKeyDown(vk, modifiers);
  if (!text.empty()) PostText(text);
  PostKeyUp(vk, modifiers);
}

namespace {

Event MouseEvent(EventKind kind, int x, int y, int button, unsigned modifiers) {
  Event e;
  e.Kind = kind;
  e.X = x, e.Y = y;
  e.Button = button;
  e.Modifiers = modifiers;
  return e;
}

}  // namespace

void HeadlessHost::PostMouseMove(int x, int y, unsigned modifiers) {
  PostEvent(MouseEvent(EventKind::MouseMove, x, y, 0, modifiers));
}

void HeadlessHost::PostMouseDown(int x, int y, int button, unsigned modifiers) {
  PostEvent(MouseEvent(EventKind::MouseDown, x, y, button, modifiers));
}

void HeadlessHost::PostMouseUp(int x, int y, int button, unsigned modifiers) {
  PostEvent(MouseEvent(EventKind::MouseUp, x, y, button, modifiers));
}

void HeadlessHost::PostClick(int x, int y, int button, unsigned modifiers) {
  PostMouseMove(x, y, modifiers);
  PostMouseDown(x, y, button, modifiers);
  PostMouseUp(x, y, button, modifiers);
}

void HeadlessHost::PostWheel(int x, int y, int delta) {
  Event e;
  e.Kind = EventKind::MouseWheel;
  e.X = x, e.Y = y;
  e.WheelDelta = delta;
  PostEvent(e);
}

void HeadlessHost::PostCloseRequest(Backend::HostWindowId w) {
  Event e;
  e.Kind = EventKind::CloseRequest;
  e.Window = w;
  PostEvent(e);
}

void HeadlessHost::PostFocus(Backend::HostWindowId w, bool gained) {
  Event e;
  e.Kind = gained ? EventKind::FocusGained : EventKind::FocusLost;
  e.Window = w;
  PostEvent(e);
}

bool HeadlessHost::EventsPending() {
  std::lock_guard lock(lock_);
  return !events_.empty();
}

void HeadlessHost::QueueAnswer(Backend::AskAnswer answer) { answers_.push_back(std::move(answer)); }

const HeadlessHost::WindowState* HeadlessHost::Window(Backend::HostWindowId w) const {
  auto it = windows_.find(w);
  return it == windows_.end() ? nullptr : &it->second;
}

int HeadlessHost::PresentCount(Backend::HostWindowId w) const {
  const WindowState* s = Window(w);
  return s ? s->Presents : 0;
}

std::vector<TRect> HeadlessHost::Displays() {
  std::lock_guard lock(lock_);
  return displays_;
}

Backend::HostWindowId HeadlessHost::CreateHostWindow(const TRect& bounds, unsigned flags) {
  Backend::HostWindowId id = nextWindow_++;
  WindowState& s = windows_[id];
  s.Bounds = bounds;
  s.Flags = flags;
  return id;
}

void HeadlessHost::DestroyHostWindow(Backend::HostWindowId w) {
  windows_.erase(w);
  presented_.erase(w);
}

void HeadlessHost::SetBounds(Backend::HostWindowId w, const TRect& bounds) {
  if (auto it = windows_.find(w); it != windows_.end()) it->second.Bounds = bounds;
}

void HeadlessHost::Show(Backend::HostWindowId w, bool visible, bool) {
  if (auto it = windows_.find(w); it != windows_.end()) it->second.Visible = visible;
}

void HeadlessHost::SetTitle(Backend::HostWindowId w, const std::string& title) {
  if (auto it = windows_.find(w); it != windows_.end()) it->second.Title = title;
}

void HeadlessHost::SetShape(Backend::HostWindowId w, const Region* shape) {
  auto it = windows_.find(w);
  if (it == windows_.end()) return;
  if (shape)
    it->second.Shape = *shape;
  else
    it->second.Shape.reset();
}

void HeadlessHost::Raise(Backend::HostWindowId w) {
  if (auto it = windows_.find(w); it != windows_.end()) ++it->second.Raises;
}

void HeadlessHost::SetOwner(Backend::HostWindowId w, Backend::HostWindowId owner) {
  if (auto it = windows_.find(w); it != windows_.end()) it->second.Owner = owner;
}

void HeadlessHost::Present(Backend::HostWindowId w, const Surface& surface, const TRect& dirty) {
  auto it = windows_.find(w);
  if (it == windows_.end()) return;
  ++it->second.Presents;
  it->second.LastDirty = dirty;
  it->second.LastChanged = presented_[w].Update(surface, dirty);
  it->second.LastSurface = &surface;
  ++totalPresents_;
}

bool HeadlessHost::NextEvent(Event& out, std::uint64_t deadlineMs) {
  std::unique_lock lock(lock_);
  if (events_.empty() && deadlineMs == UINT64_MAX) {
    arrived_.wait(lock, [&] { return !events_.empty() || woken_; });
  }
  woken_ = false;
  if (!events_.empty()) {
    out = events_.front();
    events_.pop_front();
    return true;
  }
  std::uint64_t now = ClockNowMs();
  if (deadlineMs == UINT64_MAX || deadlineMs <= now) return false;
  if (!ClockIsVirtual()) {
    // Until the deadline, or sooner when an event is posted or a wake comes.
    // (An hour at most in one wait, so that a far deadline cannot overflow.)
    const std::uint64_t waitMs = std::min<std::uint64_t>(deadlineMs - now, 3'600'000);
    arrived_.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return !events_.empty() || woken_; });
    woken_ = false;
    if (events_.empty()) return false;
    out = events_.front();
    events_.pop_front();
    return true;
  }
  lock.unlock();
  ClockAdvance(deadlineMs - now);
  return false;
}

void HeadlessHost::Wake() {
  {
    std::lock_guard lock(lock_);
    woken_ = true;
  }
  arrived_.notify_all();
}

void HeadlessHost::PlayWave(const void* data, std::size_t size, bool loop) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  waves_.emplace_back(bytes, bytes + (data ? size : 0));
  waveLooping_ = loop && data;
}

bool HeadlessHost::PlayMidi(const std::string& path) {
  midis_.push_back(path);
  midiPlaying_ = true;
  return true;
}

std::optional<Backend::AskAnswer> HeadlessHost::Ask(const Backend::AskRecord& what) {
  asked_.push_back(what);
  if (answers_.empty()) return Backend::AskAnswer{kIdOk, {}};
  Backend::AskAnswer a = std::move(answers_.front());
  answers_.pop_front();
  return a;
}

namespace {

HeadlessHost& InstallNewHost() {
  auto host = std::make_unique<HeadlessHost>();
  HeadlessHost& ref = *host;
  Backend::InstallHost(std::move(host));
  return ref;
}

}  // namespace

HeadlessHost& InstallHeadlessHost(std::uint64_t startMs) {
  ClockUseVirtual(startMs);
  HeadlessHost& host = InstallNewHost();
  SetClockAdvanceHook(WakeOnAdvance);
  return host;
}

HeadlessHost& InstallHeadlessHostOnRealClock() {
  ClockUseReal();
  return InstallNewHost();
}

bool SaveSurfacePng(const Surface& surface, const std::string& path) {
  RasterImage image;
  image.Width = surface.Width();
  image.Height = surface.Height();
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height));
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) image.Row(y)[x] = surface.At(x, y) & kPixelMask;
  std::vector<std::uint8_t> bytes = EncodePng(image, PngLayout::Rgb);
  if (bytes.empty()) return false;
  return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
