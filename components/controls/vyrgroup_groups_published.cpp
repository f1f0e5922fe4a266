// The published properties of the button groups.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrgroup.h"

namespace Vyrgroup {

void TVyrCustomButtonGroup::Publish(TPublisher<TVyrCustomButtonGroup>& P) {
  using B = TVyrCustomButtonGroup;
  P.Integer("Columns", &B::GetColumns, &B::SetColumns, 1);
  P.Color("FocusColor", &B::GetFocusColor, &B::SetFocusColor, clGray);
  P.Enum("FocusStyle", &B::GetFocusStyle, &B::SetFocusStyle, {"fcControl", "fcText", "fcGlyph", "fcGlyphText", "fcNone"},
         1);
  P.Object("Font3D", &B::GetFont3D);
  P.Bool("GlyphFlat", &B::GetGlyphFlat, &B::SetGlyphFlat, false);
  // A list of the global container goes as "InternalGlyph" instead.
  P.Component("GlyphImageList", &B::GetGlyphImageList, &B::SetGlyphImageList).Stored([](B* b) {
    return b->GetGlyphImageList() && !Vyrcont::VyrIsGlobalIdent(b->GetGlyphImageList());
  });
  P.Integer("GlyphImageIndex", &B::GetGlyphImageIndex, &B::SetGlyphImageIndex, 0);
  P.Integer("GlyphListIndex", &B::GetGlyphListIndex, &B::SetGlyphListIndex, 0);
  P.Integer("GlyphSize", &B::GetGlyphSize, &B::SetGlyphSize, 13);
  P.Color("GlyphTransparentColor", &B::GetGlyphTransparentColor, &B::SetTransparentColor, clOlive);
  P.Enum("HelpContextBtn", &B::GetHelpContextBtn, &B::SetID, {"ciDefault", "ciSameAsParent", "ciAutoNumbered"}, 0);
  P.Strings("Items", &B::GetItems);
  P.Integer("ItemHeight", &B::GetItemHeight, &B::SetItemHeight, -1);
  P.Integer("ItemOffset", &B::GetItemOffset, &B::SetItemOffset, 4);
  P.Bool("ReadOnly", &B::GetReadOnly, &B::SetReadOnly, false);
  P.Bool("UseBitmap", &B::GetUseBitmap, &B::SetUseBitmap, false);
  P.Bool("UseFocusColor", &B::GetUseFocusColor, &B::SetUseFocusColor, false);
  P.Event("OnChange", &B::OnChange);
}

void TVyrCustomRadioGroup::Publish(TPublisher<TVyrCustomRadioGroup>&) {}

void TVyrRadioGroup::Publish(TPublisher<TVyrRadioGroup>& P) {
  using R = TVyrRadioGroup;
  P.Bool("GlyphTransparent", &R::GetGlyphTransparent, &R::SetTransparent, true);
  P.Integer("ItemIndex", &R::GetItemIndex, &R::SetItemIndex, -1);
}

void TVyrCustomCheckGroup::Publish(TPublisher<TVyrCustomCheckGroup>&) {}

void TVyrCheckGroup::Publish(TPublisher<TVyrCheckGroup>& P) {
  using C = TVyrCheckGroup;
  P.Bool("GlyphTransparent", &C::GetGlyphTransparent, &C::SetTransparent, false);
  P.Integer("GlyphNumber", &C::GetGlyphNumber, &C::SetNumGlyphs, 3);
  P.Integer("Value", &C::GetValue, &C::SetValue, 0);
}

}  // namespace Vyrgroup
