// Mouse input from the host: the target window, hit tests, activation by
// click, double clicks, capture and leave tracking.
#include "mouse.h"

#include <cstdlib>

#include "clock.h"
#include "focus.h"
#include "keyboard.h"
#include "message_queue.h"
#include "messages.h"
#include "queue_internal.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"
#include "windowclass.h"

using namespace WindowManager;

namespace {

constexpr UINT kDoubleClickMs = 500;

struct LastPress {
  int Button = 0;
  std::uint64_t Time = 0;
  POINT Pos;
  HWND Hwnd = nullptr;
  LRESULT Hit = HTNOWHERE;
};

struct MouseState {
  HWND Capture = nullptr;
  POINT Pos;
  HWND Tracked = nullptr;
  bool TrackNonClient = false;
  LastPress Last;
};

MouseState& Mouse() {
  static MouseState m;
  return m;
}

LPARAM PackPoint(LONG x, LONG y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// The window that gets the input at a screen point, and the hit test.
HWND Target(POINT screen, LRESULT& hit) {
  MouseState& m = Mouse();
  if (WindowRecord* c = Find(m.Capture)) {
    hit = HTCLIENT;
    return c->Handle;
  }
  HWND h = WindowFromPoint(screen);
  while (WindowRecord* w = Find(h)) {
    hit = Send(*w, WM_NCHITTEST, 0, PackPoint(screen.x, screen.y));
    if (hit != HTTRANSPARENT) return Find(h) ? h : nullptr;
    h = w->IsTopLevel() ? nullptr : w->Parent;
  }
  hit = HTNOWHERE;
  return nullptr;
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = GetTickCount();
  m.pt = Mouse().Pos;
  DWORD serial = PostInput(m);
  SnapshotKeyState(serial);
}

void EndTracking() {
  MouseState& m = Mouse();
  if (m.Tracked && Find(m.Tracked)) Post(m.Tracked, m.TrackNonClient ? 0x02A2u : WM_MOUSELEAVE, 0, 0);
  m.Tracked = nullptr;
}

// Client coordinates of the point for a client message.
LPARAM ClientPoint(HWND hwnd, POINT screen) {
  POINT p = screen;
  ScreenToClient(hwnd, &p);
  return PackPoint(p.x, p.y);
}

UINT ButtonMessage(int button, bool down, bool client) {
  UINT base = client ? (button == 2 ? WM_RBUTTONDOWN : button == 3 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN)
                     : (button == 2 ? WM_NCRBUTTONDOWN : button == 3 ? WM_NCMBUTTONDOWN : WM_NCLBUTTONDOWN);
  return down ? base : base + 1;
}

int ButtonKey(int button) { return button == 2 ? VK_RBUTTON : button == 3 ? VK_MBUTTON : VK_LBUTTON; }

bool IsDoubleClick(const LastPress& last, int button, HWND hwnd, POINT pos, std::uint64_t now) {
  return last.Hwnd == hwnd && last.Button == button && now - last.Time <= kDoubleClickMs &&
         std::abs(pos.x - last.Pos.x) <= kDoubleClickWidth / 2 && std::abs(pos.y - last.Pos.y) <= kDoubleClickHeight / 2;
}

// A press on a window of an inactive top-level window activates it, as
// WM_MOUSEACTIVATE decides; true when the press is to be eaten.
bool ActivateByClick(HWND target, LRESULT hit, UINT msg) {
  WindowRecord* w = Find(target);
  WindowRecord* top = w ? TopLevelOf(*w) : nullptr;
  if (!top || top->Handle == GetActiveWindow()) return false;
  HWND topHandle = top->Handle;
  LRESULT ma = Send(*w, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topHandle), MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(msg)));
  if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT) ActivateTopLevel(topHandle, WA_CLICKACTIVE);
  return ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT;
}

}  // namespace

namespace WindowManager {

WPARAM MouseKeyFlags() {
  WPARAM k = 0;
  if (GetAsyncKeyState(VK_LBUTTON) < 0) k |= MK_LBUTTON;
  if (GetAsyncKeyState(VK_RBUTTON) < 0) k |= MK_RBUTTON;
  if (GetAsyncKeyState(VK_MBUTTON) < 0) k |= MK_MBUTTON;
  if (GetAsyncKeyState(VK_SHIFT) < 0) k |= MK_SHIFT;
  if (GetAsyncKeyState(VK_CONTROL) < 0) k |= MK_CONTROL;
  return k;
}

void HostMouseMove(const Backend::Event& e) {
  MouseState& m = Mouse();
  ApplyHostModifiers(e.Modifiers);
  m.Pos = TPoint(e.X, e.Y);
  LRESULT hit;
  HWND target = Target(m.Pos, hit);
  if (m.Tracked && (m.Tracked != target || (hit == HTCLIENT) == m.TrackNonClient)) EndTracking();
  if (!target) return;
  if (!m.Capture) {
    WindowRecord* w = Find(target);
    if (w) Send(*w, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
    if (!Find(target)) return;
  }
  if (hit == HTCLIENT)
    Post(target, WM_MOUSEMOVE, MouseKeyFlags(), ClientPoint(target, m.Pos));
  else
    Post(target, WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), PackPoint(m.Pos.x, m.Pos.y));
}

void HostMouseButton(const Backend::Event& e, bool down) {
  MouseState& m = Mouse();
  ApplyHostModifiers(e.Modifiers);
  m.Pos = TPoint(e.X, e.Y);
  SetAsyncKey(ButtonKey(e.Button), down);
  LRESULT hit;
  HWND target = Target(m.Pos, hit);
  if (!target) return;
  bool client = hit == HTCLIENT;
  UINT msg = ButtonMessage(e.Button, down, client);
  if (down && !m.Capture) {
    WindowRecord* w = Find(target);
    WindowRecord* top = w ? TopLevelOf(*w) : nullptr;
    if (top && !top->IsEnabledBit()) {
      // A window disabled by a modal one: the modal one comes forward.
      if (HWND popup = GetWindow(top->Handle, GW_ENABLEDPOPUP)) SetActiveWindow(popup);
      return;
    }
    if (ActivateByClick(target, hit, msg)) return;
    if (!(w = Find(target))) return;
    Send(*w, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(msg)));
    if (!Find(target)) return;
  }
  if (down) {
    std::uint64_t now = ClockNowMs();
    WindowRecord* w = Find(target);
    bool classWants = !client || (w && w->Class && (w->Class->Style & CS_DBLCLKS));
    if (classWants && IsDoubleClick(m.Last, e.Button, target, m.Pos, now) && m.Last.Hit == hit) {
      msg += 2;  // xBUTTONDOWN -> xBUTTONDBLCLK
      m.Last = LastPress();
    } else {
      m.Last = LastPress{e.Button, now, m.Pos, target, hit};
    }
  }
  if (client)
    Post(target, msg, MouseKeyFlags(), ClientPoint(target, m.Pos));
  else
    Post(target, msg, static_cast<WPARAM>(hit), PackPoint(m.Pos.x, m.Pos.y));
}

void HostMouseWheel(const Backend::Event& e) {
  MouseState& m = Mouse();
  ApplyHostModifiers(e.Modifiers);
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (!target) return;
  WPARAM w = MAKEWPARAM(static_cast<WORD>(MouseKeyFlags()), static_cast<WORD>(static_cast<SHORT>(e.WheelDelta)));
  Post(target, WM_MOUSEWHEEL, w, PackPoint(m.Pos.x, m.Pos.y));
}

void HostMouseLeft() { EndTracking(); }

void ForgetMouseWindow(HWND hwnd) {
  MouseState& m = Mouse();
  if (m.Capture == hwnd) m.Capture = nullptr;
  if (m.Tracked == hwnd) m.Tracked = nullptr;
  if (m.Last.Hwnd == hwnd) m.Last = LastPress();
}

}  // namespace WindowManager

HWND SetCapture(HWND hwnd) {
  MouseState& m = Mouse();
  HWND old = Find(m.Capture) ? m.Capture : nullptr;
  if (!Find(hwnd)) return old;
  m.Capture = hwnd;
  if (old && old != hwnd) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

BOOL ReleaseCapture() {
  MouseState& m = Mouse();
  HWND old = m.Capture;
  m.Capture = nullptr;
  if (Find(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  HWND c = Mouse().Capture;
  return Find(c) ? c : nullptr;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* t) {
  if (!t) return FALSE;
  MouseState& m = Mouse();
  if (t->dwFlags & TME_QUERY) {
    t->dwFlags = m.Tracked ? TME_LEAVE | (m.TrackNonClient ? TME_NONCLIENT : 0) : 0;
    t->hwndTrack = m.Tracked;
    return TRUE;
  }
  if (!Find(t->hwndTrack)) return FALSE;
  if (t->dwFlags & TME_CANCEL) {
    if (m.Tracked == t->hwndTrack) m.Tracked = nullptr;
    return TRUE;
  }
  if (!(t->dwFlags & TME_LEAVE)) return TRUE;
  bool nonClient = (t->dwFlags & TME_NONCLIENT) != 0;
  if (WindowFromPoint(m.Pos) != t->hwndTrack) {
    Post(t->hwndTrack, nonClient ? 0x02A2u : WM_MOUSELEAVE, 0, 0);
    return TRUE;
  }
  m.Tracked = t->hwndTrack;
  m.TrackNonClient = nonClient;
  return TRUE;
}

BOOL GetCursorPos(POINT* p) {
  if (!p) return FALSE;
  *p = Mouse().Pos;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  Mouse().Pos = TPoint(x, y);
  return TRUE;
}

UINT GetDoubleClickTime() { return kDoubleClickMs; }
