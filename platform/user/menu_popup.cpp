#include "menu_popup.h"

#include <algorithm>

#include "drawedge.h"
#include "fill.h"
#include "menu_draw.h"
#include "menu_model.h"
#include "message_queue.h"
#include "paint.h"
#include "syscolors.h"
#include "text.h"
#include "window.h"
#include "window_pos.h"
#include "windowclass.h"
#include "wndproc.h"

namespace Menus {
namespace {

constexpr int kBorder = 3;         // raised edge and one pixel of face
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 9;
constexpr int kCheckGutter = 18;   // left of the label
constexpr int kArrowGutter = 16;   // right, for the submenu arrow
constexpr int kShortcutGap = 20;   // between label and shortcut
constexpr int kMinTextWidth = 40;

constexpr LPCSTR kPopupClass = "#32768";

struct PopupView {
  HMENU Menu = nullptr;
  int Selected = -1;
  PopupLayout Layout;
};

PopupView* ViewOf(HWND popup) {
  return reinterpret_cast<PopupView*>(GetWindowLongPtr(popup, GWL_USERDATA));
}

LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs) SetWindowLongPtr(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      break;
    }
    case WM_NCDESTROY: {
      delete ViewOf(hwnd);
      SetWindowLongPtr(hwnd, GWL_USERDATA, 0);
      break;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (PopupView* v = ViewOf(hwnd)) PaintPopup(dc, v->Menu, v->Layout, v->Selected);
      EndPaint(hwnd, &ps);
      return 0;
    }
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

void RegisterPopupClass() {
  WNDCLASS existing;
  if (GetClassInfo(nullptr, kPopupClass, &existing)) return;
  WNDCLASS wc;
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = &PopupProc;
  wc.lpszClassName = kPopupClass;
  RegisterClass(&wc);
}

void PaintItem(HDC dc, const MenuItem& it, const TRect& r, bool selected, int shortcutRight) {
  if (IsSeparator(it)) {
    int y = r.top + r.Height() / 2 - 1;
    RECT line = TRect(r.left + 1, y, r.right - 1, y + 2);
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  bool grey = IsGrayed(it);
  if (selected) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
  TextLook look = grey ? (selected ? TextLook::GrayedSelected : TextLook::Grayed)
                       : (selected ? TextLook::Selected : TextLook::Normal);
  int ink = grey ? COLOR_GRAYTEXT : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if (it.Flags & MF_CHECKED) DrawCheckMark(dc, TRect(r.left, r.top, r.left + kCheckGutter, r.bottom), ink);
  TRect label(r.left + kCheckGutter, r.top, r.right - kArrowGutter, r.bottom);
  DrawMenuText(dc, ItemLabel(it), label, DT_LEFT, look);
  AnsiString shortcut = ItemShortcut(it);
  if (!shortcut.IsEmpty()) {
    TRect right(label.left, r.top, shortcutRight, r.bottom);
    DrawMenuText(dc, shortcut, right, DT_RIGHT | DT_NOPREFIX, look);
  }
  if (HasSubMenu(it)) DrawSubmenuArrow(dc, TRect(r.right - kArrowGutter, r.top, r.right, r.bottom), ink);
}

}  // namespace

PopupLayout LayoutPopup(HMENU menu) {
  PopupLayout l;
  MenuRecord* m = FindMenu(menu);
  int labelWidth = kMinTextWidth, shortcutWidth = 0;
  if (m)
    for (const MenuItem& it : m->Items) {
      if (IsSeparator(it)) continue;
      labelWidth = std::max<int>(labelWidth, MenuTextSize(ItemLabel(it), true).cx);
      AnsiString shortcut = ItemShortcut(it);
      if (!shortcut.IsEmpty()) shortcutWidth = std::max<int>(shortcutWidth, MenuTextSize(shortcut, false).cx);
    }
  int width = 2 * kBorder + kCheckGutter + labelWidth + (shortcutWidth ? kShortcutGap + shortcutWidth : 0) + kArrowGutter;
  int y = kBorder;
  if (m)
    for (const MenuItem& it : m->Items) {
      int h = IsSeparator(it) ? kSeparatorHeight : kItemHeight;
      l.Items.emplace_back(kBorder, y, width - kBorder, y + h);
      y += h;
    }
  l.Size = TSize(width, std::max(y + kBorder, 2 * kBorder + 4));
  return l;
}

void PaintPopup(HDC dc, HMENU menu, const PopupLayout& l, int selected) {
  RECT whole = TRect(0, 0, l.Size.cx, l.Size.cy);
  FillRect(dc, &whole, GetSysColorBrush(COLOR_MENU));
  DrawEdge(dc, &whole, EDGE_RAISED, BF_RECT);
  MenuRecord* m = FindMenu(menu);
  if (!m) return;
  int shortcutRight = l.Size.cx - kBorder - kArrowGutter;
  for (std::size_t i = 0; i < m->Items.size() && i < l.Items.size(); ++i)
    PaintItem(dc, m->Items[i], l.Items[i], static_cast<int>(i) == selected, shortcutRight);
}

HWND CreatePopupWindow(HWND owner, HMENU menu, const TRect& screen) {
  RegisterPopupClass();
  auto* view = new PopupView;
  view->Menu = menu;
  view->Layout = LayoutPopup(menu);
  HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "", WS_POPUP, screen.left, screen.top,
                              screen.Width(), screen.Height(), owner, nullptr, nullptr, view);
  if (!popup) {
    delete view;
    return nullptr;
  }
  SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return popup;
}

void SetPopupSelection(HWND popup, int selected) {
  PopupView* v = ViewOf(popup);
  if (!v || v->Selected == selected) return;
  v->Selected = selected;
  InvalidateRect(popup, nullptr, FALSE);
}

int PopupItemAt(HWND popup, POINT screen) {
  PopupView* v = ViewOf(popup);
  MenuRecord* m = v ? FindMenu(v->Menu) : nullptr;
  if (!m) return -1;
  POINT p = screen;
  ScreenToClient(popup, &p);
  for (std::size_t i = 0; i < v->Layout.Items.size() && i < m->Items.size(); ++i)
    if (PtInRect(&v->Layout.Items[i], p)) return IsSeparator(m->Items[i]) ? -1 : static_cast<int>(i);
  return -1;
}

TRect PopupItemScreenRect(HWND popup, int item) {
  PopupView* v = ViewOf(popup);
  if (!v || item < 0 || static_cast<std::size_t>(item) >= v->Layout.Items.size()) return TRect();
  TRect r = v->Layout.Items[static_cast<std::size_t>(item)];
  POINT o;
  ClientToScreen(popup, &o);
  OffsetRect(&r, o.x, o.y);
  return r;
}

}  // namespace Menus
