// The published properties of the region controls and the unit's start-up
// row. The panels' own (Bevel, Color, Locked, Transparent, the image-list
// item, QuickDraw) come from their bases.
#include "classregistry.h"
#include "colors.h"
#include "vyrrctrl.h"

namespace Vyrrctrl {

namespace {

template <class C>
void PublishMouseEvents(TPublisher<C>& P) {
  P.Event("OnMouseEnter", &TControl::OnMouseEnter);
  P.Event("OnMouseExit", &Vyrcctrl::TVyrCustomControl::OnMouseExit);
}

}  // namespace

void TVyrPanelShape::Publish(TPublisher<TVyrPanelShape>& P) {
  using S = TVyrPanelShape;
  P.Object("FillObject", &S::GetFillObject);
  P.Object("FontFx", &S::GetCaptionFx);
  P.Object("Region", &S::GetRegion);
  P.Bool("UseRgnBitmap", &S::GetUseRgnBitmap, &S::SetUseBitmap, true);
  PublishMouseEvents(P);
}

void TVyrWndButtonShape::Publish(TPublisher<TVyrWndButtonShape>& P) {
  using B = TVyrWndButtonShape;
  P.Object("ButtonLayout", &B::GetButtonLayout);
  P.Color("EnterColor", &B::GetEnterColor, &B::SetEnterColor, clCaptionText);
  P.Bool("EnterColorChange", &B::GetEnterColorChange, [](B* b, bool v) { b->SetBoolean(2, v); }, false);
  P.Object("FillObject", &B::GetFillObject);
  P.Bool("Flat", &Vyrcctrl::TVyrCustomControl::GetFlat, &Vyrcctrl::TVyrCustomControl::SetFlat, false);
  P.Object("FontFX", &B::GetFontFX);
  P.Object("Glyph", &B::GetGlyph).Stored([](B* b) { return b->GetGlyph() && b->GetGlyph()->GetWidth() > 0; });
  P.Integer("FocusStyle", [](B* b) { return static_cast<int>(b->GetFocusStyle()); },
            [](B* b, int v) { b->SetFocusStyle(static_cast<Byte>(v)); }, 1);
  P.Integer("ModalResult", &B::GetModalResult, &B::SetModalResult, 0);
  P.Bool("MultiLine", &B::GetMultiLine, [](B* b, bool v) { b->SetBoolean(0, v); }, true);
  P.Integer("NumGlyphs", &B::GetNumGlyphs, &B::SetNumGlyphs, 1);
  P.Object("Region", &B::GetRegion);
  P.Bool("RepeatedClick", &B::GetRepeatedClick, [](B* b, bool v) { b->SetBoolean(1, v); }, false);
  P.Integer("RepeatingInterval", &B::GetRepeatingInterval, [](B* b, int v) { b->SetInteger(1, v); }, 10);
  P.Enum("Style", &B::GetStyle, &B::SetStyle, {"wbWin40", "wbWin31", "wbSimple"},
         static_cast<Int64>(TVyrWndButtonStyle::wbSimple));
  // A button takes the focus by the Tab key unless the form says otherwise.
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true);
  PublishMouseEvents(P);
}

void TVyrRegionForm::Publish(TPublisher<TVyrRegionForm>& P) { P.Object("Region", &TVyrRegionForm::GetRegion); }

void Initialize() {
  RegisterClasses({TVyrPanelShape::StaticClass(), TVyrWndButtonShape::StaticClass(), TVyrRegionForm::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrrctrl
