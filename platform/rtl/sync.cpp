#include "sync.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

#include "threadid.h"

namespace {

struct Entry {
  const std::function<void()>* call;
  std::exception_ptr error;
  bool done = false;
};

struct Queue {
  std::mutex mutex;
  // Workers wait for their entry's `done`; the UI thread waits for entries.
  std::condition_variable changed;
  std::deque<Entry*> entries;
  SynchronizeWakeHook hook = nullptr;
  unsigned wakeups = 0;
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

}  // namespace

void SynchronizeCall(const std::function<void()>& call) {
  if (IsMainThread()) {
    call();
    return;
  }
  Queue& q = TheQueue();
  Entry entry{&call, nullptr};
  SynchronizeWakeHook hook;
  {
    std::lock_guard lock(q.mutex);
    q.entries.push_back(&entry);
    hook = q.hook;
  }
  q.changed.notify_all();
  if (hook) hook();
  std::unique_lock lock(q.mutex);
  q.changed.wait(lock, [&] { return entry.done; });
  if (entry.error) std::rethrow_exception(entry.error);
}

bool CheckSynchronize() {
  if (!IsMainThread()) return false;
  Queue& q = TheQueue();
  bool ranAny = false;
  for (;;) {
    Entry* entry;
    {
      std::lock_guard lock(q.mutex);
      if (q.entries.empty()) break;
      entry = q.entries.front();
      q.entries.pop_front();
    }
    try {
      (*entry->call)();
    } catch (...) {
      entry->error = std::current_exception();
    }
    {
      std::lock_guard lock(q.mutex);
      entry->done = true;
    }
    q.changed.notify_all();
    ranAny = true;
  }
  return ranAny;
}

void SetSynchronizeWakeHook(SynchronizeWakeHook hook) {
  Queue& q = TheQueue();
  std::lock_guard lock(q.mutex);
  q.hook = hook;
}

void ServeSynchronizeUntil(const std::function<bool()>& done) {
  Queue& q = TheQueue();
  // Another thread cannot serve the queue; it only waits for the wake-up.
  const bool serving = IsMainThread();
  for (;;) {
    CheckSynchronize();
    std::unique_lock lock(q.mutex);
    const unsigned seen = q.wakeups;
    if (done()) return;
    q.changed.wait(lock, [&] { return (serving && !q.entries.empty()) || q.wakeups != seen; });
  }
}

void WakeSynchronizeWaiters() {
  Queue& q = TheQueue();
  {
    std::lock_guard lock(q.mutex);
    ++q.wakeups;
  }
  q.changed.notify_all();
}
