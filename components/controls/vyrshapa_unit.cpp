// The published properties of the shape controls and shape buttons and the
// unit's start-up row.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrshapa.h"

namespace Vyrshapa {

namespace {

const std::initializer_list<const char*> kShapeTypeNames = {
    "stEllipse", "stRectangle", "stRoundRect", "stDirectUp", "stDirectRight", "stDirectDown",
    "stDirectLeft", "stDiamond", "stComb", "stOctagon", "stStar"};

template <class C>
void PublishShapeBase(TPublisher<C>& P) {
  using S = TVyrBaseShape;
  P.Object("Bevel", &S::GetBevel);
  P.Object("Brush", &S::GetBrush);
  P.Color("BrushBackColor", &S::GetBrushBackColor, &S::SetBrushBackColor, clBtnFace);
  P.Object("Caption", &S::GetCaptionObject);
  P.Bool("CaptionClip", &S::GetCaptionClip, &S::SetCaptionClip, false);
  P.Integer("RoundPercent", &S::GetRoundPercent, &S::SetRoundPercent, 33);
  P.Object("Shadow", &S::GetShadow);
  P.Enum("Shape", &S::GetShape, &S::SetShape, kShapeTypeNames, static_cast<int>(TVyrShapeType::stRectangle));
  P.Bool("Square", &S::GetSquare, &S::SetSquare, false);
  P.Bool("Transparent", &Vyrctrl::TVyrBaseGraphicControl::GetTransparent,
         &Vyrctrl::TVyrBaseGraphicControl::SetTransparent, true);
  P.Event("OnMouseEnter", &TControl::OnMouseEnter);
  P.Event("OnMouseExit", &Vyrctrl::TVyrBaseControl::OnMouseExit);
  P.Object("ShapeFill", &S::GetShapeFill);
}

template <class C>
void PublishShapeControl(TPublisher<C>& P, TVyrShapeControlMode ModeDefault) {
  using S = TVyrShapeControl;
  PublishShapeBase(P);
  P.Enum("Mode", &S::GetMode, &S::SetMode, {"scmShapeFast", "scmShapeFill", "scmTeethFast", "scmTeethFill"},
         static_cast<int>(ModeDefault));
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrctrl::TVyrBaseControl::GetImageList, &Vyrctrl::TVyrBaseControl::SetImageList)
      .Stored([](Vyrctrl::TVyrBaseControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &S::GetImageIndex, &S::SetImageIndexValue, 0);
  P.Integer("ListIndex", &S::GetListIndex, &S::SetListIndexValue, 0);
  P.Object("Teeth", &S::GetTeeth);
}

}  // namespace

void TVyrBaseShape::Publish(TPublisher<TVyrBaseShape>&) {}

void TVyrShapeControl::Publish(TPublisher<TVyrShapeControl>& P) {
  PublishShapeControl(P, TVyrShapeControlMode::scmShapeFast);
}
void TVyrShapeLabel::Publish(TPublisher<TVyrShapeLabel>& P) {
  PublishShapeControl(P, TVyrShapeControlMode::scmShapeFill);
}
void TVyrTeethShape::Publish(TPublisher<TVyrTeethShape>& P) {
  PublishShapeControl(P, TVyrShapeControlMode::scmTeethFast);
}
void TVyrTeethShapeLabel::Publish(TPublisher<TVyrTeethShapeLabel>& P) {
  PublishShapeControl(P, TVyrShapeControlMode::scmTeethFill);
}

void TVyrRepeatedShape::Publish(TPublisher<TVyrRepeatedShape>& P) {
  using R = TVyrRepeatedShape;
  PublishShapeBase(P);
  P.Integer("HorCount", &R::GetHorCount, &R::SetHorCount, 5);
  P.Integer("HorOffset", &R::GetHorOffset, &R::SetHorOffset, 0);
  P.Integer("ShapeWidth", &R::GetShapeWidth, &R::SetShapeWidth, 0);
  P.Bool("SetPerCount", &R::GetSetPerCount, &R::SetSetPerCount, true);
  P.Integer("ShapeHeight", &R::GetShapeHeight, &R::SetShapeHeight, 0);
  P.Integer("VerCount", &R::GetVerCount, &R::SetVerCount, 5);
  P.Integer("VerOffset", &R::GetVerOffset, &R::SetVerOffset, 0);
}

void TVyrShapeButtonColor::Publish(TPublisher<TVyrShapeButtonColor>& P) {
  using C = TVyrShapeButtonColor;
  P.Color("Disabled", &C::GetDisabled, &C::SetDisabled, clBtnFace);
  P.Color("Down", &C::GetDown, &C::SetDown, clBtnFace);
  P.Color("MouseOver", &C::GetMouseOver, &C::SetMouseOver, clBtnFace);
  P.Color("OptionSet", &C::GetOptionSet, &C::SetOptionSet, clBtnFace);
  P.Color("Up", &C::GetUp, &C::SetUp, clBtnFace);
}

void TVyrCustomShapeButton::Publish(TPublisher<TVyrCustomShapeButton>&) {}

namespace {

template <class C>
void PublishShapeButton(TPublisher<C>& P, TVyrShapeButtonMode ModeDefault, TVyrShapeButtonStyle StyleDefault) {
  using B = TVyrCustomShapeButton;
  using G = Vyrbtn::TVyrBaseGraphicButton;
  P.Bool("AllowTransparency", &G::GetAllowTransparency, &G::SetAllowTransparency, true);
  P.Bool("AllowMouseOver", &G::GetAllowMouseOver, &G::SetAllowMouseOver, true);
  P.Bool("AllowAllUp", &G::GetAllowAllUp, &G::SetAllowAllUp, false);
  P.Object("Colors", &B::GetColors);
  P.Integer("GroupIndex", &G::GetGroupIndex, &G::SetGroupIndex, 0);
  P.Bool("Pressed", &G::GetPressed, &G::SetPressed, false);
  P.Component("DropDownMenu", &G::GetDropDownMenu, &G::SetDropDownMenu);
  P.Integer("DropDownIndent", &G::GetDropDownIndent, &G::SetDropDownIndent, 0);
  P.Bool("DropDownRight", &G::GetDropDownRight, &G::SetDropDownRight, false);
  P.Bool("MouseOver", &G::GetMouseOver, &G::SetMouseOver, false);
  P.Enum("Mode", &B::GetMode, &B::SetMode, {"sbmShapeFast", "sbmShapeFill"}, static_cast<int>(ModeDefault));
  // The constructor paints the button's shape in the face colour.
  P.Object("Shape", &B::GetShape).NestedDefault("Brush.Color", clBtnFace);
  P.Enum("Style", &B::GetStyle, &B::SetShapeStyle, {"sbsShadow", "sbs3D"}, static_cast<int>(StyleDefault));
  P.Bool("Transparent", &G::GetTransparent, &G::SetTransparent, false);
  P.Object("ShapeFill", &B::GetShapeFill);
  // A list of the global container goes as "InternalBtn" instead.
  P.Component("ShapeFillImageList", &B::GetShapeFillImageList, &B::SetBtnFaceImageList).Stored([](B* b) {
    return b->FaceListStored();
  });
  P.Integer("ShapeFillImageIndex", &B::GetShapeFillImageIndex, &B::SetShapeFillImageIndex, 0);
  P.Integer("ShapeFillListIndex", &B::GetShapeFillListIndex, &B::SetShapeFillListIndex, 0);
}

}  // namespace

void TVyrShapeButton::Publish(TPublisher<TVyrShapeButton>& P) {
  PublishShapeButton(P, TVyrShapeButtonMode::sbmShapeFast, TVyrShapeButtonStyle::sbsShadow);
}
void TVyrShapeLabelButton::Publish(TPublisher<TVyrShapeLabelButton>& P) {
  PublishShapeButton(P, TVyrShapeButtonMode::sbmShapeFill, TVyrShapeButtonStyle::sbsShadow);
}
void TVyr3DShapeButton::Publish(TPublisher<TVyr3DShapeButton>& P) {
  PublishShapeButton(P, TVyrShapeButtonMode::sbmShapeFast, TVyrShapeButtonStyle::sbs3D);
}
void TVyr3DShapeLabelButton::Publish(TPublisher<TVyr3DShapeLabelButton>& P) {
  PublishShapeButton(P, TVyrShapeButtonMode::sbmShapeFill, TVyrShapeButtonStyle::sbs3D);
}

void Initialize() {
  RegisterClasses({TVyrShapeControl::StaticClass(), TVyrShapeLabel::StaticClass(), TVyrTeethShape::StaticClass(),
                   TVyrTeethShapeLabel::StaticClass(), TVyrRepeatedShape::StaticClass(),
                   TVyrShapeButton::StaticClass(), TVyrShapeLabelButton::StaticClass(),
                   TVyr3DShapeButton::StaticClass(), TVyr3DShapeLabelButton::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrshapa
