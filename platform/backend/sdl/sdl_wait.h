// Waiting for the desktop's next event, or for a wake from any thread.
//
// Not SDL's own wait: a wake from another thread through SDL (an event
// pushed while the UI thread waits) sends an X message to whichever of our
// windows SDL picked for it, on a connection of its own; when the UI thread
// destroys that window in the meantime (a menu closing), X answers with an
// error that ends the program. A wake here is a byte in a pipe.
#pragma once

namespace SdlBackend {

class EventWait {
 public:
  EventWait();
  ~EventWait();
  EventWait(const EventWait&) = delete;
  EventWait& operator=(const EventWait&) = delete;

  // Sleeps at most `timeoutMs` until the X connection `xFd` (-1: none
  // known, then in short slices) has input or Wake is called; true when
  // woken, and the wake is used up.
  bool Wait(int timeoutMs, int xFd);
  // A wake not yet used up, taken without waiting.
  bool TakeWake();
  // Callable from any thread.
  void Wake();

 private:
  int read_ = -1, write_ = -1;
};

}  // namespace SdlBackend
