// The settings objects that only hold values: layouts, transparency, the
// small bar and the shadow.
#include "numbers.h"
#include "vyrgraph.h"
#include "vyrgraph_setter.h"

namespace Vyrgraph {

using Detail::Clamp;
using Detail::StoreIfChanged;

namespace {

const std::initializer_list<const char*> kAlignments{"agTopLeft",     "agTopCenter", "agTopRight",
                                                     "agCenterLeft",  "agCenter",    "agCenterRight",
                                                     "agBottomLeft",  "agBottomCenter", "agBottomRight"};

}  // namespace

// ---- TVyrGlyphTextLayout ----
void TVyrGlyphTextLayout::Publish(TPublisher<TVyrGlyphTextLayout>& P) {
  P.Enum("Alignment", &TVyrGlyphTextLayout::GetAlignment, &TVyrGlyphTextLayout::SetAlignment, kAlignments, 0);
  P.Enum("AlignText2Glyph", &TVyrGlyphTextLayout::GetAlignText2Glyph, &TVyrGlyphTextLayout::SetAlignText2Glyph,
         {"taLeft", "taLeftTop", "taRight", "taRightTop", "taTop", "taTopLeft", "taBottom", "taBottomLeft"},
         static_cast<Int64>(TVyrTextArrange::taRight));
  P.Integer("OffsetX", &TVyrGlyphTextLayout::GetOffsetX, &TVyrGlyphTextLayout::SetOffsetX, 0);
  P.Integer("OffsetY", &TVyrGlyphTextLayout::GetOffsetY, &TVyrGlyphTextLayout::SetOffsetY, 0);
  P.Integer("Spacing", &TVyrGlyphTextLayout::GetSpacing, &TVyrGlyphTextLayout::SetSpacing, 2);
}

void TVyrGlyphTextLayout::SetAlignment(TVyrAlignment Value) {
  if (StoreIfChanged(alignment_, Value)) Change();
}
void TVyrGlyphTextLayout::SetAlignText2Glyph(TVyrTextArrange Value) {
  if (StoreIfChanged(alignText2Glyph_, Value)) Change();
}
void TVyrGlyphTextLayout::SetOffset(int Index, int Value) {
  if (StoreIfChanged(Index == 0 ? offsetX_ : offsetY_, Value)) Change();
}
void TVyrGlyphTextLayout::SetSpacing(int Value) {
  if (StoreIfChanged(spacing_, Value)) Change();
}

void TVyrGlyphTextLayout::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrGlyphTextLayout*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] { CopyLayout(*src); });
}

void TVyrGlyphTextLayout::CopyLayout(const TVyrGlyphTextLayout& Source) {
  SetAlignment(Source.alignment_);
  SetAlignText2Glyph(Source.alignText2Glyph_);
  SetOffsetX(Source.offsetX_);
  SetOffsetY(Source.offsetY_);
  SetSpacing(Source.spacing_);
}

// ---- TVyrButtonLayout ----
void TVyrButtonLayout::Publish(TPublisher<TVyrButtonLayout>& P) {
  P.Enum("Alignment", &TVyrButtonLayout::GetAlignment, &TVyrButtonLayout::SetAlignment, kAlignments,
         static_cast<Int64>(TVyrAlignment::agCenter));
  P.Bool("Arrow", &TVyrButtonLayout::GetArrow, &TVyrButtonLayout::SetArrow, false);
  P.Color("ArrowColor", &TVyrButtonLayout::GetArrowColor, &TVyrButtonLayout::SetArrowColor, clBlack);
  P.Integer("ArrowIndent", &TVyrButtonLayout::GetArrowIndent, &TVyrButtonLayout::SetArrowIndent, 3);
  P.Enum("ArrowPosition", &TVyrButtonLayout::GetArrowPosition, &TVyrButtonLayout::SetArrowPosition,
         {"apRightText", "apLeftText", "apRightGlyph", "apLeftGlyph"}, 0);
  P.Integer("ArrowSize", &TVyrButtonLayout::GetArrowSize, &TVyrButtonLayout::SetArrowSize, 3);
}

void TVyrButtonLayout::SetArrow(bool Value) {
  if (StoreIfChanged(arrow_, Value)) Change();
}
void TVyrButtonLayout::SetArrowColor(TColor Value) {
  if (StoreIfChanged(arrowColor_, Value)) Change();
}
void TVyrButtonLayout::SetArrowIndent(int Value) {
  if (StoreIfChanged(arrowIndent_, Value)) Change();
}
void TVyrButtonLayout::SetArrowPosition(TVyrArrowPosition Value) {
  if (StoreIfChanged(arrowPosition_, Value)) Change();
}
void TVyrButtonLayout::SetArrowSize(int Value) {
  if (StoreIfChanged(arrowSize_, Clamp(Value, kArrowSizeMin, kArrowSizeMax))) Change();
}

void TVyrButtonLayout::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrButtonLayout*>(Source);
  if (!src) {
    TVyrGlyphTextLayout::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    CopyLayout(*src);
    SetArrow(src->arrow_);
    SetArrowColor(src->arrowColor_);
    SetArrowIndent(src->arrowIndent_);
    SetArrowPosition(src->arrowPosition_);
    SetArrowSize(src->arrowSize_);
  });
}

// ---- TVyrTransparent ----
void TVyrTransparent::Publish(TPublisher<TVyrTransparent>& P) {
  P.Color("Color", &TVyrTransparent::GetColor, &TVyrTransparent::SetColor, clBtnFace);
  P.Enum("Mode", &TVyrTransparent::GetMode, &TVyrTransparent::SetMode,
         {"tpNone", "tpRestoreBack", "tpTransparentColor", "tpRBTranspColor"}, 0);
}

void TVyrTransparent::SetColor(TColor Value) {
  if (StoreIfChanged(color_, Value)) Change();
}
void TVyrTransparent::SetMode(TVyrTransparentMode Value) {
  if (StoreIfChanged(mode_, Value)) Change();
}
bool TVyrTransparent::GetTransparent() const {
  return mode_ == TVyrTransparentMode::tpRestoreBack || mode_ == TVyrTransparentMode::tpRBTranspColor;
}

void TVyrTransparent::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrTransparent*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    SetColor(src->color_);
    SetMode(src->mode_);
  });
}

// ---- TVyrSmallBar ----
void TVyrSmallBar::Publish(TPublisher<TVyrSmallBar>& P) {
  P.Bool("Autosize", &TVyrSmallBar::GetAutosize, &TVyrSmallBar::SetAutosize, true);
  P.Integer("BarCount", &TVyrSmallBar::GetBarCount, &TVyrSmallBar::SetBarCount, 10);
  P.Color("BarColor", &TVyrSmallBar::GetBarColor, &TVyrSmallBar::SetBarColor, clNavy);
  P.Integer("HSpace", &TVyrSmallBar::GetHSpace, &TVyrSmallBar::SetHSpace, 3);
  P.Integer("VSpace", &TVyrSmallBar::GetVSpace, &TVyrSmallBar::SetVSpace, 3);
}

void TVyrSmallBar::SetAutosize(bool Value) {
  if (StoreIfChanged(autosize_, Value)) Change();
}
void TVyrSmallBar::SetBarCount(int Value) {
  if (StoreIfChanged(barCount_, Clamp(Value, 0, 255))) Change();
}
void TVyrSmallBar::SetBarColor(TColor Value) {
  if (StoreIfChanged(barColor_, Value)) Change();
}
void TVyrSmallBar::SetHSpace(int Value) {
  if (StoreIfChanged(hSpace_, Clamp(Value, 0, 255))) Change();
}
void TVyrSmallBar::SetVSpace(int Value) {
  if (StoreIfChanged(vSpace_, Clamp(Value, 0, 255))) Change();
}

int TVyrSmallBar::GetBarExtend(TVyrMeterDirection Direction, int Width, int Height) const {
  if (barCount_ == 0) return 0;
  const bool horizontal =
      Direction == TVyrMeterDirection::mdHorizontal || Direction == TVyrMeterDirection::mdHorizontalReverse;
  const int length = horizontal ? Width - hSpace_ * barCount_ : Height - vSpace_ * barCount_;
  return static_cast<int>(Round(static_cast<double>(length) / barCount_));
}

void TVyrSmallBar::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrSmallBar*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    SetAutosize(src->autosize_);
    SetBarCount(src->barCount_);
    SetBarColor(src->barColor_);
    SetHSpace(src->hSpace_);
    SetVSpace(src->vSpace_);
  });
}

// ---- TVyrShadow ----
void TVyrShadow::Publish(TPublisher<TVyrShadow>& P) {
  P.Color("Color", &TVyrShadow::GetColor, &TVyrShadow::SetColor, clBtnShadow);
  P.Integer("Depth", &TVyrShadow::GetDepth, &TVyrShadow::SetDepth, 6);
  P.Enum("Style", &TVyrShadow::GetStyle, &TVyrShadow::SetStyle, {"hssNone", "hssSolid", "hssTracing"},
         static_cast<Int64>(TVyrShadowStyle::hssSolid));
}

void TVyrShadow::SetColor(TColor Value) {
  if (StoreIfChanged(color_, Value)) Change();
}
void TVyrShadow::SetDepth(int Value) {
  if (StoreIfChanged(depth_, Clamp(Value, 0, kShadowDepthMax))) Change();
}
void TVyrShadow::SetStyle(TVyrShadowStyle Value) {
  if (StoreIfChanged(style_, Value)) Change();
}

void TVyrShadow::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrShadow*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    SetColor(src->color_);
    SetDepth(src->depth_);
    SetStyle(src->style_);
  });
}

}  // namespace Vyrgraph
