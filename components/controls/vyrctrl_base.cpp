#include "colors.h"
#include "forms.h"
#include "pen.h"
#include "vyrctrl.h"

namespace Vyrctrl {

// ---- TVyrBaseControl ----

TVyrBaseControl::TVyrBaseControl(TComponent* AOwner)
    : TGraphicControl(AOwner), imageLink_(this, [this](TObject* Sender) { GetIMLChange(Sender); }) {}

TVyrBaseControl::~TVyrBaseControl() = default;

void TVyrBaseControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int oldLeft = left_, oldTop = top_, oldWidth = width_, oldHeight = height_;
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  TVyrBoundsChangeStates state;
  if (left_ != oldLeft || top_ != oldTop) state.Include(TVyrBoundsChangeState::bcPos);
  if (width_ != oldWidth || height_ != oldHeight) state.Include(TVyrBoundsChangeState::bcSize);
  if (!state.Empty() && !Loading()) BoundsChange(state);
}

void TVyrBaseControl::BoundsChange(TVyrBoundsChangeStates State) {
  if (OnBoundsChange) OnBoundsChange(this, State);
}

void TVyrBaseControl::GetChange(TObject*) {
  if (!Loading()) Invalidate();
}

void TVyrBaseControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TVyrBaseControl::MouseExit() {
  if (OnMouseExit) OnMouseExit(this);
}

// The parent's BackDrawArea takes its own Left and Top back off where it
// owns the bitmap, and maps the point further up where it passes it on.
TPoint TVyrBaseControl::BackMapPoint(int X, int Y) const {
  TWinControl* parent = GetParent();
  if (!parent || dynamic_cast_object<TCustomForm>(parent)) return TPoint(X, Y);
  return TPoint(parent->GetLeft() + X, parent->GetTop() + Y);
}

bool TVyrBaseControl::PaintBackground(TCanvas* Target) {
  TWinControl* parent = GetParent();
  if (!parent) return false;
  if (auto* control = dynamic_cast_object<TVyrCustomControl>(parent))
    return control->BackDrawArea(Target, GetClientRect(), BackMapPoint(left_, top_), 0);
  return VyrFormShapeBackDrawArea(parent, Target, GetClientRect(), BackMapPoint(left_, top_));
}

void TVyrBaseControl::GetScreenRect(TRect& Rect) const {
  const TPoint topLeft = ClientToScreen(TPoint(Rect.left, Rect.top));
  const TPoint bottomRight = ClientToScreen(TPoint(Rect.right, Rect.bottom));
  Rect = TRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

void TVyrBaseControl::DrawDashedFrame() {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clBlack);
  canvas->GetPen()->SetWidth(1);
  canvas->GetPen()->SetStyle(psDash);
  canvas->GetPen()->SetMode(pmCopy);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, width_, height_);
}

void TVyrBaseControl::FillControl() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetPen()->SetStyle(psClear);
  canvas->FillRect(GetClientRect());
}

void TVyrBaseControl::DefineProperties(TFiler* Filer) {
  TGraphicControl::DefineProperties(Filer);
  imageLink_.DefineInternal(Filer);
}

void TVyrBaseControl::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove) imageLink_.Removed(AComponent);
}

void TVyrBaseControl::Dispatch(TMessage& Message) {
  if (Message.Msg == Vyrcctrl::CM_VYRBACKCHANGED) {
    if (!Loading() && CheckOptimized()) GetChange(nullptr);
    return;
  }
  TGraphicControl::Dispatch(Message);
}

// The class library's handling would fire OnMouseEnter itself; MouseEnter
// fires it, once.
void TVyrBaseControl::CMMouseEnter(TMessage&) { MouseEnter(); }

void TVyrBaseControl::CMMouseLeave(TMessage& Message) {
  TGraphicControl::CMMouseLeave(Message);
  MouseExit();
}

// ---- TVyrBaseGraphicControl ----

TVyrBaseGraphicControl::TVyrBaseGraphicControl(TComponent* AOwner) : TVyrBaseControl(AOwner) {
  controlStyle_.Exclude(csOpaque);
  controlStyle_.Include(csReplicatable);
  SetBounds(left_, top_, 30, 30);
}

void TVyrBaseGraphicControl::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  if (Value)
    controlStyle_.Exclude(csOpaque);
  else
    controlStyle_.Include(csOpaque);
  transparent_ = Value;
  Perform(Vyrcctrl::CM_TRANSPARENTCHANGED, 0, 0);
}

void TVyrBaseGraphicControl::InvalidateControl() {
  if (!transparent_ && !Designing()) {
    // Only where the control shows: a direct paint needs the parent's
    // surface.
    if (GetParent() && GetParent()->HandleAllocated() && GetShowing()) Paint();
    return;
  }
  Invalidate();
}

void TVyrBaseGraphicControl::DisableTransMode() {
  transparent_ = false;
  controlStyle_.Include(csOpaque);
}

bool VyrParentServesBack(TWinControl* Parent) {
  if (!Parent || !Parent->HandleAllocated()) return false;
  if (auto* control = dynamic_cast_object<TVyrCustomControl>(Parent)) return control->BackBitmapCheck();
  return VyrFormShapeBackCheck(Parent);
}

bool TVyrBaseGraphicControl::CheckOptimized() { return transparent_ && VyrParentServesBack(GetParent()); }

void TVyrBaseGraphicControl::GetChange(TObject*) {
  if (!Loading()) InvalidateControl();
}

void TVyrBaseGraphicControl::Paint() {
  if (Designing()) DrawDashedFrame();
}

void TVyrBaseGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg == Vyrcctrl::CM_TRANSPARENTCHANGED) {
    InvalidateControl();
    return;
  }
  TVyrBaseControl::Dispatch(Message);
}

// ---- TVyrGraphicControl ----

TVyrGraphicControl::TVyrGraphicControl(TComponent* AOwner)
    : TVyrBaseGraphicControl(AOwner), bevel_(std::make_unique<Vyrgraph::TVyrBevel>()) {
  bevel_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrGraphicControl::~TVyrGraphicControl() { bevel_->SetOnChange(nullptr); }

void TVyrGraphicControl::SetBevel(Vyrgraph::TVyrBevel* Value) {
  bevel_->Assign(Value);
  Perform(Vyrcctrl::CM_VYRBEVELCHANGED, 0, 0);
}

void TVyrGraphicControl::Paint() {
  if (Loading()) return;
  if (!GetEmpty() || BevelExt() != 0) {
    TRect inner;
    bevel_->PaintBevel(GetCanvas(), GetClientRect(), inner, GetTransparent());
  } else {
    TVyrBaseGraphicControl::Paint();
  }
}

}  // namespace Vyrctrl
