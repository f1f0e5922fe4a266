// The button and edit suites: the standard-control fixture with a shown
// form, and input helpers in the form's client coordinates.
#pragma once

#include "keyboard.h"
#include "stdctrls_fixture.h"

class ButtonsTest : public StdCtrlsTest {
 protected:
  // Creates a control of class T on the parent at the given bounds.
  template <class T>
  T* Add(TWinControl* parent, int left, int top, int width = -1, int height = -1) {
    auto* c = TObject::Create<T>(parent);
    c->SetParent(parent);
    c->SetBounds(left, top, width < 0 ? c->GetWidth() : width, height < 0 ? c->GetHeight() : height);
    return c;
  }
  // A press and a release of the left button at points of the control.
  void Press(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen(TPoint(x, y));
    app.host().PostMouseDown(p.x, p.y);
    app.pump();
  }
  void Release(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen(TPoint(x, y));
    app.host().PostMouseUp(p.x, p.y);
    app.pump();
  }
  void MoveTo(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen(TPoint(x, y));
    app.host().PostMouseMove(p.x, p.y);
    app.pump();
  }
  void Key(int vk, unsigned modifiers = 0) {
    app.key(vk, modifiers);
    app.pump();
  }
};
