// The panel fill: a parent panel whose background bitmap is painted by a
// fill object, rebuilt when the fill changes and, for a gradient, on every
// size; its transparent children copy the fill from it.
#include "canvas.h"
#include "controlmessages.h"
#include "font_class.h"
#include "text.h"
#include "vyrextcs.h"
#include "vyrprocs.h"
#include "vyrutils.h"

namespace Vyrextcs {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrFillStyle;

TVyrCustomPanelFill::TVyrCustomPanelFill(TComponent* AOwner)
    : Vyrctrl::TVyrCustomParentPanel(AOwner),
      captionFx_(std::make_unique<Vyrgraph::TVyrFxCaption>()),
      fillObject_(std::make_unique<Vyrgraph::TVyrFillObject>()) {
  controlStyle_.Include(csSetCaption);
  captionFx_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  fillObject_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrCustomPanelFill::~TVyrCustomPanelFill() {
  captionFx_->SetOnChange(nullptr);
  fillObject_->SetOnChange(nullptr);
}

void TVyrCustomPanelFill::CreateBack(bool Force) {
  if (Loading()) return;
  std::unique_ptr<TBitmap>& back = OwnBack();
  if (fillObject_->GetEmpty() || GetTransparent()) {
    back.reset();
    SetRepaintOnChange(true);
    return;
  }
  if (!back) back = std::make_unique<TBitmap>();
  // A gradient depends on the size; the other fills keep a bitmap that
  // still covers the panel.
  if (!Force && fillObject_->GetStyle() != TVyrFillStyle::sfGradient &&
      Vyrprocs::VyrRectinRect(GetClientRect(), TRect(0, 0, back->GetWidth(), back->GetHeight())))
    return;
  back->SetSize(width_, height_);
  fillObject_->FillCanvas(back->GetCanvas(), TRect(0, 0, width_, height_), GetColor());
}

void TVyrCustomPanelFill::GetChange(TObject* Sender) {
  Vyrctrl::TVyrCustomParentPanel::GetChange(Sender);
  if (Sender == captionFx_.get()) {
    GetCanvas()->GetFont()->Assign(GetFont());
    // A turned caption needs an outline face.
    if (captionFx_->GetAngle() != 0 && !Vyrutils::VyrIsTrueTypeFontCheck(GetCanvas())) GetFont()->SetName("Arial");
    NotifyControls(CM_FONTCHANGED);
  }
  if (Loading()) return;
  if (Sender == fillObject_.get()) {
    CreateBack(true);
    NotifyControls(Vyrcctrl::CM_VYRBACKCHANGED);
  } else if (Sender == GetBevel()) {
    NotifyControls(CM_COLORCHANGED);
  }
}

void TVyrCustomPanelFill::GetIMLChange(TObject*) {
  VyrTakeListBitmap(fillObject_.get(), GetImageLink());
  GetChange(fillObject_.get());
}

bool TVyrCustomPanelFill::GetEmpty() {
  return Vyrctrl::TVyrCustomParentPanel::GetEmpty() && GetCaption().IsEmpty() && fillObject_->GetEmpty();
}

void TVyrCustomPanelFill::Loaded() {
  Vyrctrl::TVyrCustomParentPanel::Loaded();
  CreateBack(true);
}

void TVyrCustomPanelFill::Resize() {
  Vyrctrl::TVyrCustomParentPanel::Resize();
  // The bitmap was made anew for the size: children that show it repaint.
  if (fillObject_->GetStyle() == TVyrFillStyle::sfGradient) NotifyControls(CM_COLORCHANGED);
}

void TVyrCustomPanelFill::SetAlignment(TVyrAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  GetChange(GetFont());
}

void TVyrCustomPanelFill::SetTransparentBorder(bool Value) {
  transparentBorder_ = Value;
  Invalidate();
}

// The colour is the ground of a hatch or of a picture that leaves room:
// the bitmap is painted anew and the children shown on it repaint.
void TVyrCustomPanelFill::CMColorChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomParentPanel::CMColorChanged(Message);
  if (Loading() || !GetBackImage()) return;
  CreateBack(true);
  NotifyControls(Vyrcctrl::CM_VYRBACKCHANGED);
}

void TVyrCustomPanelFill::CMEnabledChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomParentPanel::CMEnabledChanged(Message);
  GetChange(nullptr);
}

// The platform clears ParentFont when the panel's own font is edited; a
// font taken from the parent keeps following it.
void TVyrCustomPanelFill::CMFontChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomParentPanel::CMFontChanged(Message);
  GetChange(captionFx_.get());
}

void TVyrCustomPanelFill::CMTextChanged(TMessage& Message) {
  TControl::CMTextChanged(Message);
  GetChange(nullptr);
}

void TVyrCustomPanelFill::Paint() {
  if (Loading()) return;
  FillControl();
  if (!GetEmpty()) {
    TRect inner;
    GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, transparentBorder_);
    DrawCaption(inner, alignment_);
  } else if (Designing()) {
    DrawDashedFrame();
  }
}

void TVyrCustomPanelFill::DrawCaption(const TRect& Rect, TVyrAlignment Alignment) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetFont()->Assign(GetFont());
  const AnsiString caption = GetCaption();
  const int flags = Vyrutils::VyrAlignmentDrawTextFlags(Alignment) | static_cast<int>(DrawTextBiDiModeFlags(0)) |
                    DT_EXPANDTABS | DT_NOPREFIX | DT_SINGLELINE;
  TRect r = Rect;
  // DrawText places only level text by its flags.
  if (captionFx_->GetAngle() > 0 && Alignment != TVyrAlignment::agTopLeft)
    r = Vyrutils::VyrAlignTextRect(Alignment, caption, captionFx_.get(), Rect, GetFont(), false, false, flags);
  Vyrutils::VyrDrawTextExt(canvas, caption, captionFx_.get(), r, flags,
                           {GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled,
                            TVyrDrawTextStyle::dtClip},
                           &Rect);
}

}  // namespace Vyrextcs
