// The timers inside the animation and the scrolling text, which both
// switch between a pool timer and an owned high-resolution one: the tick
// paints, so it always comes on the user-interface thread, and every
// interval a form may give runs on the pool.
#include <atomic>

#include "threadid.h"
#include "unitstartup.h"
#include "vyrclass_application.h"
#include "vyrctrla_fixture.h"
#include "vyrextca.h"
#include "vyrmms.h"

using Vyrclass::TVyrTimerMode;
using Vyrctrla::TVyrAniCtrl;
using Vyrextca::TVyrScrollText;

namespace {

// How a test starts each control and hears its ticks.
template <class T>
struct Timed;

template <>
struct Timed<TVyrAniCtrl> {
  static void Prepare(TVyrAniCtrl* Control, Vyrcont::TVyrImageList* List) { Control->SetImageList(List); }
  static void Start(TVyrAniCtrl* Control) { Control->Play(); }
  static TNotifyEvent& OnTick(TVyrAniCtrl* Control) { return Control->OnAnimate; }
};

template <>
struct Timed<TVyrScrollText> {
  static void Prepare(TVyrScrollText*, Vyrcont::TVyrImageList*) {}
  static void Start(TVyrScrollText* Control) { Control->Execute(); }
  static TNotifyEvent& OnTick(TVyrScrollText* Control) { return Control->OnScroll; }
};

template <class T>
class ControlTimerTest : public FrameStripTest {
 protected:
  TUnitStartup moreUnits{{Vyrextca::Unit}};
  std::atomic<int> ticks{0};
  std::atomic<bool> offThread{false};

  T* NewControl() {
    T* control = Place<T>(form, 10, 10, 40, 20);
    Timed<T>::Prepare(control, list);
    Timed<T>::OnTick(control) = TNotifyEvent([this](TObject*) {
      if (!IsMainThread()) offThread = true;
      ++ticks;
    });
    app.pump();
    return control;
  }

  // Moves the clock on by Ms steps until a tick more than Before came.
  bool TickedAfter(int Before, int Ms) {
    for (int step = 0; step < 5; ++step) {
      app.advance(static_cast<std::uint64_t>(Ms));
      if (app.pump_until([&] { return ticks > Before; }, 1000)) return true;
    }
    return false;
  }
};

using TimedControls = ::testing::Types<TVyrAniCtrl, TVyrScrollText>;
TYPED_TEST_SUITE(ControlTimerTest, TimedControls);

// Synchronize switched off on the control's own timer, before the start
// and while it runs: the ticks still come on the user-interface thread.
TYPED_TEST(ControlTimerTest, AThreadedTickNeverRunsOnTheWorker) {
  TypeParam* control = this->NewControl();
  control->SetTimerMode(TVyrTimerMode::tmThreaded);
  ASSERT_NE(control->GetHiTimer(), nullptr);
  control->GetHiTimer()->SetSynchronize(false);
  Timed<TypeParam>::Start(control);
  EXPECT_TRUE(this->TickedAfter(this->ticks, 200));
  control->GetHiTimer()->SetSynchronize(false);
  EXPECT_TRUE(this->TickedAfter(this->ticks, 200));
  EXPECT_FALSE(this->offThread);
  control->Free();
}

// An interval of 0 runs as the pool's step, also after the control went
// over to a high-resolution timer and back.
TYPED_TEST(ControlTimerTest, IntervalZeroRunsAsThePoolStep) {
  TypeParam* control = this->NewControl();
  control->SetInterval(0);
  control->SetTimerMode(TVyrTimerMode::tmHiTimer);
  ASSERT_NO_THROW(control->SetTimerMode(TVyrTimerMode::tmGlobalTimer));
  ASSERT_NE(control->GetPoolTimer(), 0);
  Timed<TypeParam>::Start(control);
  const int started = this->ticks;
  this->app.advance(50);
  EXPECT_GT(this->ticks, started);
  EXPECT_EQ(Vyrclass::VyrApplication->GetTimer(control->GetPoolTimer())->GetInterval(), 50);
  control->Free();
}

}  // namespace
