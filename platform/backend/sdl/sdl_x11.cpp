#include "sdl_x11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <unistd.h>

#include <cstdio>
#include <optional>

namespace SdlBackend::X11 {
namespace {

struct Target {
  Display* display;
  Window window;
};

std::optional<Target> TargetOf(SDL_Window* window) {
  if (!window) return std::nullopt;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  return Target{info.info.x11.display, info.info.x11.window};
}

Atom AtomOf(Display* d, const char* name) { return XInternAtom(d, name, False); }

// A focus request may lose a race with the window's unmapping; X answers
// that with an error, which SDL's handler would turn into an exit.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

class IgnoringErrors {
 public:
  explicit IgnoringErrors(Display* d) : display_(d) {
    XSync(display_, False);
    previous_ = XSetErrorHandler(IgnoreError);
  }
  ~IgnoringErrors() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  IgnoringErrors(const IgnoringErrors&) = delete;
  IgnoringErrors& operator=(const IgnoringErrors&) = delete;

 private:
  Display* display_;
  XErrorHandler previous_;
};

bool Viewable(Display* d, Window w) {
  XWindowAttributes a;
  return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

// The window manager's check window, which a window manager following the desktop hints keeps.
bool HasWindowManager(Display* d) {
  Atom check = AtomOf(d, "_NET_SUPPORTING_WM_CHECK");
  Atom type;
  int format;
  unsigned long count = 0, after;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                                  &after, &data) == Success &&
               type == XA_WINDOW && count == 1;
  if (data) XFree(data);
  return found;
}

void AskWindowManagerToActivate(Display* d, Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = AtomOf(d, "_NET_ACTIVE_WINDOW");
  e.xclient.format = 32;
  // Source 2: a request on the user's behalf, which the focus-stealing
  // prevention lets through; the user did press the key that led here.
  e.xclient.data.l[0] = 2;
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
}

bool Latin1(const std::string& utf8, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      auto next = static_cast<unsigned char>(utf8[i + 1]);
      out += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

void SetTransientFor(SDL_Window* window, SDL_Window* owner) {
  auto t = TargetOf(window);
  if (!t) return;
  auto o = TargetOf(owner);
  if (o) XSetTransientForHint(t->display, t->window, o->window);
  else XDeleteProperty(t->display, t->window, AtomOf(t->display, "WM_TRANSIENT_FOR"));
  XFlush(t->display);
}

void SetWindowType(SDL_Window* window, WindowType type) {
  auto t = TargetOf(window);
  if (!t) return;
  const char* name = type == WindowType::Dialog    ? "_NET_WM_WINDOW_TYPE_DIALOG"
                     : type == WindowType::Utility ? "_NET_WM_WINDOW_TYPE_UTILITY"
                                                   : "_NET_WM_WINDOW_TYPE_NORMAL";
  Atom value = AtomOf(t->display, name);
  XChangeProperty(t->display, t->window, AtomOf(t->display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&value), 1);
  XFlush(t->display);
}

void SetLegacyTitle(SDL_Window* window, const std::string& utf8) {
  auto t = TargetOf(window);
  if (!t) return;
  std::string latin1;
  const bool plain = Latin1(utf8, latin1);
  const std::string& bytes = plain ? latin1 : utf8;
  Atom type = plain ? XA_STRING : AtomOf(t->display, "UTF8_STRING");
  XChangeProperty(t->display, t->window, XA_WM_NAME, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
  XChangeProperty(t->display, t->window, XA_WM_ICON_NAME, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
  XFlush(t->display);
}

unsigned long FocusedWindow(SDL_Window* any) {
  auto t = TargetOf(any);
  if (!t) return 0;
  Window focus = None;
  int revert = 0;
  XGetInputFocus(t->display, &focus, &revert);
  return focus == PointerRoot ? 0 : focus;
}

int ConnectionFd(SDL_Window* any) {
  auto t = TargetOf(any);
  return t ? ConnectionNumber(t->display) : -1;
}

bool EventsAlreadyRead(SDL_Window* any) {
  auto t = TargetOf(any);
  return t && XEventsQueued(t->display, QueuedAlready) > 0;
}

unsigned long XWindowOf(SDL_Window* window) {
  auto t = TargetOf(window);
  return t ? t->window : 0;
}

void GiveFocus(SDL_Window* window) {
  auto t = TargetOf(window);
  if (!t) return;
  if (HasWindowManager(t->display)) AskWindowManagerToActivate(t->display, t->window);
  IgnoringErrors guard(t->display);
  if (Viewable(t->display, t->window)) XSetInputFocus(t->display, t->window, RevertToParent, CurrentTime);
}

void RestoreFocus(SDL_Window* any, unsigned long previous) {
  auto t = TargetOf(any);
  if (!t || previous == 0) return;
  IgnoringErrors guard(t->display);
  if (Viewable(t->display, previous)) XSetInputFocus(t->display, previous, RevertToParent, CurrentTime);
}

namespace {

int ConnectionLost(Display* d) {
  std::fprintf(stderr, "The connection to the display %s was lost.\n", d ? DisplayString(d) : "");
  std::fflush(stderr);
  _exit(1);
}

}  // namespace

void EndWhenConnectionLost() { XSetIOErrorHandler(ConnectionLost); }

}  // namespace SdlBackend::X11
