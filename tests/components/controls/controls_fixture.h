// The application the control suites run under (the class library and the
// rows of the component units the controls need), a shown form to put
// controls on, and small probe controls that count how they repaint.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <type_traits>

#include "bitmap_class.h"
#include "colors.h"
#include "form_text.h"
#include "forms.h"
#include "library_app.h"
#include "vyrclass.h"
#include "vyrcont.h"
#include "vyrctrl.h"
#include "vyrled.h"
#include "vyrregion.h"

inline TUnitRows ControlRows() { return {Vyrclass::Unit, Vyrcont::Unit, Vyrregion::Unit, Vyrctrl::Unit, Vyrled::Unit}; }

// A window-less control that paints only through the shared background
// routine, and counts its direct paints and its invalidations.
class TProbeControl : public Vyrctrl::TVyrBaseGraphicControl {
  MORVANT_COMPONENT(TProbeControl, Vyrctrl::TVyrBaseGraphicControl)
 public:
  explicit TProbeControl(TComponent* AOwner) : Vyrctrl::TVyrBaseGraphicControl(AOwner) {}
  void Invalidate() override {
    ++invalidations;
    Vyrctrl::TVyrBaseGraphicControl::Invalidate();
  }
  void Paint() override {
    ++paints;
    backPainted = PaintBackground();
  }
  int paints = 0;
  int invalidations = 0;
  bool backPainted = false;
};
inline void TProbeControl::Publish(TPublisher<TProbeControl>&) {}

// The same count for the LED display.
class TProbeLED : public Vyrled::TVyrLEDLabel {
  MORVANT_COMPONENT(TProbeLED, Vyrled::TVyrLEDLabel)
 public:
  explicit TProbeLED(TComponent* AOwner) : Vyrled::TVyrLEDLabel(AOwner) {}
  void Invalidate() override {
    ++invalidations;
    Vyrled::TVyrLEDLabel::Invalidate();
  }
  void Paint() override {
    ++paints;
    Vyrled::TVyrLEDLabel::Paint();
  }
  int paints = 0;
  int invalidations = 0;
};
inline void TProbeLED::Publish(TPublisher<TProbeLED>&) {}

class ControlsTest : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{ControlRows()};

  // A shown form of 400 x 300 client pixels in a plain colour.
  TForm* NewForm(TColor Color = clWhite) {
    auto* form = TObject::Create<TForm>(Application);
    form->SetBounds(0, 0, 400, 300);
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    form->SetColor(Color);
    form->Show();
    app.pump();
    return form;
  }

  template <class T>
  static T* Place(TWinControl* Parent, int Left, int Top, int Width, int Height) {
    T* control = TObject::Create<T>(Parent);
    control->SetParent(Parent);
    control->SetBounds(Left, Top, Width, Height);
    return control;
  }

  // What the control shows now, read from its canvas (the parent's
  // surface for a window-less one). The kind of control comes from the
  // pointer's type where that tells it, from a checked cast where not: an
  // unchecked cast of a window-less control to a windowed one would read
  // past its end.
  template <class C>
  static TColor Shown(C* Control, int X, int Y) {
    if constexpr (std::is_base_of_v<TGraphicControl, C> || std::is_base_of_v<TCustomControl, C>) {
      return Rgb(Control->GetCanvas()->GetPixels(X, Y));
    } else {
      if (auto* graphic = dynamic_cast_object<TGraphicControl>(Control)) return Shown(graphic, X, Y);
      if (auto* windowed = dynamic_cast_object<TCustomControl>(Control)) return Shown(windowed, X, Y);
      ADD_FAILURE() << "a control without a canvas of its own";
      return clNone;
    }
  }
  static TColor Rgb(TColor C) { return static_cast<TColor>(ColorToRGB(C)); }

  // The box of the pixels of Area in the control that are Ink; empty
  // (right below left) when there are none.
  template <class C>
  static TRect InkBounds(C* Control, const TRect& Area, const std::function<bool(TColor)>& Ink) {
    TRect box(Area.right, Area.bottom, Area.left - 1, Area.top - 1);
    for (int y = Area.top; y < Area.bottom; ++y)
      for (int x = Area.left; x < Area.right; ++x)
        if (Ink(Shown(Control, x, y))) {
          box.left = std::min<int>(box.left, x);
          box.top = std::min<int>(box.top, y);
          box.right = std::max<int>(box.right, x + 1);
          box.bottom = std::max<int>(box.bottom, y + 1);
        }
    return box;
  }
  static TPoint BoundsMiddle(const TRect& Box) { return TPoint((Box.left + Box.right) / 2, (Box.top + Box.bottom) / 2); }
};
