// Runs a clean-up when the scope ends, by a return or an exception alike:
//   Strings->BeginUpdate();
//   TScopeGuard endUpdate([&] { Strings->EndUpdate(); });
// A clean-up may throw (an end of update runs change handlers): on a plain
// exit its exception goes on to the caller; while an exception is already
// on its way it is dropped, so that the first error is the one reported.
// Dismiss() keeps the clean-up from running.
#pragma once

#include <exception>
#include <utility>

template <class F>
class TScopeGuard {
 public:
  explicit TScopeGuard(F f) : f_(std::move(f)), exceptions_(std::uncaught_exceptions()) {}
  ~TScopeGuard() noexcept(false) {
    if (!active_) return;
    if (std::uncaught_exceptions() == exceptions_) {
      f_();
      return;
    }
    try {
      f_();
    } catch (...) {
    }
  }
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;

  void Dismiss() { active_ = false; }

 private:
  F f_;
  int exceptions_;
  bool active_ = true;
};
