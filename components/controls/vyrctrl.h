// The window-less root of the library's controls and the bases built on
// both roots: graphic controls with a transparent mode and a bevel, the
// handle class, the ini and container components, and the panels that
// pass on or provide the background bitmap of the background chain.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>

#include "graphiccontrol.h"
#include "stdctrls_types.h"
#include "unitstartup.h"
#include "vyrcctrl.h"
#include "vyrclass.h"
#include "vyrgraph.h"

class TBitmap;
class TForm;

namespace Vyrctrl {

using Vyrcctrl::TVyrCustomControl;
using Vyrcctrl::TVyrImageLink;

enum class TVyrBoundsChangeState { bcSize, bcPos };
using TVyrBoundsChangeStates = TSet<TVyrBoundsChangeState>;
using TVyrOnBoundsChangeEvent = TClosure<void(TObject* Sender, TVyrBoundsChangeStates State)>;

// ---- window-less controls ----

class TVyrBaseControl : public TGraphicControl {
  MORVANT_PUBLISHED(TVyrBaseControl, TGraphicControl)
 public:
  explicit TVyrBaseControl(TComponent* AOwner);
  ~TVyrBaseControl() override;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  Vyrcont::TVyrCustomImageList* GetImageList() const { return imageLink_.GetImageList(); }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value) { imageLink_.SetImageList(Value); }
  int GetImageIndex() const { return imageLink_.GetImageIndex(); }
  // Stores the index without a repaint; the published setter is SetIndex.
  void SetImageIndex(int Value) { imageLink_.StoreImageIndex(Value); }
  int GetListIndex() const { return imageLink_.GetListIndex(); }
  void SetIndex(int Which, int Value) { imageLink_.SetIndex(Which, Value); }
  bool IMLEmpty() const { return imageLink_.IMLEmpty(); }
  TVyrImageLink& GetImageLink() { return imageLink_; }
  const TVyrImageLink& GetImageLink() const { return imageLink_; }

  virtual bool CheckOptimized() { return false; }
  virtual void GetChange(TObject* Sender);
  virtual bool GetEmpty() { return true; }
  virtual void GetIMLChange(TObject* Sender) { GetChange(Sender); }

  // (X, Y) of the parent's client area in the coordinates of the provider
  // of the parent's background.
  TPoint BackMapPoint(int X, int Y) const;
  void GetScreenRect(TRect& Rect) const;

  TNotifyEvent OnMouseExit;
  TVyrOnBoundsChangeEvent OnBoundsChange;

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

  virtual void BoundsChange(TVyrBoundsChangeStates State);
  virtual void MouseEnter();
  virtual void MouseExit();

  void DrawDashedFrame();
  void FillControl();
  // The shared background of every window-less control: when CheckOptimized,
  // the piece of the provider's bitmap behind the client rect is copied
  // onto the canvas. True when something was painted.
  bool PaintBackground() { return CheckOptimized() && PaintBackground(GetCanvas()); }
  // The same piece onto Target (an off-screen bitmap of the control's
  // size), whether or not the control is transparent; false when no
  // provider serves one.
  bool PaintBackground(TCanvas* Target);
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

 private:
  TVyrImageLink imageLink_;
};

class TVyrBaseGraphicControl : public TVyrBaseControl {
  MORVANT_PUBLISHED(TVyrBaseGraphicControl, TVyrBaseControl)
 public:
  explicit TVyrBaseGraphicControl(TComponent* AOwner);

  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);
  // Opaque at run time: a direct Paint now; otherwise an invalidation.
  void InvalidateControl();
  // Transparent off and opaque, without a repaint.
  void DisableTransMode();

  bool CheckOptimized() override;
  void GetChange(TObject* Sender) override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  bool transparent_ = true;
};

class TVyrGraphicControl : public TVyrBaseGraphicControl {
  MORVANT_PUBLISHED(TVyrGraphicControl, TVyrBaseGraphicControl)
 public:
  explicit TVyrGraphicControl(TComponent* AOwner);
  ~TVyrGraphicControl() override;

  Vyrgraph::TVyrBevel* GetBevel() const { return bevel_.get(); }
  void SetBevel(Vyrgraph::TVyrBevel* Value);
  int BevelExt() const { return bevel_->GetBevelExtend(); }
  int DblBevelExt() const { return 2 * BevelExt(); }
  TRect BeveledRect() const { return bevel_->ClientRect(GetClientRect()); }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<Vyrgraph::TVyrBevel> bevel_;
};

// ---- the handle class and the non-visual bases ----

class TVyrResWinControl : public TWinControl {
  MORVANT_CLASS(TVyrResWinControl, TWinControl)
 public:
  explicit TVyrResWinControl(TComponent* AOwner) : TWinControl(AOwner) {}
  using TWinControl::CreateHandle;
  void FreeResources() { DestroyHandle(); }
};

// Makes or drops the window of any windowed control; nothing for nil.
void VyrCreateHandle(TWinControl* WinControl);
void VyrFreeResources(TWinControl* WinControl);

// A component of a form that restores its state when the form is created
// and saves it when the form goes, through an ini control.
class TVyrCustomIniComponent : public Vyrclass::TVyrComponent {
  MORVANT_PUBLISHED(TVyrCustomIniComponent, Vyrclass::TVyrComponent)
 public:
  // Raises when the owner is no form; the component then never joins it.
  explicit TVyrCustomIniComponent(TComponent* AOwner);
  void AfterConstruction() override;

  Vyrclass::TVyrIniCtrl* GetIniLink() const { return iniLink_; }
  void SetIniLink(Vyrclass::TVyrIniCtrl* Value);
  AnsiString GetSection() const { return section_; }
  void SetSection(const AnsiString& Value);

 protected:
  void ReadState(TReader* Reader) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void RestoreState() {}
  virtual void SaveState() {}
  virtual void CreateSectionDefault(AnsiString& /*Section*/) {}
  void SetSectionDefault();
  void NotificationStandard(TComponent* AComponent);

 private:
  void OwnerFormCreate(TObject* Sender);
  void OwnerFormDestroy(TObject* Sender);
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

  Vyrclass::TVyrIniCtrl* iniLink_ = nullptr;
  bool linkSearch_ = false;
  AnsiString section_;
  TNotifyEvent savedOnCreate_;
  TNotifyEvent savedOnDestroy_;
};

class TVyrContainerComponent : public Vyrclass::TVyrComponent {
  MORVANT_PUBLISHED(TVyrContainerComponent, Vyrclass::TVyrComponent)
 public:
  explicit TVyrContainerComponent(TComponent* AOwner);
  ~TVyrContainerComponent() override;

  Vyrcont::TVyrCustomImageList* GetImageList() const { return imageLink_.GetImageList(); }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value) { imageLink_.SetImageList(Value); }
  int GetImageIndex() const { return imageLink_.GetImageIndex(); }
  int GetListIndex() const { return imageLink_.GetListIndex(); }
  void SetIndex(int Which, int Value) { imageLink_.SetIndex(Which, Value); }
  bool IMLEmpty() const { return imageLink_.IMLEmpty(); }
  virtual void GetIMLChange(TObject* /*Sender*/) {}

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TVyrImageLink imageLink_;
};

// ---- free routines ----

// The index among the parent form's components of the last one of class
// "TVyrFormShape"; -1 when the parent is no form or holds none.
int VyrCheckForFormShape(TControl* Control);
// TypeName less a leading 'T' or 't', followed by the smallest n >= 1 that
// no component of Owner is named (case-insensitively).
AnsiString VyrUniqueName(const AnsiString& TypeName, TComponent* Owner);

// The form shape's side of the chain (the shape of the control's parent
// form, found by VyrCheckForFormShape): whether it serves a background, the
// bitmap, and the copy of the piece behind Rect.
bool VyrFormShapeBackCheck(TWinControl* Form);
TBitmap* VyrFormShapeBackBitmap(TWinControl* Form);
bool VyrFormShapeBackDrawArea(TWinControl* Form, TCanvas* Canvas, const TRect& Rect, const TPoint& Point);
// Whether Parent (a control of the chain or a shaped form) serves its
// background to the transparent controls on it now.
bool VyrParentServesBack(TWinControl* Parent);

// ---- panels ----

class TVyrCustomPanel : public TVyrCustomControl {
  MORVANT_PUBLISHED(TVyrCustomPanel, TVyrCustomControl)
 public:
  explicit TVyrCustomPanel(TComponent* AOwner);

  bool GetLocked() const { return locked_; }
  void SetLocked(bool Value) { locked_ = Value; }

  TBitmap* BackBitmap() override;
  bool BackBitmapCheck() override;
  bool BackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point, int Flags) override;
  TPoint BackMapPoint(const TPoint& P) override;

 protected:
  // What the panel's own chain does when it owns no bitmap: ask above.
  bool PassBackCheck();
  TBitmap* PassBackBitmap();
  TPoint PassBackMapPoint(const TPoint& P);
  bool PassBackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point);

 private:
  // Half the border: what a child's point moves by on its way through.
  TPoint HalfBorder() const;

  bool locked_ = false;
};

class TVyrCustomBevelPanel : public TVyrCustomPanel {
  MORVANT_PUBLISHED(TVyrCustomBevelPanel, TVyrCustomPanel)
 public:
  explicit TVyrCustomBevelPanel(TComponent* AOwner);
  ~TVyrCustomBevelPanel() override;

  Vyrgraph::TVyrBevel* GetBevel() const { return bevel_.get(); }
  void SetBevel(Vyrgraph::TVyrBevel* Value);
  int BevelExt() const { return bevel_->GetBevelExtend(); }
  int DblBevelExt() const { return 2 * BevelExt(); }
  TRect BeveledRect() const { return bevel_->ClientRect(GetClientRect()); }

  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;

 protected:
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void CMCtl3DChanged(TMessage& Message) override;
  void Paint() override;
  void MouseEnter() override;
  void DoEnter() override;
  void RestoreBorderBack() override;
  void RestoreBorderFront() override;
  // The bevel panel's own part of GetChange, without the invalidation.
  void BevelChanged(TObject* Sender);

 private:
  std::unique_ptr<Vyrgraph::TVyrBevel> bevel_;
};

class TVyrCustomStatusBar : public TVyrCustomBevelPanel {
  MORVANT_PUBLISHED(TVyrCustomStatusBar, TVyrCustomBevelPanel)
 public:
  explicit TVyrCustomStatusBar(TComponent* AOwner) : TVyrCustomBevelPanel(AOwner) {}
  virtual int GetControlGap() { return 0; }
};

class TVyrSimplePanel : public TVyrCustomBevelPanel {
  MORVANT_COMPONENT(TVyrSimplePanel, TVyrCustomBevelPanel)
 public:
  explicit TVyrSimplePanel(TComponent* AOwner) : TVyrCustomBevelPanel(AOwner) {}
};

// A provider of the chain: the item of its image list tiled over a bitmap
// of its size, which its transparent children paint behind themselves.
class TVyrCustomParentPanel : public TVyrCustomBevelPanel {
  MORVANT_PUBLISHED(TVyrCustomParentPanel, TVyrCustomBevelPanel)
 public:
  explicit TVyrCustomParentPanel(TComponent* AOwner);
  ~TVyrCustomParentPanel() override;

  bool GetQuickDraw() const { return quickDraw_; }
  void SetQuickDraw(bool Value) { quickDraw_ = Value; }
  // The own bitmap; nil while none is made.
  TBitmap* GetBackImage() const { return back_.get(); }
  virtual HPALETTE GetPalette();

  virtual void CreateBack(bool Force);

  bool CheckOptimized() override;
  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;
  void GetIMLChange(TObject* Sender) override;
  TBitmap* BackBitmap() override;
  bool BackBitmapCheck() override;
  bool BackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point, int Flags) override;
  TPoint BackMapPoint(const TPoint& P) override;
  HPALETTE BackBitmapPalette() override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void FillControl() override;
  void WMSize(TMessage& Message) override;
  // For a panel that paints its own bitmap in place of the list's.
  std::unique_ptr<TBitmap>& OwnBack() { return back_; }

 private:
  bool quickDraw_ = false;
  std::unique_ptr<TBitmap> back_;
};

class TVyrBackPanel : public TVyrCustomParentPanel {
  MORVANT_COMPONENT(TVyrBackPanel, TVyrCustomParentPanel)
 public:
  explicit TVyrBackPanel(TComponent* AOwner) : TVyrCustomParentPanel(AOwner) {}
};

// ---- meters ----

enum class TVyrMeterTextOptions { toNoText, toCaption, toPercent };
using Vyrgraph::TVyrMeterDirection;

// The stored names of TVyrBorderStyle, for the bars' published frames.
inline const std::initializer_list<const char*> kVyrBorderStyleNames = {
    "lsNone",       "lsSingle",      "lsLowered",      "lsRaised",        "lsRaisedspb",
    "lsLoweredspb", "lsRaisedExt",   "lsLoweredExt",   "lsFrameInset",    "lsFrameOffset",
    "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised", "lsDoubleLowered"};

// A window-less value display: a range, a user value within it and the
// percent of the range it stands at, kept in step. A value change redraws
// only the bar, through one off-screen bitmap, and only once the drawn
// percent moved by Delta; a paint always draws it whole.
class TVyrBaseMeter : public TVyrGraphicControl {
  MORVANT_PUBLISHED(TVyrBaseMeter, TVyrGraphicControl)
 public:
  explicit TVyrBaseMeter(TComponent* AOwner);
  ~TVyrBaseMeter() override;

  Vyrgraph::TVyr3DCaption* GetFont3D() const { return font3D_.get(); }
  void SetFont3D(Vyrgraph::TVyr3DCaption* Value) { font3D_->Assign(Value); }
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TVyrMeterDirection GetDirection() const { return direction_; }
  void SetDirection(TVyrMeterDirection Value);
  TVyrMeterTextOptions GetOptionsText() const { return optionsText_; }
  void SetTextOptions(TVyrMeterTextOptions Value);
  bool GetUseFontColor() const { return useFontColor_; }
  void SetUseFontColor(bool Value);

  int GetMaxValue() const { return maxValue_; }
  // A maximum below the minimum swaps the two; one equal to the minimum is
  // refused. A user value outside the new range moves to its nearer end.
  void SetMaxValue(int Value);
  int GetMinValue() const { return minValue_; }
  void SetMinValue(int Value);
  int GetUserValue() const { return userValue_; }
  // Refused outside MinValue..MaxValue.
  void SetUserValue(int Value);
  // The percent 0..100 (published as Position); more is taken as 100.
  int GetPosition() const { return percent_; }
  void SetPercentValue(int Value);
  int GetStep() const { return step_; }
  void SetStep(int Value);
  int GetDelta() const { return delta_; }
  void SetDelta(int Value);

  // The percent, at most 100 or at least 0, and the user value with it.
  void Add(std::uint8_t N);
  void Sub(std::uint8_t N);
  void StepAdd() { Add(static_cast<std::uint8_t>(step_)); }
  void StepSub() { Sub(static_cast<std::uint8_t>(step_)); }

  // round((Value - MinValue) / (MaxValue - MinValue) x 100) within 0..100.
  int GetPercentValue(int Value) const;
  // The pixels of Extent that Value percent cover.
  static int GetExtend(int Value, int Extent);
  // The area inside the bevel, where the bar goes; empty before the first paint.
  TRect GetBarRect() const { return barRect_; }
  // The percent the bar shows now.
  int GetDrawnValue() const { return lastDrawn_; }

  // True when it changed the bounds (the resize repaints).
  virtual bool CorrectBounds() { return false; }
  // Bar and Rest split Full, the whole bar bitmap, by the drawn percent.
  virtual void DrawBar(TCanvas* /*Canvas*/, const TRect& /*BarRect*/, const TRect& /*RestRect*/,
                       const TRect& /*FullRect*/) {}
  // Redraws the bar unless the drawn percent moved by less than Delta.
  virtual void Draw() { DrawMeter(false); }
  virtual int GetDrawValue() { return percent_; }

 protected:
  void Loaded() override;
  void Paint() override;
  void CMTextChanged(TMessage& Message) override;

  void Synchronize(bool FromPercent);
  // The caption or the percent text over Full; unless UseFontColor it reads
  // inverted: in Color over Bar, over Rest in RestTextColor (UseColor) or
  // the font colour.
  void DrawCaption(TCanvas* Canvas, const TRect& BarRect, const TRect& RestRect, const TRect& FullRect, bool UseColor,
                   TColor RestTextColor);

  bool boundsCorrected_ = false;

 private:
  void DrawMeter(bool Force);
  // Whether the control has a surface to draw on now.
  bool CanDraw() const;

  std::unique_ptr<Vyrgraph::TVyr3DCaption> font3D_;
  TAlignment alignment_ = taCenter;
  TVyrMeterDirection direction_ = TVyrMeterDirection::mdHorizontal;
  int maxValue_ = 100;
  int minValue_ = 0;
  int percent_ = 0;
  int lastDrawn_ = 0;
  int step_ = 10;
  TRect barRect_;
  TVyrMeterTextOptions optionsText_ = TVyrMeterTextOptions::toNoText;
  bool useFontColor_ = false;
  int userValue_ = 0;
  int delta_ = 1;
  bool painting_ = false;
  // What a form stream set last, so that Loaded keeps that one.
  enum class TLoadedValue { lvNone, lvPercent, lvUser } loadedValue_ = TLoadedValue::lvNone;
};

// ---- group box ----

// How far a setter lets an offset or an extent of the group boxes go, so
// that the sums the layout and the paint make of them stay within 32 bits.
inline constexpr int kVyrMaxCoordinate = 32767;

// Where the caption of a group box sits: three places on each side, read
// along the side (the left side upward, the right side downward).
enum class TVyrGroupCaptionAlign {
  gcaTopLeft, gcaTopCenter, gcaTopRight, gcaLeftBottom, gcaLeftCenter, gcaLeftTop,
  gcaBottomLeft, gcaBottomCenter, gcaBottomRight, gcaRightTop, gcaRightCenter, gcaRightBottom
};

// A framed container with its caption on the frame, the frame broken
// behind it. Children are aligned inside the frame, clear of the caption.
class TVyrCustomGroupBox : public TVyrCustomParentPanel {
  MORVANT_PUBLISHED(TVyrCustomGroupBox, TVyrCustomParentPanel)
 public:
  explicit TVyrCustomGroupBox(TComponent* AOwner);
  ~TVyrCustomGroupBox() override;

  bool GetShowAccelChar() const { return showAccelChar_; }
  void SetAccelChar(bool Value);
  TVyrGroupCaptionAlign GetAlignment() const { return alignment_; }
  void SetAlignCaption(TVyrGroupCaptionAlign Value);
  int GetCaptionOffset() const { return captionOffset_; }
  void SetCaptionOffset(int Value);
  TFont* GetCaptionFont() const { return captionFont_.get(); }
  void SetCaptionFont(TFont* Value) { captionFont_->Assign(Value); }
  bool GetCaptionParentFont() const { return captionParentFont_; }
  void SetCaptionParentFont(bool Value);
  Vyrgraph::TVyr3DCaption* GetCaptionFont3D() const { return captionFont3D_.get(); }
  void SetFont3D(Vyrgraph::TVyr3DCaption* Value) { captionFont3D_->Assign(Value); }
  int GetCaptionHeight() const { return captionHeight_; }
  // The caption's turn: 0 on the top and bottom, 90 on the left, 270 on the right.
  int GetCaptionAngle() const { return fxCaption_->GetAngle(); }

  void GetChange(TObject* Sender) override;

 protected:
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  // The side the caption sits on: 0 top, 1 left, 2 bottom, 3 right.
  int CaptionSide() const { return static_cast<int>(alignment_) / 3; }

 private:
  void SetCaptionHeight();

  bool showAccelChar_ = true;
  TVyrGroupCaptionAlign alignment_ = TVyrGroupCaptionAlign::gcaTopLeft;
  int captionOffset_ = 8;
  std::unique_ptr<TFont> captionFont_;
  bool captionParentFont_ = true;
  std::unique_ptr<Vyrgraph::TVyr3DCaption> captionFont3D_;
  int captionHeight_ = 0;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> fxCaption_;
  // Set while the box itself gives the caption font a value.
  bool settingCaptionFont_ = false;
};

class TVyrGroupBox : public TVyrCustomGroupBox {
  MORVANT_COMPONENT(TVyrGroupBox, TVyrCustomGroupBox)
 public:
  explicit TVyrGroupBox(TComponent* AOwner) : TVyrCustomGroupBox(AOwner) {}
};

// ---- the unit ----

// Registers the unit's published classes with the form streams.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrctrl", &Initialize, &Finalize};

}  // namespace Vyrctrl
