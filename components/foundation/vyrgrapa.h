// The geometry of eleven simple shapes: the outline of one inside a
// rectangle as a point list, and the drawing of a shape from that list with
// a drop shadow, a fill and a bevel. Three settings objects describe a
// shape: the shape itself, its bevel and an optional toothed edge.
//
// An outline list holds the outline first and then an inner copy of it with
// as many points, each vertex moved inside by the bevel offsets; the bevel
// is stroked along the inner copy so that its band lies inside the outline.
#pragma once

#include <span>
#include <vector>

#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "tlist.h"
#include "unitstartup.h"
#include "vyrclass.h"
#include "vyrgraph.h"

namespace Vyrgrapa {

using Vyrgraph::TVyrDirection;

enum class TVyrShapeType {
  stEllipse, stRectangle, stRoundRect, stDirectUp, stDirectRight, stDirectDown, stDirectLeft, stDiamond, stComb,
  stOctagon, stStar
};
enum class TVyrSimpleBevelStyle { sbNormal, sbInset, sbOffset };
enum class TVyrLightColor { lcNone, lcBlue, lcRed, lcGreen, lcYellow, lcMarine, lcPurple };

// The range types clamp a value outside their range to the nearer bound.
constexpr int kTeethCountMax = 50;  // TVyrTeethCount 0..50
constexpr int kPercentMax = 100;    // TVyrPercent 0..100

// Points packed into one 32-bit item each, X in the high and Y in the low
// 16 bits. Both halves are read back sign-extended, so a coordinate must lie
// in -32768..32767; a point outside that range is refused (ERangeError)
// rather than stored wrapped.
class TVyrPointList : public TList {
  MORVANT_CLASS(TVyrPointList, TList)
 public:
  static constexpr int kMinCoordinate = -32768;
  static constexpr int kMaxCoordinate = 32767;
  static bool CanHold(const TPoint& P);

  // The index of the new point.
  int AddPoint(const TPoint& P);
  // All or none: one point out of range adds nothing.
  void AddPoints(std::span<const TPoint> Points);
  // An index outside the list is ignored.
  void PutPoint(int Index, const TPoint& P);
  // (0, 0) for an index outside the list.
  TPoint GetPoint(int Index) const;
  std::vector<TPoint> GetPoints() const;
};

// The bevel of a shape: a band of Width pixels inside its outline.
class TVyrSimpleBevel : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrSimpleBevel, Vyrclass::TVyrObject)
 public:
  TVyrSimpleBevel() = default;
  void Assign(TPersistent* Source) override;

  int GetWidth() const { return width_; }
  void SetWidth(int Value);
  TVyrSimpleBevelStyle GetStyle() const { return style_; }
  void SetStyle(TVyrSimpleBevelStyle Value);
  TColor GetLightColor() const { return lightColor_; }
  TColor GetShadowColor() const { return shadowColor_; }
  TColor GetColor() const { return color_; }
  // Index 0 LightColor, 1 ShadowColor, 2 Color.
  void SetColors(int Index, TColor Value);
  void SetLightColor(TColor Value) { SetColors(0, Value); }
  void SetShadowColor(TColor Value) { SetColors(1, Value); }
  void SetColor(TColor Value) { SetColors(2, Value); }

 private:
  int width_ = 2;
  TVyrSimpleBevelStyle style_ = TVyrSimpleBevelStyle::sbNormal;
  TColor color_ = clBlack;
  TColor lightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
};

// Which shape, its brush, corner rounding, shadow and bevel. A change of an
// owned object is reported as the shape's own change.
class TVyrShape : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrShape, Vyrclass::TVyrObject)
 public:
  TVyrShape();
  ~TVyrShape() override;
  void Assign(TPersistent* Source) override;

  TVyrSimpleBevel* GetBevel() const { return bevel_.get(); }
  void SetBevel(TVyrSimpleBevel* Value) { bevel_->Assign(Value); }
  TBrush* GetBrush() const { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  int GetRoundPercent() const { return roundPercent_; }
  void SetRoundPercent(int Value);
  Vyrgraph::TVyrShadow* GetShadow() const { return shadow_.get(); }
  void SetShadow(Vyrgraph::TVyrShadow* Value) { shadow_->Assign(Value); }
  TVyrShapeType GetShape() const { return shape_; }
  void SetShape(TVyrShapeType Value);
  bool GetSquare() const { return square_; }
  void SetSquare(bool Value);

 private:
  std::unique_ptr<TVyrSimpleBevel> bevel_;
  std::unique_ptr<TBrush> brush_;
  int roundPercent_ = 33;
  std::unique_ptr<Vyrgraph::TVyrShadow> shadow_;
  TVyrShapeType shape_ = TVyrShapeType::stRectangle;
  bool square_ = false;
};

// One side of a rectangle cut into a zig-zag: Count teeth (SetPerCount)
// or teeth of the pitch Height (right, left) or Width (down, up).
class TVyrTeeth : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrTeeth, Vyrclass::TVyrObject)
 public:
  TVyrTeeth() = default;
  void Assign(TPersistent* Source) override;

  int GetCount() const { return count_; }
  void SetCount(int Value);
  TVyrDirection GetDirection() const { return direction_; }
  void SetDirection(TVyrDirection Value);
  bool GetOffset() const { return offset_; }
  bool GetSetPerCount() const { return setPerCount_; }
  // Index 0 Offset, 1 SetPerCount.
  void SetBoolean(int Index, bool Value);
  void SetOffset(bool Value) { SetBoolean(0, Value); }
  void SetSetPerCount(bool Value) { SetBoolean(1, Value); }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  // Index 0 Width, 1 Height.
  void SetSize(int Index, int Value);
  void SetWidth(int Value) { SetSize(0, Value); }
  void SetHeight(int Value) { SetSize(1, Value); }

 private:
  int count_ = 10;
  TVyrDirection direction_ = TVyrDirection::tdRight;
  bool offset_ = true;
  bool setPerCount_ = true;
  int width_ = 10;
  int height_ = 0;
};

// The light and shadow colour of a colour scheme; a value outside the
// enumeration leaves both alone.
void VyrGetLightColors(TVyrLightColor LightColor, TColor& Light, TColor& Shadow);

void VyrOffsetPointArray(std::span<TPoint> Points, int DX, int DY);
// Moves every point, or none when one would leave the list's range
// (ERangeError).
void VyrOffsetPointList(TVyrPointList* List, int DX, int DY);

// Clears List and fills it with the outline of Shape in Rect, relative to
// Rect's top-left corner (the shadow room at the top and left), then its
// inner copy. With Teeth the outline is a rectangle with one toothed side,
// and with SetPerCount the pitch is written back into Teeth without a
// change report. Teeth, Bevel and Shadow may be nil; Brush is not used.
// Teeth deeper than the point range reaches keep their inner line at its
// edge; a rectangle larger than the range raises ERangeError, List empty.
void VyrShapeCalc(const TRect& Rect, TVyrShapeType Shape, TVyrTeeth* Teeth, bool Square, TBrush* Brush,
                  int RoundPercent, TVyrSimpleBevel* Bevel, Vyrgraph::TVyrShadow* Shadow, TVyrPointList* List);

// Draws the shape into Rect of Canvas: the shadow, the fill (Brush, or with
// Bitmap the picture from Rect's top-left corner, seen only inside the
// outline and where it is not TransparentColor) and the bevel. List is the
// outline VyrShapeCalc made for the same arguments and is left as it is;
// nil computes one for the call. BrushBackColor is the colour behind a
// hatched brush (clNone: the background shows). The canvas keeps its pen
// and brush.
void VyrShapeDraw(const TRect& Rect, TCanvas* Canvas, TVyrShapeType Shape, TVyrTeeth* Teeth, TVyrPointList* List,
                  bool Square, TBrush* Brush, int RoundPercent, TVyrSimpleBevel* Bevel, Vyrgraph::TVyrShadow* Shadow,
                  TBitmap* Bitmap = nullptr, TColor TransparentColor = clFuchsia, TColor BrushBackColor = clNone);

// Registers the settings classes with the class registry.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrgrapa", &Initialize, &Finalize};

}  // namespace Vyrgrapa
