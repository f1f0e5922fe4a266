#include "focus.h"
#include "paint.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

using Lifecycle = UserTest;

// Messages of no interest to the order tests.
const std::vector<UINT> kNoise = {WM_SETCURSOR, WM_NCHITTEST, WM_GETTEXT, WM_GETTEXTLENGTH};

TEST_F(Lifecycle, CreateShowPaintAndDestroyInPlatformOrder) {
  HWND w = MakeTopLevel(WS_POPUP | WS_BORDER);
  ASSERT_TRUE(w);
  EXPECT_EQ(MessagesOf(w), (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));

  log.clear();
  ShowWindow(w, SW_SHOW);
  EXPECT_EQ(MessagesOf(w, kNoise), (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_ACTIVATEAPP, WM_NCACTIVATE,
                                                      WM_ACTIVATE, WM_SETFOCUS, WM_WINDOWPOSCHANGED}));
  log.clear();
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(MessagesOf(w, kNoise), (std::vector<UINT>{WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}));

  log.clear();
  SetWindowPos(w, nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(MessagesOf(w, kNoise), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE}));
  EXPECT_EQ(log.back().LParam, MAKELPARAM(48, 38)) << "client size inside the 1-px border";

  log.clear();
  DestroyWindow(w);
  std::vector<UINT> order = MessagesOf(w, kNoise);
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order[order.size() - 2], WM_DESTROY);
  EXPECT_EQ(order.back(), WM_NCDESTROY);
  EXPECT_EQ(order.front(), WM_WINDOWPOSCHANGING) << "hidden first";
}

TEST_F(Lifecycle, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
  HWND top = MakeTopLevel();
  HWND child = MakeChild(top, TRect(0, 0, 50, 50));
  HWND grandchild = MakeChild(child, TRect(0, 0, 10, 10));
  log.clear();
  DestroyWindow(top);
  std::vector<std::pair<HWND, UINT>> seen;
  for (const LoggedMessage& m : log)
    if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) seen.push_back({m.Hwnd, m.Msg});
  std::vector<std::pair<HWND, UINT>> expected = {{top, WM_DESTROY},         {child, WM_DESTROY},
                                                 {grandchild, WM_DESTROY},  {grandchild, WM_NCDESTROY},
                                                 {child, WM_NCDESTROY},     {top, WM_NCDESTROY}};
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(grandchild));
}

TEST_F(Lifecycle, StaleHandlesResolveToNothingEvenWhenTheSlotIsReused) {
  HWND first = MakeTopLevel();
  DestroyWindow(first);
  HWND second = MakeTopLevel();
  EXPECT_NE(first, second);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(IsWindow(second));
  EXPECT_EQ(SendMessage(first, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(PostMessage(first, WM_USER, 0, 0));
  EXPECT_FALSE(SetWindowText(first, "x"));
  EXPECT_EQ(GetWindowLongPtr(first, GWL_STYLE), 0);
  EXPECT_FALSE(DestroyWindow(first));
  RECT r;
  EXPECT_FALSE(GetWindowRect(first, &r));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x12345678))));
}

TEST_F(Lifecycle, CreateFailsCleanlyWhenTheProcedureRefuses) {
  handler = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_CREATE) return -1;
    return std::nullopt;
  };
  EXPECT_EQ(MakeTopLevel(), nullptr);
  EXPECT_TRUE(WindowManager::TopLevelWindows().empty());
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(MakeChild(nullptr, TRect(0, 0, 1, 1)), nullptr) << "a child needs a parent";
}

TEST_F(Lifecycle, GeometryAndCoordinateMapping) {
  HWND top = MakeTopLevel(WS_POPUP | WS_VISIBLE | WS_BORDER, TRect(100, 100, 300, 250), WS_EX_CLIENTEDGE);
  HWND child = MakeChild(top, TRect(10, 20, 60, 70), WS_CHILD | WS_VISIBLE | WS_BORDER);
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(TRect(r), TRect(100, 100, 300, 250));
  GetClientRect(top, &r);
  EXPECT_EQ(TRect(r), TRect(0, 0, 194, 144)) << "1-px border plus 2-px client edge";
  GetWindowRect(child, &r);
  EXPECT_EQ(TRect(r), TRect(113, 123, 163, 173));
  POINT p{};
  ClientToScreen(child, &p);
  EXPECT_EQ(TPoint(p), TPoint(114, 124));
  ScreenToClient(top, &p);
  EXPECT_EQ(TPoint(p), TPoint(11, 21));
  POINT q = TPoint(5, 5);
  MapWindowPoints(child, top, &q, 1);
  EXPECT_EQ(TPoint(q), TPoint(16, 26));
  EXPECT_EQ(GetParent(child), top);
  EXPECT_TRUE(IsChild(top, child));
  EXPECT_EQ(GetWindow(top, GW_CHILD), child);
}

TEST_F(Lifecycle, ZOrderAndTopmostWindows) {
  HWND a = MakeTopLevel();
  HWND topmost = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 10, 10), WS_EX_TOPMOST);
  HWND b = MakeTopLevel();
  EXPECT_EQ(GetTopWindow(nullptr), topmost) << "a new window stays below topmost ones";
  EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), a);
  HWND parent = MakeTopLevel();
  HWND c1 = MakeChild(parent, TRect(0, 0, 5, 5));
  HWND c2 = MakeChild(parent, TRect(0, 0, 5, 5));
  EXPECT_EQ(GetWindow(parent, GW_CHILD), c2);
  SetWindowPos(c2, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), c1);
}

TEST_F(Lifecycle, TextPropertiesAndWindowLongs) {
  HWND w = MakeTopLevel();
  EXPECT_TRUE(SetWindowText(w, "Größe"));
  char buf[16];
  EXPECT_EQ(GetWindowText(w, buf, sizeof buf), 7);
  EXPECT_STREQ(buf, "Größe");
  EXPECT_EQ(GetWindowText(w, buf, 4), 2) << "a cut never splits the ö";
  EXPECT_STREQ(buf, "Gr");
  EXPECT_EQ(host->Window(WindowManager::Find(w)->Host)->Title, "Größe");

  int marker = 0;
  SetProp(w, "Owner", &marker);
  EXPECT_EQ(GetProp(w, "owner"), &marker);
  EXPECT_EQ(RemoveProp(w, "OWNER"), &marker);
  EXPECT_EQ(GetProp(w, "Owner"), nullptr);

  EXPECT_EQ(SetWindowLong(w, 0, 7), 0);
  EXPECT_EQ(SetWindowLong(w, 4, 9), 0);
  EXPECT_EQ(GetWindowLong(w, 0), 7);
  EXPECT_EQ(GetWindowLong(w, 4), 9);
  EXPECT_EQ(GetWindowLong(w, 6), 0) << "past the 8 extra bytes";
  EXPECT_EQ(SetWindowLong(w, GWL_WNDPROC, 1234), 0) << "a procedure never fits 32 bits";
  SetWindowLongPtr(w, GWL_USERDATA, 42);
  EXPECT_EQ(GetWindowLongPtr(w, GWL_USERDATA), 42);
  SetWindowLong(w, GWL_STYLE, static_cast<LONG>(0x46000000));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLong(w, GWL_STYLE)), 0x46000000u);
}

TEST_F(Lifecycle, ModalOwnerDisabledAndReEnabled) {
  HWND owner = MakeTopLevel();
  log.clear();
  EXPECT_FALSE(EnableWindow(owner, FALSE));
  EXPECT_EQ(MessagesOf(owner), (std::vector<UINT>{WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}))
      << "the focus leaves a disabled window";
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_FALSE(IsWindowEnabled(owner));
  EXPECT_TRUE(EnableWindow(owner, TRUE));
  EXPECT_TRUE(IsWindowEnabled(owner));
}

}  // namespace
