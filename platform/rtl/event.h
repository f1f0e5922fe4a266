// TEvent: the class library's event object, signalled by one thread and
// waited for by others. Timeouts count real time even when the platform clock
// is virtual: they bound a wait for another thread, which virtual time
// cannot make arrive sooner.
#pragma once

#include <condition_variable>
#include <mutex>

#include "clock.h"
#include "tobject.h"

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

class TEvent : public TObject {
  MORVANT_CLASS(TEvent, TObject)
 public:
  // A manual-reset event stays signalled until ResetEvent; an automatic one
  // releases one waiter and resets itself.
  TEvent(bool manualReset, bool initialState) : manualReset_(manualReset), signalled_(initialState) {}
  void SetEvent();
  void ResetEvent();
  TWaitResult WaitFor(DWORD timeoutMs = INFINITE);

 private:
  const bool manualReset_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_;
};
