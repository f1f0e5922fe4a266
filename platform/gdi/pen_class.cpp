#include "pen_class.h"

#include "pen.h"
#include "rop.h"

void TPen::Assign(TPersistent* Source) {
  if (auto* pen = dynamic_cast_object<TPen>(Source)) {
    color_ = pen->color_, width_ = pen->width_, style_ = pen->style_, mode_ = pen->mode_;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

void TPen::SetColor(TColor Value) {
  if (Value == color_) return;
  color_ = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value < 0 || Value == width_) return;
  width_ = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == style_) return;
  style_ = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Value == mode_) return;
  mode_ = Value;
  Changed();
}

int TPen::Rop2() const {
  static constexpr int kCodes[] = {
      R2_BLACK,       R2_WHITE,      R2_NOP,      R2_NOT,        R2_COPYPEN, R2_NOTCOPYPEN,
      R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
      R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,   R2_NOTXORPEN,
  };
  return kCodes[mode_];
}

HPEN TPen::MakeHandle() {
  // The styles are in the order of the PS_* codes.
  handle_ = CreatePen(static_cast<int>(style_), width_, static_cast<COLORREF>(ColorToRGB(color_)));
  return static_cast<HPEN>(handle_);
}
