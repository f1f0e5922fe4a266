// The host on a real desktop, through SDL2: one borderless SDL window per
// top-level window of ours, SDL's input events as the layer's, presenting
// with the display's refresh, sound through SDL2_mixer.
//
// This header keeps SDL to itself, so that the program's start-up can make
// the host without seeing SDL.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "host.h"

struct SDL_Cursor;
struct SDL_Window;
union SDL_Event;

namespace SdlBackend {

class SdlAudio;
class SdlWindow;

class SdlHost : public Backend::Host {
 public:
  // Starts SDL's video; nullptr and SDL's message in `error` when there is
  // no display.
  static std::unique_ptr<SdlHost> Open(std::string& error);
  ~SdlHost() override;

  std::vector<TRect> Displays() override;

  Backend::HostWindowId CreateHostWindow(const TRect& bounds, unsigned flags) override;
  void DestroyHostWindow(Backend::HostWindowId w) override;
  void SetBounds(Backend::HostWindowId w, const TRect& bounds) override;
  void Show(Backend::HostWindowId w, bool visible, bool activate) override;
  void SetTitle(Backend::HostWindowId w, const std::string& title) override;
  void SetShape(Backend::HostWindowId w, const Region* shape) override;
  void Raise(Backend::HostWindowId w) override;
  void SetOwner(Backend::HostWindowId w, Backend::HostWindowId owner) override;
  void SetFocus(Backend::HostWindowId w) override;
  void SetCursor(Backend::Cursor c) override;
  void SetCaptionTest(CaptionTest test, void* context) override;

  void Present(Backend::HostWindowId w, const Surface& surface, const TRect& dirty) override;

  bool NextEvent(Backend::Event& out, std::uint64_t deadlineMs) override;
  void Wake() override;

  void PlayWave(const void* data, std::size_t size, bool loop) override;
  void StopWave() override;
  bool PlayMidi(const std::string& path) override;
  void StopMidi() override;
  bool MidiPlaying() override;
  int WaveOutDeviceCount() override;

  bool OpenUrl(const std::string& target) override;
  std::optional<Backend::AskAnswer> Ask(const Backend::AskRecord& what) override;

  // The SDL window behind a host window (tests inject events for it).
  SDL_Window* SdlWindowOf(Backend::HostWindowId w) const;
  // SDL's hit test asks this: does the point (window coordinates) lie on
  // the layer's caption?
  bool OnCaption(SDL_Window* window, int x, int y) const;

 private:
  explicit SdlHost(std::uint32_t wakeEvent);

  SdlWindow* Find(Backend::HostWindowId w) const;
  Backend::HostWindowId IdOf(std::uint32_t sdlWindowId) const;
  TPoint OriginOf(Backend::HostWindowId w) const;
  // SDL's event as ours; false for events the layer has no use for.
  bool Translate(SDL_Event& e, Backend::Event& out);
  bool TranslateWindowEvent(const SDL_Event& e, Backend::Event& out);

  std::uint32_t wakeEvent_;
  std::map<Backend::HostWindowId, std::unique_ptr<SdlWindow>> windows_;
  Backend::HostWindowId nextId_ = 1;
  CaptionTest captionTest_ = nullptr;
  void* captionContext_ = nullptr;
  std::array<SDL_Cursor*, static_cast<std::size_t>(Backend::Cursor::No) + 1> cursors_{};
  std::unique_ptr<SdlAudio> audio_;
};

}  // namespace SdlBackend
