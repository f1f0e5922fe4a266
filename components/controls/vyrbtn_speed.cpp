// The speed buttons: a face in one of the user button styles, with an
// optional drop-down part, and the office and explorer presets.
#include "bitmap_class.h"
#include "canvas.h"
#include "colors.h"
#include "osversion.h"
#include "pen.h"
#include "reader.h"
#include "vyrbtn.h"
#include "vyrutils.h"

namespace Vyrbtn {

using S = TVyrButtonState;
using U = TVyrUserButtonStyle;

namespace {

bool IsExplorerStyle(U Style) { return Style == U::ubsExplorer || Style == U::ubsExplorerColored; }

}  // namespace

int VyrSpeedButtonFrameKind(U Style) {
  if (Style == U::ubsAutoDetect) Style = NewStyleControls ? U::ubsWin40 : U::ubsWin31;
  switch (Style) {
    case U::ubsWin31: return 3;
    case U::ubsFlat:
    case U::ubsFlatUnColored:
    case U::ubsExplorer:
    case U::ubsExplorerColored: return 1;
    default: return 2;
  }
}

bool VyrStyleUnColors(U Style) {
  return Style == U::ubsFlatUnColored || Style == U::ubsNavigator || Style == U::ubsExplorer;
}

// ---- TVyrCustomSpeedButton ----

TVyrCustomSpeedButton::TVyrCustomSpeedButton(TComponent* AOwner) : TVyrBaseGraphicButton(AOwner) {
  SetBounds(left_, top_, 23, 22);
  controlStyle_ = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
  SetAllowMouseOver(true);
  SetAllowTransparency(false);
}

void TVyrCustomSpeedButton::SetStyle(U Value) {
  if (style_ == Value) return;
  const bool wasExplorer = IsExplorerStyle(style_);
  style_ = Value;
  SetGlyphStyle(VyrStyleUnColors(Value) ? TVyrGlyphStyle::gsExplorer : TVyrGlyphStyle::gsStandard);
  if (IsExplorerStyle(Value) && !wasExplorer) {
    SetTransparent(true);
  } else if (!IsExplorerStyle(Value) && wasExplorer) {
    SetTransparent(false);
  }
  GetChange(nullptr);
}

void TVyrCustomSpeedButton::SetGlyphKind(TVyrGlyphKind Value) {
  if (glyphKind_ == Value) return;
  glyphKind_ = Value;
  VyrGlyphOfKind(GetGlyphHolder(), Value, GetImageLink());
  Invalidate();
}

bool TVyrCustomSpeedButton::IsCustom() const {
  return VyrGlyphIsCustom(GetImageLink(), glyphKind_);
}

void TVyrCustomSpeedButton::GetIMLChange(TObject* Sender) {
  if (glyphKind_ == TVyrGlyphKind::gkCustom) TVyrBaseGraphicButton::GetIMLChange(Sender);
}

bool TVyrCustomSpeedButton::HotFaceDiffers() const {
  return static_cast<int>(style_) >= static_cast<int>(U::ubsKorvelFlat) &&
         static_cast<int>(style_) <= static_cast<int>(U::ubsExplorerColored);
}

bool TVyrCustomSpeedButton::MouseOverRepaints() const {
  return style_ == U::ubsKorvelFlat || style_ == U::ubsFlat || style_ == U::ubsFlatUnColored ||
         style_ == U::ubsNavigator;
}

void TVyrCustomSpeedButton::Paint() {
  if (Loading()) return;
  TCanvas* canvas = GetCanvas();
  const int k = VyrSpeedButtonFrameKind(style_);
  const bool combo = GetDropDownComboActive();
  TRect face = GetClientRect();
  TRect part;
  if (combo) {
    part = TRect(face.right - GetDropDownComboWidth(), face.top, face.right, face.bottom);
    face.right = part.left + (k > 1 ? 1 : 0);
  }
  if (IsExplorerStyle(style_) && CheckOptimized()) PaintBackground();

  const S state = Designing() ? S::bsMouseOver : state_;
  S faceState = state;
  if (combo && faceState == S::bsDropDownOpen) faceState = S::bsMouseOver;
  // The face routine frames with whatever pen and brush it is handed:
  // the same ones every time, so that a first paint looks like the next.
  canvas->GetPen()->SetStyle(psSolid);
  canvas->GetPen()->SetColor(clBlack);
  canvas->GetBrush()->SetStyle(bsClear);
  TRect faceArea = face;
  Vyrutils::VyrDrawBtnFace(canvas, GetMouseOver(), faceArea, style_, faceState, 5, GetColor());
  if (combo) {
    const S partState = state == S::bsDown ? S::bsMouseOver : state;
    TRect partArea = part;
    Vyrutils::VyrDrawBtnFace(canvas, GetMouseOver(), partArea, style_, partState, 5, GetColor());
    Vyrutils::VyrDrawTriangle(canvas, part.left + (GetDropDownComboWidth() - 3) / 2, (height_ - 3) / 2, 3, clBlack,
                              true, GetEnabled());
  }

  TRect content(face.left + k, face.top + k, face.right - k, face.bottom - k);
  const bool sunk = state_ == S::bsOptionSet || state_ == S::bsDown || (state_ == S::bsDropDownOpen && !combo);
  if (sunk) OffsetRect(&content, 1, 1);
  DrawGlyphAndText(canvas, content);
}

// ---- the presets ----

TVyrOfficeButton::TVyrOfficeButton(TComponent* AOwner) : TVyrCustomSpeedButton(AOwner) {
  SetBounds(left_, top_, 23, 22);
  SetStyle(U::ubsFlat);
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable};
  SetAllowTransparency(false);
  SetAllowMouseOver(true);
}

TVyrExplorerButton::TVyrExplorerButton(TComponent* AOwner) : TVyrOfficeButton(AOwner) {
  SetBounds(left_, top_, 54, 40);
  SetStyle(U::ubsExplorer);
  controlStyle_.Exclude(csOpaque);
  SetTransparent(true);
  SetGlyphStyle(TVyrGlyphStyle::gsExplorer);
  SetAllowMouseOver(true);
}

void TVyrExplorerButton::SetUnColorMain(bool Value) {
  if (Loading()) unColorMainRead_ = Value;
  SetGlyphStyle(Value ? TVyrGlyphStyle::gsExplorer : TVyrGlyphStyle::gsStandard);
  Invalidate();
}

void TVyrExplorerButton::Loaded() {
  TVyrOfficeButton::Loaded();
  if (unColorMainRead_) SetGlyphStyle(*unColorMainRead_ ? TVyrGlyphStyle::gsExplorer : TVyrGlyphStyle::gsStandard);
  unColorMainRead_.reset();
}

void TVyrExplorerButton::ReadTransparent(TReader* Reader) { SetTransparent(Reader->ReadBoolean()); }

// UnColorMain is published and so read and written as it is; Transparent
// follows Style and is only read, for forms that carry it.
void TVyrExplorerButton::DefineProperties(TFiler* Filer) {
  TVyrOfficeButton::DefineProperties(Filer);
  Filer->DefineProperty("Transparent", TReaderProc(this, &TVyrExplorerButton::ReadTransparent), nullptr, false);
}

}  // namespace Vyrbtn
