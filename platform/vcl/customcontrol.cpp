#include "customcontrol.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(new TControlCanvas) {
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() {
  DestroyHandle();
  delete canvas_;
}

void TCustomControl::DestroyWnd() {
  canvas_->FreeHandle();
  TWinControl::DestroyWnd();
}

void TCustomControl::PaintWindow(HDC DC) {
  canvas_->FreeHandle();
  canvas_->Lock();
  canvas_->SetHandle(DC);
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
    throw;
  }
  canvas_->SetHandle(nullptr);
  canvas_->Unlock();
}
