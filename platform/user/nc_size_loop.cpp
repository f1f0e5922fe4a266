#include "nc_size_loop.h"

#include <algorithm>

#include "keyboard.h"
#include "message_queue.h"
#include "metrics.h"
#include "mouse.h"
#include "window.h"
#include "window_pos.h"

namespace {

bool MovesLeft(LRESULT hit) { return hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT; }
bool MovesRight(LRESULT hit) {
  return hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT || hit == HTGROWBOX;
}
bool MovesTop(LRESULT hit) { return hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT; }
bool MovesBottom(LRESULT hit) {
  return hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT || hit == HTGROWBOX;
}

// One side's new length, within the limits.
LONG Within(LONG length, LONG least, LONG most) { return std::clamp(length, least, std::max(least, most)); }

}  // namespace

bool IsSizingHit(LRESULT hit) { return hit == HTGROWBOX || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT); }

TRect SizedRect(const TRect& start, LRESULT hit, int dx, int dy, const MINMAXINFO& limits) {
  TRect r = start;
  if (MovesLeft(hit)) {
    r.left = r.right - Within(start.Width() - dx, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
  } else if (MovesRight(hit)) {
    r.right = r.left + Within(start.Width() + dx, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
  }
  if (MovesTop(hit)) {
    r.top = r.bottom - Within(start.Height() - dy, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
  } else if (MovesBottom(hit)) {
    r.bottom = r.top + Within(start.Height() + dy, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
  }
  return r;
}

MINMAXINFO TrackLimits(HWND hwnd) {
  MINMAXINFO limits{};
  const int frameX = GetSystemMetrics(SM_CXFRAME), frameY = GetSystemMetrics(SM_CYFRAME);
  limits.ptMaxSize = TPoint(GetSystemMetrics(SM_CXSCREEN) + 2 * frameX, GetSystemMetrics(SM_CYSCREEN) + 2 * frameY);
  limits.ptMaxPosition = TPoint(-frameX, -frameY);
  limits.ptMinTrackSize = TPoint(GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK));
  limits.ptMaxTrackSize = limits.ptMaxSize;
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  return limits;
}

namespace {

// The side an arrow names, and its step on each axis.
struct Arrow {
  LRESULT edge;
  int dx, dy;
};

bool ArrowOf(WPARAM key, Arrow& out) {
  switch (key) {
    case VK_LEFT: out = {HTLEFT, -1, 0}; return true;
    case VK_RIGHT: out = {HTRIGHT, 1, 0}; return true;
    case VK_UP: out = {HTTOP, 0, -1}; return true;
    case VK_DOWN: out = {HTBOTTOM, 0, 1}; return true;
  }
  return false;
}

bool Horizontal(LRESULT edge) { return edge == HTLEFT || edge == HTRIGHT; }

// An edge with a crosswise edge added: the corner where they meet.
LRESULT CornerOf(LRESULT edge, LRESULT cross) {
  const bool left = edge == HTLEFT || cross == HTLEFT, top = edge == HTTOP || cross == HTTOP;
  if (top) return left ? HTTOPLEFT : HTTOPRIGHT;
  return left ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
}

// How far one arrow press moves the chosen edge or corner.
constexpr int kKeyStep = 8;

}  // namespace

LRESULT KeyboardSizeHit(LRESULT hit, WPARAM key) {
  Arrow a;
  if (!ArrowOf(key, a)) return hit;
  if (!IsSizingHit(hit)) return a.edge;
  const bool edgeOnly = hit == HTLEFT || hit == HTRIGHT || hit == HTTOP || hit == HTBOTTOM;
  if (edgeOnly && Horizontal(hit) != Horizontal(a.edge)) return CornerOf(hit, a.edge);
  return hit;
}

void TrackSizeLoop(HWND hwnd, LRESULT hit, POINT start) {
  RECT before;
  if (!GetWindowRect(hwnd, &before)) return;
  // Without a side the loop starts from the keyboard: arrows choose the
  // edge, then the corner, then move it.
  bool keyboard = !IsSizingHit(hit);
  if (keyboard && (!(GetWindowLong(hwnd, GWL_STYLE) & WS_THICKFRAME) || IsZoomed(hwnd))) return;
  if (keyboard) hit = HTNOWHERE;
  const bool fromKeys = keyboard;
  const TRect startRect = before;
  TRect base = startRect;  // where the mouse's offsets count from
  TRect current = startRect;
  const MINMAXINFO limits = TrackLimits(hwnd);
  SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  auto place = [&](const TRect& r) {
    current = r;
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  MSG m;
  for (;;) {
    BOOL got = GetMessage(&m, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (!IsWindow(hwnd)) break;
    if (GetCapture() != hwnd) {
      DispatchMessage(&m);
      break;
    }
    const bool move = m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE;
    const bool up = m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP;
    if (fromKeys && m.message == WM_KEYDOWN && m.wParam == VK_RETURN) break;
    if (keyboard && m.message == WM_KEYDOWN) {
      const LRESULT chosen = KeyboardSizeHit(hit, m.wParam);
      Arrow a;
      if (chosen == hit && IsSizingHit(hit) && ArrowOf(m.wParam, a))
        place(SizedRect(current, hit, a.dx * kKeyStep, a.dy * kKeyStep, limits));
      hit = chosen;
      if (m.wParam != VK_ESCAPE) continue;
    }
    if (keyboard && move) {
      // The mouse takes over from here, counting from where it is now; with
      // no side chosen yet there is nothing for it to drag.
      if (!IsSizingHit(hit)) continue;
      keyboard = false;
      base = current;
      start = m.pt;
      continue;
    }
    if (keyboard && (m.message == WM_LBUTTONDOWN || m.message == WM_NCLBUTTONDOWN)) break;
    if (move || up) {
      place(SizedRect(base, hit, m.pt.x - start.x, m.pt.y - start.y, limits));
      if (up) break;
      continue;
    }
    if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
      place(startRect);
      break;
    }
    // Other keys and clicks wait for the end of the drag.
    if ((m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) ||
        (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST))
      continue;
    DispatchMessage(&m);
  }
  if (!IsWindow(hwnd)) return;
  if (GetCapture() == hwnd) ReleaseCapture();
  SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}
