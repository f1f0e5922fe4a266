// Unit vyrbtn: the library's window-less push buttons. TVyrBaseGraphicButton
// is the engine every graphic button shares: a state machine over the
// button states, mouse tracking with an optional pixel-exact hit test, a
// hot-track and an auto-repeat timer from the application's timer pool,
// exclusive groups, a drop-down popup menu with an optional separate
// drop-down part, accelerators, and glyph and caption drawn through the
// glyph holder. The speed buttons paint their face in one of the user button
// styles.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "controlcanvas.h"
#include "menus.h"
#include "stdctrls_button.h"
#include "unitstartup.h"
#include "vyrctrl.h"
#include "vyrctrla.h"
#include "vyrglyph.h"
#include "vyrstdcs.h"
#include "vyrgraph.h"

class TBitmap;

namespace Vyrcont {
class TVyrCustomImageList;
}

namespace Vyrbtn {

using Vyrglyph::TVyrGlyphStyle;
using Vyrgraph::TVyrButtonState;
using Vyrgraph::TVyrUserButtonStyle;

// The built-in glyph of a speed button.
enum class TVyrGlyphKind { gkCustom, gkEllipsis, gkFile, gkFolder, gkCalculator, gkCalender, gkSearch, gkColor, gkFont };

// Broadcast to the parent's controls when a group member is pressed or its
// group settings change: WParam the group index, LParam the sender.
constexpr UINT CM_VYRBUTTONPRESSED = 0xB018;

// The built-in glyph picture: one 13 x 14 cell per kind from gkEllipsis to
// gkFont, side by side (104 x 14), on clOlive.
void VyrDrawGlyphKindStrip(TBitmap* Strip);
// Bitmap becomes Kind's 13 x 14 cell of the picture (the ellipsis for
// gkCustom).
void VyrGetGlyphKind(TBitmap* Bitmap, TVyrGlyphKind Kind);

class TVyrBaseGraphicButton : public Vyrctrl::TVyrBaseControl {
  MORVANT_PUBLISHED(TVyrBaseGraphicButton, Vyrctrl::TVyrBaseControl)
 public:
  explicit TVyrBaseGraphicButton(TComponent* AOwner);
  ~TVyrBaseGraphicButton() override;
  void BeforeDestruction() override;

  // ---- properties ----
  bool GetAllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  bool GetAllowMouseOver() const { return allowMouseOver_; }
  void SetAllowMouseOver(bool Value) { allowMouseOver_ = Value; }
  bool GetAllowTransparency() const { return allowTransparency_; }
  void SetAllowTransparency(bool Value) { allowTransparency_ = Value; }
  Vyrgraph::TVyrButtonLayout* GetButtonLayout() const { return buttonLayout_.get(); }
  void SetButtonLayout(Vyrgraph::TVyrButtonLayout* Value) { buttonLayout_->Assign(Value); }
  Vyrgraph::TVyrFxCaption* GetFontFx() const { return fontFx_.get(); }
  void SetFontFx(Vyrgraph::TVyrFxCaption* Value) { fontFx_->Assign(Value); }
  bool GetRepeatedClick() const { return repeatedClick_; }
  void SetRepeatedClick(bool Value) { repeatedClick_ = Value; }
  Word GetRepeatingInterval() const { return repeatingInterval_; }
  void SetRepeatingInterval(Word Value) { repeatingInterval_ = Value; }
  bool GetDropDownCombo() const { return dropDownCombo_; }
  void SetDropDownCombo(bool Value);
  int GetDropDownComboWidth() const { return dropDownComboWidth_; }
  void SetDropDownComboWidth(int Value);
  bool GetHideHint() const { return hideHint_; }
  void SetHideHint(bool Value) { hideHint_ = Value; }
  TPopupMenu* GetDropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* Value);
  int GetDropDownIndent() const { return dropDownIndent_; }
  void SetDropDownIndent(int Value);
  bool GetDropDownRight() const { return dropDownRight_; }
  void SetDropDownRight(bool Value);
  TColor GetEnterColor() const { return enterColor_; }
  void SetEnterColor(TColor Value);
  bool GetEnterColorChange() const { return enterColorChange_; }
  void SetEnterColorChange(bool Value);
  TBitmap* GetGlyph() const { return glyph_->GetGlyph(); }
  void SetGlyph(TBitmap* Value);
  int GetNumGlyphs() const { return glyph_->GetNumGlyphs(); }
  void SetNumGlyphs(int Value);
  Vyrglyph::TVyrGlyph* GetGlyphHolder() const { return glyph_.get(); }
  TVyrGlyphStyle GetGlyphStyle() const { return glyph_->GetStyle(); }
  int GetGroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  bool GetMouseOver() const { return mouseOver_; }
  void SetMouseOver(bool Value);
  bool GetMultiLine() const { return multiLine_; }
  void SetMultiLine(bool Value);
  bool GetPressed() const { return pressed_; }
  void SetPressed(bool Value);
  bool GetTracking() const { return tracking_; }
  // The pool idents of the hot-track (0) and auto-repeat (1) timers; 0
  // while a timer does not run.
  Word GetHotTimer() const { return timers_[0]; }
  Word GetRepeatTimer() const { return timers_[1]; }
  bool GetDropDownComboActive() const { return dropDownComboActive_; }
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);
  TVyrButtonState GetState() const { return state_; }
  TVyrButtonState GetPreviousState() const { return previousState_; }
  std::uint8_t GetPressedOffset() const { return pressedOffset_; }
  // The published index setters: they repaint (the base's SetImageIndex
  // only stores).
  void SetImageIndexValue(int Value) { SetIndex(0, Value); }
  void SetListIndexValue(int Value) { SetIndex(1, Value); }

  // ---- virtual hooks of the derived buttons ----
  // Whether Glyph goes into the form text: not while an image list
  // provides it.
  virtual bool IsCustom() const;
  virtual bool ActionChangeable() const { return true; }
  virtual void DoRepeatedClick() { Click(); }
  virtual bool ShapeButtonColorChange() const { return false; }
  // Whether client point (X, Y) belongs to the button.
  virtual bool VerifyTransparency(int X, int Y);
  // The hot-track timer: back to bsUp once the cursor has left.
  virtual void VerifyMouseOver(TObject* Sender);

  // The only way the mouse code changes State.
  void StateChange(TVyrButtonState New);
  // Opens the drop-down menu below (or right of) the button and waits for
  // it to close.
  void DropDown();
  using TControl::Click;

  bool CheckOptimized() override;
  void GetIMLChange(TObject* Sender) override;
  // A plain invalidation of the button's rectangle.
  void Invalidate() override;

  TNotifyEvent OnDropDown;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The action's image becomes the glyph while ActionChangeable.
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseExit() override;

  // Whether the face itself changes between bsUp and bsMouseOver, so that
  // the hot look needs a repaint whatever the glyph.
  virtual bool HotFaceDiffers() const { return false; }
  // Whether a change of MouseOver alone changes the picture.
  virtual bool MouseOverRepaints() const { return false; }

  // Paints now where that is safe (opaque, or with the background served),
  // else invalidates.
  void RepaintNow();
  void DrawGlyphAndText(TCanvas* Canvas, const TRect& Rect);
  void FontChange(TObject* Sender);
  // Index 0 hot track, 1 auto repeat; a busy slot or another index is left
  // alone. EOutOfResources when the pool has no timer left.
  void ActivateTimer(int Index, Word Interval, const TNotifyEvent& Handler);
  void DeActivateTimer(int Index);
  void ExecuteRepeatedClick(TObject* Sender);
  // Client point (X, Y) over the button.
  bool HitTest(int X, int Y);
  // The cursor in client coordinates, read from the screen.
  TPoint CursorInClient() const;
  void UpdateDropDownComboActive();
  // DropDown, answering whether the button is still there afterwards: the
  // chosen item (or OnDropDown) may have freed it.
  bool OpenDropDown();
  // The width grows (or shrinks) by Difference, kept within 0 .. INT_MAX.
  void WidenBy(int Difference);
  void SetGlyphStyle(TVyrGlyphStyle Value);

  TVyrButtonState state_ = TVyrButtonState::bsUp;
  TVyrButtonState previousState_ = TVyrButtonState::bsUp;
  std::uint8_t pressedOffset_ = 0;

 private:
  // Stores the flag and repaints where the picture depends on it.
  void StoreMouseOver(bool Value);
  void InformOptionSet();
  void GroupMessage(TMessage& Message);
  void DialogChar(TMessage& Message);
  void EnabledChanged();
  // The post-click hit test of buttons whose picture changes on release.
  void MouseUpHitTest(TVyrButtonState Result, bool Handled);

  bool allowAllUp_ = false;
  bool allowMouseOver_ = false;
  bool allowTransparency_ = true;
  std::unique_ptr<Vyrgraph::TVyrButtonLayout> buttonLayout_;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> fontFx_;
  bool repeatedClick_ = false;
  Word repeatingInterval_ = 100;
  bool dropDownCombo_ = false;
  int dropDownComboWidth_ = 12;
  bool hideHint_ = true;
  TPopupMenu* dropDownMenu_ = nullptr;
  int dropDownIndent_ = 0;
  bool dropDownRight_ = false;
  TColor enterColor_ = clCaptionText;
  bool enterColorChange_ = false;
  std::unique_ptr<Vyrglyph::TVyrGlyph> glyph_;
  int groupIndex_ = 0;
  bool mouseOver_ = false;
  bool multiLine_ = false;
  bool pressed_ = false;
  bool tracking_ = false;
  Word timers_[2] = {0, 0};
  int releaseTest_ = 0;
  bool dropDownComboActive_ = false;
  bool transparent_ = false;
  // False once the button is being destroyed; a copy outlives it, so that
  // code running a handler that freed the button can tell.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class TVyrCustomSpeedButton : public TVyrBaseGraphicButton {
  MORVANT_PUBLISHED(TVyrCustomSpeedButton, TVyrBaseGraphicButton)
 public:
  explicit TVyrCustomSpeedButton(TComponent* AOwner);

  TVyrUserButtonStyle GetStyle() const { return style_; }
  void SetStyle(TVyrUserButtonStyle Value);
  TVyrGlyphKind GetGlyphKind() const { return glyphKind_; }
  void SetGlyphKind(TVyrGlyphKind Value);

  bool IsCustom() const override;
  bool ActionChangeable() const override { return glyphKind_ == TVyrGlyphKind::gkCustom; }
  void GetIMLChange(TObject* Sender) override;

 protected:
  void Paint() override;
  bool HotFaceDiffers() const override;
  bool MouseOverRepaints() const override;

 private:
  TVyrUserButtonStyle style_ = TVyrUserButtonStyle::ubsAutoDetect;
  TVyrGlyphKind glyphKind_ = TVyrGlyphKind::gkCustom;
};

// The frame depth a speed-button style draws (ubsAutoDetect as the
// platform's look): the glyph and caption sit this far inside the face.
int VyrSpeedButtonFrameKind(TVyrUserButtonStyle Style);
// Whether a speed-button style shows the glyph grey until the cursor is
// over it (the glyph style gsExplorer).
bool VyrStyleUnColors(TVyrUserButtonStyle Style);

class TVyrSpeedButton : public TVyrCustomSpeedButton {
  MORVANT_COMPONENT(TVyrSpeedButton, TVyrCustomSpeedButton)
 public:
  explicit TVyrSpeedButton(TComponent* AOwner) : TVyrCustomSpeedButton(AOwner) {}
};

// A flat speed button that is never opaque.
class TVyrOfficeButton : public TVyrCustomSpeedButton {
  MORVANT_COMPONENT(TVyrOfficeButton, TVyrCustomSpeedButton)
 public:
  explicit TVyrOfficeButton(TComponent* AOwner);
};

// A transparent flat button whose glyph is grey until the cursor is over
// it (UnColorMain).
class TVyrExplorerButton : public TVyrOfficeButton {
  MORVANT_COMPONENT(TVyrExplorerButton, TVyrOfficeButton)
 public:
  explicit TVyrExplorerButton(TComponent* AOwner);

  bool GetUnColorMain() const { return GetGlyphStyle() == TVyrGlyphStyle::gsExplorer; }
  void SetUnColorMain(bool Value);

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;

 private:
  void ReadTransparent(TReader* Reader);

  // The value a form gave, applied again once it is read: a Style that
  // comes after it in the form sets the glyph style too.
  std::optional<bool> unColorMainRead_;
};

// ---- glyph sources, shared by the speed and the windowed buttons ----

// The linked list's item becomes the glyph; without one the glyph is
// cleared.
void VyrGlyphFromList(Vyrglyph::TVyrGlyph* Glyph, const Vyrcctrl::TVyrImageLink& Link);
// A glyph of the button's own: unless loading, it replaces the list.
void VyrSetOwnGlyph(Vyrglyph::TVyrGlyph* Glyph, Vyrcctrl::TVyrImageLink& Link, TBitmap* Value, bool Loading);
// A built-in kind: one cell of the built-in picture; gkCustom: the list's.
void VyrGlyphOfKind(Vyrglyph::TVyrGlyph* Glyph, TVyrGlyphKind Kind, const Vyrcctrl::TVyrImageLink& Link);
// Whether the glyph goes into the form text: not while a list gives it.
bool VyrGlyphIsCustom(const Vyrcctrl::TVyrImageLink& Link, TVyrGlyphKind Kind);
// The action's image (of its list's images, when those are one of the
// library's image lists) becomes the glyph of an empty holder; an action
// without a usable image clears it.
void VyrGlyphFromAction(Vyrglyph::TVyrGlyph* Glyph, TObject* Action);
// A rotated caption needs a TrueType face: the side that changed last
// (Sender) decides which of the two gives way.
void VyrResolveFontAngle(TFont* Font, Vyrgraph::TVyrFxCaption* FontFx, TObject* Sender);

// ---- the windowed button ----

// The face styles of the windowed button; they have the ordinals of the
// user button styles they stand for.
enum class TVyrNormalButtonStyle { nbsAutoDetect, nbsWin31, nbsWin40 };

// An owner-drawn push button: its face through the button-face routine,
// glyph and caption through the glyph holder, with auto-repeat clicks, a
// drop-down menu and mouse enter/exit events.
class TVyrCustomButton : public TButton {
  MORVANT_PUBLISHED(TVyrCustomButton, TButton)
 public:
  explicit TVyrCustomButton(TComponent* AOwner);
  ~TVyrCustomButton() override;
  void BeforeDestruction() override;

  Vyrgraph::TVyrButtonLayout* GetButtonLayout() const { return buttonLayout_.get(); }
  void SetButtonLayout(Vyrgraph::TVyrButtonLayout* Value) { buttonLayout_->Assign(Value); }
  Vyrgraph::TVyrFxCaption* GetFontFx() const { return fontFx_.get(); }
  void SetFontFx(Vyrgraph::TVyrFxCaption* Value) { fontFx_->Assign(Value); }
  TBitmap* GetGlyph() const { return glyph_->GetGlyph(); }
  void SetGlyph(TBitmap* Value);
  int GetNumGlyphs() const { return glyph_->GetNumGlyphs(); }
  void SetNumGlyphs(int Value);
  Vyrglyph::TVyrGlyph* GetGlyphHolder() const { return glyph_.get(); }
  TVyrGlyphKind GetGlyphKind() const { return glyphKind_; }
  void SetGlyphKind(TVyrGlyphKind Value);
  TPopupMenu* GetDropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* Value);
  int GetDropDownIndent() const { return dropDownIndent_; }
  void SetDropDownIndent(int Value);
  bool GetDropDownRight() const { return dropDownRight_; }
  void SetDropDownRight(bool Value);
  bool GetDroppedDown() const { return droppedDown_; }
  bool GetDefaultLook() const { return defaultLook_; }
  bool GetMouseInside() const { return mouseInside_; }
  bool GetMultiLine() const { return multiLine_; }
  void SetMultiLine(bool Value);
  bool GetRepeatedClick() const { return repeatedClick_; }
  void SetRepeatedClick(bool Value) { repeatedClick_ = Value; }
  Word GetRepeatingInterval() const { return repeatingInterval_; }
  void SetRepeatingInterval(Word Value) { repeatingInterval_ = Value; }
  TVyrButtonState GetState() const { return state_; }
  TVyrNormalButtonStyle GetStyle() const { return style_; }
  void SetStyle(TVyrNormalButtonStyle Value);
  Word GetRepeatTimer() const { return repeatTimer_; }
  bool GetHideHint() const { return hideHint_; }
  void SetHideHint(bool Value) { hideHint_ = Value; }
  Vyrcont::TVyrCustomImageList* GetImageList() const { return imageLink_.GetImageList(); }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value) { imageLink_.SetImageList(Value); }
  int GetImageIndex() const { return imageLink_.GetImageIndex(); }
  int GetListIndex() const { return imageLink_.GetListIndex(); }
  // Which 0: ImageIndex, 1: ListIndex; negative or equal values are ignored.
  void SetIndex(int Which, int Value) { imageLink_.SetIndex(Which, Value); }
  void SetImageIndexValue(int Value) { SetIndex(0, Value); }
  void SetListIndexValue(int Value) { SetIndex(1, Value); }
  bool IMLEmpty() const { return imageLink_.IMLEmpty(); }
  Vyrcctrl::TVyrImageLink& GetImageLink() { return imageLink_; }
  HPALETTE GetPalette() const;

  // The stored-test of Glyph.
  bool IsCustom() const { return VyrGlyphIsCustom(imageLink_, glyphKind_); }
  void Click() override;
  virtual void DoRepeatedClick() { Click(); }
  // Opens the drop-down menu under (or right of) the button, pushed while
  // it is open.
  void DropDown();
  void GetChange(TObject* Sender);
  void GetIMLChange(TObject* Sender);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnDropDown;
  TNotifyEvent OnMouseExit;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void SetButtonStyle(bool ADefault) override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Dispatch(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  virtual void BoundsChange(Vyrctrl::TVyrBoundsChangeStates /*State*/) {}
  void DrawItem(const DRAWITEMSTRUCT& Item);
  void ExecuteRepeatedClick(TObject* Sender);
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

 private:
  void StartRepeat();
  void StopRepeat();

  std::unique_ptr<Vyrgraph::TVyrButtonLayout> buttonLayout_;
  TControlCanvas canvas_;
  std::unique_ptr<Vyrglyph::TVyrGlyph> glyph_;
  TPopupMenu* dropDownMenu_ = nullptr;
  int dropDownIndent_ = 0;
  bool dropDownRight_ = false;
  bool droppedDown_ = false;
  TVyrGlyphKind glyphKind_ = TVyrGlyphKind::gkCustom;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> fontFx_;
  bool defaultLook_ = false;
  bool mouseInside_ = false;
  bool multiLine_ = false;
  bool repeatedClick_ = false;
  Word repeatingInterval_ = 100;
  TVyrButtonState state_ = TVyrButtonState::bsUp;
  TVyrNormalButtonStyle style_ = TVyrNormalButtonStyle::nbsAutoDetect;
  Word repeatTimer_ = 0;
  bool hideHint_ = true;
  Vyrcctrl::TVyrImageLink imageLink_;
};

class TVyrButton : public TVyrCustomButton {
  MORVANT_COMPONENT(TVyrButton, TVyrCustomButton)
 public:
  explicit TVyrButton(TComponent* AOwner) : TVyrCustomButton(AOwner) {}
};

// ---- the image-face button ----

// The class the image-face and picture buttons publish as ButtonFace: it
// holds nothing; forms of old carry the face list's ident under its name.
class TVyrButtonFace : public TPersistent {
  MORVANT_CLASS(TVyrButtonFace, TPersistent)
 public:
  TVyrButtonFace() = default;
};

// One face: the item ImageIndex of the list ListIndex.
struct TVyrButtonFaceIndex {
  int ListIndex = 0;
  int ImageIndex = 0;
  bool operator==(const TVyrButtonFaceIndex& Other) const {
    return ListIndex == Other.ListIndex && ImageIndex == Other.ImageIndex;
  }
};
inline TVyrButtonFaceIndex VyrFaceIndex(int ListIndex, int ImageIndex) { return {ListIndex, ImageIndex}; }
// One face per button state, in the order of the states.
using TVyrButtonFaceIndices = std::array<TVyrButtonFaceIndex, 8>;

// A graphic button whose face is an image-list picture per state, with a
// fixed fall-back order and a hit test against the face's background
// colour.
class TVyrCustomMMButton : public TVyrBaseGraphicButton {
  MORVANT_PUBLISHED(TVyrCustomMMButton, TVyrBaseGraphicButton)
 public:
  explicit TVyrCustomMMButton(TComponent* AOwner);

  TVyrButtonFace* GetButtonFace() const { return nullptr; }
  Vyrcont::TVyrCustomImageList* GetButtonFaceImageList() const { return faceLink_.GetImageList(); }
  void SetButtonFaceImageList(Vyrcont::TVyrCustomImageList* Value);
  Vyrcctrl::TVyrImageLink& GetFaceLink() { return faceLink_; }
  TVyrButtonFaceIndex GetButtonFaceIndex(TVyrButtonState State) const { return faces_[static_cast<int>(State)]; }
  // Repaints when it is the face of the current state.
  void SetButtonFaceIndex(TVyrButtonState State, TVyrButtonFaceIndex Value);
  const TVyrButtonFaceIndices& GetButtonFaceIndices() const { return faces_; }
  void SetButtonFaceIndices(const TVyrButtonFaceIndices& Value);
  // No list, or the list holds no item of the state's pair.
  bool ButtonFaceIMLEmpty(TVyrButtonState State) const;
  int GetCaptionDown() const { return captionDown_; }
  void SetCaptionDown(int Value) { captionDown_ = Value; }
  TColor GetTransColor() const { return transColor_; }
  void SetTransColor(TColor Value) { transColor_ = Value; }
  // TransColor from the list's transparent colour of the bsUp face.
  void SetTransCol();
  bool GetForceTransparent() const { return forceTransparent_; }
  void SetForceTransparent(bool Value);
  bool GetQuickDraw() const { return quickDraw_; }
  void SetQuickDraw(bool Value);
  Vyrctrla::TVyrBitmapStyle GetButtonFaceStyle() const { return faceStyle_; }
  void SetButtonFaceStyle(Vyrctrla::TVyrBitmapStyle Value);
  // What the last paint's face covered; empty when it drew none.
  TRect GetFaceRect() const { return faceRect_; }
  // The drawing flags of the face for the list's DrawExt.
  std::uint16_t FaceFlags() const;
  HPALETTE GetPalette() const;

  virtual void GetButtonFaceIMLChange(TObject* Sender) { GetChange(Sender); }
  bool GetEmpty() override { return faceLink_.GetImageList() == nullptr; }
  bool VerifyTransparency(int X, int Y) override;

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  bool HotFaceDiffers() const override { return true; }

 private:
  // The face the paint takes for the current state, the fall-back
  // included; false when there is none.
  bool ChosenFace(TVyrButtonFaceIndex& Face) const;
  void ReadIndices(TStream* Stream);
  void WriteIndices(TStream* Stream);
  void ReadTransCol(TStream* Stream);
  void WriteTransCol(TStream* Stream);
  void ReadLegacyIndices(TReader* Reader);
  void ReadLegacyTransCol(TReader* Reader);

  Vyrcctrl::TVyrImageLink faceLink_;
  TVyrButtonFaceIndices faces_{};
  int captionDown_ = 1;
  TColor transColor_ = static_cast<TColor>(0xFFFFFF);
  bool forceTransparent_ = true;
  bool quickDraw_ = false;
  Vyrctrla::TVyrBitmapStyle faceStyle_ = Vyrctrla::TVyrBitmapStyle::sbNone;
  TRect faceRect_;
};

class TVyrMMButton : public TVyrCustomMMButton {
  MORVANT_COMPONENT(TVyrMMButton, TVyrCustomMMButton)
 public:
  explicit TVyrMMButton(TComponent* AOwner) : TVyrCustomMMButton(AOwner) {}
};

// ---- the docked buttons ----

using Vyrstdcs::TVyrDockPosition;

// Sent by a docked windowed button to itself when its control's window
// went: the button's own new window hooks the control's new one.
constexpr UINT CM_VYRDOCKREHOOK = CM_BASE + 102;

// A button's docking to a windowed control beside it: it sits on one side
// at a distance, optionally takes the control's height or width, follows
// it as it moves, resizes, hides or is disabled, and moves it along when
// the button moves. The docked speed buttons and the docked windowed
// button hold one.
class TVyrButtonDocking : private Vyrstdcs::TVyrDockClient {
 public:
  // WindowGone runs when the control's window is destroyed and the button
  // itself stays.
  TVyrButtonDocking(TControl* Button, std::function<void()> WindowGone);

  bool GetBoolean(int Index) const;
  // 0 AdjustDockedSize, 1 Docked, 2 ReflectOwnChanges.
  void SetBoolean(int Index, bool Value);
  TWinControl* GetControl() const { return control_; }
  void SetControl(TWinControl* Value);
  TVyrDockPosition GetPosition() const { return position_; }
  void SetPosition(TVyrDockPosition Value);
  int GetMargin() const { return margin_; }
  void SetMargin(int Value);
  bool HasControl() const { return docked_ && control_; }

  // Hooks the control and places the button (not while loading).
  void DockControl();
  void InitWndProc();
  void RestoreWndProc() { hook_.Restore(); }
  void AdjustToControl();
  void AdjustToButton();
  // The control forgotten, without a word to anyone.
  void Forget() { control_ = nullptr; }
  // For the button's Notification: the control going.
  void Removed(TComponent* AComponent);
  // The button is being destroyed: the hook lets go for good.
  void Retire();
  // Forms of old stored AdjustDockedSize as "AdjustSize".
  void DefineAdjustSize(TFiler* Filer);

 private:
  void DockedControlMoved() override { AdjustToControl(); }
  void DockedControlEnabled(bool Enabled) override;
  void DockedControlShown(bool Shown) override;
  void DockedWindowDestroyed() override;
  bool Loading() const;

  TControl* button_;
  std::function<void()> windowGone_;
  bool adjustDockedSize_ = true;
  bool adjusting_ = false;
  bool docked_ = true;
  bool retired_ = false;
  bool reflectOwnChanges_ = true;
  TWinControl* control_ = nullptr;
  TVyrDockPosition position_ = TVyrDockPosition::dpRight;
  int margin_ = 1;
  Vyrstdcs::TVyrDockHook hook_{*this};
};

// A speed button docked beside a windowed control.
class TVyrDockSpeedButton : public TVyrCustomSpeedButton {
  MORVANT_COMPONENT(TVyrDockSpeedButton, TVyrCustomSpeedButton)
 public:
  explicit TVyrDockSpeedButton(TComponent* AOwner);
  void BeforeDestruction() override;

  TVyrButtonDocking& GetDocking() { return docking_; }
  bool GetAdjustDockedSize() const { return docking_.GetBoolean(0); }
  void SetAdjustDockedSize(bool Value) { docking_.SetBoolean(0, Value); }
  bool GetDocked() const { return docking_.GetBoolean(1); }
  void SetDocked(bool Value) { docking_.SetBoolean(1, Value); }
  bool GetReflectOwnChanges() const { return docking_.GetBoolean(2); }
  void SetReflectOwnChanges(bool Value) { docking_.SetBoolean(2, Value); }
  TWinControl* GetControl() const { return docking_.GetControl(); }
  void SetControl(TWinControl* Value) { docking_.SetControl(Value); }
  TVyrDockPosition GetPosition() const { return docking_.GetPosition(); }
  void SetPosition(TVyrDockPosition Value) { docking_.SetPosition(Value); }
  int GetMargin() const { return docking_.GetMargin(); }
  void SetMargin(int Value) { docking_.SetMargin(Value); }

 protected:
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TVyrButtonDocking docking_;
};

class TVyrDockOfficeButton : public TVyrDockSpeedButton {
  MORVANT_COMPONENT(TVyrDockOfficeButton, TVyrDockSpeedButton)
 public:
  explicit TVyrDockOfficeButton(TComponent* AOwner);
};

// A windowed button docked beside a windowed control.
class TVyrDockButton : public TVyrCustomButton {
  MORVANT_COMPONENT(TVyrDockButton, TVyrCustomButton)
 public:
  explicit TVyrDockButton(TComponent* AOwner);
  void BeforeDestruction() override;

  TVyrButtonDocking& GetDocking() { return docking_; }
  bool GetAdjustDockedSize() const { return docking_.GetBoolean(0); }
  void SetAdjustDockedSize(bool Value) { docking_.SetBoolean(0, Value); }
  bool GetDocked() const { return docking_.GetBoolean(1); }
  void SetDocked(bool Value) { docking_.SetBoolean(1, Value); }
  bool GetReflectOwnChanges() const { return docking_.GetBoolean(2); }
  void SetReflectOwnChanges(bool Value) { docking_.SetBoolean(2, Value); }
  TWinControl* GetControl() const { return docking_.GetControl(); }
  // Not to itself.
  void SetControl(TWinControl* Value);
  TVyrDockPosition GetPosition() const { return docking_.GetPosition(); }
  void SetPosition(TVyrDockPosition Value) { docking_.SetPosition(Value); }
  int GetMargin() const { return docking_.GetMargin(); }
  void SetMargin(int Value) { docking_.SetMargin(Value); }

 protected:
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;
  void CreateWnd() override;
  void DefineProperties(TFiler* Filer) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TVyrButtonDocking docking_;
};

// Registers the unit's published classes with the form streams.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrbtn", &Initialize, &Finalize};

}  // namespace Vyrbtn
