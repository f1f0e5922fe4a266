// Key events that SDL makes up when the keyboard moves between windows.
//
// On a focus gain SDL compares its key table with the X server's and presses
// the modifiers held there (and releases what was let go meanwhile); on a
// focus loss it releases every key it holds. No key was pressed: passed on
// as presses, a modifier "pressed" on a menu's pop-up (which, without a
// window manager, has the X focus for a moment) reads as Alt pressed alone
// and closes the menu. They are told apart by where they lie in SDL's
// queue: straight after the focus gain, or straight before the focus loss,
// pushed in one go with it.
#pragma once

union SDL_Event;

namespace SdlBackend {

class FocusKeyFilter {
 public:
  // For each event as it is taken from SDL's queue, in order: true when it
  // is a key event of a focus change, which only brings the key state up
  // to date. Looks at the events still queued behind it.
  bool StateOnly(const SDL_Event& e);

 private:
  int left_ = 0;  // events still queued that belong to the focus change
};

}  // namespace SdlBackend
