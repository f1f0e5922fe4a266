// The docked buttons: a speed button, its office look and a windowed
// button that stick to a side of a windowed control and follow it.
#include "classregistry.h"
#include "message_queue.h"
#include "messages.h"
#include "reader.h"
#include "vyrbtn.h"
#include "wincontrol.h"

namespace Vyrbtn {

using Vyrctrl::TVyrBoundsChangeStates;

// ---- the docking ----

TVyrButtonDocking::TVyrButtonDocking(TControl* Button, std::function<void()> WindowGone)
    : button_(Button), windowGone_(std::move(WindowGone)) {}

bool TVyrButtonDocking::Loading() const { return button_->GetComponentState().Contains(csLoading); }

bool TVyrButtonDocking::GetBoolean(int Index) const {
  switch (Index) {
    case 0: return adjustDockedSize_;
    case 1: return docked_;
    default: return reflectOwnChanges_;
  }
}

void TVyrButtonDocking::SetBoolean(int Index, bool Value) {
  if (GetBoolean(Index) == Value) return;
  switch (Index) {
    case 0:
      adjustDockedSize_ = Value;
      if (HasControl()) AdjustToControl();
      break;
    case 1:
      docked_ = Value;
      if (HasControl())
        DockControl();
      else if (control_)
        RestoreWndProc();
      break;
    default:
      reflectOwnChanges_ = Value;
      if (Value && HasControl()) AdjustToButton();
      break;
  }
}

void TVyrButtonDocking::SetControl(TWinControl* Value) {
  if (control_ == Value) return;
  RestoreWndProc();
  if (control_) control_->RemoveFreeNotification(button_);
  control_ = Value;
  if (Value) Value->FreeNotification(button_);
  DockControl();
}

void TVyrButtonDocking::SetPosition(TVyrDockPosition Value) {
  if (position_ == Value) return;
  position_ = Value;
  if (HasControl()) AdjustToControl();
}

void TVyrButtonDocking::SetMargin(int Value) {
  if (margin_ == Value) return;
  margin_ = Value;
  if (HasControl()) AdjustToControl();
}

void TVyrButtonDocking::DockControl() {
  if (!HasControl() || Loading()) return;
  adjusting_ = false;
  InitWndProc();
  AdjustToControl();
}

void TVyrButtonDocking::InitWndProc() {
  if (HasControl() && !retired_) hook_.Hook(control_);
}

void TVyrButtonDocking::AdjustToControl() {
  if (adjusting_ || !control_ || !control_->HandleAllocated() || control_->GetAlign() != alNone) return;
  const TRect bounds = Vyrstdcs::VyrDockLabelBounds(control_->GetBoundsRect(), button_->GetWidth(),
                                                    button_->GetHeight(), position_, margin_, adjustDockedSize_);
  adjusting_ = true;
  button_->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  adjusting_ = false;
}

void TVyrButtonDocking::AdjustToButton() {
  if (adjusting_ || !control_ || control_->GetAlign() != alNone) return;
  const TRect bounds = Vyrstdcs::VyrDockControlBounds(button_->GetBoundsRect(), control_->GetWidth(),
                                                      control_->GetHeight(), position_, margin_, adjustDockedSize_);
  adjusting_ = true;
  control_->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  adjusting_ = false;
}

void TVyrButtonDocking::Removed(TComponent* AComponent) {
  if (AComponent && AComponent == control_) SetControl(nullptr);
}

void TVyrButtonDocking::Retire() {
  retired_ = true;
  RestoreWndProc();
  control_ = nullptr;
}

void TVyrButtonDocking::DefineAdjustSize(TFiler* Filer) {
  Filer->DefineProperty("AdjustSize", TReaderProc([this](TReader* Reader) { adjustDockedSize_ = Reader->ReadBoolean(); }),
                        nullptr, false);
}

void TVyrButtonDocking::DockedControlEnabled(bool Enabled) { button_->SetEnabled(Enabled); }

void TVyrButtonDocking::DockedControlShown(bool Shown) {
  if (button_->GetComponentState().Contains(csDesigning)) return;
  if (!Shown) {
    button_->SetVisible(false);
  } else if (!button_->GetVisible()) {
    AdjustToControl();
    button_->SetVisible(true);
  }
}

void TVyrButtonDocking::DockedWindowDestroyed() {
  if (!retired_ && windowGone_) windowGone_();
}

// ---- the docked speed buttons ----

TVyrDockSpeedButton::TVyrDockSpeedButton(TComponent* AOwner)
    : TVyrCustomSpeedButton(AOwner), docking_(this, [this] { docking_.Forget(); }) {
  SetGlyphKind(TVyrGlyphKind::gkEllipsis);
  SetBounds(left_, top_, 22, 22);
}

void TVyrDockSpeedButton::BeforeDestruction() {
  docking_.Retire();
  TVyrCustomSpeedButton::BeforeDestruction();
}

void TVyrDockSpeedButton::BoundsChange(TVyrBoundsChangeStates State) {
  TVyrCustomSpeedButton::BoundsChange(State);
  if (docking_.GetBoolean(2) && docking_.HasControl()) docking_.AdjustToButton();
}

void TVyrDockSpeedButton::DefineProperties(TFiler* Filer) {
  TVyrCustomSpeedButton::DefineProperties(Filer);
  docking_.DefineAdjustSize(Filer);
}

void TVyrDockSpeedButton::Loaded() {
  TVyrCustomSpeedButton::Loaded();
  docking_.DockControl();
}

// A click on the button is for the control beside it: the control takes
// the focus, when it can (a disabled one would still become the form's
// active control).
void TVyrDockSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVyrCustomSpeedButton::MouseDown(Button, Shift, X, Y);
  TWinControl* control = docking_.GetControl();
  if (docking_.HasControl() && control->GetVisible() && control->CanFocus()) control->SetFocus();
}

void TVyrDockSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TVyrCustomSpeedButton::Notification(AComponent, Operation);
  if (Operation == opRemove) docking_.Removed(AComponent);
}

TVyrDockOfficeButton::TVyrDockOfficeButton(TComponent* AOwner) : TVyrDockSpeedButton(AOwner) {
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable};
  SetStyle(TVyrUserButtonStyle::ubsFlat);
  SetAllowTransparency(false);
  SetAllowMouseOver(true);
  SetBounds(left_, top_, 23, 22);
}

// ---- the docked windowed button ----

TVyrDockButton::TVyrDockButton(TComponent* AOwner)
    : TVyrCustomButton(AOwner), docking_(this, [this] {
        // The button's own window is made anew, and hooks the control's new
        // one; later, once the control has one again.
        if (HandleAllocated()) PostMessage(GetHandle(), CM_VYRDOCKREHOOK, 0, 0);
      }) {
  controlStyle_.Exclude(csSetCaption);
  SetGlyphKind(TVyrGlyphKind::gkEllipsis);
  SetBounds(left_, top_, 22, 22);
}

void TVyrDockButton::BeforeDestruction() {
  docking_.Retire();
  TVyrCustomButton::BeforeDestruction();
}

void TVyrDockButton::SetControl(TWinControl* Value) {
  if (Value == this) return;
  docking_.SetControl(Value);
}

void TVyrDockButton::BoundsChange(TVyrBoundsChangeStates State) {
  TVyrCustomButton::BoundsChange(State);
  if (docking_.GetBoolean(2) && docking_.HasControl()) docking_.AdjustToButton();
}

void TVyrDockButton::CreateWnd() {
  TVyrCustomButton::CreateWnd();
  docking_.InitWndProc();
}

void TVyrDockButton::DefineProperties(TFiler* Filer) {
  TVyrCustomButton::DefineProperties(Filer);
  docking_.DefineAdjustSize(Filer);
}

void TVyrDockButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_VYRDOCKREHOOK) {
    RecreateWnd();
    docking_.AdjustToControl();
    return;
  }
  TVyrCustomButton::Dispatch(Message);
}

void TVyrDockButton::Notification(TComponent* AComponent, TOperation Operation) {
  TVyrCustomButton::Notification(AComponent, Operation);
  if (Operation == opRemove) docking_.Removed(AComponent);
}

}  // namespace Vyrbtn
