// Unit vyrgroup: windowed, owner-painted check boxes and radio buttons.
#pragma once

#include <memory>
#include <vector>

#include "rect.h"
#include "stdctrls_check.h"
#include "tstrings.h"
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
  // What a change of state or look shows, drawn at once.
  void PaintNow();
  // True when the paint is to wait (an owner painting its items later).
  virtual bool HoldPaint() { return false; }
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
  void Changed() override;
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

// ======== button groups ========

enum class TVyrChildHelpContextID { ciDefault, ciSameAsParent, ciAutoNumbered };
// Sender and the index of the item clicked.
using TVyrChildBtnClick = TClosure<void(TObject* Sender, int Index)>;

// A group box holding a column layout of owned item buttons, one for each
// line of Items. The items are made anew from Items and are never streamed.
class TVyrCustomButtonGroup : public Vyrctrl::TVyrCustomGroupBox {
  MORVANT_PUBLISHED(TVyrCustomButtonGroup, Vyrctrl::TVyrCustomGroupBox)
 public:
  explicit TVyrCustomButtonGroup(TComponent* AOwner);
  ~TVyrCustomButtonGroup() override;

  TStrings* GetItems() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int GetItemOffset() const { return FItemOffset; }
  void SetItemOffset(int Value);
  int GetColumns() const { return FColumns; }
  // Kept within 1..12.
  void SetColumns(int Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  int GetGlyphSize() const { return FGlyphSize; }
  void SetGlyphSize(int Value);
  bool GetGlyphTransparent() const { return FGlyphTransparent; }
  void SetTransparent(bool Value);
  bool GetGlyphFlat() const { return FGlyphFlat; }
  void SetGlyphFlat(bool Value);
  bool GetUseBitmap() const { return FUseBitmap; }
  void SetUseBitmap(bool Value);
  Vyrgraph::TVyr3DCaption* GetFont3D() const { return FFont3D.get(); }
  void SetFont3D(Vyrgraph::TVyr3DCaption* Value) { FFont3D->Assign(Value); }
  Vyrgraph::TVyrGlyphTextFocusStyle GetFocusStyle() const { return FFocusStyle; }
  void SetFocusStyle(Vyrgraph::TVyrGlyphTextFocusStyle Value);
  bool GetUseFocusColor() const { return FUseFocusColor; }
  void SetUseFocusColor(bool Value);
  TColor GetFocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor Value);
  TColor GetGlyphTransparentColor() const { return FGlyphTransparentColor; }
  void SetTransparentColor(TColor Value);
  TVyrChildHelpContextID GetHelpContextBtn() const { return FHelpContextBtn; }
  void SetID(TVyrChildHelpContextID Value);
  // What HelpContextBtn gives item Index.
  int ItemHelpContext(int Index) const;
  Vyrcont::TVyrCustomImageList* GetGlyphImageList() const { return FGlyphImageList; }
  void SetGlyphImageList(Vyrcont::TVyrCustomImageList* Value);
  int GetGlyphImageIndex() const { return FGlyphImageIndex; }
  void SetGlyphImageIndex(int Value) { SetGlyphIndex(0, Value); }
  int GetGlyphListIndex() const { return FGlyphListIndex; }
  void SetGlyphListIndex(int Value) { SetGlyphIndex(1, Value); }
  // Index 0 the image index, 1 the list index.
  void SetGlyphIndex(int Which, int Value);

  int GetButtonCount() const { return static_cast<int>(FButtons.size()); }
  TVyrButtonControl* GetButton(int Index) const { return FButtons[static_cast<std::size_t>(Index)]; }
  int IndexOfButton(TObject* Button) const;

  virtual bool CanModify() const { return !FReadOnly; }
  virtual void SetButtonCount(int Count);
  virtual void UpdateButtons() = 0;
  virtual int GetFieldValue() const { return FValue; }
  void ArrangeButtons();

  TVyrChildBtnClick OnChange;

  // True while the items' paints wait for the group to finish changing
  // them; the item asking is painted once the group is done.
  bool HoldItemPaint();

 protected:
  friend class TVyrRadioGroupButton;
  friend class TVyrCheckGroupButton;

  // Changes to many items at once: for its life the items' paints wait and
  // so does the group's alignment; then every item is invalidated once, when
  // any asked to paint, and the group aligns once. Updating a shown group of
  // n items painted each of them several times over, hidden ones included,
  // and aligned the group after each item.
  class TItemUpdate {
   public:
    explicit TItemUpdate(TVyrCustomButtonGroup* Group) : FGroup(Group) {
      ++Group->FPaintHolds;
      Group->DisableAlign();
    }
    ~TItemUpdate() { FGroup->EndItemUpdate(); }
    TItemUpdate(const TItemUpdate&) = delete;
    TItemUpdate& operator=(const TItemUpdate&) = delete;

   private:
    TVyrCustomButtonGroup* FGroup;
  };

  virtual TVyrButtonControl* NewButton() = 0;
  // The value a click on Button leaves.
  virtual int ClickedValue(TVyrButtonControl* Button) = 0;
  virtual void SetFieldValue(int Value) = 0;
  // What every item takes from the group, and the layout.
  void UpdateButtonLooks();
  void ButtonClick(TObject* Sender);
  // An item going away leaves the list.
  void RemoveButton(TVyrButtonControl* Button);
  void ItemsChange(TObject* Sender);

  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void WMSize(TMessage& Message) override;

  std::unique_ptr<TStringList> FItems;
  int FValue = 0;
  bool FUpdating = false;
  bool FClicking = false;

 private:
  void Restyle() {
    if (!Loading() && !FUpdating) UpdateButtons();
  }
  // The alignment, then the paints held; nothing of it raises.
  void EndItemUpdate() noexcept;

  int FItemHeight = -1;
  int FItemOffset = 4;
  int FColumns = 1;
  std::vector<TVyrButtonControl*> FButtons;
  bool FReadOnly = false;
  int FGlyphSize = 13;
  bool FGlyphTransparent = false;
  bool FGlyphFlat = false;
  bool FUseBitmap = false;
  std::unique_ptr<Vyrgraph::TVyr3DCaption> FFont3D;
  Vyrgraph::TVyrGlyphTextFocusStyle FFocusStyle = Vyrgraph::TVyrGlyphTextFocusStyle::fcText;
  bool FUseFocusColor = false;
  TColor FFocusColor = clGray;
  TColor FGlyphTransparentColor = clOlive;
  TVyrChildHelpContextID FHelpContextBtn = TVyrChildHelpContextID::ciDefault;
  Vyrcont::TVyrCustomImageList* FGlyphImageList = nullptr;
  int FGlyphImageIndex = 0;
  int FGlyphListIndex = 0;
  int FPaintHolds = 0;
  bool FItemPaintsWaiting = false;
};

// One checked item at most, its index ItemIndex (-1: none).
class TVyrCustomRadioGroup : public TVyrCustomButtonGroup {
  MORVANT_PUBLISHED(TVyrCustomRadioGroup, TVyrCustomButtonGroup)
 public:
  explicit TVyrCustomRadioGroup(TComponent* AOwner);

  int GetItemIndex() const { return FValue; }
  // Kept within -1..the last item.
  void SetItemIndex(int Value);

  void SetButtonCount(int Count) override;
  void UpdateButtons() override;

 protected:
  TVyrButtonControl* NewButton() override;
  int ClickedValue(TVyrButtonControl* Button) override;
  void SetFieldValue(int Value) override { SetItemIndex(Value); }
};

class TVyrRadioGroup : public TVyrCustomRadioGroup {
  MORVANT_COMPONENT(TVyrRadioGroup, TVyrCustomRadioGroup)
 public:
  explicit TVyrRadioGroup(TComponent* AOwner) : TVyrCustomRadioGroup(AOwner) {}
};

// Any set of checked items; Value has bit i set for a checked item i.
class TVyrCustomCheckGroup : public TVyrCustomButtonGroup {
  MORVANT_PUBLISHED(TVyrCustomCheckGroup, TVyrCustomButtonGroup)
 public:
  explicit TVyrCustomCheckGroup(TComponent* AOwner);

  int GetValue() const { return FValue; }
  void SetValue(int Value);
  int GetGlyphNumber() const { return FGlyphNumber; }
  void SetNumGlyphs(int Value);
  // An index out of range is ignored (False).
  bool GetItemCheck(int Index) const;
  void SetItemCheck(int Index, bool Checked);
  // Value has a bit for each of the first 31 items only.
  static constexpr int kValueBits = 31;

  void SetButtonCount(int Count) override;
  void UpdateButtons() override;

 protected:
  TVyrButtonControl* NewButton() override;
  int ClickedValue(TVyrButtonControl* Button) override;
  void SetFieldValue(int Value) override { SetValue(Value); }
  void UpdateValue();
  int CheckedSum() const;

 private:
  int FGlyphNumber = 3;
};

class TVyrCheckGroup : public TVyrCustomCheckGroup {
  MORVANT_COMPONENT(TVyrCheckGroup, TVyrCustomCheckGroup)
 public:
  explicit TVyrCheckGroup(TComponent* AOwner) : TVyrCustomCheckGroup(AOwner) {}
};

// The items: the group's key and mouse handlers run first, and the group
// decides whether they may change.
class TVyrRadioGroupButton : public TVyrRadioButton {
  MORVANT_CLASS(TVyrRadioGroupButton, TVyrRadioButton)
 public:
  explicit TVyrRadioGroupButton(TVyrCustomButtonGroup* Group);
  ~TVyrRadioGroupButton() override;
  bool CanModify() const override { return FGroup->CanModify(); }
  bool HoldPaint() override { return FGroup->HoldItemPaint(); }

 protected:
  // Checked by the keyboard as by the mouse: the group takes the value.
  void DoEnter() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TVyrCustomButtonGroup* FGroup;
};

class TVyrCheckGroupButton : public TVyrCheckBox {
  MORVANT_CLASS(TVyrCheckGroupButton, TVyrCheckBox)
 public:
  explicit TVyrCheckGroupButton(TVyrCustomButtonGroup* Group);
  ~TVyrCheckGroupButton() override;
  bool CanModify() const override { return FGroup->CanModify(); }
  bool HoldPaint() override { return FGroup->HoldItemPaint(); }

 protected:
  // Toggled by the keyboard as by the mouse: the group takes the value.
  void Toggle() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TVyrCustomButtonGroup* FGroup;
};

void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrgroup", &Initialize, &Finalize};

}  // namespace Vyrgroup
