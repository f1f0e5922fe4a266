#include <chrono>

#include "application.h"
#include "classregistry.h"
#include "clock.h"
#include "clockwait.h"
#include "message_queue.h"
#include "messages.h"
#include "mmtimer.h"
#include "resourcestrings.h"
#include "threadid.h"
#include "wndproc.h"
#include "vyrmms.h"

namespace Vyrmms {

namespace {

// A tick of the worker thread, posted to the timer's window; wParam the
// worker's generation.
constexpr UINT kWorkerTickMessage = WM_USER + 1;

// The multimedia timer's callback, on its worker: only posts the tick.
void PostTick(UINT timerId, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
  PostMessage(reinterpret_cast<HWND>(user), WM_TIMER, timerId, 0);
}

}  // namespace

// ---- TVyrThreadedTimer ----

TVyrThreadedTimer::TVyrThreadedTimer(TVyrHiTimer* Owner, Word Interval)
    : TThread(true), FOwner(Owner), FInterval(Interval), FDueMs(ClockNowMs() + Interval) {}

TVyrThreadedTimer::~TVyrThreadedTimer() {
  // The worker uses this object's members: it must be gone before they are.
  // On the worker itself (FreeOnTerminate) Execute has already returned.
  if (GetThreadID() == GetCurrentThreadId()) return;
  Stop();
  WaitFor();
}

void TVyrThreadedTimer::Stop() {
  FOwner.store(nullptr);
  Terminate();
  FStopEvent.SetEvent();
}

bool TVyrThreadedTimer::StopHolds() {
  return GetTerminated() || !FOwner.load() || (Application && Application->GetTerminated());
}

void TVyrThreadedTimer::Execute() {
  // The first interval counts from the start on the user-interface thread,
  // not from whenever this thread got going.
  std::uint64_t due = FDueMs;
  while (!StopHolds()) {
    if (!ClockWaitUntil(due, FStopEvent) || StopHolds()) break;
    if (TVyrHiTimer* owner = FOwner.load(); owner && owner->GetEnabled()) owner->WorkerTick();
    // Ticks the clock has already passed are dropped, not delivered in a burst.
    const Word interval = GetInterval() ? GetInterval() : 1;
    const std::uint64_t now = ClockNowMs();
    due += interval;
    if (due <= now) due += ((now - due) / interval + 1) * interval;
  }
}

// ---- TVyrHiTimer ----

void TVyrHiTimer::Publish(TPublisher<TVyrHiTimer>& P) {
  P.Bool("Enabled", &TVyrHiTimer::GetEnabled, &TVyrHiTimer::SetEnabled, false);
  P.Integer("Interval", &TVyrHiTimer::GetInterval, &TVyrHiTimer::SetInterval, 1000);
  P.Event("OnTimer", &TVyrHiTimer::GetOnTimer, &TVyrHiTimer::SetOnTimer);
  P.Bool("Synchronize", &TVyrHiTimer::GetSynchronize, &TVyrHiTimer::SetSynchronize, true);
  P.Enum("ThreadPriority", &TVyrHiTimer::GetThreadPriority, &TVyrHiTimer::SetThreadPriority,
         {"tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher", "tpHighest", "tpTimeCritical"}, tpNormal);
  P.Bool("UseThread", &TVyrHiTimer::GetUseThread, &TVyrHiTimer::SetUseThread, true);
}

TVyrHiTimer::TVyrHiTimer(TComponent* AOwner) : TVyrHiTimer(AOwner, 1000) {}

TVyrHiTimer::TVyrHiTimer(TComponent* AOwner, Word Interval) : TVyrComponent(AOwner) {
  TIMECAPS caps{};
  if (timeGetDevCaps(&caps, sizeof caps) == TIMERR_NOERROR) {
    FPeriodMin = caps.wPeriodMin;
    FPeriodMax = caps.wPeriodMax;
  }
  timeBeginPeriod(FPeriodMin);
  FInterval.store(Interval);
}

TVyrHiTimer::~TVyrHiTimer() {
  FOnTimer = nullptr;
  StopTimer();
  timeEndPeriod(FPeriodMin);
  FEnabled.store(false);
  if (FWindow) DeallocateHWnd(FWindow);
}

void TVyrHiTimer::SetEnabled(bool Value) {
  if (FEnabled.load() == Value) return;
  FEnabled.store(Value);
  UpdateTimer();
}

void TVyrHiTimer::SetInterval(Word Value) {
  if (FInterval.load() == Value) return;
  if (Value < FPeriodMin || Value > FPeriodMax) Value = 1000;
  FInterval.store(Value);
  UpdateTimer();
}

void TVyrHiTimer::SetOnTimer(const TNotifyEvent& Value) {
  // The worker may be reading the handler: stop it before the handler changes.
  StopTimer();
  FOnTimer = Value;
  UpdateTimer();
}

void TVyrHiTimer::SetUseThread(bool Value) {
  if (FUseThread == Value) return;
  StopTimer();
  FUseThread = Value;
  UpdateTimer();
}

void TVyrHiTimer::SetThreadPriority(TThreadPriority Value) {
  FThreadPriority = Value;
  if (FUseThread) UpdateTimer();
}

UINT TVyrHiTimer::GetPeriod(int Index) const {
  if (Index == 0) return FPeriodMax;
  if (Index == 1) return FPeriodMin;
  return 0;
}

void TVyrHiTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

void TVyrHiTimer::Loaded() {
  TVyrComponent::Loaded();
  UpdateTimer();
}

void TVyrHiTimer::StopTimer() {
  // Ticks already posted by the old worker or timer are refused from here on.
  FGeneration.fetch_add(1);
  if (FThread) {
    TVyrThreadedTimer* thread = FThread;
    FThread = nullptr;
    thread->Stop();
    if (thread->GetThreadID() == GetCurrentThreadId())
      thread->SetFreeOnTerminate(true);  // inside its own tick: it ends after it
    else
      delete thread;                     // waits for the worker, which is not waiting for us
  }
  if (FTimerId != 0) {
    timeKillEvent(FTimerId);
    FTimerId = 0;
  }
  // Only now: the old worker can post no more.
  FTickPosted.store(false);
}

void TVyrHiTimer::EnsureWindow() {
  if (!FWindow) FWindow = AllocateHWnd(TWndMethod(this, &TVyrHiTimer::WndProc));
}

void TVyrHiTimer::UpdateTimer() {
  const TComponentState state = GetComponentState();
  if (state.Contains(csDesigning)) return;
  StopTimer();
  if (state.Contains(csDestroying) || state.Contains(csLoading)) return;
  if (!FEnabled.load() || !FOnTimer) return;
  EnsureWindow();
  if (FUseThread) {
    FThread = new TVyrThreadedTimer(this, FInterval.load());
    FThread->SetPriority(FThreadPriority);
    FThread->Resume();
    return;
  }
  if (FInterval.load() == 0) return;
  FTimerId = timeSetEvent(FInterval.load(), FInterval.load(), PostTick, reinterpret_cast<DWORD_PTR>(FWindow),
                          TIME_PERIODIC);
  if (FTimerId == 0) throw EOutOfResources(LoadStr(SNoTimers));
}

void TVyrHiTimer::WorkerTick() {
  if (!FSynchronize.load()) {
    Timer();
    return;
  }
  // Posted rather than waited for: the worker never blocks on the
  // user-interface thread, so a stop from there cannot deadlock. While one
  // tick waits in the queue, further ones are dropped.
  if (!FTickPosted.exchange(true)) PostMessage(FWindow, kWorkerTickMessage, FGeneration.load(), 0);
}

void TVyrHiTimer::WndProc(TMessage& Message) {
  if (Message.Msg == kWorkerTickMessage) {
    Message.Result = 0;
    if (Message.WParam != FGeneration.load()) return;
    FTickPosted.store(false);
    if (FThread && FEnabled.load()) Vyrclass::VyrRunTick(FInHandler, this, [this] { Timer(); });
    return;
  }
  if (Message.Msg == WM_TIMER) {
    Message.Result = 0;
    if (FTimerId != 0 && Message.WParam == FTimerId) Vyrclass::VyrRunTick(FInHandler, this, [this] { Timer(); });
    return;
  }
  Message.Result = DefWindowProc(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

TNotifyEvent VyrUserInterfaceTick(TVyrHiTimer* Timer, const TNotifyEvent& Tick) {
  return TNotifyEvent([Timer, Tick](TObject* Sender) {
    if (!IsMainThread()) {
      // The timer outlives its worker's ticks: its stop waits for them.
      Timer->SetSynchronize(true);
      return;
    }
    if (Tick) Tick(Sender);
  });
}

}  // namespace Vyrmms
