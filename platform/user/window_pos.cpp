#include "window_pos.h"

#include <algorithm>

#include "host.h"
#include "paint.h"
#include "window.h"
#include "window_internal.h"

using namespace WindowManager;

namespace WindowManager {

void RecalculateClient(WindowRecord& w) {
  NCCALCSIZE_PARAMS p;
  TRect r(w.Rect);
  p.rgrc[0] = r;
  p.rgrc[1] = r;
  p.rgrc[2] = r;
  HWND hwnd = w.Handle;
  Send(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&p.rgrc[0]));
  WindowRecord* live = Find(hwnd);
  if (!live) return;
  TRect c(p.rgrc[0]);
  // Keep the client area inside the window, whatever the handler answered.
  c.left = std::clamp(c.left - live->Rect.left, 0, live->Rect.Width());
  c.top = std::clamp(c.top - live->Rect.top, 0, live->Rect.Height());
  c.right = std::clamp(c.right - live->Rect.left, c.left, live->Rect.Width());
  c.bottom = std::clamp(c.bottom - live->Rect.top, c.top, live->Rect.Height());
  live->Client = c;
}

}  // namespace WindowManager

namespace {

void Reorder(WindowRecord& w, HWND after) {
  WindowRecord* parent = Find(w.Parent);
  if (!parent) return;
  auto& list = parent->Children;
  std::erase(list, w.Handle);
  auto topmostEnd = [&] {
    return std::find_if(list.begin(), list.end(), [](HWND h) {
      WindowRecord* s = Find(h);
      return !s || !(s->ExStyle & WS_EX_TOPMOST);
    });
  };
  if (after == HWND_TOPMOST) {
    if (w.IsTopLevel()) w.ExStyle |= WS_EX_TOPMOST;
    list.insert(list.begin(), w.Handle);
  } else if (after == HWND_NOTOPMOST) {
    w.ExStyle &= ~WS_EX_TOPMOST;
    list.insert(w.IsTopLevel() ? topmostEnd() : list.begin(), w.Handle);
  } else if (after == HWND_TOP) {
    bool keepBelowTopmost = w.IsTopLevel() && !(w.ExStyle & WS_EX_TOPMOST);
    list.insert(keepBelowTopmost ? topmostEnd() : list.begin(), w.Handle);
  } else if (after == HWND_BOTTOM) {
    list.push_back(w.Handle);
  } else {
    auto it = std::find(list.begin(), list.end(), after);
    list.insert(it == list.end() ? list.begin() : it + 1, w.Handle);
  }
}

// Repaints what a window covered in its parent (parent client coordinates).
void InvalidateUncovered(WindowRecord& w, const TRect& oldRect) {
  if (w.IsTopLevel()) return;
  WindowRecord* parent = Find(w.Parent);
  if (!parent) return;
  RedrawWindow(parent->Handle, &oldRect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SyncHost(WindowRecord& w, bool shownChanged, bool activate) {
  if (!w.IsTopLevel() || !w.Host || !Backend::HostInstalled()) return;
  Backend::Host& host = Backend::CurrentHost();
  host.SetBounds(w.Host, w.Rect);
  if (shownChanged) host.Show(w.Host, w.IsVisibleBit() && !w.Minimized, activate);
}

}  // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return FALSE;
  if (w->MessageOnly) flags &= ~SWP_SHOWWINDOW;
  WINDOWPOS wp;
  wp.hwnd = hwnd;
  wp.hwndInsertAfter = insertAfter;
  wp.x = x, wp.y = y, wp.cx = cx, wp.cy = cy;
  wp.flags = flags;
  if (flags & SWP_NOMOVE) wp.x = w->Rect.left, wp.y = w->Rect.top;
  if (flags & SWP_NOSIZE) wp.cx = w->Rect.Width(), wp.cy = w->Rect.Height();
  if (wp.x == w->Rect.left && wp.y == w->Rect.top) wp.flags |= SWP_NOMOVE;
  if (wp.cx == w->Rect.Width() && wp.cy == w->Rect.Height()) wp.flags |= SWP_NOSIZE;
  bool wasVisible = w->IsVisibleBit();
  if ((wp.flags & SWP_SHOWWINDOW) && wasVisible) wp.flags &= ~SWP_SHOWWINDOW;
  if ((wp.flags & SWP_HIDEWINDOW) && !wasVisible) wp.flags &= ~SWP_HIDEWINDOW;

  if (!(wp.flags & SWP_NOSENDCHANGING)) {
    Send(*w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = Find(hwnd))) return FALSE;
  }
  TRect oldRect = w->Rect;
  bool wasShown = IsShown(*w);
  if (!(wp.flags & SWP_NOMOVE) || !(wp.flags & SWP_NOSIZE)) {
    int nx = (wp.flags & SWP_NOMOVE) ? oldRect.left : wp.x;
    int ny = (wp.flags & SWP_NOMOVE) ? oldRect.top : wp.y;
    int nw = std::max((wp.flags & SWP_NOSIZE) ? oldRect.Width() : wp.cx, 0);
    int nh = std::max((wp.flags & SWP_NOSIZE) ? oldRect.Height() : wp.cy, 0);
    w->Rect = TRect(nx, ny, nx + nw, ny + nh);
    if (!w->Minimized && !w->Maximized) w->NormalRect = w->Rect;
  }
  bool sized = w->Rect.Width() != oldRect.Width() || w->Rect.Height() != oldRect.Height();
  if (sized || (wp.flags & SWP_FRAMECHANGED)) {
    RecalculateClient(*w);
    if (!(w = Find(hwnd))) return FALSE;
  }
  if (!(wp.flags & SWP_NOZORDER)) Reorder(*w, wp.hwndInsertAfter);
  if (wp.flags & SWP_SHOWWINDOW) w->Style |= WS_VISIBLE;
  if (wp.flags & SWP_HIDEWINDOW) w->Style &= ~WS_VISIBLE;
  if (w->IsTopLevel() && w->Pixels && sized) w->Pixels->Resize(w->Rect.Width(), w->Rect.Height());

  bool nowShown = IsShown(*w);
  bool moved = w->Rect.left != oldRect.left || w->Rect.top != oldRect.top;
  bool shownChanged = (wp.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0;
  if (WindowRecord* top = TopLevelOf(*w)) RefreshWindowDCs(*top);
  if (!(wp.flags & SWP_NOREDRAW)) {
    if (wasShown && (!nowShown || (!w->IsTopLevel() && (moved || sized)))) InvalidateUncovered(*w, oldRect);
    bool topLevelResized = w->IsTopLevel() && sized;
    if (nowShown && (!wasShown || topLevelResized || (!w->IsTopLevel() && (moved || sized)) ||
                     (wp.flags & SWP_FRAMECHANGED)))
      RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  bool activate = w->IsTopLevel() && nowShown && !(wp.flags & SWP_NOACTIVATE);
  SyncHost(*w, shownChanged, activate);
  if (!nowShown && wasShown) ActivateAnotherThan(hwnd);
  if (activate) ActivateTopLevel(hwnd, WA_ACTIVE);
  if (!(w = Find(hwnd))) return TRUE;
  if (w->IsTopLevel() && !(wp.flags & SWP_NOZORDER) && nowShown && w->Host && Backend::HostInstalled())
    Backend::CurrentHost().Raise(w->Host);

  wp.x = w->Rect.left, wp.y = w->Rect.top, wp.cx = w->Rect.Width(), wp.cy = w->Rect.Height();
  Send(*w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return FALSE;
  bool wasVisible = w->IsVisibleBit();
  bool show = command != SW_HIDE;
  bool activate = w->IsTopLevel() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                  command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE | SWP_NOZORDER);
  if (!w->IsTopLevel()) flags |= SWP_NOZORDER;
  if (show != wasVisible) {
    Send(*w, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!(w = Find(hwnd))) return wasVisible;
  }
  if (!show) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags | SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
    return wasVisible;
  }
  bool minimize = command == SW_SHOWMINIMIZED || command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE;
  bool maximize = command == SW_SHOWMAXIMIZED;
  bool restore = command == SW_RESTORE || command == SW_SHOWNORMAL || command == SW_SHOWDEFAULT;
  TRect target = w->Rect;
  bool place = false;
  bool stateChanged = true;
  if (minimize && !w->Minimized) {
    w->Minimized = true;
    w->Style |= WS_MINIMIZE;
  } else if (maximize && !w->Maximized && w->IsTopLevel()) {
    w->NormalRect = w->Rect;
    w->Maximized = true;
    w->Style |= WS_MAXIMIZE;
    std::vector<TRect> displays = Backend::HostInstalled() ? Backend::CurrentHost().Displays() : std::vector<TRect>();
    if (!displays.empty()) target = displays.front(), place = true;
  } else if (restore && (w->Minimized || w->Maximized)) {
    bool wasMaximized = w->Maximized;
    w->Minimized = w->Maximized = false;
    w->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    if (wasMaximized) target = w->NormalRect, place = true;
  } else {
    stateChanged = false;
  }
  if (place) flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.Width(), target.Height(), flags | SWP_SHOWWINDOW |
               (stateChanged ? SWP_FRAMECHANGED : 0));
  if ((w = Find(hwnd)) && w->Host && Backend::HostInstalled())
    Backend::CurrentHost().Show(w->Host, !w->Minimized, activate);
  return wasVisible;
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL GetWindowRect(HWND hwnd, RECT* r) {
  WindowRecord* w = Find(hwnd);
  if (!w || !r) return FALSE;
  if (IsDesktop(hwnd)) {
    std::vector<TRect> displays = Backend::HostInstalled() ? Backend::CurrentHost().Displays() : std::vector<TRect>();
    TRect all;
    for (const TRect& d : displays) UnionRect(&all, &all, &d);
    *r = all;
    return TRUE;
  }
  TPoint o = OriginOnScreen(*w);
  *r = TRect(o.x, o.y, SaturatedCoordinate(std::int64_t{o.x} + w->Rect.Width()),
             SaturatedCoordinate(std::int64_t{o.y} + w->Rect.Height()));
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* r) {
  WindowRecord* w = Find(hwnd);
  if (!w || !r) return FALSE;
  if (IsDesktop(hwnd)) return GetWindowRect(hwnd, r) && OffsetRect(r, -r->left, -r->top);
  *r = TRect(0, 0, w->Client.Width(), w->Client.Height());
  return TRUE;
}

namespace {

// The screen position of a window's client corner; the desktop's is (0, 0).
bool ClientOrigin(HWND hwnd, TPoint& out) {
  if (!hwnd || IsDesktop(hwnd)) {
    out = TPoint(0, 0);
    return true;
  }
  WindowRecord* w = Find(hwnd);
  if (!w) return false;
  TPoint o = OriginOnScreen(*w);
  out = TPoint(o.x + w->Client.left, o.y + w->Client.top);
  return true;
}

}  // namespace

BOOL ClientToScreen(HWND hwnd, POINT* p) {
  TPoint o;
  if (!p || !hwnd || !ClientOrigin(hwnd, o)) return FALSE;
  p->x += o.x, p->y += o.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* p) {
  TPoint o;
  if (!p || !hwnd || !ClientOrigin(hwnd, o)) return FALSE;
  p->x -= o.x, p->y -= o.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  TPoint a, b;
  if (!ClientOrigin(from, a) || !ClientOrigin(to, b)) return 0;
  LONG dx = a.x - b.x, dy = a.y - b.y;
  for (UINT i = 0; points && i < count; ++i) points[i].x += dx, points[i].y += dy;
  return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL AdjustWindowRectEx(RECT* r, DWORD style, BOOL menu, DWORD exStyle) {
  if (!r) return FALSE;
  TRect in = NonClientInsets(style, exStyle, menu != FALSE);
  r->left -= in.left, r->top -= in.top, r->right += in.right, r->bottom += in.bottom;
  return TRUE;
}

BOOL AdjustWindowRect(RECT* r, DWORD style, BOOL menu) { return AdjustWindowRectEx(r, style, menu, 0); }
