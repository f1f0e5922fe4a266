// Multimedia units of the library. Here: the high-resolution timer, which
// ticks at millisecond resolution from a worker thread or a multimedia
// timer. The wave data and the wave component join this unit later; the
// three-dimensional picture buttons, which belong to it too, live with the
// controls in vyrmms_buttons.h.
#pragma once

#include <atomic>

#include "event.h"
#include "events.h"
#include "hwnd.h"
#include "published.h"
#include "thread.h"
#include "unitstartup.h"
#include "vyrclass.h"

namespace Vyrmms {

class TVyrHiTimer;

// The worker of a high-resolution timer in thread mode: waits for the
// interval on the platform clock (the virtual one in tests, without moving
// it) or for a stop, then hands the tick to its owner.
class TVyrThreadedTimer : public TThread {
  MORVANT_CLASS(TVyrThreadedTimer, TThread)
 public:
  // Created suspended; Resume starts it.
  TVyrThreadedTimer(TVyrHiTimer* Owner, Word Interval);
  ~TVyrThreadedTimer() override;
  Word GetInterval() const { return FInterval.load(); }
  void SetInterval(Word Value) { FInterval.store(Value); }
  // Ends the wait at once; no tick follows. On the worker itself (from
  // inside an unsynchronised tick) the thread is left to free itself.
  void Stop();

 protected:
  void Execute() override;

 private:
  bool StopHolds();

  std::atomic<TVyrHiTimer*> FOwner;
  std::atomic<Word> FInterval;
  const std::uint64_t FDueMs;
  TEvent FStopEvent{true, false};
};

class TVyrHiTimer : public Vyrclass::TVyrComponent {
  MORVANT_COMPONENT(TVyrHiTimer, Vyrclass::TVyrComponent)
 public:
  explicit TVyrHiTimer(TComponent* AOwner);
  TVyrHiTimer(TComponent* AOwner, Word Interval);
  ~TVyrHiTimer() override;

  bool GetEnabled() const { return FEnabled.load(); }
  void SetEnabled(bool Value);
  Word GetInterval() const { return FInterval.load(); }
  // Outside the device's period range: 1000.
  void SetInterval(Word Value);
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(const TNotifyEvent& Value);
  bool GetSynchronize() const { return FSynchronize.load(); }
  // False: OnTimer runs on the worker thread, and must be thread-safe.
  void SetSynchronize(bool Value) { FSynchronize.store(Value); }
  bool GetUseThread() const { return FUseThread; }
  // False: a multimedia timer posts the ticks instead of a worker thread.
  void SetUseThread(bool Value);
  TThreadPriority GetThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value);
  // 0 the device's largest period, 1 its smallest, else 0.
  UINT GetPeriod(int Index) const;

  // One tick: OnTimer(Self).
  virtual void Timer();

 protected:
  void Loaded() override;

 private:
  friend class TVyrThreadedTimer;
  void UpdateTimer();
  void StopTimer();
  void EnsureWindow();
  void WndProc(TMessage& Message);
  // From the worker, once per interval.
  void WorkerTick();

  std::atomic<bool> FEnabled{false};
  bool FInHandler = false;
  std::atomic<Word> FInterval{1000};
  UINT FTimerId = 0;
  UINT FPeriodMin = 1;
  UINT FPeriodMax = 1000000;
  TNotifyEvent FOnTimer;
  HWND FWindow = nullptr;
  TVyrThreadedTimer* FThread = nullptr;
  TThreadPriority FThreadPriority = tpNormal;
  std::atomic<bool> FSynchronize{true};
  bool FUseThread = true;
  // Ticks of the worker posted to the window and not yet taken; a
  // generation tells a stale one (from a stopped worker) from a current one.
  std::atomic<bool> FTickPosted{false};
  std::atomic<UINT> FGeneration{0};
};

// The unit's start-up row: registers the classes that forms may name.
void Initialize();
inline constexpr TUnitRow Unit{"Vyrmms", &Initialize, nullptr};

}  // namespace Vyrmms
