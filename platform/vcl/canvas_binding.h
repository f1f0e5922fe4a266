// Binds a control's canvas to the DC of one paint and unbinds it when the
// paint ends, by a return or an exception alike. A canvas of its own DC
// (a control's earlier GetDC) is given back first. Locked: the canvas stays
// locked while bound, as where a paint may run on behalf of a list's items.
#pragma once

#include "controlcanvas.h"

class TCanvasBinding {
 public:
  enum TLocking { Unlocked, Locked };
  TCanvasBinding(TControlCanvas& Canvas, HDC DC, TLocking Locking = Unlocked)
      : canvas_(Canvas), locked_(Locking == Locked) {
    canvas_.FreeHandle();
    if (locked_) canvas_.Lock();
    canvas_.SetHandle(DC);
  }
  ~TCanvasBinding() {
    canvas_.SetHandle(nullptr);
    if (locked_) canvas_.Unlock();
  }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

 private:
  TControlCanvas& canvas_;
  bool locked_;
};
