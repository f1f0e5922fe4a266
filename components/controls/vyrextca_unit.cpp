// The published properties of the track bar and the unit's start-up row.
// The class library's standard properties come from TControl and
// TWinControl; declared here are the bar's own and the defaults its
// constructor changes.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrextca.h"

namespace Vyrextca {

void TVyrCustomTrackBar::Publish(TPublisher<TVyrCustomTrackBar>& P) {
  using B = TVyrCustomTrackBar;
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false);
  P.Color("FocusColor", &B::GetFocusColor, &B::SetFocusColor, clGray);
  P.Enum("FocusStyle", &B::GetFocusStyle, &B::SetFocusStyle, {"tbFocus", "tbInvisibleFocus", "tbNoFocus"}, 0);
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrcctrl::TVyrCustomControl::GetImageList, &Vyrcctrl::TVyrCustomControl::SetImageList)
      .Stored([](Vyrcctrl::TVyrCustomControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ImageIndex", &B::GetImageIndex, &B::SetImageIndex, 0);
  P.Integer("ListIndex", &B::GetListIndex, &B::SetListIndex, 0);
  P.Integer("LineSize", &B::GetLineSize, &B::SetLineSize, 1);
  P.Integer("Margin", &B::GetMargin, &B::SetMargin, 1);
  P.Integer("MaxValue", &B::GetMaxValue, &B::SetMaxValue, 10);
  P.Integer("MinValue", &B::GetMinValue, &B::SetMinValue, 0);
  P.Enum("Orientation", &B::GetOrientation, &B::SetOrientation, {"toHorizontal", "toVertical"}, 0);
  P.Integer("PageSize", &B::GetPageSize, &B::SetPageSize, 2);
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true);
  P.Enum("ThumbStyle", &B::GetThumbStyle, &B::SetThumbStyle, {"tsStandard", "tsCustom"}, 0);
  P.Object("Thumb", &B::GetThumb).Stored([](B* b) { return b->IsCustom(); });
  P.Color("ThumbColor", &B::GetThumbColor, &B::SetThumbColor, clBtnFace);
  P.Color("TickColor", &B::GetTickColor, &B::SetTickColor, clBlack);
  P.Integer("TickGap", &B::GetTickGap, &B::SetTickGap, -1);
  P.Integer("TickLength", &B::GetTickLength, &B::SetTickLength, 6);
  P.Enum("TickMarks", &B::GetTickMarks, &B::SetTickMarks, {"tmBoth", "tmBottomRight", "tmTopLeft"}, 1);
  P.Enum("TickStyle", &B::GetTickStyle, &B::SetTickStyle, {"tsAuto", "tsOwnerDraw", "tsNone"}, 0);
  P.Integer("TrackBorder", &B::GetTrackBorder, &B::SetTrackBorder, 0);
  P.Enum("TrackBorderStyle", &B::GetTrackBorderStyle, &B::SetTrackBorderStyle,
         {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb", "lsRaisedExt", "lsLoweredExt",
          "lsFrameInset", "lsFrameOffset", "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised",
          "lsDoubleLowered"},
         7);
  P.Color("TrackColor", &B::GetTrackColor, &B::SetTrackColor, clWhite);
  P.Object("TrackFillObject", &B::GetTrackFillObject);
  P.Bool("TrackTransparent", &B::GetTrackTransparent, &B::SetTrackTransparent, false);
  P.Integer("TrackWidth", &B::GetTrackWidth, &B::SetTrackWidth, 10);
  P.Bool("Transparent", &Vyrcctrl::TVyrCustomControl::GetTransparent, &Vyrcctrl::TVyrCustomControl::SetTransparent,
         false);
  P.Bool("UseFocusColor", &B::GetUseFocusColor, &B::SetUseFocusColor, false);
  P.Event("OnChange", &B::OnChange);
  P.Event("OnDrawTick", &B::OnDrawTick);
}

void TVyrTrackBar::Publish(TPublisher<TVyrTrackBar>& P) {
  P.Integer("Position", &TVyrTrackBar::GetPositionValue, &TVyrTrackBar::SetPosition, 0);
}

void Initialize() {
  RegisterClasses({TVyrTrackBar::StaticClass()});
  RegisterClasses({TVyrProgressFill::StaticClass(), TVyrShadowFill::StaticClass()});
  RegisterClasses({TVyrScrollText::StaticClass()});
  RegisterClasses({TVyrGraphicLabel::StaticClass(), TVyrTechnicalLine::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrextca
