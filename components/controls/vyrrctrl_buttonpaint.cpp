// The region button's painting: the background, the border of its state
// along the region (or the mask's pictures for a bitmap region), glyph and
// caption where the layout or the caption position puts them, and the
// focus look.
#include <algorithm>

#include "brush_class.h"
#include "canvas.h"
#include "font_class.h"
#include "pen_class.h"
#include "vyrrctrl.h"
#include "vyrutils.h"

namespace Vyrrctrl {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrregion::TVyrRegionShape;
using RB = TVyrRegionBorderStyle;

namespace {

bool IsLowered(RB Style) { return Style == RB::rbLowered || Style == RB::rbSingleLowered || Style == RB::rbLoweredpsb; }

}  // namespace

TVyrRegionBorderStyle TVyrWndButtonShape::CurrentBorderStyle() const {
  static constexpr RB kDown[] = {RB::rbSingleLowered, RB::rbLoweredpsb, RB::rbLowered};
  static constexpr RB kUp[] = {RB::rbSingleRaised, RB::rbRaisedpsb, RB::rbRaised};
  const auto style = static_cast<int>(style_);
  if (down_ && !Designing()) return kDown[style];
  if (GetFlat() && !GetMouseAbove() && !focused_) return RB::rbNone;
  return kUp[style];
}

TRect TVyrWndButtonShape::CaptionBlock() {
  TCanvas* canvas = GetCanvas();
  canvas->GetFont()->Assign(GetFont());
  TRect block(0, 0, 0, 0);
  Vyrutils::VyrDrawTextCalcExt(canvas, GetCaption(), fontFX_.get(), block, GetFont(), multiLine_, true, 0,
                               static_cast<int>(DrawTextBiDiModeFlags(0)));
  if (TBitmap* glyph = GetGlyph(); glyph && glyph->GetWidth() > 0) {
    block.Right += glyph->GetWidth() / std::max(1, GetNumGlyphs());
    block.Bottom = std::max(block.Bottom, block.Top + glyph->GetHeight());
  }
  return block;
}

void TVyrWndButtonShape::PaintBorder(TVyrRegionBorderStyle Style) {
  TCanvas* canvas = GetCanvas();
  if (region_->GetShape() != TVyrRegionShape::rsBitmap) {
    const RB kept = region_->GetBorder()->GetStyle();
    // The state's look is drawn without telling anyone the region changed.
    region_->GetBorder()->BeginUpdate();
    region_->GetBorder()->SetStyle(Style);
    region_->PaintRegionShape(canvas, GetClientRect());
    region_->GetBorder()->SetStyle(kept);
    region_->GetBorder()->EndUpdate(false);
    return;
  }
  Vyrclass::TVyrRegionMask* mask = region_->GetMask();
  TBitmap* picture = IsLowered(Style)        ? mask->GetBorderDnBmp()
                     : Style == RB::rbSingle ? mask->GetBorderBmp()
                                             : mask->GetBorderUpBmp();
  if (picture && picture->GetWidth() > 0) canvas->Draw(0, 0, picture);
}

void TVyrWndButtonShape::PaintFocus(const TRect& Block, bool Placed) {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clBtnShadow);
  canvas->GetPen()->SetWidth(0);
  canvas->GetPen()->SetStyle(psDot);
  canvas->GetBrush()->SetStyle(bsClear);
  const TRect client = GetClientRect();
  if (focusStyle_ == 1) {
    const TRect r = Placed ? Block : Vyrutils::VyrAlignRect(buttonLayout_->GetAlignment(), Block, client);
    canvas->Polyline({TPoint(r.Left, r.Top), TPoint(r.Right, r.Top), TPoint(r.Right, r.Bottom),
                      TPoint(r.Left, r.Bottom), TPoint(r.Left, r.Top)});
  } else if (focusStyle_ == 2) {
    TRect r = client;
    switch (region_->GetShape()) {
      case TVyrRegionShape::rsRect: InflateRect(&r, -4, -4); break;
      case TVyrRegionShape::rsRoundRect:
      case TVyrRegionShape::rsOctagon: InflateRect(&r, -(region_->GetRoundX() / 4), -(region_->GetRoundY() / 4)); break;
      default: return;
    }
    canvas->DrawFocusRect(r);
  }
}

void TVyrWndButtonShape::Paint() {
  if (Loading()) return;
  if (region_->GetShape() != TVyrRegionShape::rsBitmap) FillControl();
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetStyle(psSolid);
  canvas->GetBrush()->SetStyle(bsClear);
  PaintBorder(CurrentBorderStyle());

  TRect block = CaptionBlock();
  const bool placed = captionStart_.X != -1;
  TRect where = GetClientRect();
  if (placed) {
    // A start anywhere in the integer range: beyond any window's size it is
    // as far out of sight as it needs to be, and the block's edges, the
    // press's shift and the layout's sums stay in range.
    constexpr int kOutOfSight = 65535;
    const int x = std::clamp(captionStart_.X, -kOutOfSight, kOutOfSight);
    const int y = std::clamp(captionStart_.Y, -kOutOfSight, kOutOfSight);
    block = TRect(x, y - (block.Bottom - block.Top), x + (block.Right - block.Left), y);
    where = block;
  }
  if (down_) {
    OffsetRect(&where, 1, 1);
    OffsetRect(&block, 1, 1);
  }
  if (enterColorChange_ && focused_) canvas->GetFont()->SetColor(enterColor_);
  glyph_->DrawButtonGlyphAndText(canvas, GetCaption(), fontFX_.get(), where,
                                 down_ ? Vyrgraph::TVyrButtonState::bsDown : Vyrgraph::TVyrButtonState::bsUp,
                                 buttonLayout_.get(), multiLine_, true, true,
                                 {GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled,
                                  TVyrDrawTextStyle::dt3DDisabled},
                                 static_cast<int>(DrawTextBiDiModeFlags(0)));
  if (focused_) PaintFocus(block, placed);
}

}  // namespace Vyrrctrl
