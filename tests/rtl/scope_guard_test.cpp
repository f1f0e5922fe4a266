#include "scope_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ScopeGuard, RunsOnceOnReturnAndOnExceptionButNotWhenDismissed) {
  int runs = 0;
  { TScopeGuard guard([&] { ++runs; }); }
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(
      {
        TScopeGuard guard([&] { ++runs; });
        throw std::runtime_error("paint");
      },
      std::runtime_error);
  EXPECT_EQ(runs, 2);
  {
    TScopeGuard guard([&] { ++runs; });
    guard.Dismiss();
  }
  EXPECT_EQ(runs, 2);
}

// A clean-up that throws: on a plain exit its error reaches the caller;
// during unwinding the first error is kept and nothing terminates.
TEST(ScopeGuard, AThrowingCleanUpReportsItsErrorUnlessAnotherIsOnItsWay) {
  auto failingCleanUp = [] { throw std::logic_error("end update"); };
  EXPECT_THROW({ TScopeGuard guard(failingCleanUp); }, std::logic_error);
  EXPECT_THROW(
      {
        TScopeGuard guard(failingCleanUp);
        throw std::runtime_error("read");
      },
      std::runtime_error);
}

}  // namespace
