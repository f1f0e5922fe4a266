// The check box and the radio button: state, clicks, keys and painting.
#include <algorithm>

#include "bitmap_class.h"
#include "brush_class.h"
#include "actnlist.h"
#include "canvas.h"
#include "controlmessages.h"
#include "keyboard.h"
#include "vyrcont.h"
#include "pen_class.h"
#include "stdctrls_accel.h"
#include "vyrgroup.h"
#include "vyrutils.h"
#include "window.h"
#include "windowclass.h"

namespace Vyrgroup {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrDrawTextStyles;
using Vyrgraph::TVyrGlyphTextFocusStyle;

// ---- TVyrButtonControl ----

TVyrButtonControl::TVyrButtonControl(TComponent* AOwner)
    : Vyrctrl::TVyrCustomPanel(AOwner),
      FStrip(std::make_unique<TBitmap>()),
      FAlignment(std::make_unique<Vyrgraph::TVyrGlyphTextLayout>()),
      FFont3D(std::make_unique<Vyrgraph::TVyr3DCaption>()) {
  controlStyle_.Include(csSetCaption).Include(csOpaque).Exclude(csAcceptsControls).Exclude(csDoubleClicks);
  SetBounds(left_, top_, 105, 17);
  FAlignment->SetSpacing(4);
  FAlignment->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  FFont3D->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrButtonControl::~TVyrButtonControl() {
  FAlignment->SetOnChange(nullptr);
  FFont3D->SetOnChange(nullptr);
}

bool TVyrButtonControl::GetBool(int Index) const {
  switch (Index) {
    case 0: return FAutoSize;
    case 1: return FGlyphTransparent;
    default: return FGlyphFlat;
  }
}

void TVyrButtonControl::SetBool(int Index, bool Value) {
  if (GetBool(Index) == Value) return;
  switch (Index) {
    case 0:
      FAutoSize = Value;
      CorrectBounds();
      break;
    case 1:
      FGlyphTransparent = Value;
      Invalidate();
      break;
    default:
      FGlyphFlat = Value;
      if (IMLEmpty()) {
        CreateStandardGlyph();
        GetChange(nullptr);
      }
      break;
  }
}

void TVyrButtonControl::SetGlyphSize(int Value) {
  Value = std::clamp(Value, 0, 255);
  if (FGlyphSize == Value) return;
  FGlyphSize = Value;
  if (IMLEmpty()) {
    CreateStandardGlyph();
    GetChange(nullptr);
  }
}

void TVyrButtonControl::SetFocusStyle(TVyrGlyphTextFocusStyle Value) {
  if (FFocusStyle == Value) return;
  FFocusStyle = Value;
  if (Focused()) GetChange(nullptr);
}

void TVyrButtonControl::SetFocusColor(TColor Value) {
  if (FFocusColor == Value) return;
  FFocusColor = Value;
  if (Focused()) GetChange(nullptr);
}

void TVyrButtonControl::SetUseFocusColor(bool Value) {
  if (FUseFocusColor == Value) return;
  FUseFocusColor = Value;
  if (Focused()) GetChange(nullptr);
}

void TVyrButtonControl::SetTransparentColor(TColor Value) {
  if (FGlyphTransparentColor == Value) return;
  FGlyphTransparentColor = Value;
  GetChange(nullptr);
}

void TVyrButtonControl::GetChange(TObject*) {
  if (Loading()) return;
  CorrectBounds();
  PaintNow();
}

// ---- the action link ----

TVyrButtonActionLink::TVyrButtonActionLink(TControl* AClient)
    : TControlActionLink(AClient), FClient(static_cast<TVyrButtonControl*>(AClient)) {}

bool TVyrButtonActionLink::IsCheckedLinked() {
  return TControlActionLink::IsCheckedLinked() && FClient->GetChecked() == CustomAction()->GetChecked();
}

void TVyrButtonActionLink::SetChecked(bool Value) {
  if (!IsCheckedLinked()) return;
  const bool disabled = FClient->FClicksDisabled;
  FClient->FClicksDisabled = true;
  try {
    FClient->SetChecked(Value);
  } catch (...) {
    FClient->FClicksDisabled = disabled;
    throw;
  }
  FClient->FClicksDisabled = disabled;
}

TControlActionLinkClass TVyrButtonControl::GetActionLinkClass() const {
  return ActionLinkClassOf<TVyrButtonActionLink>();
}

void TVyrButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  Vyrctrl::TVyrCustomPanel::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast_object<TCustomAction>(Sender);
  if (!action || (CheckDefaults && GetChecked())) return;
  const bool disabled = FClicksDisabled;
  FClicksDisabled = true;
  SetChecked(action->GetChecked());
  FClicksDisabled = disabled;
}

// Checked stays out of the form text while it follows the action.
bool TVyrButtonControl::IsCheckedStored() const {
  TControlActionLink* link = GetActionLink();
  return !link || !link->IsCheckedLinked();
}

void TVyrButtonControl::Changed() {
  if (OnChange) OnChange(this);
}

void TVyrButtonControl::CorrectBounds() {
  if (!FAutoSize || Loading()) return;
  // Measured from the top left, whatever the layout's own alignment.
  const TNotifyEvent handler = FAlignment->GetOnChange();
  FAlignment->SetOnChange(nullptr);
  const Vyrgraph::TVyrAlignment saved = FAlignment->GetAlignment();
  FAlignment->SetAlignment(Vyrgraph::TVyrAlignment::agTopLeft);
  TRect measured;
  DrawItem(GetCanvas(), false, 0, &measured);
  FAlignment->SetAlignment(saved);
  FAlignment->SetOnChange(handler);
  SetBounds(left_, top_, measured.right, measured.bottom);
}

void TVyrButtonControl::Paint() {
  if (HandleAllocated()) PaintToControl(0);
}

// A window not on the screen (hidden, or its form not shown yet) paints
// when it shows; drawing it now would only cost, and keep a device context
// open for every such control.
void TVyrButtonControl::PaintNow() {
  if (HandleAllocated() && IsWindowVisible(GetHandle()) && !HoldPaint()) PaintToControl(0);
}

void TVyrButtonControl::PaintToControl(int StateOverride) {
  if (!FUseBitmap) {
    FillControl();
    DrawItem(GetCanvas(), true, StateOverride);
    return;
  }
  TBitmap buffer;
  buffer.SetSize(width_, height_);
  TCanvas* bc = buffer.GetCanvas();
  const TRect all(0, 0, width_, height_);
  if (!(CheckOptimized() && BackDrawArea(bc, all, TPoint(left_, top_), 0)) && !PaintParentBack(bc, all)) {
    bc->GetBrush()->SetStyle(bsSolid);
    bc->GetBrush()->SetColor(GetColor());
    bc->FillRect(all);
  }
  DrawItem(bc, true, StateOverride);
  GetCanvas()->Draw(0, 0, &buffer);
}

void TVyrButtonControl::DrawItem(TCanvas* Canvas, bool DoDraw, int StateOverride, TRect* Measured) {
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->GetFont()->Assign(GetFont());
  TRect cell = VyrCellRect(CurrentCell(StateOverride), FCellWidth, FStrip->GetHeight());
  TRect R(0, 1, width_, height_ - (FTrimBottom ? 1 : 0));
  TVyrDrawTextStyles style{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled,
                           TVyrDrawTextStyle::dt3DDisabled};
  if (DoDraw)
    style = style + TVyrDrawTextStyles::FromBits(static_cast<std::uint64_t>(Vyrgraph::VyrConvertFocusStyle(FFocusStyle)));
  else
    style.Include(TVyrDrawTextStyle::dtCalculate);
  TCanvas* glyphCanvas = FStrip->GetEmpty() ? nullptr : FStrip->GetCanvas();
  Vyrutils::VyrDrawTextAndGlyphExt(Canvas, GetCaption(), FFont3D.get(), R, glyphCanvas, cell, nullptr,
                                   FGlyphTransparentColor, FAlignment.get(), true, true, FGlyphTransparent, style,
                                   static_cast<int>(DrawTextBiDiModeFlags(0)));
  if (Measured) *Measured = cell;
  if (DoDraw && Focused() && FFocusStyle != TVyrGlyphTextFocusStyle::fcNone) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    if (FFocusStyle == TVyrGlyphTextFocusStyle::fcControl) cell = GetClientRect();
    DrawFocus(Canvas, cell);
  }
}

void TVyrButtonControl::DrawFocus(TCanvas* Canvas, const TRect& Rect) {
  if (!FUseFocusColor) {
    Canvas->DrawFocusRect(Rect);
    return;
  }
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->GetPen()->SetStyle(psDot);
  Canvas->GetPen()->SetWidth(1);
  Canvas->GetPen()->SetColor(FFocusColor);
  Canvas->Rectangle(Rect);
  Canvas->GetPen()->SetStyle(psSolid);
}

bool TVyrButtonControl::StripFromImageList() {
  FStrip = std::make_unique<TBitmap>();
  if (IMLEmpty()) return false;
  GetImageList()->GetBitmapItem(GetListIndex(), GetImageIndex(), FStrip.get());
  return true;
}

void TVyrButtonControl::WndProc(TMessage& Message) {
  const bool press = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK;
  if (press && !Designing() && !Focused()) {
    // The click that takes the focus must not also count as one.
    FClicksDisabled = true;
    if (CanFocus()) SetFocus();
    FClicksDisabled = false;
    if (!Focused()) return;
  }
  if (Message.Msg == CN_COMMAND && FClicksDisabled) return;
  Vyrctrl::TVyrCustomPanel::WndProc(Message);
}

void TVyrButtonControl::Dispatch(TMessage& Message) { Vyrctrl::TVyrCustomPanel::Dispatch(Message); }

void TVyrButtonControl::CreateParams(TCreateParams& Params) {
  Vyrctrl::TVyrCustomPanel::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TVyrButtonControl::Loaded() {
  Vyrctrl::TVyrCustomPanel::Loaded();
  GetCanvas()->GetFont()->Assign(GetFont());
  CorrectBounds();
}

void TVyrButtonControl::DoExit() {
  Vyrctrl::TVyrCustomPanel::DoExit();
  PaintNow();
}

void TVyrButtonControl::CMEnabledChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomPanel::CMEnabledChanged(Message);
  GetChange(nullptr);
}

void TVyrButtonControl::CMFontChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomPanel::CMFontChanged(Message);
  GetChange(nullptr);
}

void TVyrButtonControl::CMTextChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomPanel::CMTextChanged(Message);
  Invalidate();
}

void TVyrButtonControl::WMSize(TMessage& Message) {
  Vyrctrl::TVyrCustomPanel::WMSize(Message);
  PaintNow();
}

// ---- TVyrCustomCheckBox ----

TVyrCustomCheckBox::TVyrCustomCheckBox(TComponent* AOwner) : TVyrButtonControl(AOwner) {
  SetTabStop(true);
  FGlyphSize = 13;
  CreateStandardGlyph();
  FGlyphTransparent = false;
}

void TVyrCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  PaintNow();
}

void TVyrCustomCheckBox::SetChecked(bool Value) {
  if (Value != GetChecked()) SetState(Value ? cbChecked : cbUnchecked);
}

void TVyrCustomCheckBox::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 0, 255);
  if (Value == 0) Value = 1;
  if (FGlyphNumber == Value) return;
  FGlyphNumber = Value;
  GetIMLChange(nullptr);
}

int TVyrCustomCheckBox::CurrentCell(int) const {
  const TCheckBoxState state = GetControlState().Contains(csPaintCopy) ? GetFieldState() : FState;
  return VyrCheckBoxCell(GetEnabled(), state, FGlyphNumber);
}

void TVyrCustomCheckBox::Toggle() {
  const TCheckBoxState next = VyrNextCheckState(FState, FAllowGrayed);
  if (next == FState) return;
  SetState(next);
  Changed();
}

void TVyrCustomCheckBox::Click() {
  if (CanModify()) Toggle();
  Perform(CM_CHANGED, reinterpret_cast<WPARAM>(this), 0);
  TVyrButtonControl::Click();
  if (GetShowing() && CanFocus()) SetFocus();
}

void TVyrCustomCheckBox::KeyDown(Word& Key, TShiftState Shift) {
  TVyrButtonControl::KeyDown(Key, Shift);
  if (Key == VK_SPACE && CanModify() && Focused()) Toggle();
}

void TVyrCustomCheckBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && CanFocus()) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  TVyrButtonControl::Dispatch(Message);
}

void TVyrCustomCheckBox::DoEnter() {
  TVyrButtonControl::DoEnter();
  PaintNow();
}

void TVyrCustomCheckBox::CreateStandardGlyph() {
  VyrCreateCheckBoxStrip(FStrip.get(), FGlyphSize, FGlyphFlat);
  FCellWidth = VyrCheckBoxCellWidth(true, FStrip->GetWidth(), FGlyphSize, FGlyphNumber);
}

void TVyrCustomCheckBox::GetIMLChange(TObject*) {
  if (StripFromImageList())
    FCellWidth = VyrCheckBoxCellWidth(false, FStrip->GetWidth(), FGlyphSize, FGlyphNumber);
  else
    CreateStandardGlyph();
  GetChange(nullptr);
}

// ---- TVyrRadioButton ----

TVyrRadioButton::TVyrRadioButton(TComponent* AOwner) : TVyrButtonControl(AOwner) {
  controlStyle_.Include(csDoubleClicks);
  FGlyphSize = 13;
  FTrimBottom = true;
  CreateStandardGlyph();
  FGlyphTransparent = true;
}

void TVyrRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  if (Value && GetParent()) {
    TWinControl* parent = GetParent();
    for (int i = 0; i < parent->GetControlCount(); ++i) {
      auto* other = dynamic_cast_object<TVyrRadioButton>(parent->GetControls(i));
      if (other && other != this) other->SetChecked(false);
    }
  }
  PaintNow();
}

int TVyrRadioButton::CurrentCell(int StateOverride) const {
  return VyrRadioCell(GetEnabled(), FChecked, StateOverride);
}

void TVyrRadioButton::DoEnter() {
  TVyrButtonControl::DoEnter();
  if (!FChecked && CanModify())
    SetChecked(true);
  else
    PaintNow();
}

void TVyrRadioButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && CanFocus()) {
    SetFocus();
    Message.Result = 1;
    return;
  }
  TVyrButtonControl::Dispatch(Message);
}

void TVyrRadioButton::CreateStandardGlyph() {
  VyrCreateRadioStrip(FStrip.get(), FGlyphSize, FGlyphFlat);
  FCellWidth = FStrip->GetWidth() / 4;
}

void TVyrRadioButton::GetIMLChange(TObject*) {
  if (StripFromImageList())
    FCellWidth = FStrip->GetWidth() / 4;
  else
    CreateStandardGlyph();
  GetChange(nullptr);
}

}  // namespace Vyrgroup
