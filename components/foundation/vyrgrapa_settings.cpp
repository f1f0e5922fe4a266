// The three settings objects of a shape.
#include "vyrgrapa.h"
#include "vyrgraph_setter.h"

namespace Vyrgrapa {

using Vyrgraph::Detail::Clamp;
using Vyrgraph::Detail::CopyAsOneChange;
using Vyrgraph::Detail::StoreIfChanged;

// ---- TVyrSimpleBevel ----
void TVyrSimpleBevel::Publish(TPublisher<TVyrSimpleBevel>& P) {
  P.Integer("Width", &TVyrSimpleBevel::GetWidth, &TVyrSimpleBevel::SetWidth, 2);
  P.Enum("Style", &TVyrSimpleBevel::GetStyle, &TVyrSimpleBevel::SetStyle, {"sbNormal", "sbInset", "sbOffset"}, 0);
  P.Color("Color", &TVyrSimpleBevel::GetColor, &TVyrSimpleBevel::SetColor, clBlack);
  P.Color("LightColor", &TVyrSimpleBevel::GetLightColor, &TVyrSimpleBevel::SetLightColor, clBtnHighlight);
  P.Color("ShadowColor", &TVyrSimpleBevel::GetShadowColor, &TVyrSimpleBevel::SetShadowColor, clBtnShadow);
}

void TVyrSimpleBevel::SetWidth(int Value) {
  if (StoreIfChanged(width_, Clamp(Value, 0, Vyrgraph::kBevelWidthMax))) Change();
}
void TVyrSimpleBevel::SetStyle(TVyrSimpleBevelStyle Value) {
  if (StoreIfChanged(style_, Value)) Change();
}
void TVyrSimpleBevel::SetColors(int Index, TColor Value) {
  TColor& field = Index == 0 ? lightColor_ : Index == 1 ? shadowColor_ : color_;
  if (StoreIfChanged(field, Value)) Change();
}

void TVyrSimpleBevel::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrSimpleBevel*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  CopyAsOneChange(this, [&] {
    SetWidth(src->width_);
    SetStyle(src->style_);
    SetColor(src->color_);
    SetLightColor(src->lightColor_);
    SetShadowColor(src->shadowColor_);
  });
}

// ---- TVyrShape ----
void TVyrShape::Publish(TPublisher<TVyrShape>& P) {
  P.Object("Bevel", &TVyrShape::GetBevel);
  P.Object("Brush", &TVyrShape::GetBrush);
  P.Integer("RoundPercent", &TVyrShape::GetRoundPercent, &TVyrShape::SetRoundPercent, 33);
  P.Object("Shadow", &TVyrShape::GetShadow);
  P.Enum("Shape", &TVyrShape::GetShape, &TVyrShape::SetShape,
         {"stEllipse", "stRectangle", "stRoundRect", "stDirectUp", "stDirectRight", "stDirectDown", "stDirectLeft",
          "stDiamond", "stComb", "stOctagon", "stStar"},
         static_cast<Int64>(TVyrShapeType::stRectangle));
  P.Bool("Square", &TVyrShape::GetSquare, &TVyrShape::SetSquare, false);
}

TVyrShape::TVyrShape()
    : bevel_(std::make_unique<TVyrSimpleBevel>()),
      brush_(std::make_unique<TBrush>()),
      shadow_(std::make_unique<Vyrgraph::TVyrShadow>()) {
  bevel_->SetOnChange(TNotifyEvent(this, &TVyrShape::GetChange));
  brush_->OnChange = TNotifyEvent(this, &TVyrShape::GetChange);
  shadow_->SetOnChange(TNotifyEvent(this, &TVyrShape::GetChange));
}

TVyrShape::~TVyrShape() {
  // The owned objects outlive this body; none may report into a shape that is going.
  bevel_->SetOnChange(TNotifyEvent());
  brush_->OnChange = TNotifyEvent();
  shadow_->SetOnChange(TNotifyEvent());
}

void TVyrShape::SetRoundPercent(int Value) {
  if (StoreIfChanged(roundPercent_, Clamp(Value, 0, kPercentMax))) Change();
}
void TVyrShape::SetShape(TVyrShapeType Value) {
  if (StoreIfChanged(shape_, Value)) Change();
}
void TVyrShape::SetSquare(bool Value) {
  if (StoreIfChanged(square_, Value)) Change();
}

// Owners assign a whole shape into the one they hold, so the shape copies
// like its parts do.
void TVyrShape::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrShape*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  CopyAsOneChange(this, [&] {
    bevel_->Assign(src->bevel_.get());
    brush_->Assign(src->brush_.get());
    SetRoundPercent(src->roundPercent_);
    shadow_->Assign(src->shadow_.get());
    SetShape(src->shape_);
    SetSquare(src->square_);
  });
}

// ---- TVyrTeeth ----
void TVyrTeeth::Publish(TPublisher<TVyrTeeth>& P) {
  P.Integer("Count", &TVyrTeeth::GetCount, &TVyrTeeth::SetCount, 10);
  P.Enum("Direction", &TVyrTeeth::GetDirection, &TVyrTeeth::SetDirection, {"tdRight", "tdDown", "tdLeft", "tdUp"},
         0);
  P.Bool("Offset", &TVyrTeeth::GetOffset, &TVyrTeeth::SetOffset, true);
  P.Bool("SetPerCount", &TVyrTeeth::GetSetPerCount, &TVyrTeeth::SetSetPerCount, true);
  P.Integer("Width", &TVyrTeeth::GetWidth, &TVyrTeeth::SetWidth, 10);
  P.Integer("Height", &TVyrTeeth::GetHeight, &TVyrTeeth::SetHeight, 0);
}

void TVyrTeeth::SetCount(int Value) {
  if (StoreIfChanged(count_, Clamp(Value, 0, kTeethCountMax))) Change();
}
void TVyrTeeth::SetDirection(TVyrDirection Value) {
  if (StoreIfChanged(direction_, Value)) Change();
}
void TVyrTeeth::SetBoolean(int Index, bool Value) {
  if (StoreIfChanged(Index == 0 ? offset_ : setPerCount_, Value)) Change();
}
void TVyrTeeth::SetSize(int Index, int Value) {
  if (StoreIfChanged(Index == 0 ? width_ : height_, Value)) Change();
}

void TVyrTeeth::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrTeeth*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  CopyAsOneChange(this, [&] {
    SetCount(src->count_);
    SetDirection(src->direction_);
    SetOffset(src->offset_);
    SetSetPerCount(src->setPerCount_);
    SetWidth(src->width_);
    SetHeight(src->height_);
  });
}

}  // namespace Vyrgrapa
