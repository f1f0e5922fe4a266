// MessageBox: the host's answer first, else a modal box window of ours.
#include "msgbox.h"

#include <algorithm>

#include "cursor.h"
#include "dc.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "focus.h"
#include "gdiobj.h"
#include "host.h"
#include "keyboard.h"
#include "menu.h"
#include "menu_model.h"
#include "message_queue.h"
#include "metrics.h"
#include "mouse.h"
#include "msgbox_buttons.h"
#include "msgbox_icons.h"
#include "msgbox_layout.h"
#include "nc_engine.h"
#include "nc_geometry.h"
#include "paint.h"
#include "screen.h"
#include "syscolors.h"
#include "sysmenu.h"
#include "text.h"
#include "window.h"
#include "window_pos.h"
#include "windowclass.h"
#include "wndproc.h"

namespace {

constexpr LPCSTR kBoxClass = "#32770";

struct BoxState {
  AnsiString Text;
  UINT Flags = 0;
  std::vector<MessageBoxButton> Buttons;
  MessageBoxLayout Layout;
  int Focused = 0;
  int Pressed = -1;  // held down by the mouse
  bool PressedInside = false;
  int Result = 0;
};

BoxState* StateOf(HWND box) { return reinterpret_cast<BoxState*>(GetWindowLongPtr(box, GWL_USERDATA)); }

TSize MeasureText(const AnsiString& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, NonClientFontHandle(NonClientFont::Message));
  RECT r = TRect(0, 0, kMessageBoxMaxTextWidth, 0);
  DrawText(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  DeleteDC(dc);
  return TSize(r.right - r.left, r.bottom - r.top);
}

TSize WindowSizeOf(TSize client, DWORD style, DWORD exStyle) {
  RECT r = TRect(0, 0, client.cx, client.cy);
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return TSize(r.right - r.left, r.bottom - r.top);
}

// How many pixels the caption bar lacks to show the whole title (at most a
// screen's width): a box is never narrower than its title.
int CaptionShortfall(const AnsiString& caption, DWORD style, DWORD exStyle, TSize size) {
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, NonClientFontHandle(NonClientFont::Caption));
  RECT text = TRect(0, 0, 0, 0);
  DrawText(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  DeleteDC(dc);
  const NonClientLayout l = LayoutNonClient(style, exStyle, false, size.cx, size.cy);
  int left = l.Caption.left + 2, right = l.Caption.right - 2;
  if (!IsRectEmpty(&l.SysMenuIcon)) left = l.SysMenuIcon.right + 2;
  for (const TRect* b : {&l.CloseButton, &l.MaxButton, &l.MinButton, &l.HelpButton})
    if (!IsRectEmpty(b)) right = std::min<int>(right, b->left - 2);
  const int needed = static_cast<int>(text.right - text.left) + 4;  // a little air after the title
  return std::min(needed - (right - left), static_cast<int>(GetSystemMetrics(SM_CXSCREEN)) - size.cx);
}

void PaintButton(HDC dc, const BoxState& s, int i) {
  TRect r = s.Layout.Buttons[static_cast<std::size_t>(i)];
  bool focused = i == s.Focused;
  bool pushed = i == s.Pressed && s.PressedInside;
  if (focused) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  RECT face = r;
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  TRect label = r;
  if (pushed) OffsetRect(&label, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawText(dc, s.Buttons[static_cast<std::size_t>(i)].Caption, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (focused) {
    TRect dots = r;
    InflateRect(&dots, -3, -3);
    DrawFocusRect(dc, &dots);
  }
}

void PaintBox(HDC dc, const BoxState& s, const RECT& client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  DrawMessageBoxIcon(dc, s.Layout.Icon, s.Flags);
  HGDIOBJ oldFont = SelectObject(dc, NonClientFontHandle(NonClientFont::Message));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT text = s.Layout.Text;
  DrawText(dc, s.Text.c_str(), -1, &text, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
  for (int i = 0; i < static_cast<int>(s.Buttons.size()); ++i) PaintButton(dc, s, i);
  SelectObject(dc, oldFont);
}

int ButtonAt(const BoxState& s, LPARAM lParam) {
  POINT p = TPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  for (std::size_t i = 0; i < s.Layout.Buttons.size(); ++i)
    if (PtInRect(&s.Layout.Buttons[i], p)) return static_cast<int>(i);
  return -1;
}

void MoveFocus(HWND box, BoxState& s, int step) {
  int n = static_cast<int>(s.Buttons.size());
  s.Focused = (s.Focused + step + n) % n;
  InvalidateRect(box, nullptr, TRUE);
}

bool OnKey(HWND box, BoxState& s, WPARAM vk) {
  switch (vk) {
    case VK_RETURN:
    case VK_SPACE: s.Result = s.Buttons[static_cast<std::size_t>(s.Focused)].Id; return true;
    case VK_ESCAPE: s.Result = MessageBoxCancelId(s.Flags); return true;
    case VK_TAB: MoveFocus(box, s, GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return true;
    case VK_LEFT:
    case VK_UP: MoveFocus(box, s, -1); return true;
    case VK_RIGHT:
    case VK_DOWN: MoveFocus(box, s, 1); return true;
  }
  return false;
}

void OnChar(BoxState& s, WPARAM c) {
  if (c < U'A') return;
  for (const MessageBoxButton& b : s.Buttons)
    if (Menus::FoldCase(static_cast<unsigned char>(b.Caption[0])) == Menus::FoldCase(static_cast<char32_t>(c))) {
      s.Result = b.Id;
      return;
    }
}

LRESULT BoxProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
    if (cs) SetWindowLongPtr(box, GWL_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    return DefWindowProc(box, msg, wParam, lParam);
  }
  BoxState* s = StateOf(box);
  if (!s) return DefWindowProc(box, msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(box, &ps);
      RECT client;
      GetClientRect(box, &client);
      PaintBox(dc, *s, client);
      EndPaint(box, &ps);
      return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (OnKey(box, *s, wParam)) return 0;
      break;
    case WM_CHAR: OnChar(*s, wParam); return 0;
    case WM_LBUTTONDOWN: {
      int i = ButtonAt(*s, lParam);
      if (i < 0) return 0;
      s->Pressed = s->Focused = i;
      s->PressedInside = true;
      SetCapture(box);
      InvalidateRect(box, nullptr, TRUE);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (s->Pressed >= 0 && (ButtonAt(*s, lParam) == s->Pressed) != s->PressedInside) {
        s->PressedInside = !s->PressedInside;
        InvalidateRect(box, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONUP:
      if (s->Pressed >= 0) {
        if (GetCapture() == box) ReleaseCapture();
        if (ButtonAt(*s, lParam) == s->Pressed) s->Result = s->Buttons[static_cast<std::size_t>(s->Pressed)].Id;
        s->Pressed = -1;
        InvalidateRect(box, nullptr, TRUE);
      }
      return 0;
    case WM_CLOSE: s->Result = MessageBoxCancelId(s->Flags); return 0;
    case WM_NCDESTROY: SetWindowLongPtr(box, GWL_USERDATA, 0); break;
  }
  return DefWindowProc(box, msg, wParam, lParam);
}

void RegisterBoxClass() {
  WNDCLASS existing;
  if (GetClassInfo(nullptr, kBoxClass, &existing)) return;
  WNDCLASS wc;
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = &BoxProc;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kBoxClass;
  RegisterClass(&wc);
}

// Centred over the owner when it shows, else over the primary screen; kept
// on the desktop.
TPoint Placement(HWND owner, TSize size) {
  std::vector<TRect> monitors = MonitorRects();
  TRect over = monitors.empty() ? TRect(0, 0, 640, 480) : monitors.front();
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &over);
  int x = over.left + (over.Width() - size.cx) / 2;
  int y = over.top + (over.Height() - size.cy) / 2;
  TRect desk = DesktopRect();
  if (!IsRectEmpty(&desk)) {
    x = std::max<int>(desk.left, std::min<int>(x, desk.right - size.cx));
    y = std::max<int>(desk.top, std::min<int>(y, desk.bottom - size.cy));
  }
  return TPoint(x, y);
}

int ShowBox(HWND owner, const AnsiString& text, const AnsiString& caption, UINT flags) {
  RegisterBoxClass();
  BoxState s;
  s.Text = text;
  s.Flags = flags;
  s.Buttons = MessageBoxButtons(flags);
  s.Focused = MessageBoxDefaultIndex(flags);
  const TSize textSize = MeasureText(text);
  const bool icon = (flags & MB_ICONMASK) != 0;
  s.Layout = LayoutMessageBox(textSize, static_cast<int>(s.Buttons.size()), icon);

  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | ((flags & MB_TOPMOST) ? WS_EX_TOPMOST : 0);
  TSize size = WindowSizeOf(s.Layout.Client, style, exStyle);
  if (int shortBy = CaptionShortfall(caption, style, exStyle, size); shortBy > 0) {
    s.Layout = LayoutMessageBox(textSize, static_cast<int>(s.Buttons.size()), icon, s.Layout.Client.cx + shortBy);
    size = WindowSizeOf(s.Layout.Client, style, exStyle);
  }
  TPoint at = Placement(owner, size);
  HWND box = CreateWindowEx(exStyle, kBoxClass, caption.c_str(), style, at.x, at.y, size.cx, size.cy, owner, nullptr,
                            nullptr, &s);
  if (!box) return 0;
  if (!MessageBoxCancelId(flags)) EnableMenuItem(GetSystemMenu(box, FALSE), static_cast<UINT>(SC_CLOSE), MF_BYCOMMAND | MF_GRAYED);

  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(box, SW_SHOWNORMAL);
  SetActiveWindow(box);
  SetFocus(box);

  MSG m;
  while (!s.Result && IsWindow(box)) {
    BOOL got = GetMessage(&m, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    TranslateMessage(&m);
    DispatchMessage(&m);
  }
  int result = s.Result;
  if (!result) result = MessageBoxCancelId(flags) ? MessageBoxCancelId(flags) : s.Buttons[static_cast<std::size_t>(s.Focused)].Id;
  // The owner is enabled again first, so activation goes back to it.
  if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
  if (IsWindow(box)) DestroyWindow(box);
  if (owner && IsWindow(owner) && ownerWasEnabled) SetActiveWindow(owner);
  return result;
}

}  // namespace

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
  EnsureNonClientEngine();
  AnsiString t = text ? text : "";
  AnsiString c = caption ? caption : "Fehler";
  std::vector<MessageBoxButton> buttons = MessageBoxButtons(flags);
  int byDefault = buttons[static_cast<std::size_t>(MessageBoxDefaultIndex(flags))].Id;
  if (Backend::HostInstalled()) {
    std::optional<Backend::AskAnswer> a = Backend::CurrentHost().Ask({"MessageBox", c.str(), t.str(), flags});
    if (a && a->Result > 0) {
      for (const MessageBoxButton& b : buttons)
        if (b.Id == a->Result) return b.Id;
      return byDefault;
    }
  }
  HWND root = owner && IsWindow(owner) ? GetAncestor(owner, GA_ROOT) : nullptr;
  return ShowBox(root, t, c, flags);
}
