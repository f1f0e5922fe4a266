#include "focus.h"

#include "host.h"
#include "messages.h"
#include "threadid.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"

using namespace WindowManager;

namespace {

struct FocusState {
  HWND Active = nullptr;
  HWND Focus = nullptr;
  bool AppActive = false;
};

FocusState& State() {
  static FocusState s;
  return s;
}

WPARAM ActivateParam(WORD how, HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  return MAKEWPARAM(how, static_cast<WORD>(w && w->Minimized ? 1 : 0));
}

void SetAppActive(bool active) {
  FocusState& s = State();
  if (s.AppActive == active) return;
  s.AppActive = active;
  for (HWND h : TopLevelWindows())
    if (WindowRecord* w = Find(h)) Send(*w, WM_ACTIVATEAPP, active ? TRUE : FALSE, static_cast<LPARAM>(GetCurrentThreadId()));
}

void Deactivate(HWND old, HWND next) {
  WindowRecord* w = Find(old);
  if (!w) return;
  Send(*w, WM_NCACTIVATE, FALSE, 0);
  if ((w = Find(old))) Send(*w, WM_ACTIVATE, ActivateParam(WA_INACTIVE, old), reinterpret_cast<LPARAM>(next));
}

// Set while the host's own focus change is being followed: the host has
// already given the keyboard, and asking again would fight the desktop.
bool& FollowingHost() {
  static bool following = false;
  return following;
}

// The layer's activation moved: the host's keyboard focus follows, so that
// the first key after a box, a dialog or a menu closes reaches the window
// that is active here.
void GiveHostFocus(const WindowRecord& w) {
  if (FollowingHost() || !w.Host || !Backend::HostInstalled() || !IsShown(w)) return;
  Backend::CurrentHost().SetFocus(w.Host);
}

bool IsCandidateForActivation(const WindowRecord& w) {
  return w.IsTopLevel() && !w.MessageOnly && w.IsVisibleBit() && w.IsEnabledBit() && !w.Destroying;
}

}  // namespace

namespace WindowManager {

void ActivateTopLevel(HWND hwnd, WORD how) {
  FocusState& s = State();
  WindowRecord* w = Find(hwnd);
  if (!w || !w->IsTopLevel() || s.Active == hwnd) {
    if (w && s.Active == hwnd) SetAppActive(true);
    return;
  }
  HWND old = s.Active;
  Deactivate(old, hwnd);
  s.Active = hwnd;
  SetAppActive(true);
  if (!(w = Find(hwnd)) || s.Active != hwnd) return;
  GiveHostFocus(*w);
  Send(*w, WM_NCACTIVATE, TRUE, 0);
  if ((w = Find(hwnd))) Send(*w, WM_ACTIVATE, ActivateParam(how, hwnd), reinterpret_cast<LPARAM>(old));
}

void ActivateAnotherThan(HWND hwnd) {
  FocusState& s = State();
  WindowRecord* w = Find(hwnd);
  if (!w) return;
  bool activeGoes = s.Active && (s.Active == hwnd || IsChild(hwnd, s.Active));
  if (!activeGoes) {
    if (s.Focus && (s.Focus == hwnd || IsChild(hwnd, s.Focus))) SetFocus(nullptr);
    return;
  }
  // The owner first, as the platform does, else the next window in z-order.
  HWND next = nullptr;
  if (WindowRecord* owner = Find(w->Owner); owner && IsCandidateForActivation(*owner)) next = owner->Handle;
  for (HWND h : TopLevelWindows()) {
    if (next) break;
    WindowRecord* c = Find(h);
    if (c && h != hwnd && IsCandidateForActivation(*c)) next = h;
  }
  if (next) {
    ActivateTopLevel(next, WA_ACTIVE);
  } else {
    // No window of ours is left to take over: the program is inactive.
    HWND old = s.Active;
    s.Active = nullptr;
    Deactivate(old, nullptr);
    SetFocus(nullptr);
    SetAppActive(false);
  }
}

void ForgetFocusWindow(HWND hwnd) {
  FocusState& s = State();
  if (s.Active == hwnd || (s.Focus && (s.Focus == hwnd || IsChild(hwnd, s.Focus)))) ActivateAnotherThan(hwnd);
  if (s.Focus && (s.Focus == hwnd || IsChild(hwnd, s.Focus))) s.Focus = nullptr;
  if (s.Active == hwnd) s.Active = nullptr;
}

// The host gave or took the keyboard: activation follows.
void HostFocusChanged(HWND topLevel, bool gained) {
  FocusState& s = State();
  if (gained) {
    if (s.Active == topLevel) {
      SetAppActive(true);
      return;
    }
    FollowingHost() = true;
    ActivateTopLevel(topLevel, WA_ACTIVE);
    FollowingHost() = false;
    return;
  }
  if (!s.AppActive) return;
  HWND old = s.Active;
  s.Active = nullptr;
  Deactivate(old, nullptr);
  SetAppActive(false);
  SetFocus(nullptr);
  // Remembered, so that the host giving the window back reactivates it.
  (void)old;
}

void HostFocusOnPopup() {
  // A menu, a drop-down list or a hint never takes the activation: the
  // keyboard goes back to the window that is active here.
  if (WindowRecord* active = Find(State().Active); active && active->Host && Backend::HostInstalled())
    Backend::CurrentHost().SetFocus(active->Host);
}

}  // namespace WindowManager

HWND SetFocus(HWND hwnd) {
  FocusState& s = State();
  HWND old = s.Focus;
  if (hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w || IsDesktop(hwnd) || w->MessageOnly) return nullptr;
    WindowRecord* top = TopLevelOf(*w);
    if (top && top->Handle != s.Active) {
      ActivateTopLevel(top->Handle, WA_ACTIVE);
      if (!Find(hwnd)) return nullptr;
      old = s.Focus;
    }
  }
  if (old == hwnd) return old;
  s.Focus = hwnd;
  if (WindowRecord* o = Find(old)) Send(*o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (s.Focus == hwnd)
    if (WindowRecord* n = Find(hwnd)) Send(*n, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus() {
  HWND f = State().Focus;
  return Find(f) ? f : nullptr;
}

HWND SetActiveWindow(HWND hwnd) {
  HWND old = GetActiveWindow();
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return nullptr;
  WindowRecord* top = TopLevelOf(*w);
  if (!top) return nullptr;
  ActivateTopLevel(top->Handle, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() {
  HWND a = State().Active;
  return Find(a) ? a : nullptr;
}

BOOL SetForegroundWindow(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return FALSE;
  WindowRecord* top = TopLevelOf(*w);
  SetWindowPos(top->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetActiveWindow(top->Handle);
  if ((top = Find(hwnd) ? TopLevelOf(*Find(hwnd)) : nullptr) && top->Host && Backend::HostInstalled())
    Backend::CurrentHost().Raise(top->Host);
  return TRUE;
}

HWND GetForegroundWindow() { return State().AppActive ? GetActiveWindow() : nullptr; }
