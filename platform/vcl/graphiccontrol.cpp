#include "graphiccontrol.h"

#include "canvas_binding.h"
#include "gdi.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(new TControlCanvas) {
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
  // Leave the parent while the canvas still exists: leaving invalidates.
  SetParent(nullptr);
  canvas_.reset();
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
  TCanvasBinding bound(*canvas_, reinterpret_cast<HDC>(Message.WParam));
  Paint();
}
