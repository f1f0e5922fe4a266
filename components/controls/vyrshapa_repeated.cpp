// The repeated shape: one cell with the shape drawn once and then copied
// over the grid.
#include <algorithm>
#include <cmath>

#include "vyrshapa.h"
#include "vyrutils.h"

namespace Vyrshapa {

using Vyrutils::VyrBmpDraw;

TVyrRepeatedShape::TVyrRepeatedShape(TComponent* AOwner) : TVyrBaseShape(AOwner) {
  SetMode(TVyrShapeControlMode::scmShapeFill);
}

void TVyrRepeatedShape::SetInteger(int Index, int Value) {
  if (Index < 0 || Index > 5 || values_[Index] == Value) return;
  values_[Index] = Value;
  GetChange(this);
}

void TVyrRepeatedShape::SetSetPerCount(bool Value) {
  if (setPerCount_ == Value) return;
  setPerCount_ = Value;
  GetChange(this);
}

HPALETTE TVyrRepeatedShape::GetPalette() { return GetShapeFill()->GetPalette(); }

void TVyrRepeatedShape::FitCells() {
  // A count below one would divide by zero: it is taken as one cell.
  const int hor = std::max(GetHorCount(), 1);
  const int ver = std::max(GetVerCount(), 1);
  // Far-off offsets give sizes beyond any control; they are kept in range.
  values_[0] = static_cast<int>(std::clamp<long>(std::lround(double(GetWidth() - (hor - 1LL) * GetHorOffset()) / hor), -32768, 32767));
  values_[1] = static_cast<int>(std::clamp<long>(std::lround(double(GetHeight() - (ver - 1LL) * GetVerOffset()) / ver), -32768, 32767));
}

TRect TVyrRepeatedShape::GetGradientRect() {
  if (setPerCount_) FitCells();
  return TRect(0, 0, GetShapeWidth(), GetShapeHeight());
}

void TVyrRepeatedShape::Paint() {
  if (Loading()) return;
  if (GetRecalc()) {
    GetShapeChange();
    ClearRecalc();
  }
  if (!FillBitmapSlot()) FillBitmapSlot() = std::make_unique<TBitmap>();
  if (FillBitmapSlot()->GetEmpty()) OffscreenPaint();
  if (!GetTransparent()) FillControl();

  int columns = 0;
  int rows = 0;
  if (setPerCount_) {
    FitCells();
    columns = GetHorCount();
    rows = GetVerCount();
  } else {
    // Cells without a size show nothing.
    if (GetShapeWidth() <= 0 || GetShapeHeight() <= 0) return;
    const int extra = GetTransparent() ? 0 : 1;
    columns = GetWidth() / GetShapeWidth() + extra;
    rows = GetHeight() / GetShapeHeight() + extra;
  }
  const int w = GetShapeWidth();
  const int h = GetShapeHeight();
  // Offsets of any size: the pitch is kept within the int range.
  const int pitchX = static_cast<int>(std::clamp<long long>(1LL * w + GetHorOffset(), -32768, 32767));
  const int pitchY = static_cast<int>(std::clamp<long long>(1LL * h + GetVerOffset(), -32768, 32767));
  if (w > 0 && h > 0 && columns > 0 && rows > 0) {
    // A cell never needs to be larger than the control: huge offsets must
    // not ask for a huge bitmap.
    TBitmap cell;
    if (GetTransparent())
      cell.SetSize(std::clamp(pitchX, 1, std::max(GetWidth(), 1)), std::clamp(pitchY, 1, std::max(GetHeight(), 1)));
    else
      cell.SetSize(std::min(w, std::max(GetWidth(), 1)), std::min(h, std::max(GetHeight(), 1)));
    TCanvas* cellCanvas = cell.GetCanvas();
    cellCanvas->GetBrush()->SetColor(GetColor());
    cellCanvas->FillRect(TRect(0, 0, cell.GetWidth(), cell.GetHeight()));
    const TVyrFillStyle style = GetShapeFill()->GetStyle();
    const TRect shapeRect(0, 0, w, h);
    if (style == TVyrFillStyle::sfNone || style == TVyrFillStyle::sfBrushBitmap) {
      TBrush brush;
      if (style == TVyrFillStyle::sfNone)
        brush.SetStyle(bsClear);
      else
        brush.SetBitmap(GetShapeFill()->GetBitmapProp());
      Vyrgrapa::VyrShapeDraw(shapeRect, cellCanvas, GetShape(), GetActiveTeeth(), nullptr, GetSquare(), &brush,
                             GetRoundPercent(), GetBevel(), GetShadow(), nullptr, clFuchsia, GetBrushBackColor());
    } else {
      TBitmap* picture = style == TVyrFillStyle::sfBrush || FillBitmapSlot()->GetEmpty() ? nullptr : GetFillBitmap();
      DrawShape(cellCanvas, shapeRect, nullptr, picture);
    }
    TCanvas* canvas = GetCanvas();
    if (!GetTransparent()) {
      // Cells that start beyond the control (or before it, with offsets
      // that overlap the cells) are left out.
      for (long long row = 0, y = 0; row < rows && y < GetHeight(); ++row, y += pitchY)
        for (long long column = 0, x = 0; column < columns && x < GetWidth(); ++column, x += pitchX)
          if (x + w > 0 && y + h > 0) canvas->Draw(static_cast<int>(x), static_cast<int>(y), &cell);
    } else {
      // The cells tiled from the top-left corner, over the grid only, so
      // that a fitted grid shows exactly its count of cells.
      const TRect area =
          setPerCount_ ? TRect(0, 0, static_cast<int>(std::min<long long>(GetWidth(), 1LL * pitchX * columns)),
                               static_cast<int>(std::min<long long>(GetHeight(), 1LL * pitchY * rows)))
                       : GetClientRect();
      VyrBmpDraw(canvas, area, &cell, 0x60, GetColor());
    }
  }
  if (!GetCaptionClip()) DrawCaption(GetCanvas(), GetClientRect());
}

}  // namespace Vyrshapa
