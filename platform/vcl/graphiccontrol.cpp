#include "graphiccontrol.h"

#include "gdi.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(new TControlCanvas) {
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
  // Leave the parent while the canvas still exists: leaving invalidates.
  SetParent(nullptr);
  delete canvas_;
}

void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PAINT)
    WMPaint(Message);
  else
    TControl::Dispatch(Message);
}

void TGraphicControl::BoundsChanged(bool Resized) {
  canvas_->FreeHandle();
  TControl::BoundsChanged(Resized);
}

void TGraphicControl::WMPaint(TMessage& Message) {
  if (!Message.WParam) return;
  canvas_->FreeHandle();
  canvas_->SetHandle(reinterpret_cast<HDC>(Message.WParam));
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    throw;
  }
  canvas_->SetHandle(nullptr);
}
