// The published properties of the labels and the unit's start-up row. The
// standard properties come from TControl; declared here are the labels'
// own and the defaults their constructors change.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrstdcs.h"

namespace Vyrstdcs {

void TVyrBaseLabel::Publish(TPublisher<TVyrBaseLabel>&) {}
void TVyrCustomLabel::Publish(TPublisher<TVyrCustomLabel>&) {}
void TVyrCustomSimpleLabel::Publish(TPublisher<TVyrCustomSimpleLabel>&) {}

void TVyrLabel::Publish(TPublisher<TVyrLabel>& P) {
  PublishLabelBase(P);
  P.Object("Bevel", &TVyrLabel::GetBevel);
  // Written whenever it is the label's own: a label takes its parent's
  // colour as it is placed, so an own clWindow left out of the form would
  // come back as the parent's.
  P.Color("Color", &TControl::GetColor, &TControl::SetColor).Stored([](TControl* c) { return !c->GetParentColor(); });
  P.Object("FontFx", &TVyrLabel::GetFontFx);
}

void TVyrSimpleLabel::Publish(TPublisher<TVyrSimpleLabel>& P) {
  using S = TVyrSimpleLabel;
  PublishLabelBase(P);
  P.Object("Font3D", &S::GetFont3D);
  P.String("Jump", &S::GetJump, &S::SetJump);
  P.Color("ActiveColor", &S::GetActiveColor, &S::SetActiveColor, 0x800080);
  P.Color("InActiveColor", &S::GetInActiveColor, &S::SetInActiveColor, 0xFF0000);
  P.Bool("JumpUnderline", &S::GetJumpUnderline, &S::SetJumpUnderLine, true);
  P.Enum("JumpMode", &S::GetJumpMode, &S::SetJumpMode, {"jmInternet", "jmApplication", "jmNone", "jmCustom"}, 2);
}

void TVyrCustomDockLabel::Publish(TPublisher<TVyrCustomDockLabel>&) {}

void TVyrDockLabel::Publish(TPublisher<TVyrDockLabel>& P) {
  using D = TVyrDockLabel;
  PublishLabelBase(P);
  P.Bool("AutoSize", &D::GetAutoSize, &D::SetAutoSize, false);
  P.Object("Font3D", &D::GetFont3D);
  P.Bool("AdjustDockedSize", &D::GetAdjustDockedSize, &D::SetAdjustDockedSize, false);
  P.Bool("Docked", &D::GetDocked, &D::SetDocked, true);
  P.Integer("Margin", &D::GetMargin, &D::SetMargin, 1);
  P.Enum("Position", &D::GetPosition, &D::SetPosition, {"dpBottom", "dpLeft", "dpRight", "dpTop"}, 1);
  P.Bool("ReflectOwnChanges", &D::GetReflectOwnChanges, &D::SetReflectOwnChanges, false);
}

void TVyrCustomGlyphLabel::Publish(TPublisher<TVyrCustomGlyphLabel>&) {}

void TVyrGlyphLabel::Publish(TPublisher<TVyrGlyphLabel>& P) {
  using G = TVyrGlyphLabel;
  PublishLabelBase(P);
  // The layout takes the name of the base's alignment.
  P.Object("Alignment", &G::GetLayout);
  P.Object("Bevel", &G::GetBevel);
  P.Object("Font3D", &G::GetFont3D);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrctrl::TVyrBaseControl::GetImageList, &Vyrctrl::TVyrBaseControl::SetImageList)
      .Stored([](Vyrctrl::TVyrBaseControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &G::GetImageIndex, &G::SetImageIndexValue, 0);
  P.Integer("ListIndex", &G::GetListIndex, &G::SetListIndexValue, 0);
}

void Initialize() {
  RegisterClasses({TVyrLabel::StaticClass(), TVyrSimpleLabel::StaticClass(), TVyrDockLabel::StaticClass(),
                   TVyrGlyphLabel::StaticClass()});
  RegisterClasses({TVyrProgress::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrstdcs
