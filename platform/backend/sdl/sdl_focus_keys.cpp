#include "sdl_focus_keys.h"

#include <SDL.h>

namespace SdlBackend {
namespace {

bool IsKey(const SDL_Event& e) { return e.type == SDL_KEYDOWN || e.type == SDL_KEYUP; }

bool IsModifier(SDL_Scancode s) { return (s >= SDL_SCANCODE_LCTRL && s <= SDL_SCANCODE_RGUI) || s == SDL_SCANCODE_MODE; }

bool IsFocusLossOf(const SDL_Event& e, Uint32 window) {
  return e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_LOST && e.window.windowID == window;
}

// What a focus gain brings along: only modifiers are pressed anew, and
// never as a repeat.
bool BroughtByFocusGain(const SDL_Event& e, Uint32 window) {
  if (!IsKey(e) || e.key.windowID != window) return false;
  return e.type == SDL_KEYUP || (!e.key.repeat && IsModifier(e.key.keysym.scancode));
}

// The next few events in SDL's queue, left where they are.
constexpr int kLookAhead = 32;
int PeekQueue(SDL_Event (&queued)[kLookAhead]) {
  int n = SDL_PeepEvents(queued, kLookAhead, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
  return n < 0 ? 0 : n;
}

}  // namespace

bool FocusKeyFilter::StateOnly(const SDL_Event& e) {
  if (left_ > 0 && IsKey(e)) {
    --left_;
    return true;
  }
  left_ = 0;
  SDL_Event queued[kLookAhead];
  if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
    const int n = PeekQueue(queued);
    while (left_ < n && BroughtByFocusGain(queued[left_], e.window.windowID)) ++left_;
    return false;
  }
  if (e.type == SDL_KEYUP) {
    // A release followed only by releases and then the loss of the focus.
    const int n = PeekQueue(queued);
    int releases = 0;
    while (releases < n && queued[releases].type == SDL_KEYUP && queued[releases].key.windowID == e.key.windowID)
      ++releases;
    if (releases < n && IsFocusLossOf(queued[releases], e.key.windowID)) {
      left_ = releases;
      return true;
    }
  }
  return false;
}

}  // namespace SdlBackend
