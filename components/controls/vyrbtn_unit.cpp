// The published properties of the buttons and the unit's start-up row. The
// standard properties (Caption, Color, Enabled, Font, the hints, Action,
// Anchors, Constraints, BiDiMode, DragKind ...) come from TControl; declared
// here are the buttons' own.
#include "classregistry.h"
#include "colors.h"
#include "vyrbtn.h"
#include "vyrcont.h"

namespace Vyrbtn {

namespace {

template <class B>
void PublishStyle(TPublisher<B>& P, TVyrUserButtonStyle Default) {
  P.Enum("Style", &B::GetStyle, &B::SetStyle,
         {"ubsAutoDetect", "ubsWin31", "ubsWin40", "ubsKorvel", "ubsKorvelFlat", "ubsFlat", "ubsFlatUnColored",
          "ubsNavigator", "ubsExplorer", "ubsExplorerColored", "ubsIntegrated"},
         static_cast<int>(Default));
}

template <class B>
void PublishGroup(TPublisher<B>& P) {
  P.Bool("AllowAllUp", &B::GetAllowAllUp, &B::SetAllowAllUp, false);
  P.Integer("GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex, 0);
  P.Bool("Pressed", &B::GetPressed, &B::SetPressed, false);
}

template <class B>
void PublishDropDownMenu(TPublisher<B>& P) {
  P.Component("DropDownMenu", &B::GetDropDownMenu, &B::SetDropDownMenu);
  P.Integer("DropDownIndent", &B::GetDropDownIndent, &B::SetDropDownIndent, 0);
  P.Bool("DropDownRight", &B::GetDropDownRight, &B::SetDropDownRight, false);
}

}  // namespace

void TVyrBaseGraphicButton::Publish(TPublisher<TVyrBaseGraphicButton>& P) {
  using B = TVyrBaseGraphicButton;
  P.Object("ButtonLayout", &B::GetButtonLayout);
  P.Color("EnterColor", &B::GetEnterColor, &B::SetEnterColor, clCaptionText);
  P.Bool("EnterColorChange", &B::GetEnterColorChange, &B::SetEnterColorChange, false);
  P.Object("Glyph", &B::GetGlyph).Stored([](B* b) { return b->IsCustom(); });
  P.Object("FontFx", &B::GetFontFx);
  P.Bool("HideHint", &B::GetHideHint, &B::SetHideHint, true);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrctrl::TVyrBaseControl::GetImageList, &Vyrctrl::TVyrBaseControl::SetImageList)
      .Stored([](B* b) { return b->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &B::GetImageIndex, &B::SetImageIndexValue, 0);
  P.Integer("ListIndex", &B::GetListIndex, &B::SetListIndexValue, 0);
  P.Bool("MultiLine", &B::GetMultiLine, &B::SetMultiLine, false);
  P.Integer("NumGlyphs", &B::GetNumGlyphs, &B::SetNumGlyphs, 1);
  P.Bool("RepeatedClick", &B::GetRepeatedClick, &B::SetRepeatedClick, false);
  P.Integer("RepeatingInterval", &B::GetRepeatingInterval, &B::SetRepeatingInterval, 100);
  P.Event("OnDropDown", &B::OnDropDown);
  P.Event("OnMouseEnter", &TControl::OnMouseEnter);
  P.Event("OnMouseExit", &Vyrctrl::TVyrBaseControl::OnMouseExit);
}

void TVyrCustomSpeedButton::Publish(TPublisher<TVyrCustomSpeedButton>& P) {
  P.Enum("GlyphKind", &TVyrCustomSpeedButton::GetGlyphKind, &TVyrCustomSpeedButton::SetGlyphKind,
         {"gkCustom", "gkEllipsis", "gkFile", "gkFolder", "gkCalculator", "gkCalender", "gkSearch", "gkColor",
          "gkFont"},
         0);
}

void TVyrSpeedButton::Publish(TPublisher<TVyrSpeedButton>& P) {
  using B = TVyrSpeedButton;
  PublishGroup(P);
  P.Bool("DropDownCombo", &B::GetDropDownCombo, &B::SetDropDownCombo, false);
  P.Integer("DropdownComboWidth", &B::GetDropDownComboWidth, &B::SetDropDownComboWidth, 12);
  PublishDropDownMenu(P);
  PublishStyle(P, TVyrUserButtonStyle::ubsAutoDetect);
}

void TVyrOfficeButton::Publish(TPublisher<TVyrOfficeButton>& P) {
  PublishGroup(P);
  PublishDropDownMenu(P);
  PublishStyle(P, TVyrUserButtonStyle::ubsFlat);
}

void TVyrExplorerButton::Publish(TPublisher<TVyrExplorerButton>& P) {
  P.Bool("UnColorMain", &TVyrExplorerButton::GetUnColorMain, &TVyrExplorerButton::SetUnColorMain, true);
  PublishStyle(P, TVyrUserButtonStyle::ubsExplorer);
}

void Initialize() {
  RegisterClasses(
      {TVyrSpeedButton::StaticClass(), TVyrOfficeButton::StaticClass(), TVyrExplorerButton::StaticClass()});
  RegisterClasses({TVyrButton::StaticClass(), TVyrMMButton::StaticClass(), TVyrDockSpeedButton::StaticClass(),
                   TVyrDockOfficeButton::StaticClass(), TVyrDockButton::StaticClass()});
}

}  // namespace Vyrbtn
