#include "brush_class.h"

#include "bitmap_class.h"
#include "brush.h"

void TBrush::Assign(TPersistent* Source) {
  if (auto* brush = dynamic_cast_object<TBrush>(Source)) {
    color_ = brush->color_, style_ = brush->style_, bitmap_ = brush->bitmap_;
    Changed();
    return;
  }
  inherited::Assign(Source);
}

void TBrush::SetColor(TColor Value) {
  if (Value == color_ && style_ != bsClear) return;
  color_ = Value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == style_) return;
  style_ = Value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (Value == bitmap_) return;
  bitmap_ = Value;
  Changed();
}

HBRUSH TBrush::MakeHandle() {
  const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(color_));
  LOGBRUSH lb;
  lb.lbColor = rgb;
  if (bitmap_ && !bitmap_->GetEmpty()) {
    lb.lbStyle = BS_PATTERN;
    lb.lbHatch = reinterpret_cast<ULONG_PTR>(bitmap_->GetHandle());
  } else if (style_ == bsSolid) {
    lb.lbStyle = BS_SOLID;
  } else if (style_ == bsClear) {
    lb.lbStyle = BS_NULL;
  } else {
    // The hatch styles follow the HS_* codes from bsHorizontal on.
    lb.lbStyle = BS_HATCHED;
    lb.lbHatch = static_cast<ULONG_PTR>(style_ - bsHorizontal);
  }
  handle_ = CreateBrushIndirect(&lb);
  return static_cast<HBRUSH>(handle_);
}
