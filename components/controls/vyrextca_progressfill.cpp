#include "bitmap_class.h"
#include "canvas.h"
#include "classregistry.h"
#include "vyrclass_application.h"
#include "vyrcont.h"
#include "vyrextca.h"
#include "vyrutils.h"

namespace Vyrextca {

// ---- TVyrCustomProgressFill ----

TVyrCustomProgressFill::TVyrCustomProgressFill(TComponent* AOwner)
    : Vyrctrl::TVyrBaseMeter(AOwner), FFillObject(std::make_unique<Vyrgraph::TVyrFillObject>()) {
  FFillObject->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrCustomProgressFill::~TVyrCustomProgressFill() { FFillObject->SetOnChange(nullptr); }

void TVyrCustomProgressFill::SetBar3D(Vyrgraph::TVyrBorderStyle Value) {
  FBar3D = Value;
  InvalidateControl();
}

void TVyrCustomProgressFill::SetBack(TColor Value) {
  FBrushBackColor = Value;
  InvalidateControl();
}

// The item of the image list is the fill's list picture.
void TVyrCustomProgressFill::GetIMLChange(TObject* Sender) {
  if (!IMLEmpty()) {
    TBitmap item;
    GetImageList()->GetBitmapItem(GetListIndex(), GetImageIndex(), &item);
    FFillObject->SetListBitmap(&item);
  } else {
    FFillObject->SetListBitmap(nullptr);
  }
  Vyrctrl::TVyrBaseMeter::GetIMLChange(Sender);
}

void TVyrCustomProgressFill::DrawBar(TCanvas* Canvas, const TRect& BarRect, const TRect& RestRect,
                                     const TRect& FullRect) {
  FFillObject->ClipFill(Canvas, BarRect, 0, FBrushBackColor);
  if (GetDrawnValue() != 0) {
    TRect frame = BarRect;
    Vyrutils::VyrDrawStdFrame(Canvas, frame, FBar3D, 0);
  }
  DrawCaption(Canvas, BarRect, RestRect, FullRect, true, FFillObject->GetBrush()->GetColor());
}

// ---- TVyrShadowFill ----

TVyrShadowFill::TVyrShadowFill(TComponent* AOwner)
    : Vyrctrl::TVyrGraphicControl(AOwner), FPattern(std::make_unique<TBitmap>()) {
  if (Vyrclass::VyrApplication) FPattern->Assign(Vyrclass::VyrApplication->GetBitmap());
}

TVyrShadowFill::~TVyrShadowFill() = default;

void TVyrShadowFill::SetColor(TColor Value) {
  if (Value == static_cast<TColor>(0xFFFFFF)) Value = static_cast<TColor>(0);
  if (Value == FShadowColor) return;
  FShadowColor = Value;
  if (Vyrclass::VyrApplication) FPattern->Assign(Vyrclass::VyrApplication->GetBrushBitmap(Value));
  InvalidateControl();
}

void TVyrShadowFill::SetShadowMode(TVyrShadowFillStyle Value) {
  FStyle = Value;
  InvalidateControl();
}

bool TVyrShadowFill::GetEmpty() { return BevelExt() == 0 && FStyle == TVyrShadowFillStyle::sfNone; }

void TVyrShadowFill::Paint() {
  if (Loading()) return;
  if (GetEmpty()) {
    Vyrctrl::TVyrGraphicControl::Paint();
    return;
  }
  TCanvas* canvas = GetCanvas();
  TRect inner;
  GetBevel()->PaintBevel(canvas, GetClientRect(), inner, GetTransparent());
  switch (FStyle) {
    case TVyrShadowFillStyle::sfShadow: Vyrutils::VyrFillPattern(canvas->GetHandle(), inner, FPattern.get()); break;
    case TVyrShadowFillStyle::sfFullShadow:
      Vyrutils::VyrFillPattern(canvas->GetHandle(), TRect(0, 0, width_ + 1, height_ + 1), FPattern.get());
      break;
    case TVyrShadowFillStyle::sfNone: break;
  }
}

// ---- publishing ----

void TVyrCustomProgressFill::Publish(TPublisher<TVyrCustomProgressFill>&) {}

void TVyrProgressFill::Publish(TPublisher<TVyrProgressFill>& P) {
  using F = TVyrProgressFill;
  P.Enum("Bar3D", &F::GetBar3D, &F::SetBar3D, Vyrctrl::kVyrBorderStyleNames, 0);
  P.Color("BrushBackColor", &F::GetBrushBackColor, &F::SetBack, clBtnFace);
  P.Object("FillObject", &F::GetFillObject);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &F::GetImageList, &F::SetImageList).Stored([](F* f) {
    return f->GetImageLink().ImageListStored();
  });
  P.Integer("ImageIndex", &F::GetImageIndex, &F::SetImageIndexValue, 0);
  P.Integer("ListIndex", &F::GetListIndex, &F::SetListIndexValue, 0);
}

void TVyrShadowFill::Publish(TPublisher<TVyrShadowFill>& P) {
  using S = TVyrShadowFill;
  P.Object("Bevel", &S::GetBevel);
  P.Color("ShadowColor", &S::GetShadowColor, &S::SetColor, 0);
  P.Enum("Style", &S::GetStyle, &S::SetShadowMode, {"sfNone", "sfShadow", "sfFullShadow"}, 1);
}

}  // namespace Vyrextca
