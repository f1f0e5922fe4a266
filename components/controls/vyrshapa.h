// Unit vyrshapa: the shape geometry as controls. A shape control draws one
// of the simple shapes (or a rectangle with a toothed edge) with its shadow,
// fill and bevel and a caption over it; the repeated shape fills its area
// with a grid of one shape. The shape buttons put a shape on the graphic
// button engine: the face colour follows the button state and only the
// shape itself answers the mouse.
#pragma once

#include <cstdint>
#include <memory>

#include "bitmap_class.h"
#include "brush_class.h"
#include "unitstartup.h"
#include "vyrbtn.h"
#include "vyrctrl.h"
#include "vyrgrapa.h"
#include "vyrgraph.h"

namespace Vyrshapa {

using Vyrgrapa::TVyrShapeType;
using Vyrgraph::TVyrDirection;
using Vyrgraph::TVyrFillStyle;
using Vyrgraph::TVyrTileMode;

enum class TVyrShapeControlMode { scmShapeFast, scmShapeFill, scmTeethFast, scmTeethFill };
enum class TVyrShapeButtonMode { sbmShapeFast, sbmShapeFill };
enum class TVyrShapeButtonStyle { sbsShadow, sbs3D };

// The bitmap-drawing flags that place a fill picture by its tile mode.
std::uint16_t VyrTileMode2DSF(TVyrTileMode Mode);

// Rect less the band a toothed edge takes on its side (nothing left when
// the band is wider than Rect).
TRect VyrTeethReduced(const TRect& Rect, const Vyrgrapa::TVyrTeeth* Teeth);

// Rect no larger than an outline's point list can hold: a control wider
// or taller than that shows its shape cut off at the limit.
TRect VyrPointRangeRect(const TRect& Rect);

// The fill's list picture becomes the link's current item, or nothing
// when the link names no valid item.
void VyrTakeShapeListBitmap(Vyrgraph::TVyrShapeFill* Fill, const Vyrcctrl::TVyrImageLink& Link);

class TVyrBaseShape : public Vyrctrl::TVyrBaseGraphicControl {
  MORVANT_PUBLISHED(TVyrBaseShape, Vyrctrl::TVyrBaseGraphicControl)
 public:
  explicit TVyrBaseShape(TComponent* AOwner);
  ~TVyrBaseShape() override;

  Vyrgrapa::TVyrSimpleBevel* GetBevel() const { return bevel_.get(); }
  void SetBevel(Vyrgrapa::TVyrSimpleBevel* Value) { bevel_->Assign(Value); }
  TBrush* GetBrush() const { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  TColor GetBrushBackColor() const { return brushBackColor_; }
  void SetBrushBackColor(TColor Value);
  Vyrgraph::TVyrCaption* GetCaptionObject() const { return caption_.get(); }
  void SetCaptionObject(Vyrgraph::TVyrCaption* Value) { caption_->Assign(Value); }
  bool GetCaptionClip() const { return captionClip_; }
  void SetCaptionClip(bool Value);
  int GetRoundPercent() const { return roundPercent_; }
  // Clamped to 0..100.
  void SetRoundPercent(int Value);
  Vyrgraph::TVyrShadow* GetShadow() const { return shadow_.get(); }
  void SetShadow(Vyrgraph::TVyrShadow* Value) { shadow_->Assign(Value); }
  TVyrShapeType GetShape() const { return shape_; }
  void SetShape(TVyrShapeType Value);
  bool GetSquare() const { return square_; }
  void SetSquare(bool Value);
  Vyrgrapa::TVyrTeeth* GetTeeth() const { return teeth_.get(); }
  void SetTeeth(Vyrgrapa::TVyrTeeth* Value) { teeth_->Assign(Value); }
  // The teeth in the two teeth modes, else nil.
  Vyrgrapa::TVyrTeeth* GetActiveTeeth() const { return activeTeeth_; }
  TVyrShapeControlMode GetMode() const { return mode_; }
  void SetMode(TVyrShapeControlMode Value);
  Vyrgraph::TVyrShapeFill* GetShapeFill() const { return shapeFill_.get(); }
  void SetShapeFill(Vyrgraph::TVyrShapeFill* Value) { shapeFill_->Assign(Value); }
  Vyrgrapa::TVyrPointList* GetPoints() const { return points_.get(); }
  // The outline waits to be recomputed at the next paint.
  bool GetRecalc() const { return recalc_; }
  // The fill picture of the fill modes; nil in the fast modes.
  TBitmap* GetFillBitmap() const { return fillBitmap_.get(); }
  virtual HPALETTE GetPalette();

  void GetChange(TObject* Sender) override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  void Paint() override;
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;

  virtual void DrawCaption(TCanvas* Canvas, const TRect& Rect);
  // The area the fill picture covers.
  virtual TRect GetGradientRect();
  virtual AnsiString GetLabelText();
  // Drops the fill picture; the fill modes get a new, empty one.
  void GetShapeChange();
  // Paints the fill picture of the fill modes.
  void OffscreenPaint();
  bool FillMode() const { return mode_ == TVyrShapeControlMode::scmShapeFill || mode_ == TVyrShapeControlMode::scmTeethFill; }
  void CalcPoints(const TRect& Rect);
  // Draws the shape over Rect of Canvas (kept to the point range) with
  // Brush (nil: the shape's own) or Picture (nil for the brush styles).
  void DrawShape(TCanvas* Canvas, const TRect& Rect, Vyrgrapa::TVyrPointList* Points, TBitmap* Picture,
                 TBrush* Brush = nullptr);
  void ClearRecalc() { recalc_ = false; }
  std::unique_ptr<TBitmap>& FillBitmapSlot() { return fillBitmap_; }

 private:
  void Wire(TNotifyEvent Event);

  std::unique_ptr<Vyrgrapa::TVyrSimpleBevel> bevel_;
  std::unique_ptr<TBrush> brush_;
  TColor brushBackColor_ = clBtnFace;
  std::unique_ptr<Vyrgraph::TVyrCaption> caption_;
  bool captionClip_ = false;
  std::unique_ptr<Vyrgrapa::TVyrPointList> points_;
  int roundPercent_ = 33;
  std::unique_ptr<Vyrgraph::TVyrShadow> shadow_;
  TVyrShapeType shape_ = TVyrShapeType::stRectangle;
  bool square_ = false;
  std::unique_ptr<Vyrgrapa::TVyrTeeth> teeth_;
  Vyrgrapa::TVyrTeeth* activeTeeth_ = nullptr;
  TVyrShapeControlMode mode_ = TVyrShapeControlMode::scmShapeFast;
  bool recalc_ = true;
  std::unique_ptr<TBitmap> fillBitmap_;
  std::unique_ptr<Vyrgraph::TVyrShapeFill> shapeFill_;
};

using Vyrgrapa::TVyrPointList;

class TVyrShapeControl : public TVyrBaseShape {
  MORVANT_COMPONENT(TVyrShapeControl, TVyrBaseShape)
 public:
  explicit TVyrShapeControl(TComponent* AOwner) : TVyrBaseShape(AOwner) {}
  void SetImageIndexValue(int Value) { SetIndex(0, Value); }
  void SetListIndexValue(int Value) { SetIndex(1, Value); }
};

class TVyrShapeLabel : public TVyrShapeControl {
  MORVANT_COMPONENT(TVyrShapeLabel, TVyrShapeControl)
 public:
  explicit TVyrShapeLabel(TComponent* AOwner);
};

class TVyrTeethShape : public TVyrShapeControl {
  MORVANT_COMPONENT(TVyrTeethShape, TVyrShapeControl)
 public:
  explicit TVyrTeethShape(TComponent* AOwner);
};

class TVyrTeethShapeLabel : public TVyrShapeControl {
  MORVANT_COMPONENT(TVyrTeethShapeLabel, TVyrShapeControl)
 public:
  explicit TVyrTeethShapeLabel(TComponent* AOwner);
};

// A grid of one shape: HorCount x VerCount cells sized to fit
// (SetPerCount), or cells of ShapeWidth x ShapeHeight as many as fit.
class TVyrRepeatedShape : public TVyrBaseShape {
  MORVANT_COMPONENT(TVyrRepeatedShape, TVyrBaseShape)
 public:
  explicit TVyrRepeatedShape(TComponent* AOwner);

  int GetShapeWidth() const { return values_[0]; }
  int GetShapeHeight() const { return values_[1]; }
  int GetHorOffset() const { return values_[2]; }
  int GetVerOffset() const { return values_[3]; }
  int GetHorCount() const { return values_[4]; }
  int GetVerCount() const { return values_[5]; }
  // Index 0 ShapeWidth, 1 ShapeHeight, 2 HorOffset, 3 VerOffset,
  // 4 HorCount, 5 VerCount.
  void SetInteger(int Index, int Value);
  void SetShapeWidth(int Value) { SetInteger(0, Value); }
  void SetShapeHeight(int Value) { SetInteger(1, Value); }
  void SetHorOffset(int Value) { SetInteger(2, Value); }
  void SetVerOffset(int Value) { SetInteger(3, Value); }
  void SetHorCount(int Value) { SetInteger(4, Value); }
  void SetVerCount(int Value) { SetInteger(5, Value); }
  bool GetSetPerCount() const { return setPerCount_; }
  void SetSetPerCount(bool Value);

  HPALETTE GetPalette() override;
  TRect GetGradientRect() override;

 protected:
  void Paint() override;

 private:
  void FitCells();

  int values_[6] = {0, 0, 0, 0, 5, 5};
  bool setPerCount_ = true;
};

// The face colour of a shape button in each state.
class TVyrShapeButtonColor : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrShapeButtonColor, Vyrclass::TVyrObject)
 public:
  TVyrShapeButtonColor() = default;
  void Assign(TPersistent* Source) override;

  // Index 0 Disabled, 1 Down, 2 MouseOver, 3 OptionSet, 4 Up; another
  // index is ignored (clBtnFace read).
  TColor GetColorValue(int Index) const;
  void SetColorValue(int Index, TColor Value);
  TColor GetDisabled() const { return colors_[0]; }
  void SetDisabled(TColor Value) { SetColorValue(0, Value); }
  TColor GetDown() const { return colors_[1]; }
  void SetDown(TColor Value) { SetColorValue(1, Value); }
  TColor GetMouseOver() const { return colors_[2]; }
  void SetMouseOver(TColor Value) { SetColorValue(2, Value); }
  TColor GetOptionSet() const { return colors_[3]; }
  void SetOptionSet(TColor Value) { SetColorValue(3, Value); }
  TColor GetUp() const { return colors_[4]; }
  void SetUp(TColor Value) { SetColorValue(4, Value); }
  // The colour of the face in State.
  TColor ForState(Vyrgraph::TVyrButtonState State) const;

 private:
  TColor colors_[5] = {clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace};
};

class TVyrCustomShapeButton : public Vyrbtn::TVyrBaseGraphicButton {
  MORVANT_PUBLISHED(TVyrCustomShapeButton, Vyrbtn::TVyrBaseGraphicButton)
 public:
  explicit TVyrCustomShapeButton(TComponent* AOwner);
  ~TVyrCustomShapeButton() override;

  Vyrgrapa::TVyrShape* GetShape() const { return shape_.get(); }
  void SetShape(Vyrgrapa::TVyrShape* Value) { shape_->Assign(Value); }
  TVyrShapeButtonColor* GetColors() const { return colors_.get(); }
  void SetColors(TVyrShapeButtonColor* Value) { colors_->Assign(Value); }
  Vyrgraph::TVyrShapeFill* GetShapeFill() const { return shapeFill_.get(); }
  void SetShapeFill(Vyrgraph::TVyrShapeFill* Value) { shapeFill_->Assign(Value); }
  TVyrShapeButtonStyle GetStyle() const { return style_; }
  void SetShapeStyle(TVyrShapeButtonStyle Value);
  TVyrShapeButtonMode GetMode() const { return mode_; }
  void SetMode(TVyrShapeButtonMode Value);
  bool GetBevel3D() const { return bevel3D_; }
  void SetBevel3D(bool Value);
  Vyrcont::TVyrCustomImageList* GetShapeFillImageList() const { return faceLink_.GetImageList(); }
  void SetBtnFaceImageList(Vyrcont::TVyrCustomImageList* Value) { faceLink_.SetImageList(Value); }
  int GetShapeFillImageIndex() const { return faceLink_.GetImageIndex(); }
  int GetShapeFillListIndex() const { return faceLink_.GetListIndex(); }
  // Index 0 image, 1 list; a negative or the current value is ignored.
  void SetBtnFaceIndex(int Index, int Value) { faceLink_.SetIndex(Index, Value); }
  void SetShapeFillImageIndex(int Value) { SetBtnFaceIndex(0, Value); }
  void SetShapeFillListIndex(int Value) { SetBtnFaceIndex(1, Value); }
  bool IMLFaceEmpty() const { return faceLink_.IMLEmpty(); }
  bool FaceListStored() const { return faceLink_.ImageListStored(); }
  Vyrgrapa::TVyrPointList* GetPoints() const { return points_.get(); }
  TBitmap* GetFillBitmap() const { return fillBitmap_.get(); }
  HPALETTE GetPalette() const { return shapeFill_->GetPalette(); }
  // The shadow depth the outline leaves room for (none for the 3D style).
  int OutlineShadowDepth() const;

  void GetChange(TObject* Sender) override;
  bool ShapeButtonColorChange() const override;
  bool VerifyTransparency(int X, int Y) override;

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;
  void GetIMLFaceChange(TObject* Sender);

 private:
  void Wire(TNotifyEvent Event);
  bool PressedLook() const;
  void PaintBack(TCanvas* Canvas);

  std::unique_ptr<Vyrgrapa::TVyrShape> shape_;
  TVyrShapeButtonStyle style_ = TVyrShapeButtonStyle::sbsShadow;
  std::unique_ptr<TVyrShapeButtonColor> colors_;
  std::unique_ptr<TBitmap> fillBitmap_;
  std::unique_ptr<Vyrgraph::TVyrShapeFill> shapeFill_;
  TVyrShapeButtonMode mode_ = TVyrShapeButtonMode::sbmShapeFast;
  Vyrcctrl::TVyrImageLink faceLink_;
  bool bevel3D_ = false;
  std::unique_ptr<TBrush> workBrush_;
  std::unique_ptr<Vyrgrapa::TVyrPointList> points_;
};

class TVyrShapeButton : public TVyrCustomShapeButton {
  MORVANT_COMPONENT(TVyrShapeButton, TVyrCustomShapeButton)
 public:
  explicit TVyrShapeButton(TComponent* AOwner) : TVyrCustomShapeButton(AOwner) {}
};

class TVyrShapeLabelButton : public TVyrCustomShapeButton {
  MORVANT_COMPONENT(TVyrShapeLabelButton, TVyrCustomShapeButton)
 public:
  explicit TVyrShapeLabelButton(TComponent* AOwner);
};

class TVyr3DShapeButton : public TVyrCustomShapeButton {
  MORVANT_COMPONENT(TVyr3DShapeButton, TVyrCustomShapeButton)
 public:
  explicit TVyr3DShapeButton(TComponent* AOwner);
};

class TVyr3DShapeLabelButton : public TVyrCustomShapeButton {
  MORVANT_COMPONENT(TVyr3DShapeLabelButton, TVyrCustomShapeButton)
 public:
  explicit TVyr3DShapeLabelButton(TComponent* AOwner);
};

void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrshapa", &Initialize, &Finalize};

}  // namespace Vyrshapa
