// The one interface between the platform layer and the machine it runs on:
// displays, host windows, input events, presenting pixels, sound, the shell
// and, headless, the test's scripted answers. Everything above it (the window
// manager, the media classes) knows only this; two implementations exist,
// sdl/ for a real desktop and headless/ for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rect.h"

class Surface;
class Region;

namespace Backend {

using HostWindowId = std::uint32_t;  // 0 is no window

// How a host window is shown. The layer draws every frame and caption itself,
// so host windows are always borderless.
enum HostWindowFlags : unsigned {
  hwfNone = 0,
  hwfTopmost = 1,
  hwfToolWindow = 2,   // no task-bar entry where the desktop allows it
  hwfPopup = 4,        // menus, hints, drop-down lists: no focus of its own
};

enum class EventKind {
  None,
  KeyDown,       // VirtualKey, Repeat, Modifiers
  KeyUp,
  Text,          // Text (UTF-8) typed, after key translation of the host
  MouseMove,     // X, Y in screen coordinates
  MouseDown,     // Button 1 left, 2 right, 3 middle; Clicks 1 or 2
  MouseUp,
  MouseWheel,    // WheelDelta, in the platform's units of 120 a notch
  MouseLeave,    // the pointer left every host window
  FocusGained,   // Window
  FocusLost,
  CloseRequest,  // the desktop asks the window to close
  Expose,        // the host lost the window's pixels: present them again
  Moved,         // the desktop moved the window: X, Y
  Drop,          // Text holds the dropped file's path; X, Y the point
  DisplaysChanged,
  Quit,          // the desktop session ends
};

enum Modifier : unsigned {
  modShift = 1,
  modCtrl = 2,
  modAlt = 4,
  modCapsLock = 8,
  modNumLock = 16,
  modScrollLock = 32,
};

struct Event {
  EventKind Kind = EventKind::None;
  HostWindowId Window = 0;
  int VirtualKey = 0;  // Windows virtual-key code
  bool Repeat = false;
  unsigned Modifiers = 0;
  int X = 0, Y = 0;
  int Button = 0;
  int Clicks = 1;
  int WheelDelta = 0;
  std::string Text;
};

enum class Cursor { Arrow, Hand, IBeam, Wait, Cross, SizeWE, SizeNS, SizeNWSE, SizeNESW, SizeAll, No };

// A box or dialog as a headless test answers it: what was shown, and the
// answer the script gave (or none, so that the caller shows its own window).
struct AskRecord {
  std::string Kind;  // "MessageBox", "OpenDialog", "ColorDialog" ...
  std::string Caption;
  std::string Text;
  unsigned Flags = 0;
};
struct AskAnswer {
  int Result = 0;            // e.g. IDOK
  std::string Text;          // e.g. the chosen file name
};

class Host {
 public:
  virtual ~Host() = default;

  // The monitors' rectangles in desktop coordinates; the desktop is their union.
  virtual std::vector<TRect> Displays() = 0;

  virtual HostWindowId CreateHostWindow(const TRect& bounds, unsigned flags) = 0;
  virtual void DestroyHostWindow(HostWindowId w) = 0;
  virtual void SetBounds(HostWindowId w, const TRect& bounds) = 0;
  virtual void Show(HostWindowId w, bool visible, bool activate) = 0;
  virtual void SetTitle(HostWindowId w, const std::string& title) = 0;
  // The window's outline, in window coordinates; nullptr for the whole rect.
  virtual void SetShape(HostWindowId w, const Region* shape) = 0;
  virtual void Raise(HostWindowId w) = 0;
  // `w` belongs to `owner` (0: to none): the desktop keeps it above its
  // owner and treats it as the owner's dialog. Called before it is shown.
  virtual void SetOwner(HostWindowId w, HostWindowId owner) = 0;
  // Gives `w` the keyboard: the layer's activation moved to it. The host
  // answers with a FocusGained event once the desktop has done so.
  virtual void SetFocus(HostWindowId w) = 0;
  virtual void SetCursor(Cursor c) = 0;
  // Lets the desktop move a window by its caption: the layer answers, for a
  // point in window coordinates, whether it lies on a caption.
  using CaptionTest = bool (*)(HostWindowId w, int x, int y, void* context);
  virtual void SetCaptionTest(CaptionTest test, void* context) = 0;

  // Puts the changed part of a window's surface on the screen. SDL waits for
  // the display's refresh (at most one present per window a frame);
  // headless, it only records.
  virtual void Present(HostWindowId w, const Surface& surface, const TRect& dirty) = 0;

  // The next input event, waiting until `deadlineMs` on the platform clock
  // (a virtual clock headless); false on timeout.
  virtual bool NextEvent(Event& out, std::uint64_t deadlineMs) = 0;
  // Makes a waiting NextEvent return now; callable from any thread.
  virtual void Wake() = 0;

  // Sound: a RIFF/WAVE image played from memory (a new one cuts off the
  // old), once or, with `loop`, over and over until stopped or cut off; a
  // MIDI file. Without a device, silence and one line on stderr.
  virtual void PlayWave(const void* data, std::size_t size, bool loop) = 0;
  virtual void StopWave() = 0;
  virtual bool PlayMidi(const std::string& path) = 0;
  virtual void StopMidi() = 0;
  virtual bool MidiPlaying() = 0;
  virtual int WaveOutDeviceCount() = 0;

  // Hands a web page, a mail address or a document to the desktop; no wait.
  // Answers whether the desktop took it, so callers can report a failure.
  virtual bool OpenUrl(const std::string& target) = 0;

  // Headless: the test's answer to a box or dialog, recorded; SDL: none.
  virtual std::optional<AskAnswer> Ask(const AskRecord& what) = 0;
};

// The host the program runs on. Install one before creating any window.
Host& CurrentHost();
void InstallHost(std::unique_ptr<Host> host);
bool HostInstalled();

}  // namespace Backend
