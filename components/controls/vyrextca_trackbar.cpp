// The track bar: properties, painting and keys.
#include <algorithm>

#include "bitmap_class.h"
#include "canvas.h"
#include "exceptions.h"
#include "keyboard.h"
#include "vyrcont.h"
#include "resourcestrings.h"
#include "vyrclass_application.h"
#include "vyrextca.h"
#include "vyrutils.h"

namespace Vyrextca {

using Vyrclass::VyrApplication;
using Vyrctrl::TVyrCustomPanel;

TVyrCustomTrackBar::TVyrCustomTrackBar(TComponent* AOwner) : TVyrCustomPanel(AOwner) {
  // The timer first: a bar the pool cannot serve is not made, and nothing
  // else has been built yet that would need undoing.
  FTimer = VyrApplication ? VyrApplication->AddTimerExt(300, -1, false, TNotifyEvent(this, &TVyrCustomTrackBar::TimerExpired)) : 0;
  if (FTimer == 0) throw EOutOfResources(LoadStr(SNoTimers));
  controlStyle_.Exclude(csAcceptsControls);
  FThumb = std::make_unique<TBitmap>();
  FThumb->OnChange = TNotifyEvent(this, &TVyrCustomTrackBar::GetChange);
  FSaved = std::make_unique<TBitmap>();
  FTrackFillObject = std::make_unique<Vyrgraph::TVyrFillObject>();
  FTrackFillObject->SetOnChange(TNotifyEvent(this, &TVyrCustomTrackBar::GetChange));
  SetTabStop(true);
  SetBounds(GetLeft(), GetTop(), 220, 35);
  CreateThumb();
}

TVyrCustomTrackBar::~TVyrCustomTrackBar() {
  if (FTrackFillObject) FTrackFillObject->SetOnChange(TNotifyEvent());
  if (FThumb) FThumb->OnChange = TNotifyEvent();
  if (VyrApplication && FTimer) VyrApplication->RemoveTimer(FTimer);
}

// ---- properties ----

int TVyrCustomTrackBar::GetInteger(int Index) const {
  switch (Index) {
    case 0: return FMaxValue;
    case 1: return FMinValue;
    case 2: return FLineSize;
    case 3: return FPageSize;
    case 4: return FTrackBorder;
    case 5: return FTrackWidth;
    case 6: return FTickLength;
    case 7: return FMargin;
    case 8: return FTickGap;
  }
  return 0;
}

void TVyrCustomTrackBar::SetInteger(int Index, int Value) {
  if (GetInteger(Index) == Value) return;
  // A stream gives the bounds one after the other: each is checked against
  // the other once both are in (Loaded).
  if (Loading() && (Index == 0 || Index == 1)) {
    (Index == 0 ? FMaxValue : FMinValue) = Value;
    return;
  }
  switch (Index) {
    case 0:
      if (Value <= FMinValue) return;
      FMaxValue = Value;
      if (FPosition > Value) SetPosition(Value);
      break;
    case 1:
      if (Value >= FMaxValue) return;
      FMinValue = Value;
      if (FPosition < Value) SetPosition(Value);
      break;
    case 2: FLineSize = Value; return;
    case 3: FPageSize = Value; return;
    case 4: FTrackBorder = Value; break;
    case 5:
      if (Value < 3) return;
      FTrackWidth = Value;
      if (!IsCustom()) CreateThumb();
      break;
    case 6: FTickLength = Value; break;
    case 7:
      if (Value < 1) return;
      FMargin = Value;
      break;
    case 8:
      if (Value < -1) return;
      FTickGap = Value;
      break;
    default: return;
  }
  Invalidate();
}

TColor TVyrCustomTrackBar::GetColorValue(int Index) const {
  switch (Index) {
    case 0: return FThumbColor;
    case 1: return FTrackColor;
    case 2: return FTickColor;
    default: return FFocusColor;
  }
}

void TVyrCustomTrackBar::SetColorValue(int Index, TColor Value) {
  if (GetColorValue(Index) == Value) return;
  switch (Index) {
    case 0:
      FThumbColor = Value;
      if (!IsCustom()) CreateThumb();
      break;
    case 1: FTrackColor = Value; break;
    case 2: FTickColor = Value; break;
    default: FFocusColor = Value; break;
  }
  Invalidate();
}

void TVyrCustomTrackBar::SetOrientation(TVyrOrientation Value) {
  FOrientation = Value;
  if (!IsCustom()) CreateThumb();
  Invalidate();
}

void TVyrCustomTrackBar::SetTickMarks(TVyrTickMarks Value) {
  FTickMarks = Value;
  if (!IsCustom()) CreateThumb();
  Invalidate();
}

void TVyrCustomTrackBar::SetTickStyle(TVyrTickStyle Value) {
  FTickStyle = Value;
  Invalidate();
}

void TVyrCustomTrackBar::SetTrackBorderStyle(Vyrgraph::TVyrBorderStyle Value) {
  FTrackBorderStyle = Value;
  Invalidate();
}

void TVyrCustomTrackBar::SetUseFocusColor(bool Value) {
  FUseFocusColor = Value;
  Invalidate();
}

void TVyrCustomTrackBar::SetTrackTransparent(bool Value) {
  FTrackTransparent = Value;
  GetChange(nullptr);
}

void TVyrCustomTrackBar::SetFillObject(Vyrgraph::TVyrFillObject* Value) { FTrackFillObject->Assign(Value); }
void TVyrCustomTrackBar::SetThumb(TBitmap* Value) { FThumb->Assign(Value); }

TBitmap* TVyrCustomTrackBar::GetThumb() const {
  if (Loading()) return FThumb.get();
  return IsCustom() && !GetImageList() ? FThumb.get() : nullptr;
}

void TVyrCustomTrackBar::SetThumbStyle(TVyrThumbStyle Value) {
  if (FThumbStyle == Value) return;
  FThumbStyle = Value;
  if (Value == TVyrThumbStyle::tsStandard) {
    CreateThumb();
  } else if (!Loading()) {
    const TNotifyEvent handler = FThumb->OnChange;
    FThumb->OnChange = TNotifyEvent();
    FThumb->SetSize(0, 0);
    FThumb->OnChange = handler;
  }
  Invalidate();
}

void TVyrCustomTrackBar::TakeThumbDimensions() {
  FThumbHeight = FThumb->GetHeight();
  FThumbWidth = FThumb->GetWidth() / 2;
  FThumbHalf = FThumbWidth / 2;
}

void TVyrCustomTrackBar::CreateThumb() {
  const TNotifyEvent handler = FThumb->OnChange;
  FThumb->OnChange = TNotifyEvent();
  VyrCreateThumb(FThumb.get(), FTrackWidth, FOrientation, FTickMarks, FThumbColor);
  FThumb->OnChange = handler;
  TakeThumbDimensions();
}

void TVyrCustomTrackBar::GetChange(TObject* Sender) {
  if (Sender == FThumb.get()) {
    if (FThumb->GetEmpty()) {
      if (IsCustom()) SetThumbStyle(TVyrThumbStyle::tsStandard);
    } else {
      const TNotifyEvent handler = FThumb->OnChange;
      FThumb->OnChange = TNotifyEvent();
      if (GetImageList() && !IMLEmpty()) GetImageList()->GetBitmapItem(GetListIndex(), GetImageIndex(), FThumb.get());
      FThumbStyle = TVyrThumbStyle::tsCustom;
      TakeThumbDimensions();
      FThumb->OnChange = handler;
    }
  }
  TVyrCustomPanel::GetChange(Sender);
}

void TVyrCustomTrackBar::GetIMLChange(TObject*) {
  if (!IMLEmpty()) {
    const TNotifyEvent handler = FThumb->OnChange;
    FThumb->OnChange = TNotifyEvent();
    GetImageList()->GetBitmapItem(GetListIndex(), GetImageIndex(), FThumb.get());
    FThumb->OnChange = handler;
    FThumbStyle = TVyrThumbStyle::tsCustom;
    TakeThumbDimensions();
  } else {
    SetThumbStyle(TVyrThumbStyle::tsStandard);
  }
  Invalidate();
}

void TVyrCustomTrackBar::SetPosition(int Value) {
  Value = std::clamp(Value, FMinValue, FMaxValue);
  if (Value == FPosition) return;
  FPosition = Value;
  if (Designing()) {
    Invalidate();
    return;
  }
  if (Loading()) return;
  if (HandleAllocated()) {
    if ((FDragging || GetControlState().Contains(csLButtonDown)) && FSavedRect.Width() > 0) {
      GetCanvas()->Draw(FSavedRect.left, FSavedRect.top, FSaved.get());
      DrawThumb(FPosition);
    } else {
      Paint();
    }
  }
  Change();
}

void TVyrCustomTrackBar::Change() {
  if (OnChange) OnChange(this);
}

void TVyrCustomTrackBar::DoDrawTick(TCanvas* Canvas, std::int64_t Value, TPoint Point) {
  if (OnDrawTick) OnDrawTick(this, Canvas, Value, Point);
}

bool TVyrCustomTrackBar::BackBitmapCheck() {
  if (!GetTransparent() && !FTrackTransparent) return false;
  TWinControl* parent = GetParent();
  if (!parent || !parent->HandleAllocated()) return false;
  if (auto* control = dynamic_cast_object<Vyrcctrl::TVyrCustomControl>(parent)) return control->BackBitmapCheck();
  return Vyrctrl::VyrFormShapeBackCheck(parent);
}

TBitmap* TVyrCustomTrackBar::BackBitmap() {
  if (!BackBitmapCheck()) return nullptr;
  if (auto* control = dynamic_cast_object<Vyrcctrl::TVyrCustomControl>(GetParent())) return control->BackBitmap();
  return Vyrctrl::VyrFormShapeBackBitmap(GetParent());
}

void TVyrCustomTrackBar::Loaded() {
  TVyrCustomPanel::Loaded();
  if (FMaxValue <= FMinValue) FMaxValue = FMinValue == INT32_MAX ? FMinValue : FMinValue + 1;
  if (FMinValue == FMaxValue) FMinValue = FMaxValue - 1;
  FPosition = std::clamp(FPosition, FMinValue, FMaxValue);
  if (!IsCustom()) CreateThumb();
  if (FFocusStyle == TVyrTrackBarFocusStyle::tbNoFocus) SetTabStop(false);
}

// ---- keys and wheel ----

void TVyrCustomTrackBar::KeyDown(Word& Key, TShiftState Shift) {
  TVyrCustomPanel::KeyDown(Key, Shift);
  switch (Key) {
    case VK_PRIOR: SetPosition(FPosition + FPageSize); break;
    case VK_NEXT: SetPosition(FPosition - FPageSize); break;
    case VK_LEFT:
    case VK_DOWN: SetPosition(FPosition - FLineSize); break;
    case VK_UP:
    case VK_RIGHT: SetPosition(FPosition + FLineSize); break;
    default: break;
  }
}

bool TVyrCustomTrackBar::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  TVyrCustomPanel::DoMouseWheelDown(Shift, MousePos);
  SetPosition(FPosition + 1);
  return true;
}

bool TVyrCustomTrackBar::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  TVyrCustomPanel::DoMouseWheelUp(Shift, MousePos);
  SetPosition(FPosition - 1);
  return true;
}

void TVyrCustomTrackBar::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    TVyrCustomPanel::Dispatch(Message);
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TVyrCustomPanel::Dispatch(Message);
}

void TVyrCustomTrackBar::CMEnabledChanged(TMessage& Message) {
  TVyrCustomPanel::CMEnabledChanged(Message);
  Invalidate();
}

}  // namespace Vyrextca
