#include "nc_paint.h"

#include <algorithm>

#include "brush.h"
#include "dc.h"
#include "drawedge.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "gdiobj.h"
#include "menu.h"
#include "menu_bar.h"
#include "metrics.h"
#include "nc_geometry.h"
#include "nc_state.h"
#include "region.h"
#include "syscolors.h"
#include "text.h"
#include "window.h"
#include "window_internal.h"

using WindowManager::WindowRecord;

namespace NonClient {
namespace {

NonClientLayout LayoutOf(const WindowRecord& w) {
  bool menu = w.IsTopLevel() && GetMenu(w.Handle);
  return LayoutNonClient(w.Style, w.ExStyle, menu, w.Rect.Width(), w.Rect.Height());
}

void FillColor(HDC dc, const TRect& r, int index) { FillRect(dc, &r, GetSysColorBrush(index)); }

// A ring `width` pixels wide just inside r.
void Ring(HDC dc, const TRect& r, int width, int index) {
  FillColor(dc, TRect(r.left, r.top, r.right, r.top + width), index);
  FillColor(dc, TRect(r.left, r.bottom - width, r.right, r.bottom), index);
  FillColor(dc, TRect(r.left, r.top, r.left + width, r.bottom), index);
  FillColor(dc, TRect(r.right - width, r.top, r.right, r.bottom), index);
}

void PaintOuterFrame(HDC dc, const NonClientLayout& l, const TRect& whole) {
  switch (l.Frame) {
    case FrameKind::None: return;
    case FrameKind::Border: Ring(dc, whole, 1, COLOR_WINDOWFRAME); return;
    case FrameKind::Dialog:
    case FrameKind::Sizing: {
      RECT r = whole;
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
      Ring(dc, TRect(r), l.FrameWidth - 2, COLOR_BTNFACE);
      return;
    }
  }
}

COLORREF Mix(COLORREF a, COLORREF b, int num, int den) {
  auto channel = [&](int shift) {
    int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    return static_cast<COLORREF>(ca + (cb - ca) * num / den) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// Left to right from one colour to the other, in bands of two pixels.
void FillGradient(HDC dc, const TRect& r, COLORREF from, COLORREF to) {
  int w = std::max<LONG>(1, r.Width());
  for (int x = 0; x < w; x += 2) {
    HBRUSH b = CreateSolidBrush(Mix(from, to, x, w));
    TRect band(r.left + x, r.top, std::min<LONG>(r.left + x + 2, r.right), r.bottom);
    FillRect(dc, &band, b);
    DeleteObject(b);
  }
}

// A small window: a dark title and a white body, for windows without icons.
void PaintWindowIcon(HDC dc, const TRect& r) {
  TRect body(r.left + 1, r.top + 2, r.right - 1, r.bottom - 2);
  Ring(dc, body, 1, COLOR_WINDOWFRAME);
  FillColor(dc, TRect(body.left + 1, body.top + 1, body.right - 1, body.top + 4), COLOR_ACTIVECAPTION);
  FillColor(dc, TRect(body.left + 1, body.top + 4, body.right - 1, body.bottom - 1), COLOR_WINDOW);
}

bool CloseAllowed(HWND hwnd) {
  WindowState* s = FindState(hwnd);
  if (!s || !s->SystemMenu) return true;
  UINT state = GetMenuState(s->SystemMenu, SC_CLOSE, MF_BYCOMMAND);
  return state == static_cast<UINT>(-1) || !(state & (MF_GRAYED | MF_DISABLED));
}

void PaintButton(HDC dc, const TRect& r, UINT kind, bool enabled, bool pushed) {
  if (IsRectEmpty(&r)) return;
  RECT box = r;
  DrawFrameControl(dc, &box, DFC_CAPTION, kind | (enabled ? 0 : DFCS_INACTIVE) | (pushed ? DFCS_PUSHED : 0));
}

void PaintCaptionParts(const WindowRecord& w, HDC dc, const NonClientLayout& l) {
  if (IsRectEmpty(&l.Caption)) return;
  bool active = IsCaptionActive(w.Handle);
  COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
  FillGradient(dc, l.Caption, from, to);
  FillColor(dc, TRect(l.Caption.left, l.Caption.bottom, l.Caption.right, l.Caption.bottom + 1), COLOR_BTNFACE);

  int textLeft = l.Caption.left + 2;
  if (!IsRectEmpty(&l.SysMenuIcon)) {
    PaintWindowIcon(dc, l.SysMenuIcon);
    textLeft = l.SysMenuIcon.right + 2;
  }
  int textRight = l.Caption.right - 2;
  for (const TRect* b : {&l.CloseButton, &l.MaxButton, &l.MinButton, &l.HelpButton})
    if (!IsRectEmpty(b)) textRight = std::min<int>(textRight, b->left - 2);

  HGDIOBJ oldFont = SelectObject(dc, NonClientFontHandle(l.SmallCaption ? NonClientFont::SmallCaption : NonClientFont::Caption));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  RECT text = TRect(textLeft, l.Caption.top, textRight, l.Caption.bottom);
  DrawText(dc, w.Text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);

  LRESULT pushed = FindState(w.Handle) ? FindState(w.Handle)->PushedButton : 0;
  PaintButton(dc, l.CloseButton, DFCS_CAPTIONCLOSE, CloseAllowed(w.Handle), pushed == HTCLOSE);
  PaintButton(dc, l.MaxButton, w.Maximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX, (w.Style & WS_MAXIMIZEBOX) != 0,
              pushed == HTMAXBUTTON);
  PaintButton(dc, l.MinButton, DFCS_CAPTIONMIN, (w.Style & WS_MINIMIZEBOX) != 0, pushed == HTMINBUTTON);
  PaintButton(dc, l.HelpButton, DFCS_CAPTIONHELP, true, pushed == HTHELP);
}

void PaintBar(const WindowRecord& w, HDC dc, const NonClientLayout& l) {
  if (IsRectEmpty(&l.MenuBar)) return;
  WindowState* s = FindState(w.Handle);
  Menus::PaintMenuBar(dc, GetMenu(w.Handle), l.MenuBar, s ? s->BarItem : -1, s && s->BarOpen);
}

}  // namespace

void PaintFrame(HWND hwnd, HDC dc, const Region&) {
  WindowRecord* w = WindowManager::Find(hwnd);
  if (!w || !dc) return;
  NonClientLayout l = LayoutOf(*w);
  TRect whole(0, 0, w->Rect.Width(), w->Rect.Height());
  PaintOuterFrame(dc, l, whole);
  PaintCaptionParts(*w, dc, l);
  PaintBar(*w, dc, l);
  if (!IsRectEmpty(&l.ClientEdge)) {
    RECT r = l.ClientEdge;
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
  }
}

void PaintCaption(HWND hwnd, HDC dc) {
  if (WindowRecord* w = WindowManager::Find(hwnd)) PaintCaptionParts(*w, dc, LayoutOf(*w));
}

void PaintMenuBarOf(HWND hwnd, HDC dc) {
  if (WindowRecord* w = WindowManager::Find(hwnd)) PaintBar(*w, dc, LayoutOf(*w));
}

}  // namespace NonClient
