// The link label: a 3D font, and a click that opens a document, an
// address or a program through the shell.
#include <cstdint>

#include "application.h"
#include "brush_class.h"
#include "canvas.h"
#include "font_class.h"
#include "reader.h"
#include "shell.h"
#include "sysutils.h"
#include "vyrstdcs.h"
#include "vyrutils.h"
#include "window_pos.h"

namespace Vyrstdcs {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrDrawTextStyles;

namespace {
// The hand cursor the library's application object registers.
constexpr TCursor kHandCursor = -255;

void Underline(TFont* Font, bool On) {
  TFontStyles style = Font->GetStyle();
  if (On)
    style.Include(fsUnderline);
  else
    style.Exclude(fsUnderline);
  Font->SetStyle(style);
}
}  // namespace

TVyrCustomSimpleLabel::TVyrCustomSimpleLabel(TComponent* AOwner)
    : TVyrBaseLabel(AOwner), FFont3D(std::make_unique<Vyrgraph::TVyr3DCaption>()) {
  FFont3D->SetOnChange(TNotifyEvent([this](TObject* Sender) { FontChange(Sender); }));
}

TVyrCustomSimpleLabel::~TVyrCustomSimpleLabel() { FFont3D->SetOnChange(nullptr); }

void TVyrCustomSimpleLabel::SetColorValue(int Index, TColor Value) {
  if (Index == 0) {
    FActiveColor = Value;
    return;
  }
  FInActiveColor = Value;
  if (FUseAsJump) GetFont()->SetColor(Value);
}

void TVyrCustomSimpleLabel::SetJumpUnderLine(bool Value) {
  if (FJumpUnderline == Value) return;
  FJumpUnderline = Value;
  // An old link label shows its underline as the property says, both ways.
  if (FUseAsJump) Underline(GetFont(), Value);
}

void TVyrCustomSimpleLabel::SetJumpMode(TVyrJumpModes Value) {
  if (FJumpMode == Value) return;
  FJumpMode = Value;
  if (Value == TVyrJumpModes::jmNone) {
    if (Loading()) return;
    if (!Designing()) SetCursor(crDefault);
    GetFont()->SetColor(clBlack);
    if (FJumpUnderline) Underline(GetFont(), false);
    return;
  }
  ResetCounter();
  if (!Designing()) SetCursor(kHandCursor);
}

void TVyrCustomSimpleLabel::ResetCounter() {
  FCounter = 0;
  GetFont()->SetColor(FInActiveColor);
  if (FJumpUnderline) Underline(GetFont(), true);
}

void TVyrCustomSimpleLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FJumpMode != TVyrJumpModes::jmNone && Button == mbLeft) {
    ++FCounter;
    GetFont()->SetColor(FActiveColor);
  }
  TVyrBaseLabel::MouseDown(Button, Shift, X, Y);
}

void TVyrCustomSimpleLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FUseAsJump && Button == mbLeft) GetFont()->SetColor(FInActiveColor);
  TVyrBaseLabel::MouseUp(Button, Shift, X, Y);
}

AnsiString TVyrCustomSimpleLabel::JumpTarget() const {
  if (FJumpMode != TVyrJumpModes::jmInternet && FJumpMode != TVyrJumpModes::jmApplication) return AnsiString();
  if (!Trim(FJump).IsEmpty()) return FJump;
  const AnsiString text = GetLabelText();
  if (FJumpMode == TVyrJumpModes::jmInternet && text.Pos("@") > 0) return AnsiString("mailto:") + text;
  return text;
}

void TVyrCustomSimpleLabel::Click() {
  TVyrBaseLabel::Click();
  const AnsiString target = JumpTarget();
  if (target.IsEmpty()) return;
  HWND owner = Application ? Application->GetHandle() : nullptr;
  const auto result =
      reinterpret_cast<std::intptr_t>(ShellExecute(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // A link the desktop cannot open goes dead; the disabled label is the
  // report, no box interrupts the player.
  if (FJumpMode == TVyrJumpModes::jmInternet && result < 33) {
    FJumpMode = TVyrJumpModes::jmNone;
    SetEnabled(false);
  }
}

void TVyrCustomSimpleLabel::ReadUseAsJump(TReader* Reader) { FUseAsJump = Reader->ReadBoolean(); }

void TVyrCustomSimpleLabel::DefineProperties(TFiler* Filer) {
  TVyrBaseLabel::DefineProperties(Filer);
  Filer->DefineProperty("UseAsJump", TReaderProc(this, &TVyrCustomSimpleLabel::ReadUseAsJump), nullptr, false);
}

void TVyrCustomSimpleLabel::Loaded() {
  TVyrBaseLabel::Loaded();
  if (FUseAsJump) FJumpMode = TVyrJumpModes::jmInternet;
}

void TVyrCustomSimpleLabel::CorrectBounds() {
  if (!GetAutoSize() || Loading()) return;
  const TRect R = MeasureText(FFont3D.get(), 0);
  SetBounds(GetLeft(), GetTop(), R.right, R.bottom);
}

void TVyrCustomSimpleLabel::Paint() {
  if (FPainting || Loading()) return;
  if (GetEmpty()) {
    Vyrctrl::TVyrBaseGraphicControl::Paint();
    return;
  }
  const AnsiString text = GetLabelText();
  FPainting = true;
  TCanvas* C = GetCanvas();
  TRect R = GetClientRect();
  if (!GetTransparent())
    FillControl();
  else
    PaintBackground();
  int f = static_cast<int>(DrawTextBiDiModeFlags(0));
  if (GetMultiLine() && static_cast<int>(GetAlignment()) >= 3)
    R = Vyrutils::VyrAlignTextRect(GetAlignment(), text, FFont3D.get(), R, GetFont(), true, GetShowAccelChar(), f);
  if (!GetMultiLine()) f |= 0x20;
  C->GetBrush()->SetColor(GetColor());
  C->GetFont()->SetColor(GetFont()->GetColor());
  TVyrDrawTextStyles style{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled};
  Vyrutils::VyrDrawTextExt(C, text, FFont3D.get(), R, TextFlags(f), style, nullptr);
  FPainting = false;
}

}  // namespace Vyrstdcs
