#include "vyrgraph.h"
#include "vyrgraph_setter.h"
#include "vyrutils.h"

namespace Vyrgraph {

using Detail::Clamp;
using Detail::StoreIfChanged;

void TVyrGradient::Publish(TPublisher<TVyrGradient>& P) {
  P.Integer("ColorCount", &TVyrGradient::GetColorCount, &TVyrGradient::SetColorCount, 16);
  P.Color("Color", &TVyrGradient::GetColor, &TVyrGradient::SetColor, clBlue);
  P.Color("EndColor", &TVyrGradient::GetEndColor, &TVyrGradient::SetEndColor, clBlack);
  P.Bool("PaletteRealize", &TVyrGradient::GetPaletteRealize, &TVyrGradient::SetPaletteRealize, false);
  P.Enum("Style", &TVyrGradient::GetStyle, &TVyrGradient::SetStyle,
         {"gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft", "gstTopRight", "gstBottomLeft",
          "gstBottomRight"},
         static_cast<Int64>(TVyrGradientStyle::gstVertical));
}

TVyrGradient::TVyrGradient() : colorList_(std::make_unique<TList>()) { Rebuild(); }

TVyrGradient::~TVyrGradient() { FreePalette(); }

void TVyrGradient::FreePalette() {
  if (palette_) DeleteObject(palette_);
  palette_ = nullptr;
}

void TVyrGradient::Rebuild() {
  FreePalette();
  colorList_->Clear();
  Vyrutils::VyrGradientCreateColorList(color_, endColor_, static_cast<std::uint8_t>(colorCount_), colorList_.get());
  if (paletteRealize_) palette_ = Vyrutils::VyrGradientCreatePalette(colorList_.get());
}

void TVyrGradient::Change() {
  Rebuild();
  TVyrObject::Change();
}

void TVyrGradient::SetColorCount(int Value) {
  if (StoreIfChanged(colorCount_, Clamp(Value, kColorCountMin, kColorCountMax))) Change();
}
void TVyrGradient::SetColor(TColor Value) {
  if (StoreIfChanged(color_, Value)) Change();
}
void TVyrGradient::SetEndColor(TColor Value) {
  if (StoreIfChanged(endColor_, Value)) Change();
}
void TVyrGradient::SetPaletteRealize(bool Value) {
  if (StoreIfChanged(paletteRealize_, Value)) Change();
}
void TVyrGradient::SetStyle(TVyrGradientStyle Value) {
  if (StoreIfChanged(style_, Value)) Change();
}

void TVyrGradient::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrGradient*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    SetColorCount(src->colorCount_);
    SetColor(src->color_);
    SetStyle(src->style_);
    SetEndColor(src->endColor_);
    SetPaletteRealize(src->paletteRealize_);
  });
}

void TVyrGradient::PaintGradient(TCanvas* Canvas, const TRect& R) {
  Vyrutils::VyrGradientPaintExt(Canvas, R, style_, colorList_.get(), palette_, paletteRealize_ ? 0x1000 : 0, 0);
}

void TVyrGradient::SetRealPalette(TCanvas* Canvas) {
  if (!paletteRealize_ || !palette_) return;
  SelectPalette(Canvas->GetHandle(), palette_, FALSE);
  RealizePalette(Canvas->GetHandle());
}

}  // namespace Vyrgraph
