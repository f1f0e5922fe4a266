// Pieces the core suites share: a windowed control that may take typed
// characters and records them, and mouse moves in a control's coordinates.
#pragma once

#include <string>

#include "application.h"
#include "keyboard.h"
#include "vcl_fixture.h"

class TTypingControl : public TCustomControl {
  MORVANT_CLASS(TTypingControl, TCustomControl)
 public:
  TTypingControl(TComponent* AOwner, bool WantsChars) : TCustomControl(AOwner), wantsChars_(WantsChars) {
    SetTabStop(true);
    SetBounds(0, 0, 60, 20);
    OnKeyPress = [this](TObject*, char& key) { Typed += key; };
  }
  std::string Typed;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = wantsChars_ ? DLGC_WANTCHARS : 0;
      return;
    }
    TCustomControl::WndProc(Message);
  }

 private:
  bool wantsChars_;
};

class CoreTest : public VclTest {
 protected:
  // Moves the pointer to a point of the control's client area.
  void MoveTo(TControl* control, int x, int y) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    app.host().PostMouseMove(p.x, p.y);
    app.pump();
  }
  void AltWith(int vk, const char* typed) {
    app.host().PostKeyDown(VK_MENU, Backend::modAlt);
    app.host().PostKey(vk, Backend::modAlt, typed);
    app.host().PostKeyUp(VK_MENU);
    app.pump();
  }
  void Type(int vk, const char* typed) {
    app.key(vk, 0, typed);
    app.pump();
  }
};
