// The label whose letters are filled with a pattern: the text is drawn
// into a two-colour mask, a texture is painted by the fill, and the texture
// shows through the mask's letters.
#include "colors.h"
#include "controlmessages.h"
#include "font_class.h"
#include "scope_guard.h"
#include "vyrextcs.h"
#include "vyrutils.h"

namespace Vyrextcs {

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrFillStyle;

TColor VyrMaskInk(TColor FontColor, TColor Ground) {
  const LongInt ground = ColorToRGB(Ground);
  if (ColorToRGB(FontColor) != ground) return FontColor;
  return static_cast<TColor>(ground ^ 0xFFFFFF);
}

TVyrCustomLabelFill::TVyrCustomLabelFill(TComponent* AOwner)
    : Vyrstdcs::TVyrCustomLabel(AOwner), fillObject_(std::make_unique<Vyrgraph::TVyrFillObject>()) {
  fillObject_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  // The large face shows the pattern; no paint while it is set.
  FPainting = true;
  GetFont()->SetName("Arial");
  GetFont()->SetSize(28);
  FPainting = false;
}

TVyrCustomLabelFill::~TVyrCustomLabelFill() { fillObject_->SetOnChange(nullptr); }

void TVyrCustomLabelFill::SetBrushBack(TColor Value) {
  if (brushBackColor_ == Value) return;
  brushBackColor_ = Value;
  GetChange(nullptr);
}

void TVyrCustomLabelFill::GetChange(TObject* Sender) {
  if (!Loading()) Vyrstdcs::TVyrCustomLabel::GetChange(Sender);
}

void TVyrCustomLabelFill::GetIMLChange(TObject* Sender) {
  VyrTakeListBitmap(fillObject_.get(), GetImageLink());
  if (!Loading() && !FPainting) Vyrstdcs::TVyrCustomLabel::GetIMLChange(Sender);
}

void TVyrCustomLabelFill::CMEnabledChanged(TMessage& Message) {
  Vyrstdcs::TVyrCustomLabel::CMEnabledChanged(Message);
  InvalidateControl();
}

void TVyrCustomLabelFill::Paint() {
  if (FPainting || Loading()) return;
  if (fillObject_->GetEmpty() || !GetEnabled() || GetEmpty()) {
    Vyrstdcs::TVyrCustomLabel::Paint();
    return;
  }
  const AnsiString text = GetLabelText();
  FPainting = true;
  TScopeGuard done([this] { FPainting = false; });
  TCanvas* canvas = GetCanvas();
  if (!GetTransparent())
    FillControl();
  else
    PaintBackground();
  Vyrgraph::TVyrBevel* bevel = GetBevel();
  TRect inner;
  bevel->PaintBevel(canvas, GetClientRect(), inner, bevel->GetBorderColor() == GetColor() || GetTransparent());
  PaintFilledText(text, inner);
}

void TVyrCustomLabelFill::PaintFilledText(const AnsiString& Text, const TRect& Inner) {
  const int w = Inner.Width(), h = Inner.Height();
  if (w <= 0 || h <= 0) return;
  const TRect local(0, 0, w, h);
  const TColor fontColor = GetFont()->GetColor();
  const TColor ink = VyrMaskInk(fontColor, brushBackColor_);

  TBitmap mask;
  Vyrutils::VyrBmpCreateFromRect(&mask, local, brushBackColor_);
  TCanvas* maskCanvas = mask.GetCanvas();
  maskCanvas->GetFont()->Assign(GetFont());
  maskCanvas->GetFont()->SetColor(ink);
  // A mask has two colours: smoothed letter edges would be neither.
  maskCanvas->GetFont()->SetQuality(fqNonAntialiased);
  maskCanvas->GetBrush()->SetColor(brushBackColor_);
  Vyrgraph::TVyrFxCaption* fontFx = GetFontFx();
  const int lineFlags = static_cast<int>(DrawTextBiDiModeFlags(0)) |
                        Vyrstdcs::VyrLabelLineFlags(GetAutoSize(), GetMultiLine(), fontFx->GetAngle());
  TRect textRect = local;
  if (Vyrstdcs::VyrLabelAlignsRect(GetAutoSize(), GetMultiLine(), fontFx->GetAngle(), GetAlignment()))
    textRect = Vyrutils::VyrAlignTextRect(GetAlignment(), Text, fontFx, textRect, GetFont(), GetMultiLine(),
                                          GetShowAccelChar(), lineFlags);
  Vyrutils::VyrDrawTextExt(maskCanvas, Text, fontFx, textRect, TextFlags(lineFlags), {TVyrDrawTextStyle::dtEnabled},
                           nullptr);

  VyrFillThroughMask(GetCanvas(), Inner, &mask, fillObject_.get(), ink, brushBackColor_, fontColor);
}

void VyrFillThroughMask(TCanvas* Canvas, const TRect& Inner, TBitmap* Mask, Vyrgraph::TVyrFillObject* Fill, TColor Ink,
                        TColor Ground, TColor FontColor) {
  const TRect local(0, 0, Inner.Width(), Inner.Height());
  // A hatch's ground is the mask's ground, so only its lines fill the
  // letters; the other fills lie on the font colour.
  TBitmap texture;
  texture.SetSize(local.right, local.bottom);
  Fill->FillCanvas(texture.GetCanvas(), local, Fill->GetStyle() == TVyrFillStyle::sfBrush ? Ground : FontColor);
  Vyrutils::VyrMaskBmpDraw(Canvas, Inner, Mask, &texture, Ink, Ground);
}

}  // namespace Vyrextcs
