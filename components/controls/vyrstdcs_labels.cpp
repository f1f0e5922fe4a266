// The base label and the label with bevel and effect font.
#include "brush_class.h"
#include "canvas.h"
#include "controlmessages.h"
#include "dc.h"
#include "font_class.h"
#include "stdctrls_accel.h"
#include "vyrstdcs.h"
#include "vyrutils.h"

namespace Vyrstdcs {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrDrawTextStyles;

// ---- TVyrBaseLabel ----

TVyrBaseLabel::TVyrBaseLabel(TComponent* AOwner) : Vyrctrl::TVyrBaseGraphicControl(AOwner) {}

void TVyrBaseLabel::SetAlignment(TVyrAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  GetChange(nullptr);
}

void TVyrBaseLabel::SetOptions(TVyrLabelOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  GetChange(nullptr);
}

bool TVyrBaseLabel::GetBool(int Index) const {
  switch (Index) {
    case 0: return FAutoSize;
    case 1: return FMultiLine;
    default: return FShowAccelChar;
  }
}

void TVyrBaseLabel::SetBool(int Index, bool Value) {
  if (GetBool(Index) == Value) return;
  switch (Index) {
    case 0:
      FAutoSize = Value;
      CorrectBounds();
      break;
    case 1:
      FMultiLine = Value;
      GetChange(nullptr);
      break;
    default:
      FShowAccelChar = Value;
      InvalidateControl();
      break;
  }
}

void TVyrBaseLabel::SetControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TVyrBaseLabel::Notification(TComponent* AComponent, TOperation Operation) {
  Vyrctrl::TVyrBaseGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) SetControl(nullptr);
}

void TVyrBaseLabel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    if (FShowAccelChar && FFocusControl && GetEnabled() && IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) &&
        FFocusControl->CanFocus()) {
      FFocusControl->SetFocus();
      Message.Result = 1;
    }
    return;
  }
  Vyrctrl::TVyrBaseGraphicControl::Dispatch(Message);
}

void TVyrBaseLabel::CMFontChanged(TMessage& Message) {
  Vyrctrl::TVyrBaseGraphicControl::CMFontChanged(Message);
  FontChange(GetFont());
}

void TVyrBaseLabel::CMTextChanged(TMessage& Message) {
  Vyrctrl::TVyrBaseGraphicControl::CMTextChanged(Message);
  CorrectBounds();
  InvalidateControl();
}

void TVyrBaseLabel::GetChange(TObject*) {
  CorrectBounds();
  InvalidateControl();
}

bool TVyrBaseLabel::GetEmpty() { return GetTransparent() && GetLabelText().IsEmpty(); }

void TVyrBaseLabel::FontChange(TObject* Sender) {
  if (!Loading()) {
    if (Sender == GetFont()) SetParentFont(false);
    if (!GetComponentState().Contains(csReading) && GetParent()) GetCanvas()->GetFont()->Assign(GetFont());
  }
  GetChange(nullptr);
}

void TVyrBaseLabel::Loaded() {
  Vyrctrl::TVyrBaseGraphicControl::Loaded();
  // A label read on its own has no surface to measure on yet.
  if (!GetParent()) return;
  GetCanvas()->GetFont()->Assign(GetFont());
  CorrectBounds();
}

TRect TVyrBaseLabel::MeasureText(Vyrgraph::TVyr3DCaption* Caption, int Border) {
  TRect R = GetClientRect();
  if (!GetParent()) return R;
  const int flags = GetOptionsFlag(FOptions) | static_cast<int>(DrawTextBiDiModeFlags(0));
  Vyrutils::VyrDrawTextCalcExt(GetCanvas(), GetLabelText(), Caption, R, GetFont(), FMultiLine, FShowAccelChar, Border,
                               flags);
  return R;
}

// ---- TVyrCustomLabel ----

TVyrCustomLabel::TVyrCustomLabel(TComponent* AOwner)
    : TVyrBaseLabel(AOwner),
      FBevel(std::make_unique<Vyrgraph::TVyrBevel>()),
      FFontFx(std::make_unique<Vyrgraph::TVyrFxCaption>()) {
  FBevel->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  FFontFx->SetOnChange(TNotifyEvent([this](TObject* Sender) { FontChange(Sender); }));
}

TVyrCustomLabel::~TVyrCustomLabel() {
  FBevel->SetOnChange(nullptr);
  FFontFx->SetOnChange(nullptr);
}

void TVyrCustomLabel::CMFontChanged(TMessage& Message) {
  TVyrBaseLabel::CMFontChanged(Message);
  FontChange(GetFont());
}

void TVyrCustomLabel::FontChange(TObject* Sender) {
  if (!Loading()) {
    if (Sender == GetFont()) SetParentFont(false);
    if (GetParent()) GetCanvas()->GetFont()->Assign(GetFont());
    // A turned text needs an outline font: turning a bitmap face gives
    // way to the one that can turn.
    if (FFontFx->GetAngle() != 0 && GetParent() && !Vyrutils::VyrIsTrueTypeFontCheck(GetCanvas())) {
      if (Sender == GetFont()) {
        FFontFx->SetAngle(0);
      } else if (Sender == FFontFx.get()) {
        GetFont()->SetName("Arial");
        return;
      }
    }
  }
  GetChange(Sender);
}

void TVyrCustomLabel::GetChange(TObject* Sender) { TVyrBaseLabel::GetChange(Sender); }

bool TVyrCustomLabel::GetEmpty() { return TVyrBaseLabel::GetEmpty() && GetBevelExtend() == 0; }

void TVyrCustomLabel::CorrectBounds() {
  if (!GetAutoSize() || Loading()) return;
  TRect R = MeasureText(FFontFx.get(), GetBevelExtend());
  if (auto* bar = dynamic_cast_object<Vyrctrl::TVyrCustomStatusBar>(GetParent())) R.right += bar->GetControlGap();
  SetBounds(GetLeft(), GetTop(), R.right, R.bottom);
}

int TVyrCustomLabel::PaintFlags() const {
  return TextFlags(static_cast<int>(DrawTextBiDiModeFlags(0)) |
                   VyrLabelLineFlags(GetAutoSize(), GetMultiLine(), FFontFx->GetAngle()));
}

void TVyrCustomLabel::Paint() {
  if (FPainting || Loading()) return;
  if (GetEmpty()) {
    Vyrctrl::TVyrBaseGraphicControl::Paint();
    return;
  }
  const AnsiString text = GetLabelText();
  FPainting = true;
  TCanvas* C = GetCanvas();
  if (!GetTransparent())
    FillControl();
  else
    PaintBackground();
  TRect R = GetClientRect();
  if (auto* bar = dynamic_cast_object<Vyrctrl::TVyrCustomStatusBar>(GetParent())) R.left += bar->GetControlGap();
  TVyrDrawTextStyles style{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled};
  TRect clip;
  const TRect* clipRect = nullptr;
  if (GetBevelExtend() != 0) {
    const bool fillLess = FBevel->GetBorderColor() == GetColor() || GetTransparent();
    TRect inner;
    FBevel->PaintBevel(C, R, inner, fillLess);
    R = inner;
    // The clip goes to the device context as it is, in device units, while
    // the label draws in its own coordinates on its parent's surface.
    POINT corners[2] = {TPoint(R.left, R.top), TPoint(R.right, R.bottom)};
    LPtoDP(C->GetHandle(), corners, 2);
    clip = TRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    clipRect = &clip;
    style.Include(TVyrDrawTextStyle::dtClip);
  }
  const int f = static_cast<int>(DrawTextBiDiModeFlags(0)) |
                VyrLabelLineFlags(GetAutoSize(), GetMultiLine(), FFontFx->GetAngle());
  if (VyrLabelAlignsRect(GetAutoSize(), GetMultiLine(), FFontFx->GetAngle(), GetAlignment()))
    R = Vyrutils::VyrAlignTextRect(GetAlignment(), text, FFontFx.get(), R, GetFont(), GetMultiLine(),
                                   GetShowAccelChar(), f);
  C->GetBrush()->SetColor(GetColor());
  C->GetFont()->SetColor(GetFont()->GetColor());
  Vyrutils::VyrDrawTextExt(C, text, FFontFx.get(), R, TextFlags(f), style, clipRect);
  FPainting = false;
}

}  // namespace Vyrstdcs
