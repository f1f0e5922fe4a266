// Sizing a frame by its borders, corners and grip: the geometry, the
// window's limits, and the loop that follows the mouse.
#include "keyboard.h"
#include "metrics.h"
#include "nc_engine.h"
#include "nc_size_loop.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

MINMAXINFO Limits(int minW, int minH, int maxW, int maxH) {
  MINMAXINFO l{};
  l.ptMinTrackSize = TPoint(minW, minH);
  l.ptMaxTrackSize = TPoint(maxW, maxH);
  return l;
}

TEST(SizedRect, EachHitMovesItsEdgesWithinTheLimits) {
  const TRect start(100, 100, 400, 300);  // 300 x 200
  const MINMAXINFO limits = Limits(200, 150, 500, 260);
  struct Case {
    LRESULT hit;
    int dx, dy;
    TRect expected;
  } cases[] = {
      {HTLEFT, -20, 99, TRect(80, 100, 400, 300)},
      {HTRIGHT, 30, 0, TRect(100, 100, 430, 300)},
      {HTTOP, 0, 10, TRect(100, 110, 400, 300)},
      {HTBOTTOM, 0, 40, TRect(100, 100, 400, 340)},
      {HTTOPLEFT, -10, -10, TRect(90, 90, 400, 300)},
      {HTTOPRIGHT, 10, 10, TRect(100, 110, 410, 300)},
      {HTBOTTOMLEFT, 10, 10, TRect(110, 100, 400, 310)},
      {HTBOTTOMRIGHT, 10, 10, TRect(100, 100, 410, 310)},
      {HTGROWBOX, 10, 10, TRect(100, 100, 410, 310)},
      // Past the limits the opposite edges stay put.
      {HTLEFT, 250, 0, TRect(200, 100, 400, 300)},
      {HTBOTTOMRIGHT, 900, 900, TRect(100, 100, 600, 360)},
      {HTTOP, 0, 180, TRect(100, 150, 400, 300)},
  };
  for (const Case& c : cases) {
    TRect r = SizedRect(start, c.hit, c.dx, c.dy, limits);
    EXPECT_EQ(r, c.expected) << c.hit << " by " << c.dx << "," << c.dy;
  }
  EXPECT_FALSE(IsSizingHit(HTCAPTION));
  EXPECT_FALSE(IsSizingHit(HTBORDER));
}

class SizeLoop : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    InstallNonClientEngine();
  }
  void Drag(int x, int y, int toX, int toY, bool escape = false) {
    host->PostMouseDown(x, y);
    host->PostMouseMove((x + toX) / 2, (y + toY) / 2);
    host->PostMouseMove(toX, toY);
    if (escape) host->PostKey(VK_ESCAPE);
    host->PostMouseUp(toX, toY);
    TestSupport::PumpUntilIdle();
  }
  static TRect RectOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r;
  }
};

TEST_F(SizeLoop, BordersAndCornersSizeASizingFrameWithinItsMinMaxInfo) {
  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  handler = [](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (msg != WM_GETMINMAXINFO) return std::nullopt;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = TPoint(250, 150);
    info->ptMaxTrackSize = TPoint(420, 320);
    return 0;
  };
  TestSupport::PumpUntilIdle();
  Drag(399, 299, 449, 339);  // the bottom-right corner
  EXPECT_EQ(RectOf(w), TRect(100, 100, 450, 340));
  EXPECT_EQ(Count(w, WM_ENTERSIZEMOVE), 1);
  EXPECT_EQ(Count(w, WM_EXITSIZEMOVE), 1);
  Drag(101, 200, 300, 200);  // the left border, far past the minimum
  EXPECT_EQ(RectOf(w), TRect(200, 100, 450, 340));
  Drag(300, 339, 300, 900);  // the bottom, past the maximum
  EXPECT_EQ(RectOf(w), TRect(200, 100, 450, 420));
  Drag(449, 200, 500, 200, true);  // Escape puts it back
  EXPECT_EQ(RectOf(w), TRect(200, 100, 450, 420));
  EXPECT_EQ(Count(w, WM_SIZE) > 0, true);
}

TEST_F(SizeLoop, AFixedFrameAndAMaximisedOneDoNotSize) {
  HWND fixed = CreateWindowEx(0, "LoggingWindow", "w", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 300, 200,
                              nullptr, nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  Drag(399, 299, 449, 339);
  EXPECT_EQ(RectOf(fixed), TRect(100, 100, 400, 300));
  DestroyWindow(fixed);

  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  ShowWindow(w, SW_MAXIMIZE);
  const TRect maximised = RectOf(w);
  Drag(maximised.right - 1, maximised.bottom - 1, maximised.right - 50, maximised.bottom - 50);
  EXPECT_EQ(RectOf(w), maximised);
  ShowWindow(w, SW_RESTORE);
  EXPECT_EQ(RectOf(w), TRect(100, 100, 400, 300));
}

TEST_F(SizeLoop, AChildsGripSizesItsFrame) {
  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  RECT client;
  GetClientRect(w, &client);
  HWND grip = MakeChild(w, TRect(client.right - 16, client.bottom - 16, client.right, client.bottom));
  handler = [grip](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (hwnd == grip && msg == WM_NCHITTEST) return HTBOTTOMRIGHT;
    return std::nullopt;
  };
  TestSupport::PumpUntilIdle();
  POINT p{client.right - 8, client.bottom - 8};
  ClientToScreen(w, &p);
  Drag(p.x, p.y, p.x + 20, p.y + 30);
  EXPECT_EQ(RectOf(w), TRect(100, 100, 420, 330));
}

}  // namespace
