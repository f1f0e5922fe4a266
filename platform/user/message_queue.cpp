// The posted-message queue, sends across threads and the pump.
#include "message_queue.h"

#include <condition_variable>
#include <deque>
#include <mutex>

#include "clock.h"
#include "host.h"
#include "lasterror.h"
#include "queue_internal.h"
#include "sync.h"
#include "threadid.h"
#include "window_internal.h"
#include "wndproc.h"

namespace WindowManager {
namespace {

constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

// A SendMessage from another thread, waiting for the UI thread to run it.
struct SentCall {
  HWND Hwnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result = 0;
  bool Done = false;
};

struct TypedText {
  DWORD Serial;
  std::u32string Text;
};

struct Queue {
  std::mutex Lock;
  std::condition_variable SentDone;
  std::deque<MSG> Posted;
  std::deque<SentCall*> Sent;
  bool QuitPosted = false;
  int QuitCode = 0;
  // UI thread only.
  DWORD NextSerial = 1;
  std::deque<TypedText> Typed;
  DWORD LastTime = 0;
  POINT LastPos;
  // Host events not yet turned into messages. Input becomes a message only
  // when the input before it has been taken, so that where it goes (capture,
  // focus, the window under the pointer) is decided as late as on the
  // original, after the handlers of the earlier input ran.
  std::deque<Backend::Event> Raw;
};

Queue& TheQueue() {
  static Queue q;
  return q;
}

void WakeHost() {
  if (Backend::HostInstalled()) Backend::CurrentHost().Wake();
}

bool InRange(UINT msg, UINT min, UINT max) { return (min == 0 && max == 0) || (msg >= min && msg <= max); }

bool PassesWindowFilter(HWND msgWindow, HWND filter) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1))) return msgWindow == nullptr;
  return msgWindow == filter;
}

void ServeSentCalls() {
  Queue& q = TheQueue();
  for (;;) {
    SentCall* call;
    {
      std::lock_guard lock(q.Lock);
      if (q.Sent.empty()) return;
      call = q.Sent.front();
      q.Sent.pop_front();
    }
    LRESULT r = SendMessage(call->Hwnd, call->Msg, call->WParam, call->LParam);
    {
      std::lock_guard lock(q.Lock);
      call->Result = r;
      call->Done = true;
    }
    q.SentDone.notify_all();
  }
}

bool InputPending() {
  Queue& q = TheQueue();
  std::lock_guard lock(q.Lock);
  for (const MSG& m : q.Posted)
    if (m.lPrivate) return true;
  return false;
}

void ConvertRawEvents() {
  Queue& q = TheQueue();
  while (!q.Raw.empty() && !InputPending()) {
    Backend::Event e = std::move(q.Raw.front());
    q.Raw.pop_front();
    HandleHostEvent(e);
  }
  if (q.Raw.empty()) FinishHostEventBatch();
}

void DrainHost() {
  if (!Backend::HostInstalled()) return;
  Backend::Host& host = Backend::CurrentHost();
  Queue& q = TheQueue();
  Backend::Event e;
  std::uint64_t now = ClockNowMs();
  while (host.NextEvent(e, now)) {
    q.Raw.push_back(std::move(e));
    e = Backend::Event();
  }
  ConvertRawEvents();
}

// Everything each pass of every loop does before it looks for a message.
void BackgroundWork() {
  CheckSynchronize();
  ServeSentCalls();
  DrainHost();
  PresentDirtySurfaces();
}

bool TakePosted(MSG& out, HWND hwnd, UINT min, UINT max, bool remove) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.Lock);
  for (auto it = q.Posted.begin(); it != q.Posted.end(); ++it) {
    if (!PassesWindowFilter(it->hwnd, hwnd) || !InRange(it->message, min, max)) continue;
    out = *it;
    if (remove) q.Posted.erase(it);
    return true;
  }
  if (q.QuitPosted) {
    out = MSG();
    out.message = WM_QUIT;
    out.wParam = static_cast<WPARAM>(q.QuitCode);
    if (remove) q.QuitPosted = false;
    return true;
  }
  return false;
}

// Messages for windows destroyed since they were posted (from another
// thread, or before the purge) are dropped.
bool Deliverable(const MSG& m) { return !m.hwnd || Find(m.hwnd) != nullptr; }

// Keeps a timer marked as running while its handler runs, also when the
// handler throws.
struct TimerTickScope {
  HWND Hwnd;
  UINT_PTR Id;
  TimerTickScope(HWND h, UINT_PTR id) : Hwnd(h), Id(id) { BeginTimerTick(h, id); }
  ~TimerTickScope() { EndTimerTick(Hwnd, Id); }
};

}  // namespace

DWORD PostInput(const MSG& msg) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.Lock);
  MSG m = msg;
  m.lPrivate = q.NextSerial++;
  q.Posted.push_back(m);
  return m.lPrivate;
}

void PurgeWindowMessages(HWND hwnd) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.Lock);
  std::erase_if(q.Posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

void AttachTypedText(DWORD keySerial, std::u32string text) {
  Queue& q = TheQueue();
  q.Typed.push_back({keySerial, std::move(text)});
  // Key-downs that nobody translates leave their text behind; keep a few.
  while (q.Typed.size() > 64) q.Typed.pop_front();
}

std::u32string TakeTypedText(DWORD keySerial, bool& found) {
  Queue& q = TheQueue();
  for (auto it = q.Typed.begin(); it != q.Typed.end(); ++it) {
    if (it->Serial != keySerial) continue;
    std::u32string text = std::move(it->Text);
    q.Typed.erase(it);
    found = true;
    return text;
  }
  found = false;
  return {};
}

void PostNext(const MSG& msg) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.Lock);
  q.Posted.push_front(msg);
}

bool TakeMessage(MSG& out, HWND hwnd, UINT min, UINT max, bool remove) {
  BackgroundWork();
  for (;;) {
    if (!TakePosted(out, hwnd, min, max, remove)) break;
    if (remove && out.lPrivate) InputMessageTaken(out.lPrivate);
    if (Deliverable(out)) return true;
    if (!remove) {
      PurgeWindowMessages(out.hwnd);
      continue;
    }
  }
  if (InRange(WM_PAINT, min, max) && NextPaintMessage(hwnd, out)) return true;
  if (InRange(WM_TIMER, min, max) && NextTimerMessage(hwnd, remove, out)) return true;
  return false;
}

void WaitForInput() {
  if (!Backend::HostInstalled()) return;
  {
    Queue& q = TheQueue();
    std::lock_guard lock(q.Lock);
    if (!q.Posted.empty() || !q.Sent.empty() || q.QuitPosted) return;
  }
  Backend::Event e;
  if (Backend::CurrentHost().NextEvent(e, NextTimerDue())) TheQueue().Raw.push_back(std::move(e));
}

void NoteTaken(const MSG& m) {
  Queue& q = TheQueue();
  q.LastTime = m.time;
  q.LastPos = m.pt;
}

}  // namespace WindowManager

using namespace WindowManager;

LRESULT WindowManager::Send(WindowRecord& w, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProc(w.Proc, w.Handle, msg, wParam, lParam);
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsMainThread()) {
    Queue& q = TheQueue();
    SentCall call{hwnd, msg, wParam, lParam};
    std::unique_lock lock(q.Lock);
    q.Sent.push_back(&call);
    lock.unlock();
    WakeHost();
    WakeSynchronizeWaiters();
    lock.lock();
    q.SentDone.wait(lock, [&] { return call.Done; });
    return call.Result;
  }
  if (hwnd == HWND_BROADCAST) {
    for (HWND h : TopLevelWindows())
      if (WindowRecord* w = Find(h)) Send(*w, msg, wParam, lParam);
    return 0;
  }
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return Send(*w, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsMainThread() && hwnd && hwnd != HWND_BROADCAST && !Find(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  Queue& q = TheQueue();
  {
    std::lock_guard lock(q.Lock);
    auto post = [&](HWND h) {
      MSG m;
      m.hwnd = h;
      m.message = msg;
      m.wParam = wParam;
      m.lParam = lParam;
      m.time = GetTickCount();
      q.Posted.push_back(m);
    };
    if (hwnd == HWND_BROADCAST && IsMainThread()) {
      for (HWND h : TopLevelWindows()) post(h);
    } else if (hwnd != HWND_BROADCAST) {
      post(hwnd);
    }
  }
  if (!IsMainThread()) WakeHost();
  return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (threadId != static_cast<DWORD>(MainThreadID)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return PostMessage(nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.Lock);
  q.QuitPosted = true;
  q.QuitCode = exitCode;
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove) {
  if (!msg || !IsMainThread()) return FALSE;
  if (!TakeMessage(*msg, hwnd, min, max, (remove & PM_REMOVE) != 0)) return FALSE;
  NoteTaken(*msg);
  return TRUE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT min, UINT max) {
  if (!msg || !IsMainThread()) return -1;
  while (!TakeMessage(*msg, hwnd, min, max, true)) WaitForInput();
  NoteTaken(*msg);
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
  if (!IsMainThread()) return FALSE;
  MSG m;
  while (!TakeMessage(m, nullptr, 0, 0, false)) WaitForInput();
  return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || !msg->hwnd) {
    if (msg && msg->message == WM_TIMER && msg->lParam) {
      auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
      TimerTickScope tick(nullptr, msg->wParam);
      proc(nullptr, WM_TIMER, msg->wParam, GetTickCount());
    }
    return 0;
  }
  WindowRecord* w = Find(msg->hwnd);
  if (!w) return 0;
  if (msg->message == WM_TIMER) {
    TimerTickScope tick(msg->hwnd, msg->wParam);
    if (msg->lParam) {
      reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
      return 0;
    }
    return Send(*w, WM_TIMER, msg->wParam, msg->lParam);
  }
  return Send(*w, msg->message, msg->wParam, msg->lParam);
}

LONG GetMessageTime() { return static_cast<LONG>(TheQueue().LastTime); }
DWORD GetMessagePos() {
  POINT p = TheQueue().LastPos;
  return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}
