#include "timers.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "clock.h"
#include "lasterror.h"
#include "messages.h"
#include "queue_internal.h"
#include "window_internal.h"

namespace WindowManager {
namespace {

struct Timer {
  HWND Hwnd = nullptr;
  UINT_PTR Id = 0;
  UINT Interval = 0;
  std::uint64_t Due = 0;
  TIMERPROC Proc = nullptr;
  bool Running = false;
};

struct Timers {
  std::vector<Timer> List;
  UINT_PTR NextThreadId = 1;
};

Timers& All() {
  static Timers timers;
  return timers;
}

Timer* Lookup(HWND hwnd, UINT_PTR id) {
  for (Timer& t : All().List)
    if (t.Hwnd == hwnd && t.Id == id) return &t;
  return nullptr;
}

// Next due time after a tick (or a drop): keep the cadence, never a backlog.
void Rearm(Timer& t, std::uint64_t now) {
  t.Due += t.Interval;
  if (t.Due <= now) t.Due = now + t.Interval;
}

}  // namespace

bool NextTimerMessage(HWND filter, bool remove, MSG& out) {
  std::uint64_t now = ClockNowMs();
  Timer* best = nullptr;
  for (Timer& t : All().List) {
    if (t.Due > now) continue;
    if (t.Running) {
      Rearm(t, now);
      continue;
    }
    if (filter && t.Hwnd != filter) continue;
    if (t.Hwnd && !Find(t.Hwnd)) continue;
    if (!best || t.Due < best->Due) best = &t;
  }
  if (!best) return false;
  out = MSG();
  out.hwnd = best->Hwnd;
  out.message = WM_TIMER;
  out.wParam = best->Id;
  out.lParam = reinterpret_cast<LPARAM>(best->Proc);
  out.time = static_cast<DWORD>(now);
  if (remove) Rearm(*best, now);
  return true;
}

std::uint64_t NextTimerDue() {
  std::uint64_t due = UINT64_MAX;
  for (const Timer& t : All().List) due = std::min(due, t.Due);
  return due;
}

void BeginTimerTick(HWND hwnd, UINT_PTR id) {
  if (Timer* t = Lookup(hwnd, id)) t->Running = true;
}

void EndTimerTick(HWND hwnd, UINT_PTR id) {
  if (Timer* t = Lookup(hwnd, id)) t->Running = false;
}

void KillWindowTimers(HWND hwnd) {
  std::erase_if(All().List, [hwnd](const Timer& t) { return t.Hwnd == hwnd; });
}

}  // namespace WindowManager

using namespace WindowManager;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
  if (hwnd && (!Find(hwnd) || IsDesktop(hwnd))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!hwnd && !(id && Lookup(nullptr, id))) {
    // A fresh thread timer id, clear of those running.
    Timers& all = All();
    do id = all.NextThreadId++;
    while (Lookup(nullptr, id) || id == 0);
  }
  UINT interval = std::max(elapseMs, USER_TIMER_MINIMUM);
  std::uint64_t due = ClockNowMs() + interval;
  if (Timer* t = Lookup(hwnd, id)) {
    t->Interval = interval;
    t->Due = due;
    t->Proc = proc;
  } else {
    All().List.push_back({hwnd, id, interval, due, proc, false});
  }
  return hwnd && id == 0 ? 1 : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  auto& list = All().List;
  auto it = std::find_if(list.begin(), list.end(), [&](const Timer& t) { return t.Hwnd == hwnd && t.Id == id; });
  if (it == list.end()) return FALSE;
  list.erase(it);
  return TRUE;
}
