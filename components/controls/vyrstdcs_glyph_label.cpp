// The label with a glyph from an image list.
#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "vyrcont.h"
#include "vyrstdcs.h"
#include "vyrutils.h"

namespace Vyrstdcs {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrDrawTextStyles;
using Vyrgraph::TVyrTextArrange;

TVyrCustomGlyphLabel::TVyrCustomGlyphLabel(TComponent* AOwner)
    : TVyrBaseLabel(AOwner),
      FLayout(std::make_unique<Vyrgraph::TVyrGlyphTextLayout>()),
      FFont3D(std::make_unique<Vyrgraph::TVyr3DCaption>()),
      FBevel(std::make_unique<Vyrgraph::TVyrBevel>()) {
  const TNotifyEvent change([this](TObject* Sender) { GetChange(Sender); });
  FLayout->SetOnChange(change);
  FFont3D->SetOnChange(change);
  FBevel->SetOnChange(change);
}

TVyrCustomGlyphLabel::~TVyrCustomGlyphLabel() {
  FLayout->SetOnChange(nullptr);
  FFont3D->SetOnChange(nullptr);
  FBevel->SetOnChange(nullptr);
}

HPALETTE TVyrCustomGlyphLabel::GetPalette() { return IMLEmpty() ? nullptr : GetImageList()->Palette(GetListIndex()); }

void TVyrCustomGlyphLabel::CorrectBounds() {
  if (!GetAutoSize() || Loading()) return;
  TRect T = MeasureText(FFont3D.get(), FBevel->GetBevelExtend());
  if (auto* bar = dynamic_cast_object<Vyrctrl::TVyrCustomStatusBar>(GetParent())) T.right += bar->GetControlGap();
  const TRect G = IMLEmpty() ? TRect() : GetImageList()->ItemRect(GetListIndex(), GetImageIndex());
  switch (FLayout->GetAlignText2Glyph()) {
    case TVyrTextArrange::taLeft:
    case TVyrTextArrange::taLeftTop:
    case TVyrTextArrange::taRight:
    case TVyrTextArrange::taRightTop:
      T.right += G.Width() + FLayout->GetSpacing();
      if (G.top > T.top) T.top = G.top;
      if (G.bottom > T.bottom) T.bottom = G.bottom;
      break;
    default:
      T.bottom += FLayout->GetSpacing() + G.bottom;
      if (G.right > T.right) T.right = G.right;
      break;
  }
  T.right += FLayout->GetOffsetX();
  T.bottom += FLayout->GetOffsetY();
  SetBounds(GetLeft(), GetTop(), T.right, T.bottom);
}

void TVyrCustomGlyphLabel::Paint() {
  if (FPainting || Loading()) return;
  FPainting = true;
  TBitmap glyph;
  const AnsiString text = GetLabelText();
  TCanvas* C = GetCanvas();
  if (!GetTransparent())
    FillControl();
  else
    PaintBackground();
  TRect R = GetClientRect();
  if (auto* bar = dynamic_cast_object<Vyrctrl::TVyrCustomStatusBar>(GetParent())) R.left += bar->GetControlGap();
  if (FBevel->GetBevelExtend() != 0) {
    TRect inner;
    FBevel->PaintBevel(C, R, inner, FBevel->GetBorderColor() == GetColor() || GetTransparent());
    R = inner;
  }
  if (!IMLEmpty()) GetImageList()->GetBitmapItem(GetListIndex(), GetImageIndex(), &glyph);
  C->GetBrush()->SetColor(GetColor());
  C->GetFont()->Assign(GetFont());
  TVyrDrawTextStyles style{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled};
  Vyrutils::VyrDrawTextAndGlyph(C, text, FFont3D.get(), R, glyph.GetEmpty() ? nullptr : &glyph, nullptr, FLayout.get(),
                                GetMultiLine(), GetShowAccelChar(), GetTransparent(), style,
                                static_cast<int>(DrawTextBiDiModeFlags(0)));
  FPainting = false;
}

}  // namespace Vyrstdcs
