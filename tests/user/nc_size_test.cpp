// Sizing a frame by its borders, corners and grip: the geometry, the
// window's limits, and the loop that follows the mouse.
#include <vector>

#include "keyboard.h"
#include "metrics.h"
#include "mouse.h"
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
  POINT p = TPoint(client.right - 8, client.bottom - 8);
  ClientToScreen(w, &p);
  Drag(p.x, p.y, p.x + 20, p.y + 30);
  EXPECT_EQ(RectOf(w), TRect(100, 100, 420, 330));
}

class KeyboardSizeLoop : public SizeLoop {
 protected:
  // A sizing frame at (100, 100, 400, 300) that may be 250 x 150 up to
  // 420 x 320.
  HWND LimitedFrame() {
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
    return w;
  }
  // The window menu's size command with `keys` already typed.
  void SizeByKeys(HWND w, const std::vector<int>& keys) {
    for (int k : keys) host->PostKey(k);
    SendMessage(w, WM_SYSCOMMAND, SC_SIZE, 0);
    TestSupport::PumpUntilIdle();
  }
  static std::vector<int> Repeat(int key, int times) { return std::vector<int>(times, key); }
  static std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  }
};

TEST_F(KeyboardSizeLoop, ArrowsPickTheEdgeThenTheCornerThenMoveItWithinTheLimits) {
  HWND w = LimitedFrame();
  const TRect start(100, 100, 400, 300);
  struct Case {
    const char* what;
    std::vector<int> keys;
    TRect expected;
  } cases[] = {
      {"the first arrow only picks the edge", {VK_RIGHT, VK_RETURN}, start},
      {"right edge out", {VK_RIGHT, VK_RIGHT, VK_RETURN}, TRect(100, 100, 408, 300)},
      {"left edge out twice", {VK_LEFT, VK_LEFT, VK_LEFT, VK_RETURN}, TRect(84, 100, 400, 300)},
      {"bottom edge in", {VK_DOWN, VK_UP, VK_UP, VK_RETURN}, TRect(100, 100, 400, 284)},
      {"top edge in then out", {VK_UP, VK_DOWN, VK_DOWN, VK_UP, VK_RETURN}, TRect(100, 108, 400, 300)},
      {"bottom-right corner", {VK_RIGHT, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, TRect(100, 100, 408, 308)},
      {"top-left corner", {VK_UP, VK_LEFT, VK_LEFT, VK_UP, VK_RETURN}, TRect(92, 92, 400, 300)},
      {"keys other than arrows do nothing", {'A', VK_RIGHT, VK_SPACE, VK_RIGHT, VK_RETURN}, TRect(100, 100, 408, 300)},
      {"stops at the largest width", Join({{VK_RIGHT}, Repeat(VK_RIGHT, 20), {VK_RETURN}}), TRect(100, 100, 520, 300)},
      {"a way back counts from the limit",
       Join({{VK_RIGHT}, Repeat(VK_RIGHT, 20), {VK_LEFT, VK_RETURN}}),
       TRect(100, 100, 512, 300)},
      {"stops at the smallest width", Join({{VK_LEFT}, Repeat(VK_RIGHT, 10), {VK_RETURN}}), TRect(150, 100, 400, 300)},
      {"stops at the smallest height", Join({{VK_UP}, Repeat(VK_DOWN, 10), {VK_RETURN}}),
       TRect(100, 150, 400, 300)},
      {"Escape puts it back", {VK_RIGHT, VK_DOWN, VK_RIGHT, VK_DOWN, VK_ESCAPE}, start},
  };
  for (const Case& c : cases) {
    SetWindowPos(w, nullptr, start.left, start.top, start.Width(), start.Height(), SWP_NOZORDER);
    log.clear();
    SizeByKeys(w, c.keys);
    EXPECT_EQ(RectOf(w), c.expected) << c.what;
    EXPECT_EQ(Count(w, WM_ENTERSIZEMOVE), 1) << c.what;
    EXPECT_EQ(Count(w, WM_EXITSIZEMOVE), 1) << c.what;
  }
}

TEST_F(KeyboardSizeLoop, AMouseMoveHandsTheChosenSideToTheMouse) {
  HWND w = LimitedFrame();
  // The right edge is picked and moved once, then the mouse drags it on
  // from where it stands; the click ends the loop.
  host->PostKey(VK_RIGHT);
  host->PostKey(VK_RIGHT);
  host->PostMouseMove(250, 200);
  host->PostMouseMove(280, 210);
  host->PostMouseDown(280, 210);
  host->PostMouseUp(280, 210);
  SendMessage(w, WM_SYSCOMMAND, SC_SIZE, 0);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(RectOf(w), TRect(100, 100, 438, 300));

  // Before a side is chosen the mouse has nothing to drag.
  host->PostMouseMove(250, 200);
  host->PostMouseMove(290, 260);
  host->PostKey(VK_RETURN);
  SendMessage(w, WM_SYSCOMMAND, SC_SIZE, 0);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(RectOf(w), TRect(100, 100, 438, 300));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(KeyboardSizeLoop, AFixedOrMaximisedFrameIgnoresTheSizeCommand) {
  HWND fixed = CreateWindowEx(0, "LoggingWindow", "w", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 300, 200,
                              nullptr, nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  SizeByKeys(fixed, {VK_RIGHT, VK_RIGHT, VK_RETURN});
  EXPECT_EQ(RectOf(fixed), TRect(100, 100, 400, 300));
  EXPECT_EQ(Count(fixed, WM_ENTERSIZEMOVE), 0);

  HWND w = LimitedFrame();
  ShowWindow(w, SW_MAXIMIZE);
  const TRect maximised = RectOf(w);
  SizeByKeys(w, {VK_LEFT, VK_RIGHT, VK_RETURN});
  EXPECT_EQ(RectOf(w), maximised);
  EXPECT_EQ(Count(w, WM_ENTERSIZEMOVE), 0);
}

}  // namespace
