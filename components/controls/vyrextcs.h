// Unit vyrextcs: four decorative controls. An edge (a system edge, a
// diagonal or a library frame), a bevelled area painted by a fill with a
// caption, a label whose letters are filled with a fill's pattern, and a
// panel whose own background bitmap is painted by a fill, so that its
// transparent children show the fill behind them.
#pragma once

#include <memory>

#include "palette.h"
#include "sets.h"
#include "unitstartup.h"
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
void Initialize();
inline constexpr TUnitRow Unit{"vyrextcs", &Initialize, nullptr};

}  // namespace Vyrextcs
