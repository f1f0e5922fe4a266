#include "thread.h"

#include "exceptions.h"
#include "sync.h"
#include "threadid.h"

TThread::TThread(bool CreateSuspended) : createSuspended_(CreateSuspended) {}

TThread::~TThread() {
  if (!thread_.joinable()) return;
  if (OnWorker()) {
    // FreeOnTerminate: the worker is deleting itself at the end of Run.
    thread_.detach();
    return;
  }
  Terminate();
  AwaitFinish();
  thread_.join();
}

void TThread::AfterConstruction() {
  if (!createSuspended_) Start();
}

void TThread::Start() {
  std::lock_guard lock(mutex_);
  if (started_) throw EThread("Thread cannot be started twice");
  started_ = true;
  thread_ = std::thread(&TThread::Run, this);
}

void TThread::Resume() {
  {
    std::lock_guard lock(mutex_);
    if (started_) {
      suspendRequested_ = false;
      changed_.notify_all();
      return;
    }
  }
  Start();
}

void TThread::Suspend() {
  {
    std::lock_guard lock(mutex_);
    if (!started_) return;
    suspendRequested_ = true;
  }
  if (OnWorker()) WaitWhileSuspended();
}

void TThread::Terminate() {
  terminated_.store(true);
  std::lock_guard lock(mutex_);
  changed_.notify_all();
}

bool TThread::GetTerminated() {
  if (OnWorker()) WaitWhileSuspended();
  return terminated_.load();
}

bool TThread::GetSuspended() const {
  std::lock_guard lock(mutex_);
  return !started_ || suspendRequested_;
}

std::exception_ptr TThread::GetFatalException() const {
  std::lock_guard lock(mutex_);
  return fatal_;
}

void TThread::Synchronize(const std::function<void()>& method) {
  if (OnWorker()) WaitWhileSuspended();
  SynchronizeCall(method);
}

DWORD TThread::WaitFor() {
  {
    std::lock_guard lock(mutex_);
    if (!started_) return returnValue_.load();
    if (OnWorker()) throw EThread("Thread cannot wait for itself");
    ++waiters_;
  }
  AwaitFinish();
  const DWORD result = returnValue_.load();
  bool freeNow;
  {
    std::lock_guard lock(mutex_);
    --waiters_;
    freeNow = waiterFrees_ && waiters_ == 0;
  }
  if (freeNow) delete this;
  return result;
}

bool TThread::OnWorker() const { return threadId_.load() == GetCurrentThreadId(); }

void TThread::WaitWhileSuspended() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !suspendRequested_ || terminated_.load(); });
}

void TThread::AwaitFinish() {
  // On the UI thread this keeps serving Synchronize, which is what lets a
  // worker blocked there reach its end.
  ServeSynchronizeUntil([this] { return finished_.load(); });
}

void TThread::Run() {
  threadId_.store(GetCurrentThreadId());
  std::exception_ptr fatal;
  try {
    WaitWhileSuspended();
    Execute();
  } catch (...) {
    fatal = std::current_exception();
  }
  bool freeSelf;
  {
    std::lock_guard lock(mutex_);
    fatal_ = fatal;
    finished_.store(true);
    freeSelf = freeOnTerminate_.load() && waiters_ == 0;
    waiterFrees_ = freeOnTerminate_.load() && waiters_ > 0;
    changed_.notify_all();
  }
  // From here on the object may be gone unless this thread frees it itself.
  WakeSynchronizeWaiters();
  if (freeSelf) delete this;
}
