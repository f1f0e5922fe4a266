// The host side of windows: whose dialog a window is, which windows are
// tool windows to the desktop, and the host's keyboard focus following the
// layer's activation after boxes, dialogs and pop-ups.
#include "focus.h"
#include "host.h"
#include "user_fixture.h"
#include "window_internal.h"
#include "window_pos.h"

namespace {

class HostFocus : public UserTest {
 protected:
  static Backend::HostWindowId HostOf(HWND w) { return WindowManager::Find(w)->Host; }
  HWND Owned(HWND owner, DWORD style, DWORD exStyle = 0) {
    return CreateWindowEx(exStyle, "LoggingWindow", "owned", style, 150, 150, 80, 60, owner, nullptr, nullptr,
                          nullptr);
  }
};

TEST_F(HostFocus, WindowKindsAsTheDesktopSeesThem) {
  HWND main = MakeTopLevel(WS_CAPTION | WS_VISIBLE, TRect(0, 0, 300, 200), WS_EX_TOOLWINDOW);
  struct Case {
    const char* what;
    HWND window;
    unsigned flags;
    bool owned;
  } cases[] = {
      {"main tool window", main, Backend::hwfNone, false},
      {"owned box", Owned(main, WS_CAPTION | WS_SYSMENU), Backend::hwfNone, true},
      {"owned tool window", Owned(main, WS_CAPTION, WS_EX_TOOLWINDOW), Backend::hwfToolWindow, true},
      {"menu", Owned(main, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST), Backend::hwfPopup | Backend::hwfToolWindow |
                                                                          Backend::hwfTopmost, true},
      {"drop-down list", Owned(main, WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW),
       Backend::hwfPopup | Backend::hwfToolWindow, true},
      {"hint", MakeTopLevel(WS_POPUP | WS_BORDER, TRect(0, 0, 20, 20), WS_EX_TOOLWINDOW),
       Backend::hwfPopup | Backend::hwfToolWindow, false},
      {"owned form without a border", Owned(main, WS_POPUP), Backend::hwfNone, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const HeadlessHost::WindowState* state = host->Window(HostOf(c.window));
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->Flags, c.flags);
    EXPECT_EQ(state->Owner, c.owned ? HostOf(main) : 0u);
  }
  // A new owner reaches the host too, and leaving it as well.
  HWND other = MakeTopLevel(WS_CAPTION, TRect(0, 0, 50, 50));
  SetWindowLongPtr(other, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(main));
  EXPECT_EQ(host->Window(HostOf(other))->Owner, HostOf(main));
  SetWindowLongPtr(other, GWL_HWNDPARENT, 0);
  EXPECT_EQ(host->Window(HostOf(other))->Owner, 0u);
}

TEST_F(HostFocus, TheKeyboardFollowsTheActivationBackAfterABoxAndNeverToAPopup) {
  HWND main = MakeTopLevel(WS_CAPTION | WS_VISIBLE, TRect(0, 0, 300, 200));
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(host->Focused(), HostOf(main));

  HWND box = Owned(main, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  EXPECT_EQ(GetActiveWindow(), box);
  EXPECT_EQ(host->Focused(), HostOf(box));
  DestroyWindow(box);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(host->Focused(), HostOf(main)) << "the first key after the box goes to the game";

  // A pop-up shows without activation; a desktop without a window manager
  // gives it the keyboard all the same, and the layer gives it back.
  HWND menu = Owned(main, WS_POPUP, WS_EX_TOOLWINDOW);
  ShowWindow(menu, SW_SHOWNOACTIVATE);
  EXPECT_EQ(host->Focused(), HostOf(main));
  host->SetFocus(0);
  host->PostFocus(HostOf(main), false);
  host->PostFocus(HostOf(menu), true);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), main) << "the caption stays active while its menu is open";
  EXPECT_EQ(host->Focused(), HostOf(main));

  // A form without a border is no pop-up: the keyboard the desktop gives it
  // stays there, and the layer activates it.
  HWND bare = Owned(main, WS_POPUP);
  ShowWindow(bare, SW_SHOWNOACTIVATE);
  host->SetFocus(0);
  host->PostFocus(HostOf(main), false);
  host->PostFocus(HostOf(bare), true);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), bare);
  EXPECT_EQ(host->Focused(), 0u) << "the desktop's choice is followed, not fought";
  DestroyWindow(bare);
  SetActiveWindow(main);

  // Following the desktop's own focus change asks nothing back.
  HWND second = MakeTopLevel(WS_CAPTION | WS_VISIBLE, TRect(400, 0, 500, 100));
  SetActiveWindow(main);
  host->SetFocus(0);
  host->PostFocus(HostOf(second), true);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(host->Focused(), 0u);
}

TEST_F(HostFocus, TheSessionEndingAsksEveryMainWindowToClose) {
  HWND main = MakeTopLevel(WS_CAPTION | WS_VISIBLE, TRect(0, 0, 300, 200));
  HWND box = Owned(main, WS_CAPTION | WS_VISIBLE);
  HWND hidden = MakeTopLevel(WS_CAPTION, TRect(0, 0, 30, 30));
  handler = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_CLOSE) return 0;  // a form that refuses to close
    return std::nullopt;
  };
  Backend::Event quit;
  quit.Kind = Backend::EventKind::Quit;
  host->PostEvent(quit);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(main, WM_CLOSE), 1);
  EXPECT_EQ(Count(box, WM_CLOSE), 0);
  EXPECT_EQ(Count(hidden, WM_CLOSE), 0);
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the window decides";
}

}  // namespace
