// A child painting its parent's background: what the parent would show if
// the child were not there, for controls that are see-through without a
// picture of their own to copy from.
#include "dc.h"
#include "message_queue.h"
#include "messages.h"
#include "paint.h"
#include "rgn.h"
#include "window.h"
#include "window_pos.h"

BOOL DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect) {
  if (!dc || !IsWindow(hwnd) || !(GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD)) return FALSE;
  HWND parent = GetParent(hwnd);
  if (!parent) return FALSE;
  RECT area{};
  if (rect)
    area = *rect;
  else
    GetClientRect(hwnd, &area);
  POINT origin{};
  MapWindowPoints(hwnd, parent, &origin, 1);
  const int saved = SaveDC(dc);
  // The clip in the child's coordinates, before the origin moves to the
  // parent's.
  if (IntersectClipRect(dc, area.left, area.top, area.right, area.bottom) != NULLREGION) {
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    SendMessage(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessage(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
  RestoreDC(dc, saved);
  return TRUE;
}
