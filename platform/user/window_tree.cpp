// Queries and changes of the window tree: parents, owners, z-order,
// enabled and visible state.
#include <algorithm>

#include "host.h"
#include "lasterror.h"
#include "message_queue.h"
#include "mouse.h"
#include "focus.h"
#include "paint.h"
#include "sysutils.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"

using namespace WindowManager;

BOOL IsWindow(HWND hwnd) { return Find(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  return w && IsShown(*w) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  return w && w->IsEnabledBit() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return FALSE;
  BOOL wasDisabled = w->IsEnabledBit() ? FALSE : TRUE;
  if (!enable) {
    Send(*w, WM_CANCELMODE, 0, 0);
    if (!(w = Find(hwnd))) return wasDisabled;
  }
  if ((enable != FALSE) == !wasDisabled) return wasDisabled;
  if (enable)
    w->Style &= ~WS_DISABLED;
  else
    w->Style |= WS_DISABLED;
  if (!enable) {
    HWND focus = GetFocus();
    if (focus && (focus == hwnd || IsChild(hwnd, focus))) SetFocus(nullptr);
  }
  if ((w = Find(hwnd))) Send(*w, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsChild(HWND parent, HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  while (w && !w->IsTopLevel()) {
    if (w->Parent == parent) return TRUE;
    w = Find(w->Parent);
  }
  return FALSE;
}

BOOL IsIconic(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  return w && w->Minimized ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  return w && w->Maximized ? TRUE : FALSE;
}

HWND GetDesktopWindow() { return Desktop().Handle; }

HWND GetParent(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return nullptr;
  if (!w->IsTopLevel()) return w->Parent;
  return (w->Style & WS_POPUP) ? w->Owner : nullptr;
}

HWND SetParent(HWND hwnd, HWND newParent) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return nullptr;
  WindowRecord* parent = newParent ? Find(newParent) : &Desktop();
  if (!parent || parent == w || IsChild(hwnd, newParent)) return nullptr;
  HWND old = w->Parent;
  if (old == parent->Handle) return old;
  bool wasVisibleBit = w->IsVisibleBit();
  if (wasVisibleBit) ShowWindow(hwnd, SW_HIDE);
  if (!(w = Find(hwnd))) return nullptr;
  TRect screenRect;
  GetWindowRect(hwnd, &screenRect);
  if (WindowRecord* p = Find(old)) std::erase(p->Children, hwnd);
  // The window keeps its place on the screen until the caller moves it.
  if (w->IsTopLevel() && !IsDesktop(parent->Handle)) {
    ReleaseWindowDCs(hwnd);
    if (w->Host && Backend::HostInstalled()) Backend::CurrentHost().DestroyHostWindow(w->Host);
    w->Host = 0;
    w->Pixels.reset();
    w->Owner = nullptr;
  }
  w->Parent = parent->Handle;
  parent->Children.insert(parent->Children.begin(), hwnd);
  POINT corner = TPoint(screenRect.left, screenRect.top);
  if (!IsDesktop(parent->Handle)) ScreenToClient(parent->Handle, &corner);
  w->Rect = TRect(corner.x, corner.y, corner.x + screenRect.Width(), corner.y + screenRect.Height());
  if (w->IsTopLevel() && !w->Pixels) {
    ReleaseWindowDCs(hwnd);
    w->Pixels = std::make_unique<Surface>(w->Rect.Width(), w->Rect.Height());
    if (Backend::HostInstalled()) w->Host = Backend::CurrentHost().CreateHostWindow(w->Rect, 0);
  }
  for (HWND d : AllWindows())
    if (WindowRecord* r = Find(d); r && (d == hwnd || IsChild(hwnd, d))) {
      if (WindowRecord* top = TopLevelOf(*r)) RefreshWindowDCs(*top);
    }
  if (wasVisibleBit) ShowWindow(hwnd, w->IsTopLevel() ? SW_SHOW : SW_SHOWNA);
  return IsDesktop(old) ? GetDesktopWindow() : old;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->Parent;
    case GA_ROOT: return TopLevelOf(*w)->Handle;
    case GA_ROOTOWNER: {
      WindowRecord* top = TopLevelOf(*w);
      while (WindowRecord* owner = Find(top->Owner)) top = owner;
      return top->Handle;
    }
  }
  return nullptr;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  WindowRecord* w = Find(hwnd);
  if (!w) return nullptr;
  if (relation == GW_CHILD) return w->Children.empty() ? nullptr : w->Children.front();
  if (relation == GW_OWNER) return w->IsTopLevel() ? w->Owner : nullptr;
  if (relation == GW_ENABLEDPOPUP) {
    for (HWND h : TopLevelWindows())
      if (WindowRecord* p = Find(h); p && p->Owner == hwnd && p->IsVisibleBit() && p->IsEnabledBit()) return h;
    return nullptr;
  }
  WindowRecord* parent = Find(w->Parent);
  if (!parent) return nullptr;
  const auto& list = parent->Children;
  auto it = std::find(list.begin(), list.end(), hwnd);
  if (it == list.end()) return nullptr;
  switch (relation) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return it + 1 == list.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == list.begin() ? nullptr : *(it - 1);
  }
  return nullptr;
}

HWND GetTopWindow(HWND hwnd) { return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD); }
HWND GetNextWindow(HWND hwnd, UINT relation) { return GetWindow(hwnd, relation); }

HWND FindWindow(LPCSTR className, LPCSTR windowName) {
  for (HWND h : TopLevelWindows()) {
    WindowRecord* w = Find(h);
    if (!w || w->MessageOnly) continue;
    if (className && !(w->Class && AnsiSameText(w->Class->Name, className))) continue;
    if (windowName && w->Text.str() != windowName) continue;
    return h;
  }
  return nullptr;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param) {
  if (!proc) return FALSE;
  for (HWND h : AllWindows()) {
    if (parent ? !IsChild(parent, h) : !Find(h)) continue;
    if (!Find(h)) continue;
    if (!proc(h, param)) return FALSE;
  }
  return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM param) {
  if (!proc) return FALSE;
  for (HWND h : TopLevelWindows())
    if (Find(h) && !proc(h, param)) return FALSE;
  return TRUE;
}
