#include "clock.h"

#include <errno.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

std::uint64_t MonotonicUs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint64_t>(ts.tv_sec) * 1000000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000u;
}

std::int64_t RealWallMs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

struct ClockState {
  std::mutex mutex;
  bool isVirtual = false;
  std::uint64_t realOriginUs = MonotonicUs();
  std::uint64_t virtualUs = 0;
  // Wall time at the moment the virtual clock read virtualStartUs.
  std::int64_t virtualWallStartMs = 0;
  std::uint64_t virtualStartUs = 0;
  std::atomic<ClockAdvanceHook> hook{nullptr};
};

ClockState& State() {
  static ClockState state;
  return state;
}

std::uint64_t NowUs() {
  ClockState& s = State();
  std::lock_guard lock(s.mutex);
  return s.isVirtual ? s.virtualUs : MonotonicUs() - s.realOriginUs;
}

}  // namespace

void ClockUseVirtual(std::uint64_t startMs) {
  ClockState& s = State();
  std::lock_guard lock(s.mutex);
  s.isVirtual = true;
  s.virtualUs = startMs * 1000u;
  s.virtualStartUs = s.virtualUs;
  s.virtualWallStartMs = RealWallMs();
}

void ClockUseReal() {
  ClockState& s = State();
  std::lock_guard lock(s.mutex);
  s.isVirtual = false;
}

bool ClockIsVirtual() {
  ClockState& s = State();
  std::lock_guard lock(s.mutex);
  return s.isVirtual;
}

void ClockAdvance(std::uint64_t ms) {
  ClockState& s = State();
  std::uint64_t now;
  {
    std::lock_guard lock(s.mutex);
    if (!s.isVirtual) return;
    s.virtualUs += ms * 1000u;
    now = s.virtualUs / 1000u;
  }
  if (ClockAdvanceHook hook = s.hook.load()) hook(now);
}

std::uint64_t ClockNowMs() { return NowUs() / 1000u; }

std::int64_t ClockWallMs() {
  ClockState& s = State();
  std::lock_guard lock(s.mutex);
  if (!s.isVirtual) return RealWallMs();
  return s.virtualWallStartMs + static_cast<std::int64_t>((s.virtualUs - s.virtualStartUs) / 1000u);
}

void SetClockAdvanceHook(ClockAdvanceHook hook) { State().hook.store(hook); }

DWORD GetTickCount() { return static_cast<DWORD>(ClockNowMs()); }

ULONGLONG GetTickCount64() { return ClockNowMs(); }

BOOL QueryPerformanceCounter(LARGE_INTEGER* count) {
  if (!count) return FALSE;
  count->QuadPart = static_cast<LONGLONG>(NowUs());
  return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
  if (!frequency) return FALSE;
  frequency->QuadPart = 1000000;
  return TRUE;
}

void Sleep(DWORD ms) {
  if (ms != INFINITE && ClockIsVirtual()) {
    ClockAdvance(ms);
    // Let the threads that wait for this time run, as a real sleep would.
    std::this_thread::yield();
    return;
  }
  if (ms == 0) {
    std::this_thread::yield();
    return;
  }
  if (ms == INFINITE) {
    for (;;) pause();
  }
  timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

DWORD SleepEx(DWORD ms, BOOL /*alertable*/) {
  Sleep(ms);
  return 0;
}
