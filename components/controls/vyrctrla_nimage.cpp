#include "bitmap_class.h"
#include "canvas.h"
#include "vyrctrla.h"
#include "vyrutils.h"

namespace Vyrctrla {

TVyrCustomNImage::TVyrCustomNImage(TComponent* AOwner)
    : TVyrBaseImage(AOwner),
      bitmap_(std::make_unique<TBitmap>()),
      transparentStyle_(std::make_unique<Vyrgraph::TVyrTransparent>()) {
  bitmap_->OnChange = TNotifyEvent([this](TObject* Sender) { GetChange(Sender); });
  transparentStyle_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrCustomNImage::~TVyrCustomNImage() {
  bitmap_->OnChange = TNotifyEvent();
  transparentStyle_->SetOnChange(TNotifyEvent());
  if (control_) control_->RemoveFreeNotification(this);
}

void TVyrCustomNImage::SetBitmap(TBitmap* Value) {
  bitmap_->Assign(Value);
  InvalidateControl();
}

void TVyrCustomNImage::SetControl(TVyrCustomNImage* Value) {
  if (Value == this || Value == control_) return;
  if (control_) control_->RemoveFreeNotification(this);
  control_ = Value;
  if (control_) control_->FreeNotification(this);
  InvalidateControl();
}

void TVyrCustomNImage::SetTransparentStyle(Vyrgraph::TVyrTransparent* Value) { transparentStyle_->Assign(Value); }

TBitmap* TVyrCustomNImage::GetBitmap() { return control_ ? control_->GetOwnBitmap() : bitmap_.get(); }

HPALETTE TVyrCustomNImage::GetPalette() { return GetEmpty() ? nullptr : GetBitmap()->GetPalette(); }

bool TVyrCustomNImage::GetEmpty() {
  TBitmap* shown = GetBitmap();
  return !shown || shown->GetEmpty();
}

bool TVyrCustomNImage::CorrectBounds() {
  const bool empty = GetEmpty();
  return FitTo(empty, empty ? 0 : GetBitmap()->GetWidth(), empty ? 0 : GetBitmap()->GetHeight());
}

void TVyrCustomNImage::Notification(TComponent* AComponent, TOperation Operation) {
  TVyrBaseImage::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == control_) {
    control_ = nullptr;
    if (!GetComponentState().Contains(csDestroying)) InvalidateControl();
  }
}

void TVyrCustomNImage::Paint() {
  if (Loading() || CorrectBounds()) return;
  const bool empty = GetEmpty();
  if (!GetTransparent())
    FillControl();
  else if (empty && BevelExt() == 0) {
    Vyrctrl::TVyrBaseGraphicControl::Paint();
    return;
  }
  TRect inner;
  GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, GetTransparent());
  if (empty) return;
  TBitmap* shown = GetBitmap();
  int flags = 0;
  AddStyleFlags(flags);
  TColor color = clNone;
  switch (transparentStyle_->GetMode()) {
    case TVyrTransparentMode::tpNone:
      break;
    case TVyrTransparentMode::tpRestoreBack:
      flags |= 0x40;
      color = shown->GetTransparentColor();
      break;
    case TVyrTransparentMode::tpTransparentColor:
      flags |= 0x80;
      color = transparentStyle_->GetColor();
      break;
    case TVyrTransparentMode::tpRBTranspColor:
      flags |= 0x40;
      color = transparentStyle_->GetColor();
      break;
  }
  // Asks the drawing routine to select and realise the bitmap's palette.
  if (!GetQuickDraw()) flags |= 0x1000;
  Vyrutils::VyrBmpClipDraw(GetCanvas(), BeveledRect(), shown, static_cast<std::uint16_t>(flags),
                           VyrClipOffset(GetCanvas()), color);
}

}  // namespace Vyrctrla
