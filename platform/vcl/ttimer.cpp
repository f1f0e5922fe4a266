#include "ttimer.h"

#include "application.h"
#include "timers.h"
#include "wndproc.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

void TTimer::Publish(TPublisher<TTimer>& P) {
  P.Bool("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled, true);
  P.Integer("Interval", &TTimer::GetInterval, &TTimer::SetInterval, 1000);
  P.Event("OnTimer", &TTimer::GetOnTimer, &TTimer::SetOnTimer);
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  window_ = AllocateHWnd(TWndMethod(this, &TTimer::WndProc));
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
  DeallocateHWnd(window_);
}

void TTimer::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (interval_ == Value) return;
  interval_ = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  onTimer_ = Value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) KillTimer(window_, kTimerId);
  running_ = false;
  // A form being read sets its properties one by one: start once it is done.
  if (GetComponentState().Contains(csLoading)) return;
  if (enabled_ && interval_ != 0 && onTimer_ && window_) running_ = SetTimer(window_, kTimerId, interval_, nullptr) != 0;
}

void TTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER) {
    try {
      Timer();
    } catch (...) {
      HandleEventException(this);
    }
    return;
  }
  Message.Result = DefWindowProc(window_, Message.Msg, Message.WParam, Message.LParam);
}
