// The published properties of the edge and the fills, and the unit's
// start-up row. The class library's standard properties come from TControl
// and TWinControl, the labels' and panels' own from their units; declared
// here are the controls' own and the defaults their constructors change.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrextcs.h"

namespace Vyrextcs {

namespace {

const std::initializer_list<const char*> kAlignments{"agTopLeft",    "agTopCenter", "agTopRight",
                                                     "agCenterLeft", "agCenter",    "agCenterRight",
                                                     "agBottomLeft", "agBottomCenter", "agBottomRight"};

// The image-list item a window-less control takes its fill's list bitmap
// from.
template <class C>
void PublishImageLink(TPublisher<C>& P) {
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrctrl::TVyrBaseControl::GetImageList, &Vyrctrl::TVyrBaseControl::SetImageList)
      .Stored([](Vyrctrl::TVyrBaseControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &C::GetImageIndex, [](C* c, int v) { c->SetIndex(0, v); }, 0);
  P.Integer("ListIndex", &C::GetListIndex, [](C* c, int v) { c->SetIndex(1, v); }, 0);
}

}  // namespace

void TVyrDrawEdge::Publish(TPublisher<TVyrDrawEdge>& P) {
  using E = TVyrDrawEdge;
  P.Enum("DiagonalStyle", &E::GetDiagonalStyle, &E::SetDiagonalStyle,
         {"dsEndBottomLeft", "dsEndBottomRight", "dsEndTopLeft", "dsEndTopRight"}, 0);
  P.Enum("EdgeStyle", &E::GetEdgeStyle, &E::SetEdgeStyle,
         {"etRaisedInner", "etRaisedOuter", "etSunkenInner", "etSunkenOuter", "etBump", "etEtched", "etRaised",
          "etSunken"},
         static_cast<Int64>(TVyrEdgeStyle::etEtched));
  P.Bool("Filled", &E::GetFilled, &E::SetFilled, false);
  P.Set("FrameSides", &E::GetFrameSides, &E::SetFrameSides, {"fsBottom", "fsLeft", "fsRight", "fsTop"}, 0xF);
  P.Enum("StandardStyle", &E::GetStandardStyle, &E::SetStandardStyle,
         {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb", "lsRaisedExt", "lsLoweredExt",
          "lsFrameInset", "lsFrameOffset", "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised",
          "lsDoubleLowered"},
         static_cast<Int64>(TVyrBorderStyle::lsSingleLowered));
  P.Bool("Soft", &E::GetSoft, &E::SetSoft, false);
  P.Enum("Style", &E::GetStyle, &E::SetStyle, {"esEdge", "esDiagonal", "esStandard"}, 0);
}

void TVyrFill::Publish(TPublisher<TVyrFill>& P) {
  P.Object("Bevel", &TVyrFill::GetBevel);
  // The caption object takes the name of the control's caption text.
  P.Object("Caption", &TVyrFill::GetCaptionObject);
  P.Object("FillObject", &TVyrFill::GetFillObject);
  PublishImageLink(P);
}

void TVyrCustomLabelFill::Publish(TPublisher<TVyrCustomLabelFill>&) {}

void TVyrLabelFill::Publish(TPublisher<TVyrLabelFill>& P) {
  using L = TVyrLabelFill;
  Vyrstdcs::PublishLabelBase(P);
  P.Object("Bevel", &L::GetBevel);
  P.Color("BrushBackColor", &L::GetBrushBackColor, &L::SetBrushBack, clBtnFace);
  // Written whenever it is the fill's own (see the labels).
  P.Color("Color", &TControl::GetColor, &TControl::SetColor).Stored([](TControl* c) { return !c->GetParentColor(); });
  P.Object("FillObject", &L::GetFillObject);
  P.Object("FontFx", &L::GetFontFx);
  // The constructor gives the fill its own large font.
  P.Bool("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont, false);
  PublishImageLink(P);
}

void TVyrCustomPanelFill::Publish(TPublisher<TVyrCustomPanelFill>&) {}

void TVyrPanelFill::Publish(TPublisher<TVyrPanelFill>& P) {
  using F = TVyrPanelFill;
  P.Enum("Alignment", &F::GetAlignment, &F::SetAlignment, kAlignments, static_cast<Int64>(TVyrAlignment::agCenter));
  P.Object("CaptionFx", &F::GetCaptionFx);
  P.Object("FillObject", &F::GetFillObject);
  P.Bool("TransparentBorder", &F::GetTransparentBorder, &F::SetTransparentBorder, false);
}

void TVyrCustomColorComboBox::Publish(TPublisher<TVyrCustomColorComboBox>&) {}

void TVyrColorComboBox::Publish(TPublisher<TVyrColorComboBox>& P) {
  using C = TVyrCustomColorComboBox;
  Vyrcombo::PublishComboBase(P);
  // The box makes its items, their height and its style itself.
  P.Enum("Style", &TCustomComboBox::GetStyle, &TCustomComboBox::SetStyle,
         {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}, csOwnerDrawVariable)
      .Stored(false);
  P.Integer("ItemHeight", &TCustomComboBox::GetItemHeight, &TCustomComboBox::SetItemHeight).Stored(false);
  P.Strings("Items", &TCustomComboBox::GetItems).Stored(false);
  P.Integer("ItemIndex", &TCustomComboBox::GetItemIndex, &TCustomComboBox::SetItemIndex).Stored(false);
  P.Strings("CustomColors", &C::GetCustomColors);
  P.Set("DlgOptions", &C::GetDlgOptions, &C::SetDlgOptions,
        {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"}, 0);
  P.Integer("DlgHelpContext", &C::GetDlgHelpContext, &C::SetDlgHelpContext, 0);
  P.Enum("DisplayStyle", &C::GetDisplayStyle, &C::SetDisplayStyle, {"csColor", "csText", "csColorText", "csColor3DText"},
         static_cast<Int64>(TVyrColorCBStyle::csColorText));
  P.Set("Options", &C::GetOptions, &C::SetOptions,
        {"coDefaultColors", "coSystemColors", "coCustomColors", "coAllowAnyColor", "coAllowDialog"}, 9);
  P.Event("OnBeforeDialogShow", &C::OnBeforeDialogShow);
  P.Event("OnAfterDialogShow", &C::OnAfterDialogShow);
}

void Initialize() {
  RegisterClasses({TVyrDrawEdge::StaticClass(), TVyrFill::StaticClass(), TVyrLabelFill::StaticClass(),
                   TVyrPanelFill::StaticClass(), TVyrColorComboBox::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrextcs
