// Unit vyrgroup: windowed, owner-painted check boxes and radio buttons.
#pragma once

#include <memory>

#include "rect.h"
#include "stdctrls_check.h"
#include "unitstartup.h"
#include "vyrctrl.h"
#include "vyrgraph.h"

class TBitmap;

namespace Vyrgroup {

// ======== glyph cells ========
// A glyph strip is one row of cells: unchecked, unchecked disabled, checked,
// checked disabled, and for the check box grayed, grayed disabled.

// The check box's cell; a strip of fewer states shows the last it has.
int VyrCheckBoxCell(bool Enabled, TCheckBoxState State, int GlyphNumber);
// The radio button's cell; StateOverride n > 0 paints state n - 1.
int VyrRadioCell(bool Enabled, bool Checked, int StateOverride);
// The source rect of a cell in a strip.
TRect VyrCellRect(int Cell, int CellWidth, int StripHeight);
// The cell width of a check-box strip: the drawn strip has cells of the
// glyph size whatever the number of states shown; an image-list strip holds
// two cells (enabled, disabled) per state.
int VyrCheckBoxCellWidth(bool StandardStrip, int StripWidth, int GlyphSize, int GlyphNumber);
// The cycle of a click: unchecked to grayed (when allowed) or checked,
// grayed to checked, checked to unchecked.
TCheckBoxState VyrNextCheckState(TCheckBoxState State, bool AllowGrayed);

// The drawn strips, GlyphSize square cells of the system's frame-control
// images: six for the check box on clBtnFace, four for the radio button on
// clOlive (its transparent colour, so the round image keeps its corners).
void VyrCreateCheckBoxStrip(TBitmap* Strip, int GlyphSize, bool Flat);
void VyrCreateRadioStrip(TBitmap* Strip, int GlyphSize, bool Flat);


// ======== the controls ========

class TVyrButtonControl;

// Ties a button's checked state to its action; the action setting it is no
// click of the button's.
class TVyrButtonActionLink : public TControlActionLink {
  MORVANT_CLASS(TVyrButtonActionLink, TControlActionLink)
 public:
  explicit TVyrButtonActionLink(TControl* AClient);
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;

 private:
  TVyrButtonControl* FClient;
};

// A windowed control showing a glyph cell and a caption, laid out by
// Alignment and drawn by the text-and-glyph routine.
class TVyrButtonControl : public Vyrctrl::TVyrCustomPanel {
  MORVANT_PUBLISHED(TVyrButtonControl, Vyrctrl::TVyrCustomPanel)
 public:
  explicit TVyrButtonControl(TComponent* AOwner);
  ~TVyrButtonControl() override;

  Vyrgraph::TVyrGlyphTextLayout* GetAlignment() const { return FAlignment.get(); }
  void SetAlignment(Vyrgraph::TVyrGlyphTextLayout* Value) { FAlignment->Assign(Value); }
  Vyrgraph::TVyr3DCaption* GetFont3D() const { return FFont3D.get(); }
  void SetFont3D(Vyrgraph::TVyr3DCaption* Value) { FFont3D->Assign(Value); }
  bool GetBool(int Index) const;
  void SetBool(int Index, bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool V) { SetBool(0, V); }
  bool GetGlyphTransparent() const { return FGlyphTransparent; }
  void SetGlyphTransparent(bool V) { SetBool(1, V); }
  bool GetGlyphFlat() const { return FGlyphFlat; }
  void SetGlyphFlat(bool V) { SetBool(2, V); }
  bool GetUseBitmap() const { return FUseBitmap; }
  void SetUseBitmap(bool V) { FUseBitmap = V; }
  int GetGlyphSize() const { return FGlyphSize; }
  void SetGlyphSize(int Value);
  Vyrgraph::TVyrGlyphTextFocusStyle GetFocusStyle() const { return FFocusStyle; }
  void SetFocusStyle(Vyrgraph::TVyrGlyphTextFocusStyle Value);
  TColor GetFocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor Value);
  bool GetUseFocusColor() const { return FUseFocusColor; }
  void SetUseFocusColor(bool Value);
  TColor GetGlyphTransparentColor() const { return FGlyphTransparentColor; }
  void SetTransparentColor(TColor Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool) {}
  bool GetCheckedValue() const { return GetChecked(); }
  void SetCheckedValue(bool Value) { SetChecked(Value); }
  virtual bool CanModify() const { return !FReadOnly; }
  // Whether Checked goes into the form text: not while an action holds it.
  bool IsCheckedStored() const;

  // The strip the cells come from and one cell's width.
  TBitmap* GetGlyphStrip() const { return FStrip.get(); }
  int GetCellWidth() const { return FCellWidth; }
  // The cell DrawItem shows now.
  virtual int CurrentCell(int StateOverride) const = 0;

  void GetChange(TObject* Sender) override;

  TNotifyEvent OnChange;

 protected:
  friend class TVyrButtonActionLink;
  TControlActionLinkClass GetActionLinkClass() const override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Loaded() override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void DoExit() override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void WMSize(TMessage& Message) override;

  virtual void CreateStandardGlyph() {}
  virtual void CorrectBounds();
  virtual void DrawItem(TCanvas* Canvas, bool DoDraw, int StateOverride, TRect* Measured = nullptr);
  void PaintToControl(int StateOverride);
  void DrawFocus(TCanvas* Canvas, const TRect& Rect);
  // Fires OnChange.
  void Changed();
  // The strip with a new empty bitmap, filled from the image list when it
  // has the item; true when it did.
  bool StripFromImageList();

  bool FClicksDisabled = false;
  std::unique_ptr<TBitmap> FStrip;
  int FCellWidth = 0;
  int FGlyphSize = 13;
  bool FGlyphFlat = false;
  bool FGlyphTransparent = false;
  // The radio button's layout rect is one pixel shorter at the bottom.
  bool FTrimBottom = false;

 private:
  std::unique_ptr<Vyrgraph::TVyrGlyphTextLayout> FAlignment;
  bool FAutoSize = false;
  bool FUseBitmap = false;
  std::unique_ptr<Vyrgraph::TVyr3DCaption> FFont3D;
  Vyrgraph::TVyrGlyphTextFocusStyle FFocusStyle = Vyrgraph::TVyrGlyphTextFocusStyle::fcText;
  TColor FFocusColor = clGray;
  bool FUseFocusColor = false;
  TColor FGlyphTransparentColor = clOlive;
  bool FReadOnly = false;
};

class TVyrCustomCheckBox : public TVyrButtonControl {
  MORVANT_PUBLISHED(TVyrCustomCheckBox, TVyrButtonControl)
 public:
  explicit TVyrCustomCheckBox(TComponent* AOwner);

  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TCheckBoxState GetState() const { return FState; }
  // By code: a repaint, never OnChange.
  void SetState(TCheckBoxState Value);
  int GetGlyphNumber() const { return FGlyphNumber; }
  // 0 is stored as 1.
  void SetNumGlyphs(int Value);

  bool GetChecked() const override { return FState == cbChecked; }
  void SetChecked(bool Value) override;
  int CurrentCell(int StateOverride) const override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  virtual TCheckBoxState GetFieldState() const { return FState; }
  // One step of the click cycle; OnChange when the state moved.
  virtual void Toggle();
  void Click() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;
  void DoEnter() override;
  void CreateStandardGlyph() override;

 private:
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
  int FGlyphNumber = 3;
};

class TVyrCheckBox : public TVyrCustomCheckBox {
  MORVANT_COMPONENT(TVyrCheckBox, TVyrCustomCheckBox)
 public:
  explicit TVyrCheckBox(TComponent* AOwner) : TVyrCustomCheckBox(AOwner) {}
};

// Checking one unchecks every other radio button of the same parent.
class TVyrRadioButton : public TVyrButtonControl {
  MORVANT_COMPONENT(TVyrRadioButton, TVyrButtonControl)
 public:
  explicit TVyrRadioButton(TComponent* AOwner);

  bool GetChecked() const override { return FChecked; }
  void SetChecked(bool Value) override;
  int CurrentCell(int StateOverride) const override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  void DoEnter() override;
  void Dispatch(TMessage& Message) override;
  void CreateStandardGlyph() override;

 private:
  bool FChecked = false;
};

void Initialize();
inline constexpr TUnitRow Unit{"vyrgroup", &Initialize, nullptr};

}  // namespace Vyrgroup
