// TGraphicsObject: the common base of TFont, TPen and TBrush. Each owns the
// GDI handle it makes lazily from its properties; a property change drops
// the handle (a DC that still holds it keeps it alive until it lets go) and
// fires OnChange, so that a canvas re-selects the new one.
#pragma once

#include "events.h"
#include "gdi_handles.h"
#include "persistent.h"

class TGraphicsObject : public TPersistent {
  MORVANT_CLASS(TGraphicsObject, TPersistent)
 public:
  TGraphicsObject() = default;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;
  ~TGraphicsObject() override { FreeHandle(); }

  TNotifyEvent OnChange;

 protected:
  // Drops the handle and tells the listeners.
  virtual void Changed();
  void FreeHandle();

  HGDIOBJ handle_ = nullptr;
};
