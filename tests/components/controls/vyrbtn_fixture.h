// The buttons' suites: a shown form, speed buttons on it that count how
// they repaint and click, and the mouse driven through the headless host.
#pragma once

#include <string>

#include "controls_fixture.h"
#include "mouse.h"
#include "unitstartup.h"
#include "vyrbtn.h"

// A speed button that counts its direct paints, invalidations and clicks.
class TProbeSpeedButton : public Vyrbtn::TVyrSpeedButton {
  MORVANT_COMPONENT(TProbeSpeedButton, Vyrbtn::TVyrSpeedButton)
 public:
  explicit TProbeSpeedButton(TComponent* AOwner) : Vyrbtn::TVyrSpeedButton(AOwner) {
    OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
  }
  void Invalidate() override {
    ++invalidations;
    Vyrbtn::TVyrSpeedButton::Invalidate();
  }
  void Paint() override {
    ++paints;
    Vyrbtn::TVyrSpeedButton::Paint();
  }
  void ResetCounts() { paints = invalidations = clicks = 0; }
  int paints = 0;
  int invalidations = 0;
  int clicks = 0;
};
inline void TProbeSpeedButton::Publish(TPublisher<TProbeSpeedButton>&) {}

class ButtonTest : public ControlsTest {
 protected:
  // The unit's row on top of the controls' rows, so form text finds it.
  TUnitStartup units{{Vyrbtn::Unit}};
  TForm* form = nullptr;

  void SetUp() override {
    form = NewForm(clWhite);
    // The cursor is the process's: away from where the buttons go.
    SetCursorPos(1000, 700);
  }

  TProbeSpeedButton* NewButton(int Left, int Top, int Width = 23, int Height = 22) {
    auto* button = Place<TProbeSpeedButton>(form, Left, Top, Width, Height);
    app.pump();
    button->ResetCounts();
    return button;
  }

  // The mouse at client point (X, Y) of Control, one message each.
  void MoveTo(TControl* Control, int X, int Y) {
    const TPoint p = Control->ClientToScreen(TPoint(X, Y));
    app.host().PostMouseMove(p.x, p.y);
    app.pump();
  }
  void Press(TControl* Control, int X, int Y) {
    MoveTo(Control, X, Y);
    const TPoint p = Control->ClientToScreen(TPoint(X, Y));
    app.host().PostMouseDown(p.x, p.y);
    app.pump();
  }
  void Release(TControl* Control, int X, int Y) {
    const TPoint p = Control->ClientToScreen(TPoint(X, Y));
    app.host().PostMouseUp(p.x, p.y);
    app.pump();
  }
  void ClickOn(TControl* Control, int X = 5, int Y = 5) {
    Press(Control, X, Y);
    Release(Control, X, Y);
  }
  // A point of the form that no button covers.
  void MoveAway() { MoveTo(form, 390, 290); }
};
