// The default handling of messages.
#include <algorithm>
#include <cstring>

#include "brush.h"
#include "fill.h"
#include "host.h"
#include "keyboard.h"
#include "message_queue.h"
#include "mouse.h"
#include "focus.h"
#include "paint.h"
#include "rgn.h"
#include "syscolors.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"
#include "wndproc.h"

using namespace WindowManager;

namespace {

// A class background given as a colour index + 1 in place of a brush.
HBRUSH ClassBrush(const WindowRecord& w) {
  if (!w.Class || !w.Class->Background) return nullptr;
  auto value = reinterpret_cast<std::uintptr_t>(w.Class->Background);
  if (value <= static_cast<std::uintptr_t>(kSysColorCount)) return GetSysColorBrush(static_cast<int>(value) - 1);
  return w.Class->Background;
}

LRESULT EraseBackground(WindowRecord& w, HDC dc) {
  HBRUSH brush = ClassBrush(w);
  if (!brush || !dc) return 0;
  RECT r;
  GetClipBox(dc, &r);
  FillRect(dc, &r, brush);
  return 1;
}

LRESULT CopyText(const WindowRecord& w, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  const std::string& text = w.Text.str();
  std::size_t n = std::min<std::size_t>(text.size(), size - 1);
  // Never cut a character in two.
  if (n < text.size()) n = Utf8StartOfCodePoint(text, n);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT HitTest(WindowRecord& w, LPARAM lParam) {
  TPoint screen(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  TPoint origin = OriginOnScreen(w);
  TPoint p(screen.x - origin.x, screen.y - origin.y);
  TRect whole(0, 0, w.Rect.Width(), w.Rect.Height());
  if (!PtInRect(&whole, p) || (w.Shape && !w.Shape->Contains(p))) return HTNOWHERE;
  if (PtInRect(&w.Client, p)) return HTCLIENT;
  return HitTestNonClient(w.Handle, screen);
}

LRESULT SysCommand(HWND hwnd, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
  }
  return 0;
}

WPARAM SizeKind(const WindowRecord& w) {
  return w.Minimized ? SIZE_MINIMIZED : w.Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT extended = 0;
  if (CallDefWindowProcExtension(hwnd, msg, wParam, lParam, extended)) return extended;
  WindowRecord* w = Find(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName) w->Text = cs->lpszName;
      if (w->IsTopLevel() && w->Host && Backend::HostInstalled()) Backend::CurrentHost().SetTitle(w->Host, w->Text.str());
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (!r) return 0;
      TRect in = NonClientInsets(w->Style, w->ExStyle, w->IsTopLevel() && w->Menu);
      r->left += in.left, r->top += in.top, r->right -= in.right, r->bottom -= in.bottom;
      r->right = std::max(r->right, r->left);
      r->bottom = std::max(r->bottom, r->top);
      return 0;
    }
    case WM_NCHITTEST: return HitTest(*w, lParam);
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(hwnd);
      Region whole(TRect(0, 0, w->Rect.Width(), w->Rect.Height()));
      PaintNonClient(hwnd, dc, whole);
      ReleaseDC(hwnd, dc);
      return 0;
    }
    case WM_NCACTIVATE:
      if (w->Client != TRect(0, 0, w->Rect.Width(), w->Rect.Height())) w->NonClientOwed = true;
      return TRUE;
    case WM_ERASEBKGND: return EraseBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SETTEXT:
      w->Text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      if (w->IsTopLevel() && w->Host && Backend::HostInstalled()) Backend::CurrentHost().SetTitle(w->Host, w->Text.str());
      if (w->Client != TRect(0, 0, w->Rect.Width(), w->Rect.Height())) w->NonClientOwed = true;
      return TRUE;
    case WM_GETTEXT: return CopyText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->Text.str().size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: return SysCommand(hwnd, wParam);
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (static_cast<DWORD>(lParam) & (1u << 29))) {
        HWND root = GetAncestor(hwnd, GA_ROOT);
        SendMessage(root, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_MOUSEACTIVATE:
      if (!w->IsTopLevel()) {
        LRESULT r = SendMessage(w->Parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (r) return r;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR:
      if (!w->IsTopLevel() && SendMessage(w->Parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
      return FALSE;
    case WM_MOUSEWHEEL:
      if (!w->IsTopLevel()) return SendMessage(w->Parent, WM_MOUSEWHEEL, wParam, lParam);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!wp) return 0;
      if (!(wp->flags & SWP_NOMOVE)) {
        TPoint c(w->Rect.left + w->Client.left, w->Rect.top + w->Client.top);
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.x), static_cast<WORD>(c.y)));
      }
      if (!(wp->flags & SWP_NOSIZE) && (w = Find(hwnd)))
        SendMessage(hwnd, WM_SIZE, SizeKind(*w), MAKELPARAM(static_cast<WORD>(w->Client.Width()), static_cast<WORD>(w->Client.Height())));
      return 0;
    }
    case WM_SETREDRAW:
      if (!wParam && w->IsVisibleBit()) {
        w->Style &= ~WS_VISIBLE;
        w->RedrawOff = true;
      } else if (wParam && w->RedrawOff) {
        w->Style |= WS_VISIBLE;
        w->RedrawOff = false;
      }
      if (WindowRecord* top = TopLevelOf(*w)) RefreshWindowDCs(*top);
      return 0;
  }
  return 0;
}
