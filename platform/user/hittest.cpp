// Which window lies under a point.
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"

using namespace WindowManager;

namespace {

// The point (in w's window coordinates) lies in w's rectangle and region.
bool Covers(const WindowRecord& w, POINT p) {
  if (p.x < 0 || p.y < 0 || p.x >= w.Rect.Width() || p.y >= w.Rect.Height()) return false;
  return !w.Shape || w.Shape->Contains(p);
}

// Deepest visible window at p (w's window coordinates); a disabled child
// stops the descent at its parent.
HWND Deepest(const WindowRecord& w, POINT p) {
  if (!PtInRect(&w.Client, p)) return w.Handle;
  TPoint c(p.x - w.Client.left, p.y - w.Client.top);
  for (HWND h : w.Children) {
    const WindowRecord* child = Find(h);
    if (!child || !child->IsVisibleBit()) continue;
    TPoint q(c.x - child->Rect.left, c.y - child->Rect.top);
    if (!Covers(*child, q)) continue;
    if (!child->IsEnabledBit()) return w.Handle;
    return Deepest(*child, q);
  }
  return w.Handle;
}

}  // namespace

HWND WindowFromPoint(POINT screen) {
  for (HWND h : TopLevelWindows()) {
    const WindowRecord* w = Find(h);
    if (!w || w->MessageOnly || w->Minimized || !w->IsVisibleBit()) continue;
    TPoint p(screen.x - w->Rect.left, screen.y - w->Rect.top);
    if (Covers(*w, p)) return Deepest(*w, p);
  }
  return nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, POINT client, UINT flags) {
  const WindowRecord* w = Find(parent);
  if (!w) return nullptr;
  if (IsDesktop(parent)) {
    POINT screen = client;
    for (HWND h : TopLevelWindows()) {
      const WindowRecord* t = Find(h);
      if (!t || t->MessageOnly) continue;
      if ((flags & CWP_SKIPINVISIBLE) && !t->IsVisibleBit()) continue;
      if ((flags & CWP_SKIPDISABLED) && !t->IsEnabledBit()) continue;
      if (Covers(*t, TPoint(screen.x - t->Rect.left, screen.y - t->Rect.top))) return h;
    }
    return parent;
  }
  TPoint inWindow(client.x + w->Client.left, client.y + w->Client.top);
  if (!Covers(*w, inWindow)) return nullptr;
  for (HWND h : w->Children) {
    const WindowRecord* c = Find(h);
    if (!c) continue;
    if ((flags & CWP_SKIPINVISIBLE) && !c->IsVisibleBit()) continue;
    if ((flags & CWP_SKIPDISABLED) && !c->IsEnabledBit()) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->ExStyle & WS_EX_TRANSPARENT)) continue;
    if (Covers(*c, TPoint(client.x - c->Rect.left, client.y - c->Rect.top))) return h;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT client) { return ChildWindowFromPointEx(parent, client, CWP_ALL); }
