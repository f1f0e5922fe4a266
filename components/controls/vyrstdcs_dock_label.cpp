// The dock label: it hooks its control's window procedure and follows it.
#include "reader.h"
#include "vyrstdcs.h"
#include "window.h"

namespace Vyrstdcs {

TVyrCustomDockLabel::TVyrCustomDockLabel(TComponent* AOwner) : TVyrCustomSimpleLabel(AOwner) { SetAutoSize(false); }

void TVyrCustomDockLabel::BeforeDestruction() {
  FHook.Restore();
  TVyrCustomSimpleLabel::BeforeDestruction();
}

bool TVyrCustomDockLabel::GetBoolean(int Index) const {
  switch (Index) {
    case 0: return FAdjustDockedSize;
    case 1: return FDocked;
    default: return FReflectOwnChanges;
  }
}

void TVyrCustomDockLabel::SetBoolean(int Index, bool Value) {
  if (GetBoolean(Index) == Value) return;
  switch (Index) {
    case 0:
      FAdjustDockedSize = Value;
      if (HasControl()) AdjustToControl();
      break;
    case 1:
      FDocked = Value;
      if (HasControl())
        DockControl();
      else if (GetFocusControl())
        FHook.Restore();
      break;
    default:
      FReflectOwnChanges = Value;
      if (Value && HasControl()) AdjustToLabel();
      break;
  }
}

void TVyrCustomDockLabel::SetPosition(TVyrDockPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  if (HasControl()) AdjustToControl();
}

void TVyrCustomDockLabel::SetMargin(int Value) {
  if (FMargin == Value) return;
  FMargin = Value;
  if (HasControl()) AdjustToControl();
}

void TVyrCustomDockLabel::SetControl(TWinControl* Value) {
  if (GetFocusControl() == Value) return;
  FHook.Restore();
  TVyrCustomSimpleLabel::SetControl(Value);
  if (Value) DockControl();
}

void TVyrCustomDockLabel::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == GetFocusControl()) {
    SetControl(nullptr);
    return;
  }
  TVyrCustomSimpleLabel::Notification(AComponent, Operation);
}

void TVyrCustomDockLabel::DockControl() {
  if (!HasControl() || Loading()) return;
  FAdjusting = false;
  FHook.Hook(GetFocusControl());
  AdjustToControl();
}

void TVyrCustomDockLabel::DockedControlShown(bool Shown) {
  if (Designing()) return;
  if (!Shown) {
    SetVisible(false);
  } else if (!GetVisible()) {
    AdjustToControl();
    SetVisible(true);
  }
}

void TVyrCustomDockLabel::AdjustToControl() {
  TWinControl* control = GetFocusControl();
  if (FAdjusting || !control || !control->HandleAllocated() || GetAlign() != alNone) return;
  const TRect bounds = VyrDockLabelBounds(control->GetBoundsRect(), GetWidth(), GetHeight(), FPosition, FMargin,
                                          FAdjustDockedSize);
  FAdjusting = true;
  SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  FAdjusting = false;
}

void TVyrCustomDockLabel::AdjustToLabel() {
  TWinControl* control = GetFocusControl();
  if (FAdjusting || !control || GetAlign() != alNone) return;
  const TRect bounds = VyrDockControlBounds(GetBoundsRect(), control->GetWidth(), control->GetHeight(), FPosition,
                                            FMargin, FAdjustDockedSize);
  FAdjusting = true;
  control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  FAdjusting = false;
}

void TVyrCustomDockLabel::BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) {
  TVyrCustomSimpleLabel::BoundsChange(State);
  if (FReflectOwnChanges && HasControl()) AdjustToLabel();
}

void TVyrCustomDockLabel::CorrectBounds() {
  if (!HasControl()) {
    TVyrCustomSimpleLabel::CorrectBounds();
    return;
  }
  if (!GetAutoSize() || Loading()) return;
  TRect R = MeasureText(GetFont3D(), 0);
  const bool beside = FPosition == TVyrDockPosition::dpLeft || FPosition == TVyrDockPosition::dpRight;
  int width = R.right, height = R.bottom;
  if (FAdjustDockedSize) (beside ? height : width) = beside ? GetHeight() : GetWidth();
  SetBounds(GetLeft(), GetTop(), width, height);
}

void TVyrCustomDockLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVyrCustomSimpleLabel::MouseDown(Button, Shift, X, Y);
  TWinControl* control = GetFocusControl();
  if (HasControl() && control->GetVisible() && control->CanFocus()) control->SetFocus();
}

void TVyrCustomDockLabel::ReadAdjustSize(TReader* Reader) { FAdjustDockedSize = Reader->ReadBoolean(); }

void TVyrCustomDockLabel::DefineProperties(TFiler* Filer) {
  TVyrCustomSimpleLabel::DefineProperties(Filer);
  Filer->DefineProperty("AdjustSize", TReaderProc(this, &TVyrCustomDockLabel::ReadAdjustSize), nullptr, false);
}

void TVyrCustomDockLabel::Loaded() {
  TVyrCustomSimpleLabel::Loaded();
  DockControl();
}

}  // namespace Vyrstdcs
