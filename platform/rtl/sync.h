// The hand-over queue behind TThread::Synchronize: a worker queues a call and
// blocks until the user-interface thread has run it.
//
// The UI thread runs the queued calls in CheckSynchronize(), which every
// message pump calls (and tests call directly). The wake-up hook tells the
// pump that an entry arrived, so that a pump asleep in its host wait returns.
//
// No deadlock when the UI thread stops a worker that waits in Synchronize:
// the UI thread never waits for a worker with a plain join; it waits through
// ServeSynchronizeUntil, which keeps running queued calls until the worker
// has finished (TThread::WaitFor does so). The worker's call runs, it sees
// Terminated and ends.
#pragma once

#include <functional>

// Runs `call` on the UI thread and returns when it has run; an exception it
// raises is raised again here. Called on the UI thread itself, runs at once.
void SynchronizeCall(const std::function<void()>& call);

// UI thread: runs every queued call, in order; true when it ran any. Other
// threads: does nothing and answers false.
bool CheckSynchronize();

// Called (on the queuing thread) after each new entry. nullptr removes it.
using SynchronizeWakeHook = void (*)();
void SetSynchronizeWakeHook(SynchronizeWakeHook hook);

// UI thread: runs queued calls until `done()` holds; another thread only
// waits for it. `done` is checked after
// each batch and whenever WakeSynchronizeWaiters is called, so whoever makes
// it true must call WakeSynchronizeWaiters afterwards.
void ServeSynchronizeUntil(const std::function<bool()>& done);
void WakeSynchronizeWaiters();
