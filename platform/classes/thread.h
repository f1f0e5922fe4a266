// TThread: a worker thread with the class library's life cycle.
//
// Starting. A C++ base constructor cannot start the worker (Execute is not
// callable before the derived constructor has run), so the thread starts in
// AfterConstruction, as in the class library. Create threads through
// TThread::New<TMyThread>(CreateSuspended, ...), which calls it; or create
// them suspended and call Resume/Start, the callers' usual pattern.
//
// Suspend. A thread cannot be frozen at an arbitrary point here. Suspend
// sets a stop flag; the worker stops at its next look at GetTerminated() or
// its next Synchronize and waits there until Resume or Terminate wakes it.
// Freeing a suspended thread therefore works: the destructor terminates,
// wakes and waits for it.
//
// Stopping. The destructor and WaitFor wait for Execute to return; on the
// user-interface thread they keep serving the Synchronize queue meanwhile, so
// a worker that waits in Synchronize is released (see sync.h). A derived
// class whose members the worker uses should call Terminate() and WaitFor()
// in its own destructor, before those members go.
//
// FreeOnTerminate: the object deletes itself when Execute returns; if a
// WaitFor is still waiting then, that WaitFor deletes it instead, so the
// waiter never touches freed memory. Don't use the object after that, and
// don't start a WaitFor once the thread may already have ended (it may be
// gone), as with the class library.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

#include "tobject.h"
#include "wintypes.h"

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread : public TObject {
  MORVANT_CLASS(TThread, TObject)
 public:
  explicit TThread(bool CreateSuspended);
  ~TThread() override;
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  template <class T, class... Args>
  static T* New(Args&&... args) {
    T* thread = new T(std::forward<Args>(args)...);
    thread->AfterConstruction();
    return thread;
  }
  // Starts the worker unless it was created suspended.
  void AfterConstruction() override;

  void Start();
  void Resume();
  void Suspend();
  void Terminate();
  // Waits for Execute to return; the thread's ReturnValue. Raises EThread
  // when the worker waits for itself.
  DWORD WaitFor();

  // On the worker, also the point where a Suspend takes effect.
  bool GetTerminated();
  bool GetSuspended() const;
  bool GetFinished() const { return finished_.load(); }
  bool GetFreeOnTerminate() const { return freeOnTerminate_.load(); }
  void SetFreeOnTerminate(bool value) { freeOnTerminate_.store(value); }
  // Stored only: the scheduler's priorities need privileges a game lacks.
  TThreadPriority GetPriority() const { return priority_.load(); }
  void SetPriority(TThreadPriority value) { priority_.store(value); }
  DWORD GetThreadID() const { return threadId_.load(); }
  DWORD GetReturnValue() const { return returnValue_.load(); }
  // The exception that ended Execute, if any.
  std::exception_ptr GetFatalException() const;

 protected:
  virtual void Execute() = 0;
  // Runs `method` on the user-interface thread; the worker waits for it.
  void Synchronize(const std::function<void()>& method);
  template <class T>
  void Synchronize(void (T::*method)()) {
    T* self = static_cast<T*>(this);
    Synchronize(std::function<void()>([self, method] { (self->*method)(); }));
  }
  void SetReturnValue(DWORD value) { returnValue_.store(value); }

 private:
  void Run();
  bool OnWorker() const;
  void WaitWhileSuspended();
  void AwaitFinish();

  const bool createSuspended_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;
  bool started_ = false;
  bool suspendRequested_ = false;
  int waiters_ = 0;
  bool waiterFrees_ = false;
  std::exception_ptr fatal_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> freeOnTerminate_{false};
  std::atomic<TThreadPriority> priority_{tpNormal};
  std::atomic<DWORD> threadId_{0};
  std::atomic<DWORD> returnValue_{0};
};
