// A shown white form for the shape controls and shape buttons, and the
// pixel helpers their tests share.
#pragma once

#include <functional>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrbtn.h"
#include "vyrgrapa.h"
#include "vyrshapa.h"

class ShapeTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrgrapa::Unit, Vyrbtn::Unit, Vyrshapa::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }

  // The pixels of Area in the control that satisfy Test.
  template <class C>
  static int Count(C* Control, const TRect& Area, const std::function<bool(TColor)>& Test) {
    int n = 0;
    for (int y = Area.top; y < Area.bottom; ++y)
      for (int x = Area.left; x < Area.right; ++x) n += Test(Shown(Control, x, y));
    return n;
  }
  static std::function<bool(TColor)> Is(TColor C) {
    const TColor rgb = Rgb(C);
    return [rgb](TColor Pixel) { return Pixel == rgb; };
  }
};
