// Update regions, WM_PAINT generation and the BeginPaint/EndPaint cycle.
#include "paint.h"

#include "messages.h"
#include "queue_internal.h"
#include "rgn.h"
#include "window.h"
#include "window_internal.h"

using namespace WindowManager;

namespace {

HWND& LockedWindow() {
  static HWND locked = nullptr;
  return locked;
}

TRect WholeWindow(const WindowRecord& w) { return TRect(0, 0, w.Rect.Width(), w.Rect.Height()); }

bool ReachesChildren(const WindowRecord& w, UINT flags) {
  if (flags & RDW_ALLCHILDREN) return true;
  return !(flags & RDW_NOCHILDREN) && !(w.Style & WS_CLIPCHILDREN);
}

// The area of `area` (window coordinates of w) in a child's window coordinates.
Region ForChild(const WindowRecord& w, const WindowRecord& child, const Region& area) {
  Region r = area;
  r.IntersectRect(w.Client);
  r.Offset(-(w.Client.left + child.Rect.left), -(w.Client.top + child.Rect.top));
  return r;
}

void InvalidateTree(WindowRecord& w, const Region& area, UINT flags) {
  if (!IsShown(w)) return;
  Region a = area;
  a.IntersectRect(WholeWindow(w));
  if (w.Shape) a &= *w.Shape;
  if (!(flags & RDW_FRAME))
    a.IntersectRect(w.Client);
  else if (!(a - Region(w.Client)).IsEmpty())
    w.NonClientOwed = true;
  if (flags & RDW_INTERNALPAINT) w.InternalPaint = true;
  if (a.IsEmpty()) return;
  w.Update |= a;
  if (flags & RDW_ERASE) w.EraseOwed = true;
  if (!ReachesChildren(w, flags)) return;
  for (HWND h : w.Children)
    if (WindowRecord* c = Find(h)) InvalidateTree(*c, ForChild(w, *c, a), flags | RDW_FRAME);
}

void ValidateTree(WindowRecord& w, const Region& area, UINT flags) {
  w.Update -= area;
  if (w.Update.IsEmpty()) w.EraseOwed = false;
  if (flags & RDW_NOINTERNALPAINT) w.InternalPaint = false;
  if (flags & RDW_NOERASE) w.EraseOwed = false;
  if (flags & RDW_NOFRAME) w.NonClientOwed = false;
  if (!ReachesChildren(w, flags)) return;
  for (HWND h : w.Children)
    if (WindowRecord* c = Find(h)) ValidateTree(*c, ForChild(w, *c, area), flags);
}

// Sends what is owed before the client paint: WM_NCPAINT, WM_ERASEBKGND.
void EraseNow(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w || !IsShown(*w)) return;
  if (w->NonClientOwed) {
    w->NonClientOwed = false;
    Send(*w, WM_NCPAINT, 1, 0);
    if (!(w = Find(hwnd))) return;
  }
  if (w->EraseOwed) {
    w->EraseOwed = false;
    Region clip = w->Update;
    clip.IntersectRect(w->Client);
    clip.Offset(-w->Client.left, -w->Client.top);
    HDC dc = OpenWindowDC(*w, VisibleArea::Client, vfNone, &clip, nullptr);
    if (!Send(*w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0)) {
      if ((w = Find(hwnd))) w->EraseOwed = true;
    }
    ReleaseDC(hwnd, dc);
  }
}

void UpdateTree(HWND hwnd, UINT flags) {
  WindowRecord* w = Find(hwnd);
  if (!w || !IsShown(*w) || IsUpdateLocked(*w)) return;
  if (OwesPaint(*w)) Send(*w, WM_PAINT, 0, 0);
  if (!(w = Find(hwnd)) || !ReachesChildren(*w, flags)) return;
  std::vector<HWND> children = w->Children;
  for (HWND c : children) UpdateTree(c, flags);
}

bool FindPaintable(WindowRecord& w, HWND filter, HWND& out) {
  if (!IsShown(w) || IsUpdateLocked(w)) return false;
  if (OwesPaint(w) && (!filter || filter == w.Handle)) {
    out = w.Handle;
    return true;
  }
  for (HWND h : w.Children)
    if (WindowRecord* c = Find(h); c && FindPaintable(*c, filter, out)) return true;
  return false;
}

Region ClientPart(const WindowRecord& w, const Region& windowArea) {
  Region r = windowArea;
  r.IntersectRect(w.Client);
  r.Offset(-w.Client.left, -w.Client.top);
  return r;
}

}  // namespace

namespace WindowManager {

bool IsUpdateLocked(const WindowRecord& w) {
  HWND locked = LockedWindow();
  if (!locked) return false;
  for (const WindowRecord* cur = &w; cur && !IsDesktop(cur->Handle); cur = Find(cur->Parent))
    if (cur->Handle == locked) return true;
  return false;
}

bool OwesPaint(const WindowRecord& w) { return !w.Update.IsEmpty() || w.InternalPaint || w.NonClientOwed; }

bool NextPaintMessage(HWND filter, MSG& out) {
  for (HWND h : TopLevelWindows()) {
    WindowRecord* w = Find(h);
    HWND found = nullptr;
    if (w && !w->MessageOnly && FindPaintable(*w, filter, found)) {
      out = MSG();
      out.hwnd = found;
      out.message = WM_PAINT;
      return true;
    }
  }
  return false;
}

}  // namespace WindowManager

BOOL RedrawWindow(HWND hwnd, const RECT* r, HRGN rgn, UINT flags) {
  if (!hwnd) {
    for (HWND h : TopLevelWindows()) RedrawWindow(h, r, rgn, flags);
    return TRUE;
  }
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return FALSE;
  Region area;
  if (rgn) {
    Region* source = ResolveRegion(rgn);
    if (!source) return FALSE;
    area = *source;
    area.Offset(w->Client.left, w->Client.top);
  } else if (r) {
    area = Region(*r);
    area.Offset(w->Client.left, w->Client.top);
  } else {
    area = Region((flags & RDW_FRAME) ? WholeWindow(*w) : w->Client);
  }
  if (flags & RDW_INVALIDATE) InvalidateTree(*w, area, flags);
  if (flags & RDW_VALIDATE) ValidateTree(*w, area, flags);
  if (flags & RDW_UPDATENOW)
    UpdateTree(hwnd, flags);
  else if (flags & RDW_ERASENOW)
    EraseNow(hwnd);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* r, BOOL erase) {
  return RedrawWindow(hwnd, r, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* r) {
  return RedrawWindow(hwnd, r, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN rgn) { return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN); }

BOOL UpdateWindow(HWND hwnd) {
  if (!Find(hwnd)) return FALSE;
  UpdateTree(hwnd, RDW_ALLCHILDREN);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* r, BOOL erase) {
  WindowRecord* w = Find(hwnd);
  if (!w) return FALSE;
  if (erase) {
    EraseNow(hwnd);
    if (!(w = Find(hwnd))) return FALSE;
  }
  Region client = ClientPart(*w, w->Update);
  if (r) *r = client.Bounds();
  return client.IsEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  WindowRecord* w = Find(hwnd);
  Region* out = ResolveRegion(rgn);
  if (!w || !out) return ERROR;
  if (erase) {
    EraseNow(hwnd);
    if (!(w = Find(hwnd))) return ERROR;
  }
  *out = ClientPart(*w, w->Update);
  return out->GetKind();
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  WindowRecord* w = Find(hwnd);
  if (!w || !ps) return nullptr;
  if (w->NonClientOwed) {
    w->NonClientOwed = false;
    Send(*w, WM_NCPAINT, 1, 0);
    if (!(w = Find(hwnd))) return nullptr;
  }
  Region clip = ClientPart(*w, w->Update);
  w->Update.SetEmpty();
  w->InternalPaint = false;
  HDC dc = OpenWindowDC(*w, VisibleArea::Client, vfNone, &clip, nullptr);
  ps->hdc = dc;
  ps->rcPaint = clip.Bounds();
  ps->fErase = FALSE;
  if (w->EraseOwed) {
    w->EraseOwed = false;
    ps->fErase = Send(*w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  }
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}

BOOL LockWindowUpdate(HWND hwnd) {
  HWND& locked = LockedWindow();
  if (hwnd) {
    if (locked || !Find(hwnd)) return FALSE;
    locked = hwnd;
  } else {
    HWND was = locked;
    locked = nullptr;
    if (WindowRecord* w = Find(was)) {
      if (WindowRecord* top = TopLevelOf(*w)) RefreshWindowDCs(*top);
      RedrawWindow(was, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  }
  if (WindowRecord* w = Find(hwnd)) {
    if (WindowRecord* top = TopLevelOf(*w)) RefreshWindowDCs(*top);
  }
  return TRUE;
}
