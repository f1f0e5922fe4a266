// The region form: its window is its region, rebuilt whenever it is sized
// and on every paint, with the border painted over the form's own picture.
#include "canvas.h"
#include "vyrrctrl.h"

namespace Vyrrctrl {

TVyrRegionForm::TVyrRegionForm(TComponent* AOwner)
    : TForm(AOwner), region_(std::make_unique<TVyrBorderRegion>(this)) {
  region_->SetOnChange(TNotifyEvent([this](TObject*) {
    VyrReshape(region_.get(), GetClientRect());
    Invalidate();
  }));
}

TVyrRegionForm::~TVyrRegionForm() {
  region_->SetOnChange(nullptr);
  region_->SetOwnerControl(nullptr);
}

void TVyrRegionForm::Resize() {
  TForm::Resize();
  VyrReshape(region_.get(), GetClientRect());
}

void TVyrRegionForm::Paint() {
  VyrReshape(region_.get(), GetClientRect());
  TForm::Paint();
  TRect r = GetClientRect();
  InflateRect(&r, -2, -2);
  region_->PaintRegionShape(GetCanvas(), r);
}

}  // namespace Vyrrctrl
