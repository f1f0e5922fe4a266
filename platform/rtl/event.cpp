#include "event.h"

#include <chrono>

void TEvent::SetEvent() {
  std::lock_guard lock(mutex_);
  signalled_ = true;
  if (manualReset_)
    changed_.notify_all();
  else
    changed_.notify_one();
}

void TEvent::ResetEvent() {
  std::lock_guard lock(mutex_);
  signalled_ = false;
}

TWaitResult TEvent::WaitFor(DWORD timeoutMs) {
  std::unique_lock lock(mutex_);
  const auto isSet = [this] { return signalled_; };
  if (timeoutMs == INFINITE)
    changed_.wait(lock, isSet);
  else if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet))
    return wrTimeout;
  if (!manualReset_) signalled_ = false;
  return wrSignaled;
}
