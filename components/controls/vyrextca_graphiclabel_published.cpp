// The published properties of the graphic label. Align, Caption, Font,
// ParentColor, ParentFont and the mouse events come from TControl; declared here are the
// label's own and the defaults its constructor changes.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrextca.h"

namespace Vyrextca {

void TVyrCustomGraphicLabel::Publish(TPublisher<TVyrCustomGraphicLabel>&) {}

void TVyrGraphicLabel::Publish(TPublisher<TVyrGraphicLabel>& P) {
  using L = TVyrGraphicLabel;
  P.Set("Attributes", &L::GetAttributes, &L::SetTransAttr,
        {"taPerspective", "taToggled", "taAutoToggled", "taEqualLetters"},
        TVyrTransLabelAttr{TVyrTransLabelAttributes::taAutoToggled}.Bits());
  P.Bool("AutoSize", &L::GetAutoSize, &L::SetAutoSize, false);
  P.Object("Bevel", &Vyrctrl::TVyrGraphicControl::GetBevel);
  P.Color("BrushBackColor", &L::GetBrushBackColor, &L::SetBrushBack, clBtnFace);
  // Written whenever it is the label's own: placed on a parent, a label
  // takes the parent's colour, so no one value could be left out.
  P.Color("Color", &TControl::GetColor, &TControl::SetColor).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  P.Integer("Factor", &L::GetFactor, &L::SetFactor, 5);
  P.Object("FillObject", &L::GetFillObject);
  P.Object("FontFx", &L::GetFontFx);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrctrl::TVyrBaseControl::GetImageList, &Vyrctrl::TVyrBaseControl::SetImageList)
      .Stored([](Vyrctrl::TVyrBaseControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &L::GetImageIndex, [](L* c, int v) { c->SetIndex(0, v); }, 0);
  P.Integer("ListIndex", &L::GetListIndex, [](L* c, int v) { c->SetIndex(1, v); }, 0);
  // The constructor gives the label a font of its own.
  P.Bool("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont, false);
  P.Bool("InvertCaption", &L::GetInvertCaption, &L::SetInvertCaption, false);
  P.Enum("Perspective", &L::GetPerspective, &L::SetPerspective, {"tpFrog", "tpBird"},
         static_cast<Int64>(TVyrPerspective::tpBird));
  P.Integer("PerspectiveDepth", &L::GetPerspectiveDepth, &L::SetPerspectiveDepth, 5);
  P.Integer(
      "Toggle", [](L* c) { return static_cast<int>(c->GetToggle()); }, &L::SetToggle, 0);
  P.Enum("Transform", &L::GetTransform, &L::SetTransform,
         {"tmWave", "tmNone", "tmHalfcircle", "tmArrow", "tmSpeaker", "tmInvSpeaker", "tmFly", "tmChair", "tmStairs",
          "tmInvStairs", "tmBuckled", "tmEnterprise", "tmLNoseUp", "tmLNoseDown", "tmRNoseUp", "tmRNoseDown",
          "tmCube", "tmHalfmoon"},
         0);
  P.Bool("Transparent", &Vyrctrl::TVyrBaseGraphicControl::GetTransparent,
         &Vyrctrl::TVyrBaseGraphicControl::SetTransparent, false);
}

}  // namespace Vyrextca
