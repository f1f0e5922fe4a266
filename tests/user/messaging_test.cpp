#include <atomic>
#include <thread>

#include "user_fixture.h"

namespace {

using Messaging = UserTest;

TEST_F(Messaging, SendMessageIsReentrant) {
  HWND w = MakeTopLevel();
  int depth = 0, deepest = 0;
  handler = [&](HWND h, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg != WM_USER) return std::nullopt;
    ++depth;
    deepest = std::max(deepest, depth);
    LRESULT r = wParam == 0 ? 1 : SendMessage(h, WM_USER, wParam - 1, 0) + 1;
    --depth;
    return r;
  };
  EXPECT_EQ(SendMessage(w, WM_USER, 4, 0), 5);
  EXPECT_EQ(deepest, 5);
}

TEST_F(Messaging, SendFromAnotherThreadRunsOnTheUiThreadWhenItPumps) {
  HWND w = MakeTopLevel();
  std::thread::id ranOn;
  handler = [&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg != WM_APP) return std::nullopt;
    ranOn = std::this_thread::get_id();
    return static_cast<LRESULT>(wParam * 2);
  };
  std::atomic<LRESULT> result{0};
  std::thread worker([&] { result = SendMessage(w, WM_APP, 21, 0); });
  MSG m;
  while (result == 0) {
    PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE);
    std::this_thread::yield();
  }
  worker.join();
  EXPECT_EQ(result, 42);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(Messaging, PostFromAnotherThreadWakesAWaitingGetMessage) {
  HWND w = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  std::thread worker([&] { PostMessage(w, WM_APP + 1, 7, 0); });
  MSG m;
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  worker.join();
  EXPECT_EQ(m.hwnd, w);
  EXPECT_EQ(m.message, WM_APP + 1);
  EXPECT_EQ(m.wParam, 7u);
}

TEST_F(Messaging, PeekFiltersByWindowAndRangeAndCanLeaveMessagesQueued) {
  HWND a = MakeTopLevel();
  HWND b = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  PostMessage(a, WM_USER + 1, 0, 0);
  PostMessage(b, WM_MOUSEMOVE, 0, 0);
  PostMessage(b, WM_USER + 2, 0, 0);
  PostMessage(nullptr, WM_USER + 3, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_MOUSEMOVE);
  ASSERT_TRUE(PeekMessage(&m, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
  ASSERT_TRUE(PeekMessage(&m, reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1)), 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 3) << "thread messages only";
  // Purging the mouse range leaves the rest.
  while (PeekMessage(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 2);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Messaging, QuitComesAfterPostedMessagesAndEndsGetMessage) {
  HWND w = MakeTopLevel();
  TestSupport::PumpUntilIdle();
  PostMessage(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  MSG m;
  EXPECT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_FALSE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 3u);
}

TEST_F(Messaging, MessagesOfADestroyedWindowAreDropped) {
  HWND w = MakeTopLevel();
  PostMessage(w, WM_USER, 0, 0);
  DestroyWindow(w);
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

TEST_F(Messaging, RegisteredMessagesAreStableAndCaseBlind) {
  UINT a = RegisterWindowMessage("MorvantPing");
  EXPECT_GE(a, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("morvantping"), a);
  EXPECT_NE(RegisterWindowMessage("MorvantPong"), a);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

// ---- subclassing ----

struct Hook {
  int Id;
  WNDPROC Previous = nullptr;
  WNDPROC Instance = nullptr;
  std::vector<int>* Calls;
  void WndProc(TMessage& m) {
    Calls->push_back(Id);
    m.Result = CallWindowProc(Previous, Handle, m.Msg, m.WParam, m.LParam);
  }
  HWND Handle = nullptr;
};

TEST_F(Messaging, SubclassChainUnhookedOutOfOrderKeepsEveryLinkBelow) {
  HWND w = MakeTopLevel();
  std::vector<int> calls;
  std::vector<std::unique_ptr<Hook>> hooks;
  for (int id = 1; id <= 3; ++id) {
    auto h = std::make_unique<Hook>();
    h->Id = id;
    h->Calls = &calls;
    h->Handle = w;
    h->Instance = MakeObjectInstance(TWndMethod(h.get(), &Hook::WndProc));
    h->Previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(h->Instance)));
    hooks.push_back(std::move(h));
  }
  EXPECT_TRUE(IsObjectInstance(reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWL_WNDPROC))));
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(calls, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(log.back().Msg, WM_USER) << "the class procedure ran last";

  // The middle add-on goes first: it retires its instance forwarding to the
  // procedure it replaced. The newer link still calls it, and the message
  // goes on below it, never into the freed object.
  FreeObjectInstance(hooks[1]->Instance, hooks[1]->Previous);
  hooks[1].reset();
  calls.clear();
  log.clear();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(calls, (std::vector<int>{3, 1}));
  ASSERT_FALSE(log.empty()) << "the window's own procedure still runs";
  EXPECT_EQ(log.back().Msg, WM_USER);

  // The bottom one goes next, while the top one still holds it: the
  // forwards chain down to the class procedure.
  FreeObjectInstance(hooks[0]->Instance, hooks[0]->Previous);
  FreeObjectInstance(hooks[0]->Instance, nullptr);  // twice is harmless and keeps the forward
  calls.clear();
  log.clear();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(calls, (std::vector<int>{3}));
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().Msg, WM_USER);

  // The last one unlinks itself as a well-behaved add-on does, restoring
  // what it replaced, which is the retired middle link: that still passes on.
  SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(hooks[2]->Previous));
  FreeObjectInstance(hooks[2]->Instance, hooks[2]->Previous);
  calls.clear();
  log.clear();
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_TRUE(calls.empty());
  EXPECT_FALSE(log.empty());
}

TEST_F(Messaging, RetiredInstanceWithoutForwardAnswersByDefault) {
  HWND w = MakeTopLevel();
  std::vector<int> calls;
  Hook h{1, nullptr, nullptr, &calls};
  h.Handle = w;
  h.Instance = MakeObjectInstance(TWndMethod(&h, &Hook::WndProc));
  FreeObjectInstance(h.Instance);
  log.clear();
  EXPECT_EQ(CallWindowProc(h.Instance, w, WM_GETTEXTLENGTH, 0, 0), 3) << "DefWindowProc answered";
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(log.empty());
}

TEST_F(Messaging, RetiredInstancesForwardingInACircleEndInTheDefault) {
  HWND w = MakeTopLevel();
  Hook h{1, nullptr, nullptr, nullptr};
  WNDPROC a = MakeObjectInstance(TWndMethod(&h, &Hook::WndProc));
  WNDPROC b = MakeObjectInstance(TWndMethod(&h, &Hook::WndProc));
  FreeObjectInstance(a, b);
  FreeObjectInstance(b, a);
  EXPECT_EQ(CallWindowProc(a, w, WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(Messaging, ObjectInstancesKeepTheirIdentity) {
  Hook h{1, nullptr, nullptr, nullptr};
  WNDPROC a = MakeObjectInstance(TWndMethod(&h, &Hook::WndProc));
  WNDPROC b = MakeObjectInstance(TWndMethod(&h, &Hook::WndProc));
  EXPECT_NE(a, b);
  FreeObjectInstance(a);
  WNDPROC c = MakeObjectInstance(TWndMethod(&h, &Hook::WndProc));
  EXPECT_NE(c, a) << "a retired value never comes back";
  FreeObjectInstance(b);
  FreeObjectInstance(c);
}

}  // namespace
