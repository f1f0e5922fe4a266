// The non-client engine's hooks and its default handling of the non-client
// mouse, the menu keys and the system commands.
#include "nc_engine.h"

#include "cursor.h"
#include "host.h"
#include "keyboard.h"
#include "menu.h"
#include "menu_tracking.h"
#include "message_queue.h"
#include "mouse.h"
#include "nc_geometry.h"
#include "nc_paint.h"
#include "nc_size_loop.h"
#include "nc_state.h"
#include "paint.h"
#include "queue_internal.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"
#include "windowclass.h"

using namespace WindowManager;

namespace {

NonClientLayout LayoutOf(const WindowRecord& w) {
  return LayoutNonClient(w.Style, w.ExStyle, w.IsTopLevel() && GetMenu(w.Handle), w.Rect.Width(), w.Rect.Height());
}

LRESULT HitTester(HWND hwnd, POINT screen) {
  WindowRecord* w = Find(hwnd);
  if (!w) return HTNOWHERE;
  TPoint o = OriginOnScreen(*w);
  LRESULT hit = HitTestLayout(LayoutOf(*w), w->Rect.Width(), w->Rect.Height(), TPoint(screen.x - o.x, screen.y - o.y));
  // The window chose its own client area (WM_NCCALCSIZE); the point lies
  // outside it all the same.
  return hit == HTCLIENT ? HTBORDER : hit;
}

bool CaptionTest(Backend::HostWindowId id, int x, int y, void*) {
  WindowRecord* w = FindByHost(id);
  if (!w) return false;
  LPARAM at = MAKELPARAM(static_cast<WORD>(w->Rect.left + x), static_cast<WORD>(w->Rect.top + y));
  return Send(*w, WM_NCHITTEST, 0, at) == HTCAPTION;
}

void RegisterCaptionTest() {
  if (Backend::HostInstalled()) Backend::CurrentHost().SetCaptionTest(&CaptionTest, nullptr);
}

// The window that saw Alt go down with no other key since, if any. Only its
// own release opens its menu: when a dialog closes while Alt is held (the
// desktop took Alt+F4 and closed it), the release reaches the window below.
HWND& AltAloneIn() {
  static HWND window = nullptr;
  return window;
}

// The key-downs taken from the queue when Alt went down. A key pressed with
// Alt held ends "Alt alone" even when a control consumed it (a combo box's
// Alt+Down) and it never reached the default handling here.
DWORD& KeyDownsAtAlt() {
  static DWORD count = 0;
  return count;
}

bool AltStillAlone() { return AltAloneIn() && KeyDownsTaken() == KeyDownsAtAlt(); }

bool CloseAllowed(HWND hwnd) {
  NonClient::WindowState* s = NonClient::FindState(hwnd);
  if (!s || !s->SystemMenu) return true;
  UINT state = GetMenuState(s->SystemMenu, SC_CLOSE, MF_BYCOMMAND);
  return state == static_cast<UINT>(-1) || !(state & (MF_GRAYED | MF_DISABLED));
}

bool IsMouseMessage(UINT m) { return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK); }
bool IsKeyMessage(UINT m) { return m >= WM_KEYFIRST && m <= WM_KEYLAST; }

// Holds a caption button pushed while the mouse stays on it; true when it
// was released there.
bool TrackCaptionButton(HWND hwnd, LRESULT button) {
  NonClient::WindowState& s = NonClient::StateOf(hwnd);
  s.PushedButton = button;
  RepaintCaption(hwnd);
  SetCapture(hwnd);
  bool inside = true;
  MSG m;
  for (;;) {
    BOOL got = GetMessage(&m, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(m.wParam));
      inside = false;
      break;
    }
    if (!IsWindow(hwnd) || GetCapture() != hwnd) {
      DispatchMessage(&m);
      inside = false;
      break;
    }
    // The release may have been queued before the capture, as a
    // non-client message.
    bool move = m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE;
    bool up = m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP;
    if (move || up) {
      bool now = HitTester(hwnd, m.pt) == button;
      if (now != inside) {
        inside = now;
        NonClient::StateOf(hwnd).PushedButton = inside ? button : 0;
        RepaintCaption(hwnd);
      }
      if (up) break;
      continue;
    }
    if (IsMouseMessage(m.message) || IsKeyMessage(m.message)) continue;
    DispatchMessage(&m);
  }
  if (!IsWindow(hwnd)) return false;
  if (GetCapture() == hwnd) ReleaseCapture();
  NonClient::StateOf(hwnd).PushedButton = 0;
  RepaintCaption(hwnd);
  return inside;
}

WPARAM ButtonCommand(HWND hwnd, LRESULT button) {
  WindowRecord* w = Find(hwnd);
  if (!w) return 0;
  switch (button) {
    case HTCLOSE: return CloseAllowed(hwnd) ? SC_CLOSE : 0;
    case HTMINBUTTON: return (w->Style & WS_MINIMIZEBOX) ? SC_MINIMIZE : 0;
    case HTMAXBUTTON: return (w->Style & WS_MAXIMIZEBOX) ? (w->Maximized ? SC_RESTORE : SC_MAXIMIZE) : 0;
    case HTHELP: return SC_CONTEXTHELP;
  }
  return 0;
}

HWND Root(HWND hwnd);

bool ButtonDown(HWND hwnd, WPARAM hit, LPARAM at) {
  switch (hit) {
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTHELP: {
      WPARAM command = ButtonCommand(hwnd, static_cast<LRESULT>(hit));
      if (command && TrackCaptionButton(hwnd, static_cast<LRESULT>(hit))) SendMessage(hwnd, WM_SYSCOMMAND, command, at);
      return true;
    }
    case HTSYSMENU:
    case HTMENU: SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + hit, at); return true;
    case HTCAPTION: return true;  // the host drags the window by its caption
  }
  if (IsSizingHit(static_cast<LRESULT>(hit))) {
    // A child's grip sizes the frame it sits in; only a sizing frame sizes.
    HWND root = Root(hwnd);
    WindowRecord* w = Find(root);
    if (!w || !(w->Style & WS_THICKFRAME) || w->Maximized) return true;
    const WPARAM side = hit == HTGROWBOX ? HTBOTTOMRIGHT - HTLEFT + 1 : hit - HTLEFT + 1;
    SendMessage(root, WM_SYSCOMMAND, SC_SIZE + side, at);
    return true;
  }
  return false;
}

bool DoubleClick(HWND hwnd, WPARAM hit, LPARAM at) {
  WindowRecord* w = Find(hwnd);
  if (!w) return false;
  if (hit == HTSYSMENU) {
    if (CloseAllowed(hwnd)) SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, at);
    return true;
  }
  if (hit == HTCAPTION && (w->Style & WS_MAXIMIZEBOX)) {
    SendMessage(hwnd, WM_SYSCOMMAND, w->Maximized ? SC_RESTORE : SC_MAXIMIZE, at);
    return true;
  }
  return false;
}

HWND Root(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  return root ? root : hwnd;
}

LPCSTR CursorForHit(LRESULT hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return IDC_SIZENESW;
  }
  return IDC_ARROW;
}

LRESULT DefaultCursor(WindowRecord& w, WPARAM target, LPARAM lParam) {
  if (!w.IsTopLevel() && SendMessage(w.Parent, WM_SETCURSOR, target, lParam)) return TRUE;
  // Asked on behalf of a child: the child sets its own.
  if (reinterpret_cast<HWND>(target) != w.Handle) return FALSE;
  LRESULT hit = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  if (hit == HTCLIENT) {
    if (w.Class && w.Class->Cursor) SetCursor(w.Class->Cursor);
    return FALSE;
  }
  SetCursor(LoadCursor(nullptr, CursorForHit(hit)));
  return TRUE;
}

bool Extension(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_NCCREATE: RegisterCaptionTest(); return false;
    case WM_NCDESTROY: NonClient::ForgetState(hwnd); return false;
    case WM_NCACTIVATE: NonClient::StateOf(hwnd).Active = wParam ? 1 : 0; return false;
    case WM_NCLBUTTONDOWN: return ButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK: return DoubleClick(hwnd, wParam, lParam);
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_KEYMENU: Menus::StartKeyboardMenu(hwnd, static_cast<char32_t>(lParam)); return true;
        case SC_MOUSEMENU:
          Menus::StartMouseMenu(hwnd, static_cast<LRESULT>(wParam & 0xF),
                                TPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
          return true;
        case SC_CLOSE: return !CloseAllowed(hwnd);
        case SC_SIZE:
          // From a drag of the frame the side is in the low bits (1 for the
          // left ... 8 for the bottom right corner); without one (the window
          // menu) the keyboard sizes.
          TrackSizeLoop(hwnd, (wParam & 0xF) ? static_cast<LRESULT>(HTLEFT + (wParam & 0xF) - 1) : HTNOWHERE,
                        TPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
          return true;
      }
      return false;
    case WM_KEYDOWN: AltAloneIn() = nullptr; return false;
    case WM_SYSKEYDOWN:
      if (wParam == VK_MENU) {
        if (!(static_cast<DWORD>(lParam) & (1u << 30))) {
          AltAloneIn() = Root(hwnd);
          KeyDownsAtAlt() = KeyDownsTaken();
        }
        return false;
      }
      AltAloneIn() = nullptr;
      if (wParam == VK_F10 && GetKeyState(VK_SHIFT) >= 0) {
        SendMessage(Root(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return true;
      }
      return false;
    case WM_SYSKEYUP:
      if (wParam == VK_MENU && AltAloneIn()) {
        const bool here = AltStillAlone() && AltAloneIn() == Root(hwnd);
        AltAloneIn() = nullptr;
        if (!here) return false;
        SendMessage(Root(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return true;
      }
      return false;
    case WM_SYSCHAR:
      if (!(static_cast<DWORD>(lParam) & (1u << 29))) return false;
      SendMessage(Root(hwnd), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
      return true;
    case WM_SETCURSOR:
      if (WindowRecord* w = Find(hwnd)) result = DefaultCursor(*w, wParam, lParam);
      return true;
  }
  return false;
}

}  // namespace

void InstallNonClientEngine() {
  SetNonClientMetricsProvider(&FrameInsets);
  SetNonClientPainter(&NonClient::PaintFrame);
  SetNonClientHitTester(&HitTester);
  SetDefWindowProcExtension(&Extension);
  RegisterCaptionTest();
}

void EnsureNonClientEngine() {
  static const bool installed = (InstallNonClientEngine(), true);
  (void)installed;
}

void RepaintMenuBar(HWND hwnd) {
  if (!IsWindowVisible(hwnd)) return;
  HDC dc = GetWindowDC(hwnd);
  NonClient::PaintMenuBarOf(hwnd, dc);
  ReleaseDC(hwnd, dc);
}

void RepaintCaption(HWND hwnd) {
  if (!IsWindowVisible(hwnd)) return;
  HDC dc = GetWindowDC(hwnd);
  NonClient::PaintCaption(hwnd, dc);
  ReleaseDC(hwnd, dc);
}
