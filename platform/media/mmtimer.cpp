#include "mmtimer.h"

#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "clock.h"
#include "clockwait.h"
#include "event.h"

namespace {

struct TimerEvent {
  UINT Id = 0;
  UINT Delay = 0;
  bool Periodic = false;
  LPTIMECALLBACK Callback = nullptr;
  DWORD_PTR User = 0;
  std::uint64_t DueMs = 0;

  // Set by timeKillEvent.
  TEvent Killed{true, false};
  std::mutex Lock;
  bool Finished = false;
  std::thread Worker;
};

// Timers by id. Never destroyed: a worker still running at exit must not
// find its registry gone, nor a joinable thread end the program.
struct TimerRegistry {
  std::mutex Lock;
  std::map<UINT, std::shared_ptr<TimerEvent>> Timers;
  UINT LastId = 0;
};

TimerRegistry& Registry() {
  static TimerRegistry* registry = new TimerRegistry;
  return *registry;
}

// The next due time after a tick, on the timer's own schedule; ticks that
// the clock has already passed are dropped.
void ScheduleNext(TimerEvent& t) {
  t.DueMs += t.Delay;
  const std::uint64_t now = ClockNowMs();
  if (t.DueMs <= now) t.DueMs += ((now - t.DueMs) / t.Delay + 1) * t.Delay;
}

void RunTimer(const std::shared_ptr<TimerEvent>& timer) {
  TimerEvent& t = *timer;
  // The starter holds the lock until the record is filled in.
  { std::lock_guard started(t.Lock); }
  // The callback runs unlocked, so that it may kill its own timer.
  while (ClockWaitUntil(t.DueMs, t.Killed)) {
    t.Callback(t.Id, 0, t.User, 0, 0);
    if (!t.Periodic) break;
    ScheduleNext(t);
  }
  std::lock_guard lock(t.Lock);
  t.Finished = true;
}

// A worker whose timer has ended by itself (a one-shot that fired) is joined
// by whoever next starts a timer.
void ReapFinished(TimerRegistry& r) {
  for (auto it = r.Timers.begin(); it != r.Timers.end();) {
    bool finished;
    {
      std::lock_guard lock(it->second->Lock);
      finished = it->second->Finished;
    }
    if (finished) {
      it->second->Worker.join();
      it = r.Timers.erase(it);
    } else {
      ++it;
    }
  }
}

UINT NextFreeId(TimerRegistry& r) {
  do {
    ++r.LastId;
  } while (r.LastId == 0 || r.Timers.count(r.LastId) != 0);
  return r.LastId;
}

bool PeriodInRange(UINT period) { return period >= kTimerPeriodMin && period <= kTimerPeriodMax; }

}  // namespace

MMRESULT timeGetDevCaps(LPTIMECAPS caps, UINT capsSize) {
  if (!caps || capsSize < sizeof(TIMECAPS)) return TIMERR_NOCANDO;
  caps->wPeriodMin = kTimerPeriodMin;
  caps->wPeriodMax = kTimerPeriodMax;
  return TIMERR_NOERROR;
}

MMRESULT timeBeginPeriod(UINT period) { return PeriodInRange(period) ? TIMERR_NOERROR : TIMERR_NOCANDO; }

MMRESULT timeEndPeriod(UINT period) { return PeriodInRange(period) ? TIMERR_NOERROR : TIMERR_NOCANDO; }

DWORD timeGetTime() { return static_cast<DWORD>(ClockNowMs()); }

MMRESULT timeSetEvent(UINT delay, UINT /*resolution*/, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags) {
  if (!PeriodInRange(delay) || !callback || (flags & ~TIME_PERIODIC) != 0) return 0;
  auto timer = std::make_shared<TimerEvent>();
  timer->Delay = delay;
  timer->Periodic = (flags & TIME_PERIODIC) != 0;
  timer->Callback = callback;
  timer->User = user;
  timer->DueMs = ClockNowMs() + delay;

  TimerRegistry& r = Registry();
  std::lock_guard lock(r.Lock);
  ReapFinished(r);
  timer->Id = NextFreeId(r);
  // The worker waits for this lock before it reads the timer, so it never
  // sees the record half filled.
  std::lock_guard timerLock(timer->Lock);
  try {
    timer->Worker = std::thread(RunTimer, timer);
  } catch (const std::system_error&) {
    return 0;
  }
  r.Timers.emplace(timer->Id, timer);
  return timer->Id;
}

MMRESULT timeKillEvent(UINT timerId) {
  std::shared_ptr<TimerEvent> timer;
  {
    TimerRegistry& r = Registry();
    std::lock_guard lock(r.Lock);
    auto it = r.Timers.find(timerId);
    if (it == r.Timers.end()) return MMSYSERR_INVALPARAM;
    timer = it->second;
    r.Timers.erase(it);
  }
  timer->Killed.SetEvent();
  if (timer->Worker.get_id() == std::this_thread::get_id()) {
    timer->Worker.detach();
  } else {
    timer->Worker.join();
  }
  return TIMERR_NOERROR;
}
