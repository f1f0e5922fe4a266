// A control's canvas is bound to the DC of one paint and given back however
// the paint ends, so that a failing Paint leaves no canvas on a dead DC and
// no lock that would stall the next paint.
#include <gtest/gtest.h>

#include <stdexcept>

#include "customcontrol.h"
#include "dc.h"
#include "graphiccontrol.h"

namespace {

template <class Base>
class Probe : public Base {
 public:
  explicit Probe(TComponent* AOwner) : Base(AOwner) {}
  bool Fail = false;
  HDC SeenHandle = nullptr;
  int SeenLocks = -1;

 protected:
  void Paint() override {
    SeenHandle = this->GetCanvas()->GetHandle();
    SeenLocks = this->GetCanvas()->GetLockCount();
    if (Fail) throw std::runtime_error("paint");
  }
};

class PaintedControl : public Probe<TCustomControl> {
 public:
  using Probe::Probe;
  void PaintOn(HDC DC) { PaintWindow(DC); }
};

class PaintedGraphic : public Probe<TGraphicControl> {
 public:
  using Probe::Probe;
  void PaintOn(HDC DC) {
    TMessage m{};
    m.Msg = WM_PAINT;
    m.WParam = reinterpret_cast<WPARAM>(DC);
    Dispatch(m);
  }
};

template <class Control>
void ExpectBoundForThePaintOnly(int locksWhilePainting) {
  HDC dc = CreateCompatibleDC(nullptr);
  for (bool fail : {false, true}) {
    Control control(nullptr);
    control.Fail = fail;
    if (fail)
      EXPECT_THROW(control.PaintOn(dc), std::runtime_error);
    else
      control.PaintOn(dc);
    EXPECT_EQ(control.SeenHandle, dc);
    EXPECT_EQ(control.SeenLocks, locksWhilePainting);
    EXPECT_FALSE(control.GetCanvas()->HandleAllocated()) << "fail " << fail;
    EXPECT_EQ(control.GetCanvas()->GetLockCount(), 0) << "fail " << fail;
  }
  DeleteDC(dc);
}

TEST(CanvasBinding, APaintBindsTheCanvasAndAFailingPaintStillGivesItBack) {
  ExpectBoundForThePaintOnly<PaintedControl>(1);
  ExpectBoundForThePaintOnly<PaintedGraphic>(0);
}

}  // namespace
