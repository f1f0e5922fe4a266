// The meter base: the range, the user value and the percent kept in step,
// the bar split by direction, and which value changes redraw the bar.
#include <climits>
#include <functional>

#include "controls_fixture.h"

using namespace Vyrctrl;

namespace {

// A meter that records what it was asked to draw.
class TProbeMeter : public TVyrBaseMeter {
  MORVANT_COMPONENT(TProbeMeter, TVyrBaseMeter)
 public:
  explicit TProbeMeter(TComponent* AOwner) : TVyrBaseMeter(AOwner) {}
  void DrawBar(TCanvas*, const TRect& Bar, const TRect& Rest, const TRect& Full) override {
    ++draws;
    bar = Bar;
    rest = Rest;
    full = Full;
  }
  int draws = 0;
  TRect bar, rest, full;
};
void TProbeMeter::Publish(TPublisher<TProbeMeter>&) {}

}  // namespace

class MeterTest : public ControlsTest {
 protected:
  void SetUp() override { form = NewForm(); }
  TProbeMeter* NewMeter() {
    auto* meter = Place<TProbeMeter>(form, 10, 10, 80, 20);
    app.pump();
    meter->draws = 0;
    return meter;
  }
  TForm* form = nullptr;
};

TEST_F(MeterTest, TheConstructorsDefaults) {
  auto* meter = NewMeter();
  EXPECT_EQ(meter->GetWidth(), 80);
  EXPECT_EQ(meter->GetHeight(), 20);
  EXPECT_FALSE(meter->GetTransparent());
  EXPECT_EQ(meter->GetBevel()->GetStyleOuter(), Vyrgraph::TVyrBevelStyle::bvLowered);
  EXPECT_FALSE(meter->GetControlStyle().Contains(csSetCaption));
  EXPECT_EQ(meter->GetBarRect(), TRect(1, 1, 79, 19));
}

TEST_F(MeterTest, RangeUserValueAndPercentStayInStep) {
  struct Case {
    const char* what;
    std::function<void(TVyrBaseMeter&)> act;
    int min, max, user, percent;
  } cases[] = {
      {"a user value sets the percent",
       [](TVyrBaseMeter& m) {
         m.SetMaxValue(200);
         m.SetUserValue(50);
       },
       0, 200, 50, 25},
      {"a percent sets the user value",
       [](TVyrBaseMeter& m) {
         m.SetMaxValue(200);
         m.SetPercentValue(50);
       },
       0, 200, 100, 50},
      {"a maximum below the minimum swaps", [](TVyrBaseMeter& m) { m.SetMaxValue(-50); }, -50, 0, 0, 100},
      {"a minimum above the maximum swaps", [](TVyrBaseMeter& m) { m.SetMinValue(150); }, 100, 150, 100, 0},
      {"a maximum equal to the minimum is refused", [](TVyrBaseMeter& m) { m.SetMaxValue(0); }, 0, 100, 0, 0},
      {"a minimum equal to the maximum is refused", [](TVyrBaseMeter& m) { m.SetMinValue(100); }, 0, 100, 0, 0},
      {"a user value outside the range is refused",
       [](TVyrBaseMeter& m) {
         m.SetUserValue(30);
         m.SetUserValue(101);
         m.SetUserValue(-1);
       },
       0, 100, 30, 30},
      {"a shrinking maximum takes the user value along",
       [](TVyrBaseMeter& m) {
         m.SetUserValue(80);
         m.SetMaxValue(60);
       },
       0, 60, 60, 100},
      {"a rising minimum takes the user value along",
       [](TVyrBaseMeter& m) {
         m.SetUserValue(20);
         m.SetMinValue(40);
       },
       40, 100, 40, 0},
      {"a percent above 100 is 100", [](TVyrBaseMeter& m) { m.SetPercentValue(250); }, 0, 100, 100, 100},
      {"the whole 32-bit span does not overflow",
       [](TVyrBaseMeter& m) {
         m.SetMinValue(INT_MIN);
         m.SetMaxValue(INT_MAX);
         m.SetPercentValue(100);
       },
       INT_MIN, INT_MAX, INT_MAX, 100},
      {"percents round half to even",
       [](TVyrBaseMeter& m) {
         m.SetMaxValue(1000);
         m.SetUserValue(125);
       },
       0, 1000, 125, 12},
  };
  for (const Case& c : cases) {
    auto* meter = NewMeter();
    c.act(*meter);
    EXPECT_EQ(meter->GetMinValue(), c.min) << c.what;
    EXPECT_EQ(meter->GetMaxValue(), c.max) << c.what;
    EXPECT_EQ(meter->GetUserValue(), c.user) << c.what;
    EXPECT_EQ(meter->GetPosition(), c.percent) << c.what;
    meter->Free();
  }
}

// The exact quotient, halves to even: a floating 0.01 x 70 lies a hair
// above 0.7, and 57.5 or 45874.5 went to the wrong side.
TEST_F(MeterTest, PercentAndUserValueAreExactAtHalves) {
  struct Case {
    int min, max;
    bool fromUser;  // else from the percent
    int set, expected;
  } cases[] = {
      {0, 40, true, 23, 58},
      {0, 200, true, 109, 54},
      {0, 200, true, 115, 58},
      {0, 1000, true, 545, 54},
      {0, 1000, true, 575, 58},
      {0, 65535, false, 70, 45874},
      {INT_MIN, INT_MAX, false, 70, 858993458},
      {INT_MIN, INT_MAX, false, 50, 0},
      {INT_MIN, INT_MAX, true, INT_MAX, 100},
      {INT_MIN, INT_MAX, true, INT_MIN, 0},
  };
  for (const Case& c : cases) {
    auto* meter = NewMeter();
    meter->SetMinValue(c.min);
    meter->SetMaxValue(c.max);
    if (c.fromUser) {
      meter->SetUserValue(c.set);
      EXPECT_EQ(meter->GetPosition(), c.expected) << c.min << ".." << c.max << " user " << c.set;
    } else {
      meter->SetPercentValue(c.set);
      EXPECT_EQ(meter->GetUserValue(), c.expected) << c.min << ".." << c.max << " percent " << c.set;
    }
    meter->Free();
  }
}

TEST_F(MeterTest, AddAndSubStopAtTheEndsAndMoveTheUserValue) {
  auto* meter = NewMeter();
  meter->SetMaxValue(200);
  meter->SetPercentValue(20);
  meter->Sub(30);
  EXPECT_EQ(meter->GetPosition(), 0);
  EXPECT_EQ(meter->GetUserValue(), 0);
  meter->SetPercentValue(80);
  meter->Add(30);
  EXPECT_EQ(meter->GetPosition(), 100);
  EXPECT_EQ(meter->GetUserValue(), 200);
  meter->SetStep(15);
  meter->StepSub();
  EXPECT_EQ(meter->GetPosition(), 85);
  EXPECT_EQ(meter->GetUserValue(), 170);
  meter->StepAdd();
  EXPECT_EQ(meter->GetPosition(), 100);
  meter->draws = 0;
  meter->Add(0);
  meter->Sub(0);
  EXPECT_EQ(meter->draws, 0);
}

TEST_F(MeterTest, TheBarSplitsTheAreaByDirection) {
  // The bar area is 78 x 18 inside the bevel; 30 % of it is 23 columns or 5 rows.
  struct Case {
    TVyrMeterDirection direction;
    TRect bar, rest;
  } cases[] = {
      {TVyrMeterDirection::mdHorizontal, TRect(0, 0, 23, 18), TRect(23, 0, 78, 18)},
      {TVyrMeterDirection::mdVertical, TRect(0, 0, 78, 5), TRect(0, 5, 78, 18)},
      {TVyrMeterDirection::mdHorizontalReverse, TRect(55, 0, 78, 18), TRect(0, 0, 55, 18)},
      {TVyrMeterDirection::mdVerticalReverse, TRect(0, 13, 78, 18), TRect(0, 0, 78, 13)},
  };
  for (const Case& c : cases) {
    auto* meter = NewMeter();
    meter->SetDirection(c.direction);
    meter->SetPercentValue(30);
    app.pump();
    EXPECT_EQ(meter->full, TRect(0, 0, 78, 18));
    EXPECT_EQ(meter->bar, c.bar) << static_cast<int>(c.direction);
    EXPECT_EQ(meter->rest, c.rest) << static_cast<int>(c.direction);
    meter->Free();
  }
  EXPECT_EQ(TVyrBaseMeter::GetExtend(29, 100), 29);
  EXPECT_EQ(TVyrBaseMeter::GetExtend(100, 78), 78);
}

TEST_F(MeterTest, OnlyChangesOfDeltaRedrawTheBar) {
  struct Case {
    const char* what;
    TVyrMeterTextOptions text;
    int delta, from, to;
    bool redraws;
  } cases[] = {
      {"less than delta", TVyrMeterTextOptions::toNoText, 5, 40, 43, false},
      {"delta", TVyrMeterTextOptions::toNoText, 5, 40, 45, true},
      {"down less than delta", TVyrMeterTextOptions::toNoText, 5, 40, 37, false},
      {"back to empty", TVyrMeterTextOptions::toNoText, 5, 3, 0, true},
      {"every change with the percent shown", TVyrMeterTextOptions::toPercent, 5, 40, 41, true},
      {"the caption waits for delta too", TVyrMeterTextOptions::toCaption, 5, 40, 41, false},
      {"delta 1", TVyrMeterTextOptions::toNoText, 1, 40, 41, true},
  };
  for (const Case& c : cases) {
    auto* meter = NewMeter();
    meter->SetTextOptions(c.text);
    meter->SetDelta(c.delta);
    meter->SetPercentValue(c.from);
    // A paint draws the bar whatever the delta.
    meter->Invalidate();
    app.pump();
    EXPECT_EQ(meter->GetDrawnValue(), c.from) << c.what;
    meter->draws = 0;
    meter->SetPercentValue(c.to);
    EXPECT_EQ(meter->draws, c.redraws ? 1 : 0) << c.what;
    EXPECT_EQ(meter->GetDrawnValue(), c.redraws ? c.to : c.from) << c.what;
    meter->Free();
  }
}

TEST_F(MeterTest, NothingIsDrawnWithoutASurface) {
  auto* meter = TObject::Create<TProbeMeter>(form);
  meter->SetPercentValue(50);
  EXPECT_EQ(meter->draws, 0);
  meter->SetParent(form);
  app.pump();
  EXPECT_EQ(meter->draws, 1);
  EXPECT_EQ(meter->GetDrawnValue(), 50);
}
