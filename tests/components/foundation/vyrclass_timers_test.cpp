#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "foundation2_fixture.h"
#include "resourcestrings.h"

namespace {

using namespace Vyrclass;

// Handlers that count their calls and may run a step of the test's own.
struct Counter {
  int Calls = 0;
  std::function<void()> Then;
  void Fire(TObject*) {
    ++Calls;
    if (Then) Then();
  }
  TNotifyEvent Event() { return TNotifyEvent(this, &Counter::Fire); }
};

class TimerPool : public ApplicationObjectTest {
 protected:
  TVyrTimerPool* pool() { return VyrApplication->GetTimerPool(); }
  // n ticks of the pool's 50 ms window timer.
  void Ticks(int n) { app.advance(50ull * n); }
};

TEST_F(TimerPool, ApplicationIdentsTakeTheLowestFreeSlot) {
  Counter h;
  EXPECT_EQ(VyrApplication->AddTimer(100, h.Event()), 0xFD01);
  EXPECT_EQ(VyrApplication->AddTimer(100, h.Event()), 0xFD02);
  VyrApplication->RemoveTimer(0xFD01);
  EXPECT_EQ(VyrApplication->AddTimer(100, h.Event()), 0xFD01) << "the freed slot again";
  for (int i = 3; i <= 250; ++i) ASSERT_EQ(VyrApplication->AddTimer(50, h.Event()), 0xFD00 + i);
  EXPECT_EQ(VyrApplication->AddTimer(50, h.Event()), 0) << "the 251st";
  EXPECT_EQ(pool()->Count(), 250);
  VyrApplication->RemoveTimer(0x1234);  // outside the range: ignored
  EXPECT_EQ(pool()->Count(), 250);
}

TEST_F(TimerPool, IntervalsMustFitTheMinimum) {
  Counter h;
  for (Word interval : {Word(75), Word(0)}) {
    try {
      VyrApplication->AddTimer(interval, h.Event());
      ADD_FAILURE() << interval << " accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Interval not compatible with MinInterval property!");
    }
  }
  EXPECT_EQ(pool()->Count(), 0);
  pool()->AddTimer(7, 100, h.Event());
  try {
    pool()->AddTimer(7, 100, h.Event());
    ADD_FAILURE() << "duplicate ident accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, LoadStr(SListIndexError)) << "shown unformatted";
  }
}

// What the controls and buttons ask of the pool: every 16-bit interval
// becomes one the pool takes.
TEST_F(TimerPool, AskedIntervalsRoundUpToThePoolStep) {
  const std::vector<std::pair<Word, Word>> cases = {{0, 50}, {1, 50}, {50, 50}, {70, 100}, {120, 150}, {65500, 65500},
                                                    {65501, 65500}, {65535, 65500}};
  Counter h;
  for (const auto& [asked, runs] : cases) {
    EXPECT_EQ(VyrPoolInterval(asked), runs) << asked;
    const Word ident = VyrApplication->AddTimer(VyrPoolInterval(asked), h.Event());
    EXPECT_NE(ident, 0) << asked;
    VyrApplication->RemoveTimer(ident);
  }
}

TEST_F(TimerPool, ItemIntervalAndCallCountRules) {
  Counter h;
  TVyrTimerItem* item = VyrApplication->GetTimer(VyrApplication->AddTimer(100, h.Event()));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetDivisor(), 2);
  item->SetInterval(75);
  EXPECT_EQ(item->GetInterval(), 100) << "not a multiple: ignored";
  item->SetInterval(0);
  EXPECT_EQ(item->GetInterval(), 50);
  EXPECT_EQ(item->GetDivisor(), 1);
  item->SetCallCount(-7);
  EXPECT_EQ(item->GetCallCount(), -1);
  item->SetCallCount(0);
  EXPECT_FALSE(item->GetEnabled());
  item->SetEnabled(true);
  EXPECT_FALSE(item->GetEnabled()) << "CallCount 0 blocks enabling";
  EXPECT_THROW(TVyrTimerItem(nullptr, nullptr, 1), EInvalidOperation);
}

TEST_F(TimerPool, ItemsFireOnTheirShareOfTheTicks) {
  Counter fast, slow, limited;
  VyrApplication->AddTimer(50, fast.Event());
  VyrApplication->AddTimer(150, slow.Event());
  TVyrTimerItem* three = VyrApplication->GetTimer(VyrApplication->AddTimerExt(50, 3, true, limited.Event()));
  limited.Then = [&] {
    if (limited.Calls == 3) {
      EXPECT_FALSE(three->GetEnabled()) << "disabled, and the third call still arrives";
    }
  };
  Ticks(6);
  EXPECT_EQ(fast.Calls, 6);
  EXPECT_EQ(slow.Calls, 2);
  EXPECT_EQ(limited.Calls, 3);
}

TEST_F(TimerPool, ItemsWithoutHandlerGoToThePoolsEvent) {
  std::vector<std::pair<Word, int>> seen;
  pool()->SetOnTimer([&](TObject*, Word ident, int counter) { seen.emplace_back(ident, counter); });
  const Word ident = VyrApplication->AddTimer(50, TNotifyEvent());
  Ticks(2);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], std::make_pair(ident, 2));
}

TEST_F(TimerPool, HandlerRemovingItselfAndTheNextItem) {
  Counter first, second, third, added;
  Word idSecond = 0;
  Word idFirst = VyrApplication->AddTimer(50, first.Event());
  idSecond = VyrApplication->AddTimer(50, second.Event());
  VyrApplication->AddTimer(50, third.Event());
  first.Then = [&] {
    VyrApplication->RemoveTimer(idFirst);
    VyrApplication->RemoveTimer(idSecond);
    VyrApplication->AddTimer(50, added.Event());
  };
  Ticks(1);
  EXPECT_EQ(first.Calls, 1);
  EXPECT_EQ(second.Calls, 0) << "removed before its turn: fires no more";
  EXPECT_EQ(third.Calls, 1) << "the loop goes on";
  EXPECT_EQ(added.Calls, 1) << "added meanwhile: visited in the same pass";
  EXPECT_EQ(pool()->Count(), 2);
  Ticks(1);
  EXPECT_EQ(first.Calls, 1);
  EXPECT_EQ(third.Calls, 2);
}

TEST_F(TimerPool, WindowTimerStopsOnlyWithTheLastItem) {
  Counter h;
  const Word a = VyrApplication->AddTimer(50, h.Event());
  const Word b = VyrApplication->AddTimer(100, h.Event());
  VyrApplication->GetTimer(a)->SetEnabled(false);
  VyrApplication->GetTimer(b)->SetEnabled(false);
  EXPECT_TRUE(pool()->GetRunning()) << "disabled items keep it";
  Ticks(2);
  EXPECT_EQ(h.Calls, 0);
  VyrApplication->RemoveTimer(a);
  EXPECT_TRUE(pool()->GetRunning());
  VyrApplication->RemoveTimer(b);
  EXPECT_FALSE(pool()->GetRunning());
}

}  // namespace
