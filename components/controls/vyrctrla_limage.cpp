#include <memory>

#include "bitmap_class.h"
#include "canvas.h"
#include "vyrcont.h"
#include "vyrctrla.h"

namespace Vyrctrla {

TVyrCustomLImage::TVyrCustomLImage(TComponent* AOwner) : TVyrBaseImage(AOwner) {}

void TVyrCustomLImage::SetBool(int Index, bool Value) {
  bool& field = Index == 0 ? forceTransparent_ : silentMove_;
  if (field == Value) return;
  field = Value;
  InvalidateControl();
}

bool TVyrCustomLImage::GetEmpty() {
  Vyrcont::TVyrCustomImageList* list = GetImageList();
  return !list || !list->IsValidItem(GetListIndex(), GetImageIndex());
}

bool TVyrCustomLImage::CorrectBounds() {
  Vyrcont::TVyrCustomImageList* list = GetImageList();
  const bool empty = GetEmpty();
  return FitTo(empty, empty ? 0 : list->Dimensions(GetListIndex(), 0), empty ? 0 : list->Dimensions(GetListIndex(), 1));
}

std::uint16_t TVyrCustomLImage::ImageFlags() const {
  int flags = forceTransparent_ ? 0x40 : 0;
  AddStyleFlags(flags);
  return static_cast<std::uint16_t>(flags);
}

void TVyrCustomLImage::DrawItem(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags) {
  Vyrcont::TVyrCustomImageList* list = GetImageList();
  if (!list) return;
  const int L = GetListIndex(), I = GetImageIndex();
  if (!GetQuickDraw()) {
    if (HPALETTE palette = list->Palette(L)) {
      SelectPalette(Canvas->GetHandle(), palette, FALSE);
      RealizePalette(Canvas->GetHandle());
    }
  }
  list->ClipDraw(Canvas, Rect, Flags, VyrClipOffset(Canvas), list->TransparentColor(L, I), L, I);
}

bool TVyrCustomLImage::ParentBackCheck() const {
  auto* parent = dynamic_cast_object<Vyrctrl::TVyrCustomControl>(GetParent());
  return parent && parent->HandleAllocated() && parent->BackBitmapCheck();
}

// ---- TVyrLImage ----

bool TVyrLImage::CheckOptimized() {
  if (TVyrCustomLImage::CheckOptimized()) return true;
  return GetSilentMove() && ParentBackCheck();
}

void TVyrLImage::Paint() {
  if (Loading() || CorrectBounds()) return;
  const bool empty = GetEmpty();
  const bool composed = GetSilentMove() && CheckOptimized();
  if (!GetTransparent()) {
    if (!(composed && !empty)) FillControl();
  } else if (empty && BevelExt() == 0) {
    Vyrctrl::TVyrBaseGraphicControl::Paint();
    return;
  }
  TRect inner;
  GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, GetTransparent());
  if (empty) return;
  const TRect R = BeveledRect();
  if (!composed) {
    DrawItem(GetCanvas(), R, ImageFlags());
    return;
  }
  // Composed off-screen on the background, so that a moving picture does
  // not show the parent's repaint through it.
  auto work = std::make_unique<TBitmap>();
  work->SetSize(GetWidth(), GetHeight());
  PaintBackground(work->GetCanvas());
  DrawItem(work->GetCanvas(), R, ImageFlags());
  GetCanvas()->CopyRect(R, work->GetCanvas(), R);
}

}  // namespace Vyrctrla
