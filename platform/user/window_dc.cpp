// Device contexts over the top-level surfaces, and the screen picture.
#include <algorithm>
#include <vector>

#include "dc.h"
#include "host.h"
#include "paint.h"
#include "rgn.h"
#include "syscolors.h"
#include "window.h"
#include "window_internal.h"

using namespace WindowManager;

namespace {

struct OpenDC {
  HDC Dc = nullptr;
  HWND Hwnd = nullptr;  // 0 for the screen
  HWND Top = nullptr;
  VisibleArea Area = VisibleArea::Client;
  unsigned Flags = 0;
  std::optional<Region> Intersect;
  std::optional<Region> Exclude;
};

std::vector<OpenDC>& OpenDCs() {
  static std::vector<OpenDC> list;
  return list;
}

Surface& ScreenPicture() {
  static Surface screen;
  return screen;
}

TRect DesktopBounds() {
  TRect all;
  if (Backend::HostInstalled())
    for (const TRect& d : Backend::CurrentHost().Displays()) UnionRect(&all, &all, &d);
  return all;
}

// Where the DC's (0, 0) lies on the surface, and what it may reach (DC
// coordinates, surface coordinates).
void Place(const OpenDC& d, POINT& origin, Region& visibleOnSurface, std::vector<RECT>& rects) {
  rects.clear();
  visibleOnSurface.SetEmpty();
  WindowRecord* w = Find(d.Hwnd);
  if (!w) return;
  TPoint o = OriginOnSurface(*w);
  if (d.Area == VisibleArea::Client) o.x += w->Client.left, o.y += w->Client.top;
  origin = o;
  if (IsUpdateLocked(*w)) return;
  Region vis = VisibleRegion(*w, d.Area, d.Flags);
  vis.Offset(-o.x, -o.y);
  if (d.Intersect) vis &= *d.Intersect;
  if (d.Exclude) vis -= *d.Exclude;
  for (const TRect& r : vis.Rects()) rects.push_back(r);
  vis.Offset(o.x, o.y);
  visibleOnSurface = vis;
}

void ComposeScreen(Surface& screen, const TRect& desk) {
  if (screen.Width() != desk.Width() || screen.Height() != desk.Height()) screen = Surface(desk.Width(), desk.Height());
  screen.Fill(ColorRefToPixel(GetSysColor(COLOR_BACKGROUND)));
  std::vector<HWND> tops = TopLevelWindows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    WindowRecord* w = Find(*it);
    if (!w || w->MessageOnly || w->Minimized || !w->Pixels || !IsShown(*w)) continue;
    Region outline(TRect(0, 0, w->Pixels->Width(), w->Pixels->Height()));
    if (w->Shape) outline &= *w->Shape;
    for (const TRect& r : outline.Rects()) {
      for (LONG y = r.top; y < r.bottom; ++y) {
        LONG sy = y + w->Rect.top - desk.top;
        if (sy < 0 || sy >= screen.Height()) continue;
        for (LONG x = r.left; x < r.right; ++x) {
          LONG sx = x + w->Rect.left - desk.left;
          if (sx >= 0 && sx < screen.Width()) screen.At(sx, sy) = w->Pixels->At(x, y);
        }
      }
    }
  }
}

HDC OpenScreenDC() {
  TRect desk = DesktopBounds();
  Surface& screen = ScreenPicture();
  ComposeScreen(screen, desk);
  std::vector<RECT> all{TRect(desk)};
  HDC dc = CreateSurfaceDC(&screen, TPoint(-desk.left, -desk.top), all);
  if (dc) OpenDCs().push_back({dc, nullptr, nullptr, VisibleArea::Window, 0, {}, {}});
  return dc;
}

}  // namespace

namespace WindowManager {

HDC OpenWindowDC(WindowRecord& w, VisibleArea area, unsigned flags, const Region* intersect, const Region* exclude) {
  WindowRecord* top = TopLevelOf(w);
  if (!top || !top->Pixels) return nullptr;
  OpenDC d{nullptr, w.Handle, top->Handle, area, flags, {}, {}};
  if (intersect) d.Intersect = *intersect;
  if (exclude) d.Exclude = *exclude;
  POINT origin;
  Region onSurface;
  std::vector<RECT> rects;
  Place(d, origin, onSurface, rects);
  d.Dc = CreateSurfaceDC(top->Pixels.get(), origin, rects);
  if (!d.Dc) return nullptr;
  OpenDCs().push_back(std::move(d));
  return OpenDCs().back().Dc;
}

void RefreshWindowDCs(WindowRecord& topLevel) {
  for (OpenDC& d : OpenDCs()) {
    if (d.Top != topLevel.Handle) continue;
    POINT origin;
    Region onSurface;
    std::vector<RECT> rects;
    Place(d, origin, onSurface, rects);
    SetSurfaceDCVisible(d.Dc, origin, rects);
  }
}

void ReleaseWindowDCs(HWND hwnd) {
  auto& list = OpenDCs();
  for (auto it = list.begin(); it != list.end();) {
    if (it->Hwnd == hwnd || it->Top == hwnd) {
      DeleteDC(it->Dc);
      it = list.erase(it);
    } else {
      ++it;
    }
  }
}

// Drawing through a DC held across pumps reaches the screen too.
void MarkOpenDCsDirty() {
  for (const OpenDC& d : OpenDCs()) {
    WindowRecord* top = Find(d.Top);
    if (!top) continue;
    POINT origin;
    Region onSurface;
    std::vector<RECT> rects;
    Place(d, origin, onSurface, rects);
    MarkDirty(*top, onSurface.Bounds());
  }
}

void PresentDirtySurfaces() {
  MarkOpenDCsDirty();
  if (!Backend::HostInstalled()) return;
  Backend::Host& host = Backend::CurrentHost();
  for (HWND h : TopLevelWindows()) {
    WindowRecord* w = Find(h);
    if (!w || !w->Pixels || !w->Host || IsRectEmpty(&w->Dirty)) continue;
    if (IsShown(*w) && !w->Minimized) host.Present(w->Host, *w->Pixels, w->Dirty);
    w->Dirty = TRect();
  }
}

}  // namespace WindowManager

HDC GetDCEx(HWND hwnd, HRGN clipRgn, DWORD flags) {
  if (!hwnd || IsDesktop(hwnd)) return OpenScreenDC();
  WindowRecord* w = Find(hwnd);
  if (!w) return nullptr;
  unsigned vflags = vfNone;
  if (!(flags & DCX_USESTYLE)) {
    if (flags & DCX_CLIPCHILDREN) vflags |= vfClipChildren;
    else vflags |= vfNoChildClip;
    if (flags & DCX_CLIPSIBLINGS) vflags |= vfClipSiblings;
  }
  Region* clip = (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) ? ResolveRegion(clipRgn) : nullptr;
  VisibleArea area = (flags & DCX_WINDOW) ? VisibleArea::Window : VisibleArea::Client;
  return OpenWindowDC(*w, area, vflags, (flags & DCX_INTERSECTRGN) ? clip : nullptr,
                      (flags & DCX_EXCLUDERGN) ? clip : nullptr);
}

HDC GetDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_USESTYLE | DCX_CACHE); }
HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_USESTYLE | DCX_CACHE | DCX_WINDOW); }

int ReleaseDC(HWND, HDC dc) {
  auto& list = OpenDCs();
  auto it = std::find_if(list.begin(), list.end(), [dc](const OpenDC& d) { return d.Dc == dc; });
  if (it == list.end() || !dc) return 0;
  if (WindowRecord* top = Find(it->Top)) {
    POINT origin;
    Region onSurface;
    std::vector<RECT> rects;
    Place(*it, origin, onSurface, rects);
    MarkDirty(*top, onSurface.Bounds());
  }
  DeleteDC(dc);
  list.erase(it);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  for (const OpenDC& d : OpenDCs())
    if (d.Dc == dc) return d.Hwnd ? d.Hwnd : GetDesktopWindow();
  return nullptr;
}

const Surface* GetWindowSurface(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  WindowRecord* top = w ? TopLevelOf(*w) : nullptr;
  return top ? top->Pixels.get() : nullptr;
}
