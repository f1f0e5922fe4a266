#include "screen.h"
#include "shell.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

using Desktop = UserTest;

TEST_F(Desktop, TheDesktopIsTheUnionOfTheMonitors) {
  host->SetDisplays({TRect(0, 0, 1280, 1024), TRect(1280, 124, 3200, 1204)});
  EXPECT_EQ(DesktopRect(), TRect(0, 0, 3200, 1204));
  EXPECT_EQ(DesktopWidth(), 3200);
  EXPECT_EQ(MonitorRects().size(), 2u);
  RECT r;
  GetWindowRect(GetDesktopWindow(), &r);
  EXPECT_EQ(TRect(r), TRect(0, 0, 3200, 1204));
  HWND w = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_DISPLAYCHANGE), 1);
  ShowWindow(w, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(w));
  GetWindowRect(w, &r);
  EXPECT_EQ(TRect(r), TRect(0, 0, 1280, 1024));
  ShowWindow(w, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(w));
  GetWindowRect(w, &r);
  EXPECT_EQ(TRect(r), TRect(100, 100, 300, 250));
}

TEST_F(Desktop, ShellExecuteHandsOpenToTheHost) {
  auto ok = reinterpret_cast<std::intptr_t>(ShellExecute(nullptr, "open", "https://example.org/help", nullptr, nullptr, 10));
  EXPECT_GT(ok, 32);
  EXPECT_GT(reinterpret_cast<std::intptr_t>(ShellExecute(nullptr, nullptr, "mailto:a@b.c", nullptr, nullptr, 1)), 32);
  EXPECT_LE(reinterpret_cast<std::intptr_t>(ShellExecute(nullptr, "print", "x.txt", nullptr, nullptr, 1)), 32);
  EXPECT_EQ(host->OpenedUrls(), (std::vector<std::string>{"https://example.org/help", "mailto:a@b.c"}));
  EXPECT_TRUE(MessageBeep(0));
}

TEST_F(Desktop, ShellExecuteReportsADesktopThatRefuses) {
  host->RefuseUrls(true);
  auto refused = reinterpret_cast<std::intptr_t>(ShellExecute(nullptr, "open", "https://example.org/x", nullptr, nullptr, 1));
  EXPECT_EQ(refused, SE_ERR_NOASSOC);
  host->RefuseUrls(false);
  EXPECT_GT(reinterpret_cast<std::intptr_t>(ShellExecute(nullptr, "open", "https://example.org/y", nullptr, nullptr, 1)), 32);
  EXPECT_EQ(host->OpenedUrls(), (std::vector<std::string>{"https://example.org/x", "https://example.org/y"}))
      << "a refused target is still recorded";
}

TEST_F(Desktop, AFormBecomesAChildOfAnotherWindowAndBack) {
  HWND hostWindow = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 200, 200));
  HWND form = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(300, 300, 350, 350));
  SetWindowLongPtr(form, GWL_STYLE, 0x46000000 | WS_VISIBLE);
  SetParent(form, hostWindow);
  MoveWindow(form, 10, 10, 50, 50, TRUE);
  EXPECT_EQ(GetParent(form), hostWindow);
  EXPECT_EQ(WindowManager::Find(form)->Host, 0u) << "children have no host window";
  EXPECT_EQ(WindowFromPoint(TPoint(20, 20)), form);
  RECT r;
  GetWindowRect(form, &r);
  EXPECT_EQ(TRect(r), TRect(10, 10, 60, 60));
  SetWindowLongPtr(form, GWL_STYLE, WS_POPUP | WS_VISIBLE);
  SetParent(form, nullptr);
  EXPECT_NE(WindowManager::Find(form)->Host, 0u);
  GetWindowRect(form, &r);
  EXPECT_EQ(TRect(r), TRect(10, 10, 60, 60)) << "it keeps its place on the screen";
}

}  // namespace
