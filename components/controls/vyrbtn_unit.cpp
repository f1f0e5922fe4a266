// The published properties of the buttons and the unit's start-up row. The
// standard properties (Caption, Color, Enabled, Font, the hints, Action,
// Anchors, Constraints, BiDiMode, DragKind ...) come from TControl; declared
// here are the buttons' own.
#include <initializer_list>

#include "classregistry.h"
#include "colors.h"
#include "vyrbtn.h"
#include "vyrcont.h"
#include "vyrctrla.h"

namespace Vyrbtn {

namespace {

const std::initializer_list<const char*> kGlyphKindNames = {"gkCustom",     "gkEllipsis", "gkFile",
                                                            "gkFolder",     "gkCalculator", "gkCalender",
                                                            "gkSearch",     "gkColor",    "gkFont"};

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

template <class B>
void PublishDocking(TPublisher<B>& P) {
  P.Bool("AdjustDockedSize", &B::GetAdjustDockedSize, &B::SetAdjustDockedSize, true);
  P.Component("Control", &B::GetControl, &B::SetControl);
  P.Bool("Docked", &B::GetDocked, &B::SetDocked, true);
  P.Enum("GlyphKind", &B::GetGlyphKind, &B::SetGlyphKind, kGlyphKindNames, static_cast<int>(TVyrGlyphKind::gkEllipsis));
  P.Integer("Margin", &B::GetMargin, &B::SetMargin, 1);
  P.Enum("Position", &B::GetPosition, &B::SetPosition, {"dpBottom", "dpLeft", "dpRight", "dpTop"},
         static_cast<int>(TVyrDockPosition::dpRight));
  P.Bool("ReflectOwnChanges", &B::GetReflectOwnChanges, &B::SetReflectOwnChanges, true);
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
  P.Enum("GlyphKind", &TVyrCustomSpeedButton::GetGlyphKind, &TVyrCustomSpeedButton::SetGlyphKind, kGlyphKindNames,
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
  // Written after Style, and whenever it is not what Style alone gives:
  // reading Style sets the glyph style too.
  PublishStyle(P, TVyrUserButtonStyle::ubsExplorer);
  P.Bool("UnColorMain", &TVyrExplorerButton::GetUnColorMain, &TVyrExplorerButton::SetUnColorMain)
      .Stored([](TVyrExplorerButton* b) { return b->GetUnColorMain() != VyrStyleUnColors(b->GetStyle()); });
}

// ---- the windowed, image-face and docked buttons ----

void TVyrCustomButton::Publish(TPublisher<TVyrCustomButton>& P) {
  using B = TVyrCustomButton;
  P.Object("ButtonLayout", &B::GetButtonLayout);
  P.Object("FontFx", &B::GetFontFx);
  P.Object("Glyph", &B::GetGlyph).Stored([](B* b) { return b->IsCustom(); });
  P.Bool("HideHint", &B::GetHideHint, &B::SetHideHint, true);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &B::GetImageList, &B::SetImageList).Stored([](B* b) {
    return b->GetImageLink().ImageListStored();
  });
  P.Integer("ImageIndex", &B::GetImageIndex, &B::SetImageIndexValue, 0);
  P.Integer("ListIndex", &B::GetListIndex, &B::SetListIndexValue, 0);
  P.Bool("MultiLine", &B::GetMultiLine, &B::SetMultiLine, false);
  P.Integer("NumGlyphs", &B::GetNumGlyphs, &B::SetNumGlyphs, 1);
  P.Bool("RepeatedClick", &B::GetRepeatedClick, &B::SetRepeatedClick, false);
  P.Integer("RepeatingInterval", &B::GetRepeatingInterval, &B::SetRepeatingInterval, 100);
  P.Enum("Style", &B::GetStyle, &B::SetStyle, {"nbsAutoDetect", "nbsWin31", "nbsWin40"}, 0);
  P.Event("OnMouseEnter", &TControl::OnMouseEnter);
  P.Event("OnMouseExit", &B::OnMouseExit);
}

void TVyrButton::Publish(TPublisher<TVyrButton>& P) {
  using B = TVyrButton;
  PublishDropDownMenu(P);
  P.Event("OnDropDown", &B::OnDropDown);
}

void TVyrCustomMMButton::Publish(TPublisher<TVyrCustomMMButton>& P) {
  using B = TVyrCustomMMButton;
  P.Bool("AllowMouseOver", &B::GetAllowMouseOver, &B::SetAllowMouseOver, false);
  P.Bool("AllowTransparency", &B::GetAllowTransparency, &B::SetAllowTransparency, true);
  P.Object("ButtonFace", &B::GetButtonFace);
  P.Enum("ButtonFaceStyle", &B::GetButtonFaceStyle, &B::SetButtonFaceStyle,
         {"sbNone", "sbAutosize", "sbCenter", "sbStretch", "sbTile", "sbKeepAspRatio", "sbKeepWidth", "sbKeepHeight"},
         0);
  // A list of the global container goes as "ButtonFace" instead.
  P.Component("ButtonFaceImageList", &B::GetButtonFaceImageList, &B::SetButtonFaceImageList).Stored([](B* b) {
    return b->GetFaceLink().ImageListStored();
  });
  P.Integer("CaptionDown", &B::GetCaptionDown, &B::SetCaptionDown, 1);
  P.Bool("ForceTransparent", &B::GetForceTransparent, &B::SetForceTransparent, true);
  PublishGroup(P);
  P.Bool("QuickDraw", &B::GetQuickDraw, &B::SetQuickDraw, false);
  PublishDropDownMenu(P);
  P.Bool("Transparent", &B::GetTransparent, &B::SetTransparent, false);
}

void TVyrMMButton::Publish(TPublisher<TVyrMMButton>&) {}

void TVyrDockSpeedButton::Publish(TPublisher<TVyrDockSpeedButton>& P) {
  PublishDocking(P);
  PublishStyle(P, TVyrUserButtonStyle::ubsAutoDetect);
}

void TVyrDockOfficeButton::Publish(TPublisher<TVyrDockOfficeButton>& P) {
  PublishStyle(P, TVyrUserButtonStyle::ubsFlat);
}

void TVyrDockButton::Publish(TPublisher<TVyrDockButton>& P) { PublishDocking(P); }

void Initialize() {
  RegisterClasses(
      {TVyrSpeedButton::StaticClass(), TVyrOfficeButton::StaticClass(), TVyrExplorerButton::StaticClass()});
  RegisterClasses({TVyrButton::StaticClass(), TVyrMMButton::StaticClass(), TVyrDockSpeedButton::StaticClass(),
                   TVyrDockOfficeButton::StaticClass(), TVyrDockButton::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrbtn
