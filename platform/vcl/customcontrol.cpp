#include "customcontrol.h"

#include "canvas_binding.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(new TControlCanvas) {
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() {
  DestroyHandle();
  canvas_.reset();
}

void TCustomControl::DestroyWnd() {
  canvas_->FreeHandle();
  TWinControl::DestroyWnd();
}

void TCustomControl::PaintWindow(HDC DC) {
  TCanvasBinding bound(*canvas_, DC, TCanvasBinding::Locked);
  Paint();
}
