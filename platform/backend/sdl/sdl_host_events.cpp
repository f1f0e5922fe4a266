// SDL's events as the layer's: window coordinates become desktop ones, keys
// get virtual-key codes, buttons and wheel the Windows numbering and units.
#include <SDL.h>

#include "sdl_host.h"
#include "sdl_keys.h"
#include "sdl_window.h"

namespace SdlBackend {
namespace {

constexpr int kWheelDelta = 120;  // one notch

unsigned ModifiersOf(Uint16 mod) {
  unsigned m = 0;
  if (mod & KMOD_SHIFT) m |= Backend::modShift;
  if (mod & KMOD_CTRL) m |= Backend::modCtrl;
  if (mod & KMOD_ALT) m |= Backend::modAlt;
  // The right Alt is AltGr on the German layout, which Windows reports as
  // Ctrl+Alt: typing '@' or '{' must not count as an Alt shortcut.
  if (mod & (KMOD_RALT | KMOD_MODE)) m |= Backend::modCtrl | Backend::modAlt;
  if (mod & KMOD_CAPS) m |= Backend::modCapsLock;
  if (mod & KMOD_NUM) m |= Backend::modNumLock;
  if (mod & KMOD_SCROLL) m |= Backend::modScrollLock;
  return m;
}

// 1 left, 2 right, 3 middle; 0 for buttons the layer does not know.
int ButtonOf(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
  }
  return 0;
}

}  // namespace

bool SdlHost::Translate(SDL_Event& e, Backend::Event& out) {
  using Backend::EventKind;
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const SDL_Keysym& key = e.key.keysym;
      out.VirtualKey = VirtualKeyOf(key.scancode, key.sym, (key.mod & KMOD_NUM) != 0);
      if (out.VirtualKey == 0) return false;
      out.Kind = e.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp;
      out.Window = IdOf(e.key.windowID);
      out.Repeat = e.key.repeat != 0;
      out.Modifiers = ModifiersOf(key.mod);
      return true;
    }
    case SDL_TEXTINPUT:
      out.Kind = EventKind::Text;
      out.Window = IdOf(e.text.windowID);
      out.Text = e.text.text;
      return true;
    case SDL_MOUSEMOTION: {
      out.Kind = EventKind::MouseMove;
      out.Window = IdOf(e.motion.windowID);
      TPoint origin = OriginOf(out.Window);
      out.X = origin.x + e.motion.x;
      out.Y = origin.y + e.motion.y;
      out.Modifiers = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      out.Button = ButtonOf(e.button.button);
      if (out.Button == 0) return false;
      out.Kind = e.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown : EventKind::MouseUp;
      out.Window = IdOf(e.button.windowID);
      TPoint origin = OriginOf(out.Window);
      out.X = origin.x + e.button.x;
      out.Y = origin.y + e.button.y;
      out.Clicks = e.button.clicks >= 2 ? 2 : 1;
      out.Modifiers = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }
    case SDL_MOUSEWHEEL: {
      int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      if (notches == 0) return false;  // sideways only
      out.Kind = EventKind::MouseWheel;
      out.Window = IdOf(e.wheel.windowID);
      TPoint origin = OriginOf(out.Window);
      out.X = origin.x + e.wheel.mouseX;
      out.Y = origin.y + e.wheel.mouseY;
      out.WheelDelta = notches * kWheelDelta;
      out.Modifiers = ModifiersOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }
    case SDL_WINDOWEVENT: return TranslateWindowEvent(e, out);
    case SDL_DROPFILE: {
      out.Kind = EventKind::Drop;
      out.Window = IdOf(e.drop.windowID);
      if (e.drop.file) out.Text = e.drop.file;
      SDL_free(e.drop.file);
      e.drop.file = nullptr;
      SDL_GetGlobalMouseState(&out.X, &out.Y);
      return !out.Text.empty();
    }
    case SDL_DISPLAYEVENT: out.Kind = EventKind::DisplaysChanged; return true;
    case SDL_QUIT: out.Kind = EventKind::Quit; return true;
  }
  return false;
}

bool SdlHost::TranslateWindowEvent(const SDL_Event& e, Backend::Event& out) {
  using Backend::EventKind;
  out.Window = IdOf(e.window.windowID);
  if (out.Window == 0) return false;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.Kind = EventKind::FocusGained; return true;
    case SDL_WINDOWEVENT_FOCUS_LOST: out.Kind = EventKind::FocusLost; return true;
    case SDL_WINDOWEVENT_CLOSE: out.Kind = EventKind::CloseRequest; return true;
    case SDL_WINDOWEVENT_EXPOSED: out.Kind = EventKind::Expose; return true;
    case SDL_WINDOWEVENT_LEAVE: out.Kind = EventKind::MouseLeave; return true;
    case SDL_WINDOWEVENT_MOVED:
      // Our own SetBounds comes back as a move too; only the desktop's count.
      if (Find(out.Window)->IsOwnMove(e.window.data1, e.window.data2)) return false;
      out.Kind = EventKind::Moved;
      out.X = e.window.data1;
      out.Y = e.window.data2;
      return true;
  }
  return false;
}

}  // namespace SdlBackend
