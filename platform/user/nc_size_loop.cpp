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

void TrackSizeLoop(HWND hwnd, LRESULT hit, POINT start) {
  RECT before;
  if (!IsSizingHit(hit) || !GetWindowRect(hwnd, &before)) return;
  const TRect startRect = before;
  const MINMAXINFO limits = TrackLimits(hwnd);
  SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  auto place = [&](const TRect& r) {
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
    if (move || up) {
      place(SizedRect(startRect, hit, m.pt.x - start.x, m.pt.y - start.y, limits));
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
