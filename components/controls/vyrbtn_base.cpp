// The button engine's life cycle, its plain properties, its glyph sources,
// its font and the messages that change its look.
#include <algorithm>
#include <climits>

#include "application.h"
#include "bitmap_class.h"
#include "canvas.h"
#include "forms.h"
#include "vyrbtn.h"
#include "vyrcont.h"
#include "vyrutils.h"

namespace Vyrbtn {

using Vyrgraph::TVyrDrawTextStyle;

TVyrBaseGraphicButton::TVyrBaseGraphicButton(TComponent* AOwner)
    : Vyrctrl::TVyrBaseControl(AOwner),
      buttonLayout_(std::make_unique<Vyrgraph::TVyrButtonLayout>()),
      fontFx_(std::make_unique<Vyrgraph::TVyrFxCaption>()),
      glyph_(std::make_unique<Vyrglyph::TVyrGlyph>()) {
  SetBounds(left_, top_, 25, 25);
  controlStyle_.Include(csCaptureMouse);
  controlStyle_.Include(csOpaque);
  controlStyle_.Include(csDoubleClicks);
  controlStyle_.Exclude(csSetCaption);
  // The release decides about the click (hit test, groups, auto repeat);
  // the class library's own click on release would be a second one.
  controlStyle_.Exclude(csClickEvents);
  buttonLayout_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  fontFx_->SetOnChange(TNotifyEvent([this](TObject* Sender) { FontChange(Sender); }));
  glyph_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

// The timers call back into the button: they go while it is still whole.
void TVyrBaseGraphicButton::BeforeDestruction() {
  *alive_ = false;
  DeActivateTimer(0);
  DeActivateTimer(1);
  Vyrctrl::TVyrBaseControl::BeforeDestruction();
}

TVyrBaseGraphicButton::~TVyrBaseGraphicButton() {
  DeActivateTimer(0);
  DeActivateTimer(1);
  buttonLayout_->SetOnChange(nullptr);
  fontFx_->SetOnChange(nullptr);
  glyph_->SetOnChange(nullptr);
}

// ---- plain properties ----

void TVyrBaseGraphicButton::SetDropDownIndent(int Value) {
  if (dropDownIndent_ == Value) return;
  dropDownIndent_ = Value;
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetDropDownRight(bool Value) {
  if (dropDownRight_ == Value) return;
  dropDownRight_ = Value;
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetEnterColor(TColor Value) {
  if (enterColor_ == Value) return;
  enterColor_ = Value;
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetEnterColorChange(bool Value) {
  if (enterColorChange_ == Value) return;
  enterColorChange_ = Value;
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetMultiLine(bool Value) {
  if (multiLine_ == Value) return;
  multiLine_ = Value;
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  if (Value)
    controlStyle_.Exclude(csOpaque);
  else
    controlStyle_.Include(csOpaque);
  Invalidate();
}

void TVyrBaseGraphicButton::SetNumGlyphs(int Value) {
  if (Value == glyph_->GetNumGlyphs()) return;
  glyph_->SetNumGlyphs(Value);
  RepaintNow();
}

void TVyrBaseGraphicButton::SetGlyphStyle(TVyrGlyphStyle Value) { glyph_->SetStyle(Value); }

// ---- the drop-down part ----

void TVyrBaseGraphicButton::UpdateDropDownComboActive() {
  dropDownComboActive_ = dropDownMenu_ && dropDownCombo_;
}

namespace {

// The drop-down part is a strip of the button: as wide as a control can
// be at most, never negative, whatever a form says.
constexpr int kMaxDropDownComboWidth = 32767;

}  // namespace

void TVyrBaseGraphicButton::WidenBy(int Difference) {
  const long long width = std::clamp<long long>(static_cast<long long>(width_) + Difference, 0, INT_MAX);
  SetBounds(left_, top_, static_cast<int>(width), height_);
}

void TVyrBaseGraphicButton::SetDropDownCombo(bool Value) {
  if (dropDownCombo_ == Value) return;
  dropDownCombo_ = Value;
  if (!Loading()) WidenBy(Value ? dropDownComboWidth_ : -dropDownComboWidth_);
  UpdateDropDownComboActive();
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetDropDownComboWidth(int Value) {
  Value = std::clamp(Value, 0, kMaxDropDownComboWidth);
  if (dropDownComboWidth_ == Value) return;
  const int difference = Value - dropDownComboWidth_;
  dropDownComboWidth_ = Value;
  if (!Loading() && dropDownCombo_) WidenBy(difference);
  UpdateDropDownComboActive();
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::SetDropDownMenu(TPopupMenu* Value) {
  if (dropDownMenu_ == Value) return;
  if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
  dropDownMenu_ = Value;
  if (Value) Value->FreeNotification(this);
  UpdateDropDownComboActive();
  GetChange(nullptr);
}

void TVyrBaseGraphicButton::Loaded() {
  Vyrctrl::TVyrBaseControl::Loaded();
  UpdateDropDownComboActive();
}

void TVyrBaseGraphicButton::Notification(TComponent* AComponent, TOperation Operation) {
  Vyrctrl::TVyrBaseControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == dropDownMenu_) {
    dropDownMenu_ = nullptr;
    UpdateDropDownComboActive();
  }
}

// ---- glyph sources ----

bool TVyrBaseGraphicButton::IsCustom() const { return GetImageList() == nullptr; }

void TVyrBaseGraphicButton::SetGlyph(TBitmap* Value) {
  VyrSetOwnGlyph(glyph_.get(), GetImageLink(), Value, Loading());
  Invalidate();
}

void TVyrBaseGraphicButton::GetIMLChange(TObject*) {
  VyrGlyphFromList(glyph_.get(), GetImageLink());
  Invalidate();
}

void TVyrBaseGraphicButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  Vyrctrl::TVyrBaseControl::ActionChange(Sender, CheckDefaults);
  if (ActionChangeable()) VyrGlyphFromAction(glyph_.get(), Sender);
}

// ---- drawing helpers ----

bool TVyrBaseGraphicButton::CheckOptimized() { return transparent_ && Vyrctrl::VyrParentServesBack(GetParent()); }

void TVyrBaseGraphicButton::Invalidate() { TControl::Invalidate(); }

void TVyrBaseGraphicButton::RepaintNow() {
  if (Loading()) return;
  if (transparent_ && !CheckOptimized()) {
    Invalidate();
    return;
  }
  // A direct paint draws on the parent's surface, which must be there.
  if (GetParent() && GetParent()->HandleAllocated() && GetShowing()) Paint();
}

void TVyrBaseGraphicButton::DrawGlyphAndText(TCanvas* Canvas, const TRect& Rect) {
  Canvas->SetFont(GetFont());
  const bool hot = state_ == TVyrButtonState::bsMouseOver || state_ == TVyrButtonState::bsOptionSet ||
                   state_ == TVyrButtonState::bsDown || state_ == TVyrButtonState::bsDragOver ||
                   state_ == TVyrButtonState::bsDropDownOpen;
  if (hot && allowMouseOver_ && enterColorChange_) Canvas->GetFont()->SetColor(enterColor_);
  Vyrgraph::TVyrDrawTextStyles styles{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled,
                                      TVyrDrawTextStyle::dt3DDisabled};
  glyph_->DrawButtonGlyphAndText(Canvas, GetCaption(), fontFx_.get(), Rect, state_, buttonLayout_.get(), multiLine_,
                                 true, true, styles, static_cast<int>(DrawTextBiDiModeFlags(0)));
}

// ---- font ----

void TVyrBaseGraphicButton::FontChange(TObject* Sender) {
  if (Loading()) return;
  GetCanvas()->SetFont(GetFont());
  VyrResolveFontAngle(GetFont(), fontFx_.get(), Sender);
  GetChange(Sender);
}

// ---- messages ----

void TVyrBaseGraphicButton::EnabledChanged() {
  if (GetEnabled()) {
    state_ = pressed_ ? TVyrButtonState::bsOptionSet : TVyrButtonState::bsUp;
  } else {
    state_ = pressed_ ? TVyrButtonState::bsDisabledDown : TVyrButtonState::bsDisabledUp;
    // A disabled button neither tracks nor repeats: its timers would run
    // on with nothing to do.
    tracking_ = false;
    DeActivateTimer(0);
    DeActivateTimer(1);
  }
  Invalidate();
}

void TVyrBaseGraphicButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR: DialogChar(Message); return;
    case CM_ENABLEDCHANGED: EnabledChanged(); return;
    case CM_TEXTCHANGED:
      if (transparent_)
        RepaintNow();
      else
        Invalidate();
      return;
    case CM_FONTCHANGED:
      FontChange(GetFont());
      if (transparent_)
        RepaintNow();
      else
        Vyrctrl::TVyrBaseControl::Dispatch(Message);
      return;
    case CM_VYRBUTTONPRESSED: GroupMessage(Message); return;
  }
  Vyrctrl::TVyrBaseControl::Dispatch(Message);
}

}  // namespace Vyrbtn
