#include "focus.h"
#include "keyboard.h"
#include "mouse.h"
#include "rgn.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

using Backend::modAlt;
using Backend::modCapsLock;
using Backend::modCtrl;
using Backend::modShift;

class Input : public UserTest {
 protected:
  // What reached the procedures, as (message, wParam), for the given messages.
  std::vector<std::pair<UINT, WPARAM>> Seen(HWND hwnd, std::vector<UINT> which) const {
    std::vector<std::pair<UINT, WPARAM>> out;
    for (const LoggedMessage& m : log)
      if (m.Hwnd == hwnd && std::find(which.begin(), which.end(), m.Msg) != which.end()) out.push_back({m.Msg, m.WParam});
    return out;
  }
};

struct KeyCase {
  const char* Name;
  int Vk;
  unsigned Modifiers;
  const char* HostText;  // what the keyboard layout typed
  UINT KeyMessage;
  std::vector<char32_t> Chars;
  UINT CharMessage;
};

TEST_F(Input, KeysBecomeVirtualKeysAndCharacters) {
  const KeyCase cases[] = {
      {"letter", 'A', 0, "a", WM_KEYDOWN, {U'a'}, WM_CHAR},
      {"shifted letter", 'A', modShift, "A", WM_KEYDOWN, {U'A'}, WM_CHAR},
      {"umlaut key", VK_OEM_7, 0, "ä", WM_KEYDOWN, {U'ä'}, WM_CHAR},
      {"sharp s", VK_OEM_4, 0, "ß", WM_KEYDOWN, {U'ß'}, WM_CHAR},
      {"AltGr q", 'Q', modCtrl | modAlt, "@", WM_KEYDOWN, {U'@'}, WM_CHAR},
      {"main plus", VK_OEM_PLUS, 0, "+", WM_KEYDOWN, {U'+'}, WM_CHAR},
      {"numpad plus", VK_ADD, 0, "+", WM_KEYDOWN, {U'+'}, WM_CHAR},
      {"numpad minus", VK_SUBTRACT, 0, "-", WM_KEYDOWN, {U'-'}, WM_CHAR},
      {"space", VK_SPACE, 0, " ", WM_KEYDOWN, {U' '}, WM_CHAR},
      {"enter", VK_RETURN, 0, "", WM_KEYDOWN, {13}, WM_CHAR},
      {"backspace", VK_BACK, 0, "", WM_KEYDOWN, {8}, WM_CHAR},
      {"escape", VK_ESCAPE, 0, "", WM_KEYDOWN, {27}, WM_CHAR},
      {"ctrl c", 'C', modCtrl, "", WM_KEYDOWN, {3}, WM_CHAR},
      {"alt f", 'F', modAlt, "", WM_SYSKEYDOWN, {U'f'}, WM_SYSCHAR},
      {"arrow", VK_LEFT, 0, "", WM_KEYDOWN, {}, WM_CHAR},
      {"F2", VK_F2, 0, "", WM_KEYDOWN, {}, WM_CHAR},
      {"F10", VK_F10, 0, "", WM_SYSKEYDOWN, {}, WM_SYSCHAR},
      {"page down", VK_NEXT, 0, "", WM_KEYDOWN, {}, WM_CHAR},
  };
  HWND w = MakeTopLevel();
  SetFocus(w);
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.Name);
    log.clear();
    host->PostKey(c.Vk, c.Modifiers, c.HostText);
    TestSupport::PumpUntilIdle();
    std::vector<std::pair<UINT, WPARAM>> expected{{c.KeyMessage, static_cast<WPARAM>(c.Vk)}};
    for (char32_t ch : c.Chars) expected.push_back({c.CharMessage, static_cast<WPARAM>(ch)});
    expected.push_back({c.KeyMessage + 1, static_cast<WPARAM>(c.Vk)});
    EXPECT_EQ(Seen(w, {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR}), expected);
  }
}

TEST_F(Input, KeyDownsAndTheirCharactersStayInOrderAndAutoRepeat) {
  HWND w = MakeTopLevel();
  SetFocus(w);
  log.clear();
  host->PostKeyDown('X', 0);
  host->PostText("x");
  host->PostKeyDown('X', 0, true);
  host->PostText("x");
  host->PostKeyUp('X', 0);
  host->PostKey('Y', 0, "y");
  TestSupport::PumpUntilIdle();
  std::vector<std::pair<UINT, WPARAM>> expected{{WM_KEYDOWN, 'X'}, {WM_CHAR, 'x'}, {WM_KEYDOWN, 'X'}, {WM_CHAR, 'x'},
                                                {WM_KEYUP, 'X'},   {WM_KEYDOWN, 'Y'}, {WM_CHAR, 'y'}, {WM_KEYUP, 'Y'}};
  EXPECT_EQ(Seen(w, {WM_KEYDOWN, WM_KEYUP, WM_CHAR}), expected);
  // The second key-down says the key was already down.
  std::vector<LPARAM> downs;
  for (const LoggedMessage& m : log)
    if (m.Msg == WM_KEYDOWN) downs.push_back(m.LParam);
  ASSERT_EQ(downs.size(), 3u);
  EXPECT_FALSE(downs[0] & (1 << 30));
  EXPECT_TRUE(downs[1] & (1 << 30));
}

TEST_F(Input, KeyStateAnswersForTheMessageBeingHandled) {
  HWND w = MakeTopLevel();
  SetFocus(w);
  std::vector<std::pair<bool, bool>> shiftAndCaps;
  handler = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_KEYDOWN) shiftAndCaps.push_back({GetKeyState(VK_SHIFT) < 0, (GetKeyState(VK_CAPITAL) & 1) != 0});
    return std::nullopt;
  };
  // Both presses are queued before either is handled.
  host->PostKeyDown('A', modShift | modCapsLock);
  host->PostKeyUp('A', modShift | modCapsLock);
  host->PostKeyDown('B', 0);
  host->PostKeyUp('B', 0);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(shiftAndCaps, (std::vector<std::pair<bool, bool>>{{true, true}, {false, false}}));
  EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
}

TEST_F(Input, KeysReportedOnAFocusChangeOnlyMoveTheKeyState) {
  HWND w = MakeTopLevel();
  SetFocus(w);
  bool shiftOnA = false;
  handler = [&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_KEYDOWN && wParam == 'A') shiftOnA = GetKeyState(VK_SHIFT) < 0;
    return std::nullopt;
  };
  auto stateOnly = [&](Backend::EventKind kind, int vk, unsigned modifiers) {
    Backend::Event e;
    e.Kind = kind;
    e.VirtualKey = vk;
    e.Modifiers = modifiers;
    e.StateOnly = true;
    host->PostEvent(e);
  };
  log.clear();
  stateOnly(Backend::EventKind::KeyDown, VK_SHIFT, modShift);  // held as the keyboard came
  TestSupport::PumpUntilIdle();
  EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
  host->PostKey('A', modShift, "A");
  stateOnly(Backend::EventKind::KeyUp, VK_SHIFT, 0);  // let go while the keyboard was elsewhere
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(shiftOnA);
  EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
  EXPECT_EQ(Seen(w, {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP}),
            (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'A'}, {WM_KEYUP, 'A'}}));
}

TEST_F(Input, TextAfterAKeyReleasedOnAFocusChangeReachesTheFocus) {
  // A key that opens a dialog is let go as the dialog takes the keyboard;
  // the next text arrives without a key-down of its own (a composed or
  // remapped letter) and belongs to the dialog, not to that old key.
  for (int vk : {VK_RETURN, static_cast<int>('A')}) {
    SCOPED_TRACE(vk);
    HWND w = MakeTopLevel();
    SetFocus(w);
    log.clear();
    host->PostKeyDown(vk, 0);
    TestSupport::PumpUntilIdle();
    Backend::Event up;
    up.Kind = Backend::EventKind::KeyUp;
    up.VirtualKey = vk;
    up.StateOnly = true;
    host->PostEvent(up);
    host->PostText("\xC3\xA4");
    TestSupport::PumpUntilIdle();
    std::vector<std::pair<UINT, WPARAM>> chars = Seen(w, {WM_CHAR});
    ASSERT_FALSE(chars.empty());
    EXPECT_EQ(chars.back(), (std::pair<UINT, WPARAM>{WM_CHAR, static_cast<WPARAM>(U'\u00E4')}));
    DestroyWindow(w);
  }
}

TEST_F(Input, AltF4ClosesTheActiveWindowAndSoDoesTheDesktop) {
  HWND a = MakeTopLevel();
  HWND child = MakeChild(a, TRect(0, 0, 10, 10));
  SetFocus(child);
  host->PostKey(VK_F4, modAlt);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Seen(a, {WM_SYSCOMMAND, WM_CLOSE}), (std::vector<std::pair<UINT, WPARAM>>{{WM_SYSCOMMAND, SC_CLOSE}, {WM_CLOSE, 0}}));
  EXPECT_FALSE(IsWindow(a));

  HWND b = MakeTopLevel();
  handler = [&](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h == b && msg == WM_CLOSE) return 0;  // the form asks first, and refuses
    return std::nullopt;
  };
  host->PostCloseRequest(WindowManager::Find(b)->Host);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(b, WM_CLOSE), 1);
  EXPECT_TRUE(IsWindow(b));
}

TEST_F(Input, MouseGoesToTheDeepestEnabledWindowThroughRegions) {
  HWND top = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(100, 100, 300, 300));
  HWND round = MakeChild(top, TRect(0, 0, 100, 100));
  SetWindowRgn(round, CreateEllipticRgn(0, 0, 100, 100), FALSE);
  HWND inner = MakeChild(round, TRect(40, 40, 60, 60));
  HWND off = MakeChild(top, TRect(150, 150, 200, 200), WS_CHILD | WS_VISIBLE | WS_DISABLED);

  struct HitCase {
    TPoint Screen;
    HWND Expected;
  } table[] = {
      {TPoint(150, 150), inner},  // deepest first
      {TPoint(110, 150), round},  // inside the ellipse
      {TPoint(101, 101), top},    // the ellipse's cut-off corner
      {TPoint(260, 260), top},    // a disabled child yields its parent
      {TPoint(50, 50), nullptr},  // the bare desktop
  };
  for (const HitCase& c : table) EXPECT_EQ(WindowFromPoint(c.Screen), c.Expected) << c.Screen.x << "," << c.Screen.y;
  EXPECT_EQ(ChildWindowFromPoint(top, TPoint(155, 155)), off) << "the direct child, disabled or not";
  EXPECT_EQ(ChildWindowFromPointEx(top, TPoint(155, 155), CWP_SKIPDISABLED), top);
  EXPECT_EQ(ChildWindowFromPoint(top, TPoint(500, 5)), nullptr);

  // A top-level region lets clicks through to the window below.
  HWND below = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 400, 400));
  SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowRgn(top, CreateEllipticRgn(0, 0, 200, 200), FALSE);
  EXPECT_EQ(WindowFromPoint(TPoint(101, 101)), below);

  log.clear();
  host->PostClick(150, 150);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(inner, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(Count(inner, WM_LBUTTONUP), 1);
  for (const LoggedMessage& m : log) {
    if (m.Hwnd == inner && m.Msg == WM_LBUTTONDOWN) {
      EXPECT_EQ(m.LParam, MAKELPARAM(10, 10)) << "client coordinates";
    }
  }
  host->PostClick(260, 260);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(off, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 1);
}

TEST_F(Input, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND w = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 100, 100));
  host->PostClick(10, 10);
  host->PostClick(11, 12);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1);
  host->PostClick(10, 10);
  TestSupport::PumpUntilIdle();
  ClockAdvance(GetDoubleClickTime() + 1);
  host->PostClick(10, 10);
  host->PostClick(40, 40);
  host->PostClick(10, 10);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1) << "too late, then too far";

  SetClassLongPtr(w, GCL_STYLE, 0);
  host->PostClick(50, 50);
  host->PostClick(50, 50);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1) << "no CS_DBLCLKS, no double click";
}

TEST_F(Input, CaptureTakesTheMouseUntilReleased) {
  HWND a = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 100, 100));
  HWND b = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(200, 0, 300, 100));
  SetCapture(a);
  EXPECT_EQ(GetCapture(), a);
  host->PostMouseMove(250, 50);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(a, WM_MOUSEMOVE), 1);
  EXPECT_EQ(Count(b, WM_MOUSEMOVE), 0);
  for (const LoggedMessage& m : log) {
    if (m.Hwnd == a && m.Msg == WM_MOUSEMOVE) {
      EXPECT_EQ(m.LParam, MAKELPARAM(250, 50));
    }
  }
  log.clear();
  SetCapture(b);
  EXPECT_EQ(Count(a, WM_CAPTURECHANGED), 1);
  EnableWindow(b, FALSE);
  EXPECT_EQ(Count(b, WM_CANCELMODE), 1);
  EXPECT_EQ(GetCapture(), nullptr) << "WM_CANCELMODE released it";
  EXPECT_EQ(Count(b, WM_CAPTURECHANGED), 1);
}

TEST_F(Input, MouseLeaveIsReportedOnceForATrackedWindow) {
  HWND w = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 100, 100));
  handler = [&](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (h == w && msg == WM_MOUSEMOVE) {
      TRACKMOUSEEVENT t;
      t.dwFlags = TME_LEAVE;
      t.hwndTrack = h;
      TrackMouseEvent(&t);
    }
    return std::nullopt;
  };
  host->PostMouseMove(10, 10);
  host->PostMouseMove(20, 20);
  TestSupport::PumpUntilIdle();
  host->PostMouseMove(500, 500);
  host->PostMouseMove(510, 510);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_MOUSELEAVE), 1);
}

TEST_F(Input, ClickActivationAndFocusFollowThePlatformOrder) {
  HWND a = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 100, 100));
  HWND b = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(200, 0, 300, 100));
  ASSERT_EQ(GetActiveWindow(), b);
  HWND edit = MakeChild(a, TRect(10, 10, 50, 30));
  log.clear();
  host->PostClick(20, 20);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), a);
  std::vector<std::pair<HWND, UINT>> order;
  const std::vector<UINT> interesting{WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN};
  for (const LoggedMessage& m : log)
    if (std::find(interesting.begin(), interesting.end(), m.Msg) != interesting.end()) order.push_back({m.Hwnd, m.Msg});
  std::vector<std::pair<HWND, UINT>> expected{
      {edit, WM_MOUSEACTIVATE}, {a, WM_MOUSEACTIVATE}, {b, WM_NCACTIVATE}, {b, WM_ACTIVATE}, {a, WM_NCACTIVATE},
      {a, WM_ACTIVATE},         {b, WM_KILLFOCUS},     {a, WM_SETFOCUS},   {edit, WM_LBUTTONDOWN}};
  EXPECT_EQ(order, expected);
  for (const LoggedMessage& m : log) {
    if (m.Hwnd == a && m.Msg == WM_ACTIVATE) {
      EXPECT_EQ(LOWORD(m.WParam), WA_CLICKACTIVE);
    }
  }

  // Wheel turns go to the focus window.
  SetFocus(edit);
  host->PostWheel(250, 50, -120);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(edit, WM_MOUSEWHEEL), 1);

  // The desktop takes the keyboard away and gives it back.
  log.clear();
  host->PostFocus(WindowManager::Find(a)->Host, false);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(a, WM_ACTIVATEAPP), 1);
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  host->PostFocus(WindowManager::Find(a)->Host, true);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(Count(a, WM_ACTIVATEAPP), 2);
}

TEST_F(Input, ADisabledOwnerPassesClicksToItsModalWindow) {
  HWND owner = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 100, 100));
  HWND modal = CreateWindowEx(0, "LoggingWindow", "modal", WS_POPUP | WS_VISIBLE, 300, 0, 50, 50, owner, nullptr,
                              nullptr, nullptr);
  EnableWindow(owner, FALSE);
  SetActiveWindow(owner);
  log.clear();
  host->PostClick(10, 10);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(owner, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(GetActiveWindow(), modal);
  EXPECT_EQ(GetWindow(owner, GW_ENABLEDPOPUP), modal);
}

}  // namespace
