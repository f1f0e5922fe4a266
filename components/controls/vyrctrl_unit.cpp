// The published properties of the unit's classes and its start-up row.
// The class library's standard properties (Align, Anchors, Constraints,
// BiDiMode, the drag properties, the events ...) come from TControl and
// TWinControl; what is declared here is the unit's own and the defaults
// its constructors change.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrctrl.h"

namespace Vyrctrl {

void TVyrBaseControl::Publish(TPublisher<TVyrBaseControl>&) {}

void TVyrBaseGraphicControl::Publish(TPublisher<TVyrBaseGraphicControl>& P) {
  P.Bool("Transparent", &TVyrBaseGraphicControl::GetTransparent, &TVyrBaseGraphicControl::SetTransparent, true);
}

void TVyrGraphicControl::Publish(TPublisher<TVyrGraphicControl>&) {}

void TVyrCustomIniComponent::Publish(TPublisher<TVyrCustomIniComponent>& P) {
  P.Component("IniLink", &TVyrCustomIniComponent::GetIniLink, &TVyrCustomIniComponent::SetIniLink);
  P.String("Section", &TVyrCustomIniComponent::GetSection, &TVyrCustomIniComponent::SetSection);
}

void TVyrContainerComponent::Publish(TPublisher<TVyrContainerComponent>&) {}

void TVyrCustomPanel::Publish(TPublisher<TVyrCustomPanel>&) {}

void TVyrCustomBevelPanel::Publish(TPublisher<TVyrCustomBevelPanel>& P) {
  P.Object("Bevel", &TVyrCustomBevelPanel::GetBevel);
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  // The constructor gives the panel its own colour.
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false);
  P.Bool("Locked", &TVyrCustomPanel::GetLocked, &TVyrCustomPanel::SetLocked, false);
  P.Bool("Transparent", &TVyrCustomControl::GetTransparent, &TVyrCustomControl::SetTransparent, false);
}

void TVyrCustomStatusBar::Publish(TPublisher<TVyrCustomStatusBar>&) {}

void TVyrSimplePanel::Publish(TPublisher<TVyrSimplePanel>&) {}

void TVyrCustomParentPanel::Publish(TPublisher<TVyrCustomParentPanel>& P) {
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &TVyrCustomControl::GetImageList, &TVyrCustomControl::SetImageList)
      .Stored([](TVyrCustomControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &TVyrCustomControl::GetImageIndex, &TVyrCustomControl::SetImageIndex, 0);
  P.Integer("ListIndex", &TVyrCustomControl::GetListIndex, &TVyrCustomControl::SetListIndex, 0);
  P.Bool("QuickDraw", &TVyrCustomParentPanel::GetQuickDraw, &TVyrCustomParentPanel::SetQuickDraw, false);
}

void TVyrBackPanel::Publish(TPublisher<TVyrBackPanel>&) {}

void Initialize() {
  RegisterClasses({TVyrSimplePanel::StaticClass(), TVyrBackPanel::StaticClass()});
  RegisterClasses({TVyrGroupBox::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrctrl
