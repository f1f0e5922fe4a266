// The repeated shape: one cell with the shape drawn once and then copied
// over the grid.
#include <algorithm>
#include <vector>

#include "numbers.h"
#include "vyrshapa.h"
#include "vyrutils.h"

namespace Vyrshapa {

using Vyrutils::VyrBmpDraw;

namespace {

// A stretch of the control along one axis and the cell pixels it shows:
// Length pixels from Dest on show the cell from Source on.
struct TCellSpan {
  int Dest;
  int Source;
  int Length;
};

// What Count cells of Size pixels, the i-th at i * Pitch, show of 0..Extent
// when drawn in order, each over the ones before. Only the cells that reach
// the extent are visited, so neither the count nor a pitch of 0 or below
// costs more than the extent.
std::vector<TCellSpan> VisibleSpans(long long Count, long long Pitch, int Size, int Extent) {
  std::vector<TCellSpan> spans;
  if (Count <= 0 || Size <= 0 || Extent <= 0) return spans;
  const auto show = [&](long long Start, long long From, long long To) {
    From = std::max<long long>(From, 0);
    To = std::min<long long>(To, Extent);
    if (From < To)
      spans.push_back({static_cast<int>(From), static_cast<int>(From - Start), static_cast<int>(To - From)});
  };
  if (Pitch == 0) {
    // The last cell lies over all the others.
    show(0, 0, Size);
  } else if (Pitch > 0) {
    // The next cell covers a cell from one pitch on.
    const long long last = std::min(Count - 1, (Extent - 1) / Pitch);
    for (long long i = 0; i <= last; ++i) {
      const long long x = i * Pitch;
      show(x, x, x + (i < Count - 1 ? std::min<long long>(Pitch, Size) : Size));
    }
  } else {
    // Each cell lies further left, over the left of the one before; those
    // that end left of the extent show nothing.
    const long long step = -Pitch;
    const long long last = std::min(Count - 1, (Size - 1) / step);
    for (long long i = 0; i <= last; ++i) {
      const long long x = -i * step;
      show(x, i < Count - 1 ? std::max(x, x + Size - step) : x, x + Size);
    }
  }
  return spans;
}

// The opaque grid: one row of cells into a band, then the band once for
// each row, so that every pixel is copied once, whatever the grid. Where
// no cell lies the band keeps Color, as the control itself does.
void DrawGrid(TCanvas* Canvas, TBitmap* Cell, const std::vector<TCellSpan>& Columns,
              const std::vector<TCellSpan>& Rows, TColor Color) {
  if (Columns.empty() || Rows.empty()) return;
  int width = 0;
  for (const TCellSpan& c : Columns) width = std::max(width, c.Dest + c.Length);
  const int height = Cell->GetHeight();
  TBitmap band;
  band.SetSize(width, height);
  TCanvas* bandCanvas = band.GetCanvas();
  bandCanvas->GetBrush()->SetColor(Color);
  bandCanvas->FillRect(TRect(0, 0, width, height));
  for (const TCellSpan& c : Columns)
    bandCanvas->CopyRect(TRect(c.Dest, 0, c.Dest + c.Length, height), Cell->GetCanvas(),
                         TRect(c.Source, 0, c.Source + c.Length, height));
  for (const TCellSpan& r : Rows)
    Canvas->CopyRect(TRect(0, r.Dest, width, r.Dest + r.Length), bandCanvas,
                     TRect(0, r.Source, width, r.Source + r.Length));
}

}  // namespace

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
  // Halves go to even, as everywhere else in the library.
  const auto fit = [](long long Space, int Count) {
    return static_cast<int>(std::clamp<Int64>(Round(static_cast<double>(Space) / Count), -32768, 32767));
  };
  values_[0] = fit(GetWidth() - (hor - 1LL) * GetHorOffset(), hor);
  values_[1] = fit(GetHeight() - (ver - 1LL) * GetVerOffset(), ver);
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
  } else if (GetShapeWidth() > 0 && GetShapeHeight() > 0) {
    // Cells without a size make no grid; the caption still shows.
    const int extra = GetTransparent() ? 0 : 1;
    columns = GetWidth() / GetShapeWidth() + extra;
    rows = GetHeight() / GetShapeHeight() + extra;
  }
  const int w = GetShapeWidth();
  const int h = GetShapeHeight();
  // Offsets of any size: the pitch in 64 bits.
  const long long pitchX = 1LL * w + GetHorOffset();
  const long long pitchY = 1LL * h + GetVerOffset();
  if (w > 0 && h > 0 && columns > 0 && rows > 0) {
    // A cell never needs to be larger than the control: huge offsets must
    // not ask for a huge bitmap.
    TBitmap cell;
    if (GetTransparent())
      cell.SetSize(static_cast<int>(std::clamp<long long>(pitchX, 1, std::max(GetWidth(), 1))),
                   static_cast<int>(std::clamp<long long>(pitchY, 1, std::max(GetHeight(), 1))));
    else
      cell.SetSize(std::min(w, std::max(GetWidth(), 1)), std::min(h, std::max(GetHeight(), 1)));
    TCanvas* cellCanvas = cell.GetCanvas();
    cellCanvas->GetBrush()->SetColor(GetColor());
    cellCanvas->FillRect(TRect(0, 0, cell.GetWidth(), cell.GetHeight()));
    const TVyrFillStyle style = GetShapeFill()->GetStyle();
    // The shape no larger than the control either: a cell of 11000 pixels
    // square would ask for masks of half a gigabyte.
    const TRect shapeRect(0, 0, std::min(w, GetWidth()), std::min(h, GetHeight()));
    if (style == TVyrFillStyle::sfNone || style == TVyrFillStyle::sfBrushBitmap) {
      TBrush brush;
      if (style == TVyrFillStyle::sfNone)
        brush.SetStyle(bsClear);
      else
        brush.SetBitmap(GetShapeFill()->GetBitmapProp());
      DrawShape(cellCanvas, shapeRect, nullptr, nullptr, &brush);
    } else {
      TBitmap* picture = style == TVyrFillStyle::sfBrush || FillBitmapSlot()->GetEmpty() ? nullptr : GetFillBitmap();
      DrawShape(cellCanvas, shapeRect, nullptr, picture);
    }
    TCanvas* canvas = GetCanvas();
    if (!GetTransparent()) {
      DrawGrid(canvas, &cell, VisibleSpans(columns, pitchX, cell.GetWidth(), GetWidth()),
               VisibleSpans(rows, pitchY, cell.GetHeight(), GetHeight()), GetColor());
    } else {
      // The cells tiled from the top-left corner, over the grid only, so
      // that a fitted grid shows exactly its count of cells.
      const TRect area =
          setPerCount_ ? TRect(0, 0, static_cast<int>(std::min<long long>(GetWidth(), pitchX * columns)),
                               static_cast<int>(std::min<long long>(GetHeight(), pitchY * rows)))
                       : GetClientRect();
      VyrBmpDraw(canvas, area, &cell, 0x60, GetColor());
    }
  }
  if (!GetCaptionClip()) DrawCaption(GetCanvas(), GetClientRect());
}

}  // namespace Vyrshapa
