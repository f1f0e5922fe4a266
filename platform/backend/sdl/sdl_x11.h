// What SDL does not say to an X11 desktop about our windows: whose dialog a
// window is, its window type, its legacy title, and who has the keyboard.
// Every call does nothing where SDL runs on another video driver.
#pragma once

#include <string>

struct SDL_Window;

namespace SdlBackend::X11 {

enum class WindowType { Normal, Dialog, Utility };

// WM_TRANSIENT_FOR, so that the desktop stacks `window` above `owner`
// (nullptr: none).
void SetTransientFor(SDL_Window* window, SDL_Window* owner);
// _NET_WM_WINDOW_TYPE; the desktop reads it when the window is mapped.
void SetWindowType(SDL_Window* window, WindowType type);
// WM_NAME as Latin-1 where the text allows it (else UTF-8), beside the
// UTF-8 _NET_WM_NAME that SDL writes.
void SetLegacyTitle(SDL_Window* window, const std::string& utf8);

// The X window with the keyboard focus, 0 for none (or not X11).
unsigned long FocusedWindow(SDL_Window* any);
// The file descriptor of the X connection that `any` was made on, -1 when
// not X11.
int ConnectionFd(SDL_Window* any);
// True when X events were read from the connection but not yet handled (a
// wait on the connection would not see them).
bool EventsAlreadyRead(SDL_Window* any);
// The X window behind an SDL window, 0 when not X11.
unsigned long XWindowOf(SDL_Window* window);
// Gives the keyboard to `window`: through the window manager when there is
// one, and directly as well once the window is viewable.
void GiveFocus(SDL_Window* window);
// Gives the keyboard back to the X window `previous` (from FocusedWindow)
// when it is still viewable.
void RestoreFocus(SDL_Window* any, unsigned long previous);

// When the X server goes away (it was shut down, the session ended without
// asking), the program says so and ends at once. Xlib's own answer is exit(),
// whose clean-up destroys our windows over the dead connection and spins
// there for ever.
void EndWhenConnectionLost();

}  // namespace SdlBackend::X11
