// A headless desktop and a window class whose procedure logs every message
// and lets a test step in before the default handling.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "headless_host_helper.h"
#include "message_queue.h"
#include "window.h"
#include "windowclass.h"
#include "wndproc.h"

struct LoggedMessage {
  HWND Hwnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

class UserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = &InstallHeadlessHost();
    Current() = this;
    WNDCLASS wc;
    wc.lpfnWndProc = &UserTest::LoggingProc;
    wc.lpszClassName = "LoggingWindow";
    wc.style = CS_DBLCLKS;
    wc.cbWndExtra = 8;
    RegisterClass(&wc);
  }

  void TearDown() override {
    // The handler may refer to the test's locals, which are gone by now.
    handler = nullptr;
    TestSupport::DestroyAllWindows();
    UnregisterClass("LoggingWindow", nullptr);
    Current() = nullptr;
  }

  HWND MakeTopLevel(DWORD style = WS_POPUP | WS_VISIBLE, TRect r = TRect(100, 100, 300, 250), DWORD exStyle = 0) {
    return CreateWindowEx(exStyle, "LoggingWindow", "top", style, r.left, r.top, r.Width(), r.Height(), nullptr,
                          nullptr, nullptr, nullptr);
  }

  HWND MakeChild(HWND parent, TRect r, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0) {
    return CreateWindowEx(0, "LoggingWindow", "child", style, r.left, r.top, r.Width(), r.Height(), parent,
                          reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
  }

  // The messages of one window, in order, leaving out those in `skip`.
  std::vector<UINT> MessagesOf(HWND hwnd, std::vector<UINT> skip = {}) const {
    std::vector<UINT> out;
    for (const LoggedMessage& m : log)
      if (m.Hwnd == hwnd && std::find(skip.begin(), skip.end(), m.Msg) == skip.end()) out.push_back(m.Msg);
    return out;
  }

  int Count(HWND hwnd, UINT msg) const {
    int n = 0;
    for (const LoggedMessage& m : log) n += m.Hwnd == hwnd && m.Msg == msg;
    return n;
  }

  // Lets a test handle a message itself; return a value to skip DefWindowProc.
  std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> handler;
  std::vector<LoggedMessage> log;
  HeadlessHost* host = nullptr;

 private:
  static UserTest*& Current() {
    static UserTest* current = nullptr;
    return current;
  }

  static LRESULT LoggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    UserTest* t = Current();
    if (t) {
      t->log.push_back({hwnd, msg, wParam, lParam});
      if (t->handler)
        if (auto r = t->handler(hwnd, msg, wParam, lParam)) return *r;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
  }
};
