// The region form: its window is its region, rebuilt whenever it is sized
// and on every paint, with the border painted over the form's own picture.
#include "canvas.h"
#include "vyrrctrl.h"
#include "window_pos.h"

namespace Vyrrctrl {

namespace {

// The client rectangle where a window region wants it: in window
// coordinates, inside the frame and below the title bar.
TRect ClientInWindow(TForm* Form) {
  TRect r = Form->GetClientRect();
  if (!Form->HandleAllocated()) return r;
  RECT window{};
  TPoint origin{0, 0};
  if (!GetWindowRect(Form->GetHandle(), &window) || !ClientToScreen(Form->GetHandle(), &origin)) return r;
  OffsetRect(&r, origin.x - window.left, origin.y - window.top);
  return r;
}

}  // namespace

TVyrRegionForm::TVyrRegionForm(TComponent* AOwner)
    : TForm(AOwner), region_(std::make_unique<TVyrBorderRegion>(this)) {
  region_->SetOnChange(TNotifyEvent([this](TObject*) {
    VyrReshape(region_.get(), ClientInWindow(this));
    Invalidate();
  }));
}

TVyrRegionForm::~TVyrRegionForm() {
  region_->SetOnChange(nullptr);
  region_->SetOwnerControl(nullptr);
}

void TVyrRegionForm::Resize() {
  TForm::Resize();
  VyrReshape(region_.get(), ClientInWindow(this));
}

void TVyrRegionForm::Paint() {
  VyrReshape(region_.get(), ClientInWindow(this));
  TForm::Paint();
  TRect r = GetClientRect();
  InflateRect(&r, -2, -2);
  region_->PaintRegionShape(GetCanvas(), r);
}

}  // namespace Vyrrctrl
