#include "thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stdexcept>

#include "exceptions.h"
#include "sync.h"
#include "threadid.h"

namespace {

// The pump's side of the wake-up hook: the test thread sleeps here until a
// worker has queued a call.
struct WakeSignal {
  std::mutex mutex;
  std::condition_variable cv;
  int wakes = 0;
};
WakeSignal& Wake() {
  static WakeSignal w;
  return w;
}
void OnWake() {
  std::lock_guard lock(Wake().mutex);
  ++Wake().wakes;
  Wake().cv.notify_all();
}
void WaitForWake() {
  std::unique_lock lock(Wake().mutex);
  Wake().cv.wait(lock, [] { return Wake().wakes > 0; });
  --Wake().wakes;
}

class SynchronizeQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    Wake().wakes = 0;
    SetSynchronizeWakeHook(&OnWake);
  }
  void TearDown() override { SetSynchronizeWakeHook(nullptr); }
};

// Runs a body on a worker.
class LambdaThread : public TThread {
 public:
  LambdaThread(bool suspended, std::function<void(LambdaThread&)> body)
      : TThread(suspended), body_(std::move(body)) {}
  ~LambdaThread() override {
    Terminate();
    WaitFor();
  }
  using TThread::GetTerminated;
  using TThread::Synchronize;

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(LambdaThread&)> body_;
};

TEST_F(SynchronizeQueue, WorkerCallRunsOnTheTestThreadInCheckSynchronize) {
  std::atomic<DWORD> ranOn{0};
  std::atomic<bool> workerResumed{false};
  LambdaThread worker(true, [&](LambdaThread& self) {
    self.Synchronize([&] { ranOn = GetCurrentThreadId(); });
    workerResumed = true;
  });
  worker.Resume();
  WaitForWake();
  EXPECT_EQ(ranOn.load(), 0u) << "the call must wait for the UI thread";
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(ranOn.load(), static_cast<DWORD>(MainThreadID));
  worker.WaitFor();
  EXPECT_TRUE(workerResumed);
  EXPECT_FALSE(CheckSynchronize());
}

TEST_F(SynchronizeQueue, StoppingAWorkerThatWaitsInSynchronizeDoesNotDeadlock) {
  std::atomic<int> calls{0};
  auto* worker = TThread::New<LambdaThread>(false, [&](LambdaThread& self) {
    while (!self.GetTerminated()) self.Synchronize([&] { ++calls; });
  });
  WaitForWake();  // the worker now waits in Synchronize
  worker->Terminate();
  worker->WaitFor();
  EXPECT_TRUE(worker->GetFinished());
  EXPECT_GE(calls.load(), 1);
  delete worker;
}

TEST_F(SynchronizeQueue, FreeingARunningWorkerFromTheUiThreadStopsIt) {
  std::atomic<bool> ended{false};
  auto* worker = TThread::New<LambdaThread>(false, [&](LambdaThread& self) {
    while (!self.GetTerminated()) self.Synchronize([] {});
    ended = true;
  });
  WaitForWake();
  delete worker;
  EXPECT_TRUE(ended);
}

TEST_F(SynchronizeQueue, ExceptionOfTheCallIsRaisedInTheWorker) {
  std::atomic<bool> caught{false};
  LambdaThread worker(true, [&](LambdaThread& self) {
    try {
      self.Synchronize([] { throw EConvertError("bad"); });
    } catch (const EConvertError& e) {
      caught = e.Message == "bad";
    }
  });
  worker.Resume();
  worker.WaitFor();
  EXPECT_TRUE(caught);
}

TEST(Synchronize, OnTheUiThreadRunsAtOnce) {
  bool ran = false;
  SynchronizeCall([&] { ran = true; });
  EXPECT_TRUE(ran);
}

class CountingThread : public TThread {
 public:
  explicit CountingThread(std::atomic<bool>* destroyed) : TThread(true), destroyed_(destroyed) {}
  ~CountingThread() override { *destroyed_ = true; }
  int ticks = 0;

 protected:
  void Execute() override {
    Synchronize(&CountingThread::Tick);
    SetReturnValue(42);
  }

 private:
  void Tick() { ++ticks; }
  std::atomic<bool>* destroyed_;
};

TEST(Thread, MemberSynchronizeAndReturnValue) {
  std::atomic<bool> destroyed{false};
  auto* t = new CountingThread(&destroyed);
  t->Resume();
  EXPECT_EQ(t->WaitFor(), 42u);
  EXPECT_EQ(t->ticks, 1);
  delete t;
  EXPECT_TRUE(destroyed);
}

TEST(Thread, FreeOnTerminateDeletesItselfAndAWaiterStaysSafe) {
  std::atomic<bool> destroyed{false};
  auto* t = new CountingThread(&destroyed);
  t->SetFreeOnTerminate(true);
  t->Resume();
  // WaitFor serves the Synchronize and then owns the deletion.
  EXPECT_EQ(t->WaitFor(), 42u);
  EXPECT_TRUE(destroyed);
}

TEST(Thread, CreatedSuspendedRunsOnlyAfterResume) {
  std::atomic<bool> ran{false};
  LambdaThread t(true, [&](LambdaThread&) { ran = true; });
  EXPECT_TRUE(t.GetSuspended());
  EXPECT_FALSE(ran);
  t.Resume();
  t.WaitFor();
  EXPECT_TRUE(ran);
  EXPECT_THROW(t.Start(), EThread);
}

TEST(Thread, NeverStartedThreadIsFreedWithoutWaiting) {
  auto* t = new LambdaThread(true, [](LambdaThread&) { FAIL() << "must not run"; });
  EXPECT_EQ(t->WaitFor(), 0u);
  delete t;
}

TEST(Thread, SuspendedWorkerIsReleasedByFree) {
  std::atomic<int> rounds{0};
  std::atomic<bool> parked{false};
  auto* t = new LambdaThread(true, [&](LambdaThread& self) {
    self.Suspend();  // stops right here, as an owner's Suspend would at the next check
    parked = true;
    while (!self.GetTerminated()) ++rounds;
  });
  t->Resume();
  // The worker suspends itself; freeing it must terminate and wake it.
  while (!t->GetSuspended()) std::this_thread::yield();
  delete t;
  EXPECT_TRUE(parked);
}

TEST(Thread, WaitingForItselfRaises) {
  std::atomic<bool> raised{false};
  LambdaThread t(true, [&](LambdaThread& self) {
    try {
      self.WaitFor();
    } catch (const EThread&) {
      raised = true;
    }
  });
  t.Resume();
  t.WaitFor();
  EXPECT_TRUE(raised);
}

TEST(Thread, ExceptionEndingExecuteIsKept) {
  LambdaThread t(true, [](LambdaThread&) { throw std::runtime_error("boom"); });
  t.Resume();
  t.WaitFor();
  ASSERT_TRUE(t.GetFatalException());
  EXPECT_THROW(std::rethrow_exception(t.GetFatalException()), std::runtime_error);
}

}  // namespace
