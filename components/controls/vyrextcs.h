// Unit vyrextcs: four decorative controls. An edge (a system edge, a
// diagonal or a library frame), a bevelled area painted by a fill with a
// caption, a label whose letters are filled with a fill's pattern, and a
// panel whose own background bitmap is painted by a fill, so that its
// transparent children show the fill behind them; and the lists built on
// the library's combo box: the colour list.
#pragma once

#include <memory>

#include "dialogs_color.h"
#include "palette.h"
#include "sets.h"
#include "tstrings.h"
#include "unitstartup.h"
#include "vyrcombo.h"
#include "vyrctrl.h"
#include "vyrgraph.h"
#include "vyrstdcs.h"

namespace Vyrextcs {

using Vyrgraph::TVyrAlignment;
using Vyrgraph::TVyrBorderStyle;
using Vyrgraph::TVyrEdgeStyle;
using Vyrgraph::TVyrFrameSide;
using Vyrgraph::TVyrFrameSides;

enum class TVyrDiagonalStyle { dsEndBottomLeft, dsEndBottomRight, dsEndTopLeft, dsEndTopRight };
enum class TVyrDrawEdgeStyle { esEdge, esDiagonal, esStandard };

// The DrawEdge edge of an edge style (the BDR_ and EDGE_ values).
unsigned VyrEdgeStyleEdge(TVyrEdgeStyle Style);
// The DrawEdge flags of a side set, and of a diagonal (BF_DIAGONAL with the
// corner it ends in).
unsigned VyrFrameSidesFlags(TVyrFrameSides Sides);
unsigned VyrDiagonalFlags(TVyrDiagonalStyle Style);

// A window-less edge over the whole client area.
class TVyrDrawEdge : public Vyrctrl::TVyrBaseGraphicControl {
  MORVANT_COMPONENT(TVyrDrawEdge, Vyrctrl::TVyrBaseGraphicControl)
 public:
  explicit TVyrDrawEdge(TComponent* AOwner);

  TVyrDiagonalStyle GetDiagonalStyle() const { return diagonalStyle_; }
  void SetDiagonalStyle(TVyrDiagonalStyle Value);
  TVyrEdgeStyle GetEdgeStyle() const { return edgeStyle_; }
  void SetEdgeStyle(TVyrEdgeStyle Value);
  bool GetFilled() const { return filled_; }
  void SetFilled(bool Value);
  TVyrFrameSides GetFrameSides() const { return frameSides_; }
  void SetFrameSides(TVyrFrameSides Value);
  TVyrBorderStyle GetStandardStyle() const { return standardStyle_; }
  void SetStandardStyle(TVyrBorderStyle Value);
  bool GetSoft() const { return soft_; }
  void SetSoft(bool Value);
  TVyrDrawEdgeStyle GetStyle() const { return style_; }
  void SetStyle(TVyrDrawEdgeStyle Value);

  // The flags the paint hands to DrawEdge or the standard frame.
  unsigned PaintFlags() const;

 protected:
  void Paint() override;

 private:
  template <class T>
  void Store(T& Field, T Value);

  TVyrDiagonalStyle diagonalStyle_ = TVyrDiagonalStyle::dsEndBottomLeft;
  TVyrEdgeStyle edgeStyle_ = TVyrEdgeStyle::etEtched;
  bool filled_ = false;
  TVyrFrameSides frameSides_{TVyrFrameSide::fsBottom, TVyrFrameSide::fsLeft, TVyrFrameSide::fsRight,
                             TVyrFrameSide::fsTop};
  TVyrBorderStyle standardStyle_ = TVyrBorderStyle::lsSingleLowered;
  bool soft_ = false;
  TVyrDrawEdgeStyle style_ = TVyrDrawEdgeStyle::esEdge;
};

// A bevelled area filled by a fill object, with a caption over it. It lets
// the background through exactly where the fill does.
class TVyrFill : public Vyrctrl::TVyrGraphicControl {
  MORVANT_COMPONENT(TVyrFill, Vyrctrl::TVyrGraphicControl)
 public:
  explicit TVyrFill(TComponent* AOwner);
  ~TVyrFill() override;

  Vyrgraph::TVyrCaption* GetCaptionObject() const { return caption_.get(); }
  void SetCaptionObject(Vyrgraph::TVyrCaption* Value) { caption_->Assign(Value); }
  Vyrgraph::TVyrFillObject* GetFillObject() const { return fillObject_.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { fillObject_->Assign(Value); }
  HPALETTE GetPalette() const { return fillObject_->GetPalette(); }

  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<Vyrgraph::TVyrCaption> caption_;
  std::unique_ptr<Vyrgraph::TVyrFillObject> fillObject_;
};

// A label whose letters are painted with a fill's pattern; empty fill or
// disabled, it is a plain label.
class TVyrCustomLabelFill : public Vyrstdcs::TVyrCustomLabel {
  MORVANT_PUBLISHED(TVyrCustomLabelFill, Vyrstdcs::TVyrCustomLabel)
 public:
  explicit TVyrCustomLabelFill(TComponent* AOwner);
  ~TVyrCustomLabelFill() override;

  TColor GetBrushBackColor() const { return brushBackColor_; }
  void SetBrushBack(TColor Value);
  Vyrgraph::TVyrFillObject* GetFillObject() const { return fillObject_.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { fillObject_->Assign(Value); }
  HPALETTE GetPalette() const { return fillObject_->GetPalette(); }

  void GetChange(TObject* Sender) override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  void Paint() override;
  void CMEnabledChanged(TMessage& Message) override;

 private:
  void PaintFilledText(const AnsiString& Text, const TRect& Inner);

  TColor brushBackColor_ = clBtnFace;
  std::unique_ptr<Vyrgraph::TVyrFillObject> fillObject_;
};

class TVyrLabelFill : public TVyrCustomLabelFill {
  MORVANT_COMPONENT(TVyrLabelFill, TVyrCustomLabelFill)
 public:
  explicit TVyrLabelFill(TComponent* AOwner) : TVyrCustomLabelFill(AOwner) {}
};

// A parent panel whose background bitmap is painted by a fill object in
// place of an image-list item; it draws an effect caption over it.
class TVyrCustomPanelFill : public Vyrctrl::TVyrCustomParentPanel {
  MORVANT_PUBLISHED(TVyrCustomPanelFill, Vyrctrl::TVyrCustomParentPanel)
 public:
  explicit TVyrCustomPanelFill(TComponent* AOwner);
  ~TVyrCustomPanelFill() override;

  TVyrAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TVyrAlignment Value);
  Vyrgraph::TVyrFxCaption* GetCaptionFx() const { return captionFx_.get(); }
  void SetCaptionFx(Vyrgraph::TVyrFxCaption* Value) { captionFx_->Assign(Value); }
  Vyrgraph::TVyrFillObject* GetFillObject() const { return fillObject_.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { fillObject_->Assign(Value); }
  bool GetTransparentBorder() const { return transparentBorder_; }
  void SetTransparentBorder(bool Value);

  void CreateBack(bool Force) override;
  virtual void DrawCaption(const TRect& Rect, TVyrAlignment Alignment);

  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;
  void GetIMLChange(TObject* Sender) override;
  HPALETTE GetPalette() override { return fillObject_->GetPalette(); }

 protected:
  void Loaded() override;
  void Paint() override;
  void Resize() override;
  void CMColorChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;

 private:
  TVyrAlignment alignment_ = TVyrAlignment::agCenter;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> captionFx_;
  std::unique_ptr<Vyrgraph::TVyrFillObject> fillObject_;
  bool transparentBorder_ = false;
};

class TVyrPanelFill : public TVyrCustomPanelFill {
  MORVANT_COMPONENT(TVyrPanelFill, TVyrCustomPanelFill)
 public:
  explicit TVyrPanelFill(TComponent* AOwner) : TVyrCustomPanelFill(AOwner) {}
};

// The fill object's list bitmap from the control's image-list item, or
// cleared when the link holds none.
void VyrTakeListBitmap(Vyrgraph::TVyrFillObject* Fill, const Vyrcctrl::TVyrImageLink& Link);

// The colour letters take in a mask of ground Ground: the font's, unless
// it is the ground itself, where the letters would vanish; then the
// ground inverted.
TColor VyrMaskInk(TColor FontColor, TColor Ground);

// The texture Fill paints over Inner's size shows on Canvas where Mask
// (of that size, on Ground) holds Ink; the mask's other colours show as
// they are, its ground not at all. Mask becomes its own mask.
void VyrFillThroughMask(TCanvas* Canvas, const TRect& Inner, TBitmap* Mask, Vyrgraph::TVyrFillObject* Fill, TColor Ink,
                        TColor Ground, TColor FontColor);

// Registers the unit's published classes with the form streams.
// ---- the colour list ----

enum class TVyrColorCBOption { coDefaultColors, coSystemColors, coCustomColors, coAllowAnyColor, coAllowDialog };
using TVyrColorCBOptions = TSet<TVyrColorCBOption>;
enum class TVyrColorCBStyle { csColor, csText, csColorText, csColor3DText };
using TVyrOnColorDialogEvent = TClosure<void(TObject* Sender, TColorDialog* Dialog)>;

// A list of colours: the 16 standard ones, the system colours and the
// custom colours of the colour dialog ("$00BBGGRR"), each drawn as a swatch
// and/or its name. A right click opens the colour dialog (coAllowDialog);
// SelectedColor adds a colour that is not listed (coAllowAnyColor).
class TVyrCustomColorComboBox : public Vyrcombo::TVyrCustomComboBox {
  MORVANT_PUBLISHED(TVyrCustomColorComboBox, Vyrcombo::TVyrCustomComboBox)
 public:
  explicit TVyrCustomColorComboBox(TComponent* AOwner);
  ~TVyrCustomColorComboBox() override;

  // -1 for an empty text; EConvertError for a text that is no colour.
  TColor GetSelectedColor() const;
  // Selects the colour's item, adds it with coAllowAnyColor (not clNone),
  // else selects nothing; then Change.
  void SetSelectedColor(TColor Value);
  // Item Index as a colour; EConvertError for a text that is no colour.
  TColor GetColors(int Index) const;
  // The colour dialog over CustomColors; true when confirmed.
  bool Execute();
  // The colour dialog over List: confirmed, the dialog's custom colours go
  // back into List and its colour is selected.
  bool ExecuteEnh(TStrings* List);
  void LoadCustomColors(TObject* IniObject, const AnsiString& Section);
  void SaveCustomColors(TObject* IniObject, const AnsiString& Section);
  // Fills the items from the options and the custom colours, keeping the
  // selected colour.
  void CreateColorList();

  TStrings* GetCustomColors() const { return FCustomColors.get(); }
  // Copies the 16 keys' values that start with hexadecimal digits.
  void SetCustomColors(TStrings* Value);
  TVyrColorCBOptions GetOptions() const { return FOptions; }
  void SetOptions(TVyrColorCBOptions Value);
  TVyrColorCBStyle GetDisplayStyle() const { return FDisplayStyle; }
  void SetDisplayStyle(TVyrColorCBStyle Value);
  TColorDialogOptions GetDlgOptions() const { return FDlgOptions; }
  void SetDlgOptions(TColorDialogOptions Value) { FDlgOptions = Value; }
  int GetDlgHelpContext() const { return FDlgHelpContext; }
  void SetDlgHelpContext(int Value) { FDlgHelpContext = Value; }
  // The measured height of a row in the text styles.
  int GetTextItemHeight() const { return FItemHeight; }
  // A form's text is kept until the list is complete (Loaded).
  void SetText(const AnsiString& Value) override;

  TVyrOnColorDialogEvent OnBeforeDialogShow;
  TVyrOnColorDialogEvent OnAfterDialogShow;

 protected:
  // The colour shown while the box paints a copy of itself.
  virtual TColor GetColorValue() const { return clNone; }
  void Loaded() override;
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMFontChanged(TMessage& Message) override;

 private:
  void AddColorName(const AnsiString& Name);
  void CustomColorsChanged(TObject* Sender);
  // Row and box heights for the display style and font; keeps the colour.
  void ApplySizeRule();

  int FCounter = 0;
  std::unique_ptr<TStringList> FCustomColors;
  TVyrColorCBOptions FOptions{TVyrColorCBOption::coDefaultColors, TVyrColorCBOption::coAllowAnyColor};
  TVyrColorCBStyle FDisplayStyle = TVyrColorCBStyle::csColorText;
  TColorDialogOptions FDlgOptions;
  int FItemHeight = 15;
  int FDlgHelpContext = 0;
  AnsiString FLoadedText;
};

class TVyrColorComboBox : public TVyrCustomColorComboBox {
  MORVANT_COMPONENT(TVyrColorComboBox, TVyrCustomColorComboBox)
 public:
  explicit TVyrColorComboBox(TComponent* AOwner) : TVyrCustomColorComboBox(AOwner) {}
};
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrextcs", &Initialize, &Finalize};

}  // namespace Vyrextcs
