#include "cursor.h"
#include "cursor_caret.h"
#include "focus.h"
#include "keyboard.h"
#include "menu.h"
#include "nc_engine.h"
#include "paint.h"
#include "surface.h"
#include "syscolors.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

class Frames : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    InstallNonClientEngine();
  }

  LRESULT HitAt(HWND w, int x, int y) {
    RECT r;
    GetWindowRect(w, &r);
    return SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(r.left + x), static_cast<WORD>(r.top + y)));
  }

  Pixel PixelAt(HWND w, int x, int y) {
    const Surface* s = GetWindowSurface(w);
    return s && s->Contains(x, y) ? s->At(x, y) : 0xFFFFFFFF;
  }
};

// A 300 x 200 sizeable window: frame 4, caption bar 4..22, buttons 16 x 14
// from y 6, close at 278..294, maximise 260..276, minimise 244..260, the
// system-menu icon at 6..22.
TEST_F(Frames, HitTestsOfTheCaptionButtonsBordersAndMenuBar) {
  HMENU menu = CreateMenu();
  AppendMenu(menu, MF_STRING, 1, "&Datei");
  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr, menu,
                          nullptr, nullptr);
  struct Case {
    int X, Y;
    LRESULT Hit;
  } cases[] = {
      {286, 12, HTCLOSE},     {279, 7, HTCLOSE},       {277, 12, HTCAPTION}, {268, 12, HTMAXBUTTON},
      {252, 12, HTMINBUTTON}, {10, 12, HTSYSMENU},     {150, 12, HTCAPTION}, {150, 22, HTCAPTION},
      {20, 30, HTMENU},       {150, 100, HTCLIENT},    {1, 100, HTLEFT},     {298, 100, HTRIGHT},
      {150, 1, HTTOP},        {150, 198, HTBOTTOM},    {1, 1, HTTOPLEFT},    {299, 0, HTTOPRIGHT},
      {2, 190, HTBOTTOMLEFT}, {295, 199, HTBOTTOMRIGHT}, {300, 100, HTNOWHERE},
  };
  for (const Case& c : cases) EXPECT_EQ(HitAt(w, c.X, c.Y), c.Hit) << c.X << "," << c.Y;
}

TEST_F(Frames, ToolWindowsHaveOnlyASmallCloseButtonAndFixedFramesNoSizing) {
  HWND tool = CreateWindowEx(WS_EX_TOOLWINDOW, "LoggingWindow", "t", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_VISIBLE,
                             100, 100, 200, 100, nullptr, nullptr, nullptr, nullptr);
  // Small caption 3..17, close button 10 wide ending 2 before the frame.
  EXPECT_EQ(HitAt(tool, 190, 8), HTCLOSE);
  EXPECT_EQ(HitAt(tool, 175, 8), HTCAPTION) << "no maximise button on a tool window";
  EXPECT_EQ(HitAt(tool, 8, 8), HTCAPTION) << "no system-menu icon";
  EXPECT_EQ(HitAt(tool, 1, 50), HTBORDER) << "a dialog frame does not size";
  EXPECT_EQ(HitAt(tool, 100, 20), HTCLIENT);
}

TEST_F(Frames, ClickOnCloseButtonClosesAndAltF4Too) {
  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  log.clear();
  host->PostClick(100 + 286, 100 + 12);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_CLOSE), 1);
  EXPECT_FALSE(IsWindow(w));

  HWND v = CreateWindowEx(0, "LoggingWindow", "v", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  log.clear();
  handler = [v](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h == v && msg == WM_CLOSE) return 0;  // keep it, to look at the log
    return std::nullopt;
  };
  host->PostKeyDown(VK_MENU, Backend::modAlt);
  host->PostKey(VK_F4, Backend::modAlt);
  host->PostKeyUp(VK_MENU);
  TestSupport::PumpUntilIdle();
  ASSERT_TRUE(IsWindow(v));
  EXPECT_EQ(Count(v, WM_CLOSE), 1);
  bool sawSysClose = false;
  for (const LoggedMessage& m : log) sawSysClose |= m.Hwnd == v && m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_CLOSE;
  EXPECT_TRUE(sawSysClose);
  EXPECT_EQ(Count(v, WM_COMMAND), 0) << "the Alt release after F4 opens no menu";
}

TEST_F(Frames, ReleasingOutsideTheButtonDoesNothing) {
  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  log.clear();
  host->PostMouseMove(100 + 286, 100 + 12);
  host->PostMouseDown(100 + 286, 100 + 12);
  host->PostMouseMove(100 + 150, 100 + 100);
  host->PostMouseUp(100 + 150, 100 + 100);
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(IsWindow(w));
  EXPECT_EQ(Count(w, WM_SYSCOMMAND), 0);
}

TEST_F(Frames, CaptionIsPaintedInTheActiveOrInactiveColour) {
  HWND first = CreateWindowEx(0, "LoggingWindow", "Erstes Fenster", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                              nullptr, nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  const Pixel active = ColorRefToPixel(GetSysColor(COLOR_ACTIVECAPTION));
  const Pixel inactive = ColorRefToPixel(GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_EQ(PixelAt(first, 4, 12), active);
  // Some of the caption text is drawn in the caption text colour.
  const Pixel text = ColorRefToPixel(GetSysColor(COLOR_CAPTIONTEXT));
  int textPixels = 0;
  for (int x = 24; x < 150; ++x)
    for (int y = 6; y < 20; ++y) textPixels += PixelAt(first, x, y) == text;
  EXPECT_GT(textPixels, 20);
  // The raised frame: a light outer top-left and a dark outer bottom-right.
  EXPECT_EQ(PixelAt(first, 0, 100), ColorRefToPixel(GetSysColor(COLOR_3DLIGHT)));
  EXPECT_EQ(PixelAt(first, 299, 100), ColorRefToPixel(GetSysColor(COLOR_3DDKSHADOW)));

  HWND second = CreateWindowEx(0, "LoggingWindow", "Zweites", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 150, 150, 300, 200,
                               nullptr, nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(PixelAt(first, 4, 12), inactive);
  EXPECT_EQ(PixelAt(second, 4, 12), active);
}

TEST_F(Frames, SizingBordersShowSizingCursors) {
  HWND w = CreateWindowEx(0, "LoggingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                          nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  struct Case {
    int X, Y;
    Backend::Cursor Shape;
  } cases[] = {
      {101, 200, Backend::Cursor::SizeWE},   {250, 101, Backend::Cursor::SizeNS},
      {399, 299, Backend::Cursor::SizeNWSE}, {399, 100, Backend::Cursor::SizeNESW},
      {250, 112, Backend::Cursor::Arrow},
  };
  for (const Case& c : cases) {
    host->PostMouseMove(c.X, c.Y);
    TestSupport::PumpUntilIdle();
    EXPECT_EQ(host->CurrentCursor(), c.Shape) << c.X << "," << c.Y;
  }
  (void)w;
}

TEST_F(Frames, StandardCursorsLoadAndTheHandResourceIsTheHand) {
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(kHandCursorResource)), LoadCursor(nullptr, IDC_HAND));
  EXPECT_NE(LoadCursor(nullptr, IDC_IBEAM), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
  SetCursor(LoadCursor(nullptr, IDC_HAND));
  EXPECT_EQ(host->CurrentCursor(), Backend::Cursor::Hand);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
  EXPECT_FALSE(DestroyCursor(LoadCursor(nullptr, IDC_HAND))) << "shared cursors stay";
  BYTE planes[4] = {};
  HCURSOR own = CreateCursor(nullptr, 0, 0, 1, 1, planes, planes);
  ASSERT_TRUE(own);
  EXPECT_TRUE(DestroyCursor(own));
  EXPECT_FALSE(DestroyCursor(own));
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace

namespace {

TEST_F(Frames, CaretInvertsItsBarBlinksAndHidesInNestedCalls) {
  WNDCLASS wc;
  wc.lpfnWndProc = &DefWindowProc;
  wc.lpszClassName = "CaretHost";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
  RegisterClass(&wc);
  HWND w = CreateWindowEx(0, "CaretHost", "", WS_POPUP | WS_VISIBLE, 100, 100, 100, 50, nullptr, nullptr, nullptr, nullptr);
  TestSupport::PumpUntilIdle();
  const Pixel white = ColorRefToPixel(GetSysColor(COLOR_WINDOW));
  auto at = [&](int x, int y) { return GetWindowSurface(w)->At(x, y); };

  ASSERT_TRUE(CreateCaret(w, nullptr, 2, 10));
  ASSERT_TRUE(SetCaretPos(20, 5));
  EXPECT_EQ(at(20, 5), white) << "a new caret is hidden";
  ShowCaret(w);
  EXPECT_EQ(at(21, 14), white ^ kPixelMask);
  EXPECT_EQ(at(22, 5), white);
  TestSupport::AdvanceAndPump(GetCaretBlinkTime(), 10);
  EXPECT_EQ(at(20, 5), white) << "blinked off";
  TestSupport::AdvanceAndPump(GetCaretBlinkTime(), 10);
  EXPECT_EQ(at(20, 5), white ^ kPixelMask) << "and on again";

  HideCaret(w);
  HideCaret(w);
  EXPECT_EQ(at(20, 5), white);
  ShowCaret(w);
  EXPECT_EQ(at(20, 5), white) << "still hidden once";
  ShowCaret(w);
  SetCaretPos(40, 5);
  EXPECT_EQ(at(20, 5), white);
  EXPECT_EQ(at(40, 5), white ^ kPixelMask);
  POINT p;
  ASSERT_TRUE(GetCaretPos(&p));
  EXPECT_EQ(p.x, 40);
  EXPECT_TRUE(DestroyCaret());
  EXPECT_EQ(at(40, 5), white);
  EXPECT_FALSE(ShowCaret(w));
  DestroyWindow(w);
  UnregisterClass("CaretHost", nullptr);
}

}  // namespace
