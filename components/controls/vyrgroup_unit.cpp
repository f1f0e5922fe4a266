// The published properties of the check box and the radio button, and the
// unit's start-up row. The standard properties come from TControl and
// TWinControl; declared here are the controls' own and the defaults their
// constructors change.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrgroup.h"

namespace Vyrgroup {

void TVyrButtonControl::Publish(TPublisher<TVyrButtonControl>& P) {
  using B = TVyrButtonControl;
  // The constructor spaces glyph and text wider than the layout does.
  P.Object("Alignment", &B::GetAlignment).NestedDefault("Spacing", 4);
  P.Bool("AutoSize", &B::GetAutoSize, &B::SetAutoSize, false);
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false);
  P.Color("FocusColor", &B::GetFocusColor, &B::SetFocusColor, clGray);
  P.Enum("FocusStyle", &B::GetFocusStyle, &B::SetFocusStyle, {"fcControl", "fcText", "fcGlyph", "fcGlyphText", "fcNone"},
         1);
  P.Object("Font3D", &B::GetFont3D);
  P.Color("GlyphTransparentColor", &B::GetGlyphTransparentColor, &B::SetTransparentColor, clOlive);
  P.Bool("GlyphFlat", &B::GetGlyphFlat, &B::SetGlyphFlat, false);
  P.Integer("GlyphSize", &B::GetGlyphSize, &B::SetGlyphSize, 13);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrcctrl::TVyrCustomControl::GetImageList, &Vyrcctrl::TVyrCustomControl::SetImageList)
      .Stored([](Vyrcctrl::TVyrCustomControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &B::GetImageIndex, &B::SetImageIndex, 0);
  P.Integer("ListIndex", &B::GetListIndex, &B::SetListIndex, 0);
  P.Bool("ReadOnly", &B::GetReadOnly, &B::SetReadOnly, false);
  P.Bool("Transparent", &Vyrcctrl::TVyrCustomControl::GetTransparent, &Vyrcctrl::TVyrCustomControl::SetTransparent,
         false);
  P.Bool("UseBitmap", &B::GetUseBitmap, &B::SetUseBitmap, false);
  P.Bool("UseFocusColor", &B::GetUseFocusColor, &B::SetUseFocusColor, false);
}

void TVyrCustomCheckBox::Publish(TPublisher<TVyrCustomCheckBox>&) {}

void TVyrCheckBox::Publish(TPublisher<TVyrCheckBox>& P) {
  using C = TVyrCheckBox;
  P.Bool("AllowGrayed", &C::GetAllowGrayed, &C::SetAllowGrayed, false);
  P.Bool("Checked", &C::GetCheckedValue, &C::SetCheckedValue, false).Stored([](C* c) { return c->IsCheckedStored(); });
  P.Enum("State", &C::GetState, &C::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"}, cbUnchecked);
  P.Bool("GlyphTransparent", &C::GetGlyphTransparent, &C::SetGlyphTransparent, false);
  P.Integer("GlyphNumber", &C::GetGlyphNumber, &C::SetNumGlyphs, 3);
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true);
  P.Event("OnChange", &C::OnChange);
}

void TVyrRadioButton::Publish(TPublisher<TVyrRadioButton>& P) {
  using R = TVyrRadioButton;
  P.Bool("Checked", &R::GetCheckedValue, &R::SetCheckedValue, false).Stored([](R* r) { return r->IsCheckedStored(); });
  P.Bool("GlyphTransparent", &R::GetGlyphTransparent, &R::SetGlyphTransparent, true);
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false);
}

void Initialize() {
  RegisterClasses({TVyrCheckBox::StaticClass(), TVyrRadioButton::StaticClass()});
  RegisterClasses({TVyrRadioGroup::StaticClass(), TVyrCheckGroup::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrgroup
