#include "unitstartup.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;

template <char Name>
void Init() {
  calls.push_back(std::string("init ") + Name);
}
template <char Name>
void Fini() {
  calls.push_back(std::string("fini ") + Name);
}
void Failing() { throw std::runtime_error("no"); }

const TUnitRow A{"A", &Init<'A'>, &Fini<'A'>};
const TUnitRow B{"B", &Init<'B'>, &Fini<'B'>};
const TUnitRow C{"C", &Init<'C'>, &Fini<'C'>};
const TUnitRow OnlyStart{"D", &Init<'D'>, nullptr};
const TUnitRow Broken{"E", &Failing, &Fini<'E'>};

class UnitStartup : public ::testing::Test {
 protected:
  UnitStartup() { calls.clear(); }
};

TEST_F(UnitStartup, RunsInTableOrderAndFinalisesInExactReverse) {
  {
    const TUnitStartup units(ConcatUnitRows({A, OnlyStart}, {B, C}));
    EXPECT_EQ(calls, (std::vector<std::string>{"init A", "init D", "init B", "init C"}));
    EXPECT_TRUE(UnitRunning("D"));
    calls.clear();
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"fini C", "fini B", "fini A"}));
  EXPECT_FALSE(UnitRunning("A"));
}

TEST_F(UnitStartup, NoUnitStartsTwice) {
  {
    const TUnitStartup outer({A, B});
    {
      // Named twice, and again by a nested table: each runs once, and the
      // nested table finalises only what it started.
      const TUnitStartup inner({B, C, A, C});
      EXPECT_EQ(calls, (std::vector<std::string>{"init A", "init B", "init C"}));
      calls.clear();
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"fini C"}));
    EXPECT_TRUE(UnitRunning("B"));
    calls.clear();
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"fini B", "fini A"}));
}

TEST_F(UnitStartup, TablesEndingOutOfOrderFinaliseWithTheLastHolder) {
  auto first = std::make_unique<TUnitStartup>(TUnitRows{A, B});
  auto second = std::make_unique<TUnitStartup>(TUnitRows{B, C});
  calls.clear();
  first.reset();
  // B is still held by the second table: only A goes.
  EXPECT_EQ(calls, (std::vector<std::string>{"fini A"}));
  EXPECT_TRUE(UnitRunning("B"));
  calls.clear();
  second.reset();
  EXPECT_EQ(calls, (std::vector<std::string>{"fini C", "fini B"}));
}

std::vector<std::string> starting;
void RecordStarting() { starting.push_back(StartingUnit() ? StartingUnit() : "-"); }
void StartsAnother() {
  RecordStarting();
  const TUnitStartup inner({{"Inner", &RecordStarting, nullptr}});
  RecordStarting();
}

TEST_F(UnitStartup, NamesTheUnitBeingStarted) {
  starting.clear();
  {
    const TUnitStartup units({{"Outer", &StartsAnother, nullptr}});
  }
  EXPECT_EQ(starting, (std::vector<std::string>{"Outer", "Inner", "Outer"}));
  EXPECT_EQ(StartingUnit(), nullptr);
}

TEST_F(UnitStartup, FailedStartFinalisesWhatStartedBefore) {
  EXPECT_THROW(TUnitStartup({A, B, Broken, C}), std::runtime_error);
  EXPECT_EQ(calls, (std::vector<std::string>{"init A", "init B", "fini B", "fini A"}));
  EXPECT_FALSE(UnitRunning("E"));
  EXPECT_FALSE(UnitRunning("A"));
}

}  // namespace
