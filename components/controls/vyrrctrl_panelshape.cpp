// The region panel: a fill panel whose window is its region, rebuilt on
// every size and every change of the region, with the region's border
// painted just inside the edge.
#include "canvas.h"
#include "vyrrctrl.h"

namespace Vyrrctrl {

using Vyrgraph::TVyrFillStyle;
using Vyrregion::TVyrRegionShape;

TVyrPanelShape::TVyrPanelShape(TComponent* AOwner)
    : Vyrextcs::TVyrCustomPanelFill(AOwner), region_(std::make_unique<TVyrBorderRegion>(this)) {
  region_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrPanelShape::~TVyrPanelShape() {
  region_->SetOnChange(nullptr);
  region_->SetOwnerControl(nullptr);
}

void TVyrPanelShape::SetUseBitmap(bool Value) {
  useRgnBitmap_ = Value;
  // The mask's picture is the background: a fill over it would hide it.
  if (Value) GetFillObject()->SetStyle(TVyrFillStyle::sfNone);
  GetChange(region_.get());
}

// Without a border the panel is empty only when it has nothing else to
// show: the caption, the fill and the bevel are still painted.
bool TVyrPanelShape::GetEmpty() {
  return region_->GetBorder()->GetStyle() == TVyrRegionBorderStyle::rbNone &&
         Vyrextcs::TVyrCustomPanelFill::GetEmpty();
}

void TVyrPanelShape::CreateBack(bool Force) {
  if (Loading()) return;
  TBitmap* picture = region_->GetMask()->GetBorderBmp();
  if (region_->GetShape() != TVyrRegionShape::rsBitmap || !useRgnBitmap_ || !picture) {
    Vyrextcs::TVyrCustomPanelFill::CreateBack(Force);
    return;
  }
  std::unique_ptr<TBitmap>& back = OwnBack();
  if (!back) back = std::make_unique<TBitmap>();
  back->Assign(picture);
  GetFillObject()->FillCanvas(back->GetCanvas(), TRect(0, 0, back->GetWidth(), back->GetHeight()), GetColor());
}

void TVyrPanelShape::GetChange(TObject* Sender) {
  Vyrextcs::TVyrCustomPanelFill::GetChange(Sender);
  if (Sender == region_.get() && !Loading()) {
    VyrReshape(region_.get(), GetClientRect());
    CreateBack(true);
    Invalidate();
  }
}

void TVyrPanelShape::Loaded() {
  Vyrextcs::TVyrCustomPanelFill::Loaded();
  GetChange(region_.get());
}

void TVyrPanelShape::WMSize(TMessage& Message) {
  Vyrextcs::TVyrCustomPanelFill::WMSize(Message);
  VyrReshape(region_.get(), GetClientRect());
}

void TVyrPanelShape::CreateWnd() {
  Vyrextcs::TVyrCustomPanelFill::CreateWnd();
  VyrReshape(region_.get(), GetClientRect());
}

void TVyrPanelShape::Paint() {
  if (Loading() || GetComponentState().Contains(csDestroying) || !HandleAllocated()) return;
  Vyrextcs::TVyrCustomPanelFill::Paint();
  TRect r = GetClientRect();
  InflateRect(&r, -2, -2);
  region_->PaintRegionShape(GetCanvas(), r);
}

}  // namespace Vyrrctrl
