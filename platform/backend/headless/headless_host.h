// The host for tests: windows in memory, a settable desktop, a scripted
// event queue, the virtual clock, and recorders for presents, sounds, shell
// requests and boxes.
//
// Time is virtual while this host is installed for a test: NextEvent with
// nothing queued moves the clock to its deadline, so a pump waiting for a
// timer finds it due at once. Installed for the program it runs on the real
// clock and waits for the deadline instead. A wait without deadline and
// without events blocks until another thread posts or wakes.
#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "changed_pixels.h"
#include "host.h"
#include "region.h"

class HeadlessHost : public Backend::Host {
 public:
  struct WindowState {
    TRect Bounds;
    unsigned Flags = 0;
    bool Visible = false;
    std::string Title;
    std::optional<Region> Shape;
    int Presents = 0;
    int Raises = 0;
    Backend::HostWindowId Owner = 0;
    TRect LastDirty;
    // The parts of LastDirty whose pixels the last present changed.
    std::vector<TRect> LastChanged;
    const Surface* LastSurface = nullptr;
  };

  HeadlessHost();

  // ---- the test's side ----
  void SetDisplays(std::vector<TRect> displays);
  void PostEvent(const Backend::Event& e);
  // A key press (down, then up) with the given modifiers; `text` is what the
  // keyboard types with it (empty for keys that type nothing).
  void PostKey(int vk, unsigned modifiers = 0, const std::string& text = "");
  void PostKeyDown(int vk, unsigned modifiers = 0, bool repeat = false);
  void PostKeyUp(int vk, unsigned modifiers = 0);
  void PostText(const std::string& text);
  void PostMouseMove(int x, int y, unsigned modifiers = 0);
  // Move, press and release at a screen point; button 1 left, 2 right, 3 middle.
  void PostClick(int x, int y, int button = 1, unsigned modifiers = 0);
  void PostMouseDown(int x, int y, int button = 1, unsigned modifiers = 0);
  void PostMouseUp(int x, int y, int button = 1, unsigned modifiers = 0);
  void PostWheel(int x, int y, int delta);
  void PostCloseRequest(Backend::HostWindowId w);
  void PostFocus(Backend::HostWindowId w, bool gained);
  bool EventsPending();

  // Answers for Ask, in order; when none is left, IDOK (1).
  void QueueAnswer(Backend::AskAnswer answer);
  const std::vector<Backend::AskRecord>& Asked() const { return asked_; }
  const std::vector<std::string>& OpenedUrls() const { return urls_; }
  // Lets tests play a desktop that cannot open anything.
  void RefuseUrls(bool refuse) { refuseUrls_ = refuse; }
  const std::vector<std::vector<std::uint8_t>>& PlayedWaves() const { return waves_; }
  // Whether the last wave was asked to loop and no stop or new wave came
  // since.
  bool WaveLooping() const { return waveLooping_; }
  const std::vector<std::string>& PlayedMidis() const { return midis_; }
  int WaveStops() const { return waveStops_; }

  const WindowState* Window(Backend::HostWindowId w) const;
  int PresentCount(Backend::HostWindowId w) const;
  int TotalPresents() const { return totalPresents_; }

  // ---- Backend::Host ----
  std::vector<TRect> Displays() override;
  Backend::HostWindowId CreateHostWindow(const TRect& bounds, unsigned flags) override;
  void DestroyHostWindow(Backend::HostWindowId w) override;
  void SetBounds(Backend::HostWindowId w, const TRect& bounds) override;
  void Show(Backend::HostWindowId w, bool visible, bool activate) override;
  void SetTitle(Backend::HostWindowId w, const std::string& title) override;
  void SetShape(Backend::HostWindowId w, const Region* shape) override;
  void Raise(Backend::HostWindowId w) override;
  void SetOwner(Backend::HostWindowId w, Backend::HostWindowId owner) override;
  // Recorded only: a test posts the FocusGained it wants to see.
  void SetFocus(Backend::HostWindowId w) override { focused_ = w; }
  void SetCursor(Backend::Cursor c) override { cursor_ = c; }
  void SetCaptionTest(CaptionTest test, void* context) override { captionTest_ = test, captionContext_ = context; }
  void Present(Backend::HostWindowId w, const Surface& surface, const TRect& dirty) override;
  bool NextEvent(Backend::Event& out, std::uint64_t deadlineMs) override;
  void Wake() override;
  void PlayWave(const void* data, std::size_t size, bool loop) override;
  void StopWave() override {
    ++waveStops_;
    waveLooping_ = false;
  }
  bool PlayMidi(const std::string& path) override;
  void StopMidi() override { midiPlaying_ = false; }
  bool MidiPlaying() override { return midiPlaying_; }
  int WaveOutDeviceCount() override { return 1; }
  // Every target asked for is kept, refused or not.
  bool OpenUrl(const std::string& target) override {
    urls_.push_back(target);
    return !refuseUrls_;
  }
  std::optional<Backend::AskAnswer> Ask(const Backend::AskRecord& what) override;

  Backend::Cursor CurrentCursor() const { return cursor_; }
  // The window the layer last gave the keyboard to.
  Backend::HostWindowId Focused() const { return focused_; }

 private:
  std::mutex lock_;
  std::condition_variable arrived_;
  std::deque<Backend::Event> events_;
  bool woken_ = false;

  std::vector<TRect> displays_;
  std::map<Backend::HostWindowId, WindowState> windows_;
  std::map<Backend::HostWindowId, Backend::PresentedPixels> presented_;
  Backend::HostWindowId nextWindow_ = 1;
  Backend::HostWindowId focused_ = 0;
  int totalPresents_ = 0;
  Backend::Cursor cursor_ = Backend::Cursor::Arrow;
  CaptionTest captionTest_ = nullptr;
  void* captionContext_ = nullptr;

  std::deque<Backend::AskAnswer> answers_;
  std::vector<Backend::AskRecord> asked_;
  std::vector<std::string> urls_;
  bool refuseUrls_ = false;
  std::vector<std::vector<std::uint8_t>> waves_;
  std::vector<std::string> midis_;
  int waveStops_ = 0;
  bool waveLooping_ = false;
  bool midiPlaying_ = false;
};

// Installs a fresh headless host on the virtual clock (starting at
// `startMs`) and returns it; it stays installed until replaced.
HeadlessHost& InstallHeadlessHost(std::uint64_t startMs = 1000);
// The same host for the program (MORVANT_HEADLESS=1): on the real clock, so
// that its timers fire when due, and idle while nothing is.
HeadlessHost& InstallHeadlessHostOnRealClock();

// Writes a surface to a PNG file; false when it cannot be written.
bool SaveSurfacePng(const Surface& surface, const std::string& path);
