// TTimer: OnTimer every Interval milliseconds on the user-interface thread,
// through a window timer on a utility window of its own. Setting Enabled,
// Interval or OnTimer restarts the interval; a tick that falls due while
// the handler runs is dropped.
#pragma once

#include "component.h"
#include "hwnd.h"
#include "published.h"

class TTimer : public TComponent {
  MORVANT_COMPONENT(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool Value);
  unsigned GetInterval() const { return interval_; }
  void SetInterval(unsigned Value);
  TNotifyEvent GetOnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent Value);

 protected:
  virtual void Timer();
  void Loaded() override;

 private:
  void UpdateTimer();
  void WndProc(TMessage& Message);

  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
  HWND window_ = nullptr;
  bool running_ = false;
};
