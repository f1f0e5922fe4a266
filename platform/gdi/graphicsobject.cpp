#include "graphicsobject.h"

#include "gdiobj.h"

void TGraphicsObject::Changed() {
  FreeHandle();
  if (OnChange) OnChange(this);
}

void TGraphicsObject::FreeHandle() {
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
}
