// The published properties of the technical line. Align, the mouse
// events and ParentColor come from TControl; declared here are the line's
// own and the defaults its constructor changes.
#include "classregistry.h"
#include "colors.h"
#include "pen_class.h"
#include "vyrextca.h"

namespace Vyrextca {

void TVyrTechnicalLine::Publish(TPublisher<TVyrTechnicalLine>& P) {
  using T = TVyrTechnicalLine;
  P.Bool("Arrowed", &T::GetArrowed, &T::SetArrowed, false);
  P.Object("Bevel", &Vyrctrl::TVyrGraphicControl::GetBevel);
  // Written whenever it is the line's own (a parent's colour is taken on
  // placing it, so no one value could be left out).
  P.Color("Color", &TControl::GetColor, &TControl::SetColor).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  P.Color("FillColor", &T::GetFillColor, &T::SetFillColor, clNone);
  const std::initializer_list<const char*> signs{
      "leNothing",        "leOpenArrowUp",     "leOpenArrowDown",   "leOpenArrowRight",   "leOpenArrowLeft",
      "leClosedArrowUp",  "leClosedArrowDown", "leClosedArrowLeft", "leClosedArrowRight", "leDiamond",
      "leCircle",         "leRectangle",       "leRoundRect",       "leParallelogramm",   "leComb",
      "leHalfCircleLeft", "leHalfCircleRight", "leHalfCircleUp",    "leHalfCircleDown"};
  P.Enum("LineEndingsign", &T::GetLineEndingsign, &T::SetLineEnding, signs,
         static_cast<Int64>(TVyrLineEndings::leClosedArrowRight));
  P.Object("LineSettings", &T::GetLineSettings);
  P.Enum("LineStartSign", &T::GetLineStartSign, &T::SetLineStart, signs, 0);
  P.Enum("LineType", &T::GetLineType, &T::SetTechnicalLineType,
         {"lsStraightLeftToRight", "lsStraightTopToBottom", "lsTopLeftToBottomRight", "lsBottomLeftToTopRight",
          "lsTopLeftEdge", "lsBottomLeftEdge", "lsTopRightEdge", "lsBottomRightEdge", "lsTopLeftCurve",
          "lsBottomLeftCurve", "lsTopRightCurve", "lsBottomRightCurve"},
         0);
  P.Color("ShadowColor", &T::GetShadowColor, &T::SetShadowColor, clBtnShadow);
  P.Integer("ShadowDepth", &T::GetShadowDepth, &T::SetShadowDepth, 6);
  P.Bool("ShadowVisible", &T::GetShadowVisible, &T::SetShadowVisible, false);
  P.Enum("SignPlaces", &T::GetSignPlaces, &T::SetSignPlaces, {"spEnd", "spStart", "spBoth", "spNoWhere"}, 0);
  P.Integer("SignSize", &T::GetSignSize, &T::SetSignSize, 40);
  P.Bool("Transparent", &Vyrctrl::TVyrBaseGraphicControl::GetTransparent,
         &Vyrctrl::TVyrBaseGraphicControl::SetTransparent, true);
}

}  // namespace Vyrextca
