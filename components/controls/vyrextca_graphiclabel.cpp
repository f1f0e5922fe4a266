// The graphic label: its setters, its automatic size, and its paint, which
// hands the caption to the curved-text engine, straight onto the canvas or
// through a mask whose letters let a fill's pattern show.
#include <algorithm>

#include "bitmap_class.h"
#include "font_class.h"
#include "scope_guard.h"
#include "vyrextca.h"
#include "vyrextcs.h"
#include "vyrutils.h"

namespace Vyrextca {

using TA = TVyrTransLabelAttributes;

TVyrCustomGraphicLabel::TVyrCustomGraphicLabel(TComponent* AOwner)
    : Vyrctrl::TVyrGraphicControl(AOwner),
      FFontFx(std::make_unique<Vyrgraph::TVyrFxCaption>()),
      FFillObject(std::make_unique<Vyrgraph::TVyrFillObject>()) {
  DisableTransMode();
  FFontFx->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  FFillObject->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  // No paint while the label takes its size and face.
  FPainting = true;
  SetBounds(GetLeft(), GetTop(), 350, 48);
  GetFont()->SetName("Arial");
  GetFont()->SetSize(24);
  FPainting = false;
}

TVyrCustomGraphicLabel::~TVyrCustomGraphicLabel() {
  FFontFx->SetOnChange(nullptr);
  FFillObject->SetOnChange(nullptr);
}

void TVyrCustomGraphicLabel::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrCustomGraphicLabel>(Source);
  if (!other) {
    Vyrctrl::TVyrGraphicControl::Assign(Source);
    return;
  }
  {
    FAssigning = true;
    TScopeGuard done([this] { FAssigning = false; });
    FAutoSize = false;
    FFontFx->Assign(other->FFontFx.get());
    GetFont()->Assign(other->GetFont());
    FFillObject->Assign(other->FFillObject.get());
    FAttributes = other->FAttributes;
    FPerspective = other->FPerspective;
    FTransform = other->FTransform;
    FPerspectiveDepth = other->FPerspectiveDepth;
    FToggle = other->FToggle;
    FFactor = other->FFactor;
    FAutoSize = other->FAutoSize;
  }
  GetChange(nullptr);
}

int TVyrCustomGraphicLabel::GetInteger(int Index) const { return Index == 2 ? FFactor : FPerspectiveDepth; }

void TVyrCustomGraphicLabel::SetInteger(int Index, int Value) {
  if (GetInteger(Index) == Value) return;
  if (Index == 2) {
    FFactor = Value;
    GetChange(nullptr);
    return;
  }
  FPerspectiveDepth = Value;
  if (FAttributes.Contains(TA::taPerspective)) GetChange(nullptr);
}

bool TVyrCustomGraphicLabel::GetBoolean(int Index) const { return Index == 1 ? FAutoSize : FInvertCaption; }

void TVyrCustomGraphicLabel::SetBoolean(int Index, bool Value) {
  if (GetBoolean(Index) == Value) return;
  (Index == 1 ? FAutoSize : FInvertCaption) = Value;
  GetChange(nullptr);
}

void TVyrCustomGraphicLabel::SetToggle(int Value) {
  const auto toggle = static_cast<TVyrToggle>(std::clamp(Value, -180, 180));
  if (FToggle == toggle) return;
  FToggle = toggle;
  if (FAttributes.Contains(TA::taToggled)) GetChange(nullptr);
}

void TVyrCustomGraphicLabel::SetTransform(TVyrTransLabelTypes Value) {
  if (FTransform == Value) return;
  FTransform = Value;
  GetChange(nullptr);
}

void TVyrCustomGraphicLabel::SetTransAttr(TVyrTransLabelAttr Value) {
  if (FAttributes == Value) return;
  FAttributes = Value;
  GetChange(nullptr);
}

void TVyrCustomGraphicLabel::SetPerspective(TVyrPerspective Value) {
  if (FPerspective == Value) return;
  FPerspective = Value;
  GetChange(nullptr);
}

void TVyrCustomGraphicLabel::SetBrushBack(TColor Value) {
  if (FBrushBackColor == Value) return;
  FBrushBackColor = Value;
  GetChange(nullptr);
}

void TVyrCustomGraphicLabel::AdjustBounds() {
  // A control's canvas needs the parent's surface.
  if (!FAutoSize || !GetParent()) return;
  TRect R;
  Vyrgrlf::CalcSize(GetCanvas(), R, GetFont(), FFontFx.get(), GetLabelText(), FTransform, FToggle, FFactor,
                    FInvertCaption, FPerspective, FPerspectiveDepth, FAttributes);
  SetBounds(GetLeft(), GetTop(), R.right + DblBevelExt(), R.bottom + DblBevelExt());
}

void TVyrCustomGraphicLabel::GetChange(TObject*) {
  if (Loading() || FAssigning) return;
  AdjustBounds();
  InvalidateControl();
}

void TVyrCustomGraphicLabel::GetIMLChange(TObject* Sender) {
  Vyrextcs::VyrTakeListBitmap(FFillObject.get(), GetImageLink());
  if (!Loading()) Vyrctrl::TVyrGraphicControl::GetIMLChange(Sender);
}

void TVyrCustomGraphicLabel::Loaded() {
  Vyrctrl::TVyrGraphicControl::Loaded();
  AdjustBounds();
}

void TVyrCustomGraphicLabel::CMTextChanged(TMessage& Message) {
  Vyrctrl::TVyrGraphicControl::CMTextChanged(Message);
  GetChange(nullptr);
}

void TVyrCustomGraphicLabel::CMFontChanged(TMessage& Message) {
  Vyrctrl::TVyrGraphicControl::CMFontChanged(Message);
  if (FPainting) return;
  GetChange(GetFont());
}

void TVyrCustomGraphicLabel::Paint() {
  if (Loading() || FPainting) return;
  FPainting = true;
  TScopeGuard done([this] { FPainting = false; });
  const AnsiString text = GetLabelText();
  if (text.IsEmpty()) Vyrctrl::TVyrGraphicControl::Paint();
  TCanvas* canvas = GetCanvas();
  if (!GetTransparent())
    FillControl();
  else
    PaintBackground();
  Vyrgraph::TVyrBevel* bevel = GetBevel();
  TRect inner;
  bevel->PaintBevel(canvas, GetClientRect(), inner, bevel->GetBorderColor() == GetColor() || GetTransparent());
  if (text.IsEmpty()) return;
  if (FFillObject->GetEmpty()) {
    canvas->GetFont()->Assign(GetFont());
    Vyrgrlf::SpecialTextOut(canvas, inner, GetFont(), FFontFx.get(), text, FTransform, FToggle, FFactor,
                            FInvertCaption, FPerspective, FPerspectiveDepth, FAttributes);
    canvas->GetFont()->Assign(GetFont());
    return;
  }
  PaintFilledText(text, inner);
}

void TVyrCustomGraphicLabel::PaintFilledText(const AnsiString& Text, const TRect& Inner) {
  const int w = Inner.Width(), h = Inner.Height();
  if (w <= 0 || h <= 0) return;
  const TRect local(0, 0, w, h);
  const TColor fontColor = GetFont()->GetColor();
  const TColor ink = Vyrextcs::VyrMaskInk(fontColor, FBrushBackColor);
  // The engine gives every letter the font it is handed: a copy drawn in
  // whole pixels only, so the mask holds no colours between ink and ground.
  TFont maskFont;
  maskFont.Assign(GetFont());
  maskFont.SetQuality(fqNonAntialiased);
  maskFont.SetColor(ink);

  TBitmap mask;
  Vyrutils::VyrBmpCreateFromRect(&mask, local, FBrushBackColor);
  Vyrgrlf::SpecialTextOut(mask.GetCanvas(), local, &maskFont, FFontFx.get(), Text, FTransform, FToggle, FFactor,
                          FInvertCaption, FPerspective, FPerspectiveDepth, FAttributes);
  Vyrextcs::VyrFillThroughMask(GetCanvas(), Inner, &mask, FFillObject.get(), ink, FBrushBackColor, fontColor);
}

}  // namespace Vyrextca
