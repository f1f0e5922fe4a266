// Window regions: the shape of a window for painting, hit tests and, on a
// top-level window, the host's outline.
#include "gdiobj.h"
#include "host.h"
#include "paint.h"
#include "rgn.h"
#include "window.h"
#include "window_internal.h"

using namespace WindowManager;

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return 0;
  if (rgn) {
    Region* source = ResolveRegion(rgn);
    if (!source) return 0;
    w->Shape = *source;
    // The window owns the region now.
    DeleteObject(rgn);
  } else {
    w->Shape.reset();
  }
  if (w->IsTopLevel() && w->Host && Backend::HostInstalled())
    Backend::CurrentHost().SetShape(w->Host, w->Shape ? &*w->Shape : nullptr);
  if (WindowRecord* top = TopLevelOf(*w)) RefreshWindowDCs(*top);
  if (redraw) {
    if (!w->IsTopLevel()) {
      TRect r = w->Rect;
      RedrawWindow(w->Parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
  WindowRecord* w = Find(hwnd);
  Region* out = ResolveRegion(rgn);
  if (!w || !out || !w->Shape) return ERROR;
  *out = *w->Shape;
  return out->GetKind();
}
