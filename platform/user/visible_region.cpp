// What a window's drawing reaches on its top-level surface.
#include "window.h"
#include "window_internal.h"

namespace WindowManager {
namespace {

// The window's rectangle (and region) in surface coordinates.
Region Footprint(const WindowRecord& w) {
  TPoint o = OriginOnSurface(w);
  Region r(TRect(0, 0, w.Rect.Width(), w.Rect.Height()));
  if (w.Shape) r &= *w.Shape;
  r.Offset(o.x, o.y);
  return r;
}

// The sibling windows drawn above `w` within its parent.
void RemoveSiblingsAbove(const WindowRecord& w, const WindowRecord& parent, Region& r) {
  for (HWND h : parent.Children) {
    if (h == w.Handle) return;
    const WindowRecord* s = Find(h);
    if (s && s->IsVisibleBit()) r -= Footprint(*s);
  }
}

// Visible as far as its own top-level surface goes: a hidden top-level
// window still draws into its retained surface (a form sets itself up before
// it is shown), but a hidden child would draw over its parent.
bool ShownOnItsSurface(const WindowRecord& w) {
  for (const WindowRecord* cur = &w; cur && !IsDesktop(cur->Handle); cur = Find(cur->Parent)) {
    if (cur->IsTopLevel()) return true;
    if (!cur->IsVisibleBit()) return false;
  }
  return false;
}

}  // namespace

Region VisibleRegion(const WindowRecord& w, VisibleArea area, unsigned flags) {
  if (IsDesktop(w.Handle) || !ShownOnItsSurface(w)) return Region();
  TPoint o = OriginOnSurface(w);
  TRect own = area == VisibleArea::Client ? w.Client : TRect(0, 0, w.Rect.Width(), w.Rect.Height());
  Region r(own);
  if (w.Shape) r &= *w.Shape;
  r.Offset(o.x, o.y);

  bool clipChildren = (flags & vfClipChildren) || ((w.Style & WS_CLIPCHILDREN) && !(flags & vfNoChildClip));
  if (clipChildren) {
    // A child shows only within our client area: a child reaching past it
    // (scrolled content) must not take the frame and scroll bars away.
    TRect client = w.Client;
    OffsetRect(&client, o.x, o.y);
    for (HWND h : w.Children) {
      const WindowRecord* c = Find(h);
      if (!c || !c->IsVisibleBit()) continue;
      Region footprint = Footprint(*c);
      footprint.IntersectRect(client);
      r -= footprint;
    }
  }

  // Up the tree: each ancestor's client area and region bound the window,
  // and siblings above clip where the window at that level asks for it.
  bool clipSiblings = (flags & vfClipSiblings) != 0;
  const WindowRecord* cur = &w;
  while (!cur->IsTopLevel()) {
    const WindowRecord* parent = Find(cur->Parent);
    if (!parent) return Region();
    if (clipSiblings || (cur->Style & WS_CLIPSIBLINGS)) RemoveSiblingsAbove(*cur, *parent, r);
    TPoint po = OriginOnSurface(*parent);
    TRect client = parent->Client;
    OffsetRect(&client, po.x, po.y);
    r.IntersectRect(client);
    if (parent->Shape) {
      Region shape = *parent->Shape;
      shape.Offset(po.x, po.y);
      r &= shape;
    }
    cur = parent;
    clipSiblings = false;
  }
  return r;
}

void MarkDirty(WindowRecord& topLevel, const TRect& r) {
  if (!topLevel.Pixels) return;
  TRect bounded;
  TRect surface(0, 0, topLevel.Pixels->Width(), topLevel.Pixels->Height());
  if (!IntersectRect(&bounded, &r, &surface)) return;
  UnionRect(&topLevel.Dirty, &topLevel.Dirty, &bounded);
}

}  // namespace WindowManager
