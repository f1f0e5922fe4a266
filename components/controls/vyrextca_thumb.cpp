// The track bar's own thumb pictures.
#include <vector>

#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "pen_class.h"
#include "vyrclass_application.h"
#include "vyrextca.h"
#include "vyrutils.h"

namespace Vyrextca {

namespace {

// Fills with the checkerboard of Color (solid without the application
// object, as in a bare test).
void UsePressedBrush(TCanvas* C, TColor Color) {
  if (Vyrclass::VyrApplication) {
    C->GetBrush()->SetBitmap(Vyrclass::VyrApplication->GetBrushBitmap(Color));
  } else {
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(Color);
  }
}

void UseSolidBrush(TCanvas* C, TColor Color) {
  C->GetBrush()->SetBitmap(nullptr);
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(Color);
}

// One pointed image at X offset OffsetX. Points are given along the track
// (a) and across it toward the ticks (c), then turned for the bar.
void DrawPointed(TCanvas* C, int OffsetX, int Length, int Thickness, TVyrOrientation Orientation,
                 TVyrTickMarks Marks, bool Pressed, TColor ThumbColor) {
  const bool horizontal = Orientation == TVyrOrientation::toHorizontal;
  const bool flip = Marks == TVyrTickMarks::tmTopLeft;
  auto at = [&](int a, int c) {
    if (flip) c = Thickness - 1 - c;
    return horizontal ? TPoint(OffsetX + a, c) : TPoint(OffsetX + c, a);
  };
  const int h = Length / 2, L = Length - 1, T = Thickness - 1;
  const TRect image = horizontal ? Bounds(OffsetX, 0, Length, Thickness) : Bounds(OffsetX, 0, Thickness, Length);
  UseSolidBrush(C, clOlive);
  C->FillRect(image);
  if (Pressed)
    UsePressedBrush(C, ThumbColor);
  else
    UseSolidBrush(C, ThumbColor);
  C->GetPen()->SetStyle(psClear);
  C->Polygon({at(0, 0), at(L, 0), at(L, T - h), at(h, T), at(0, T - h)});
  C->GetPen()->SetStyle(psSolid);
  C->GetPen()->SetWidth(1);
  C->GetPen()->SetColor(clBtnHighlight);
  C->Polyline({at(h, T), at(0, T - h), at(0, 0), at(L, 0)});
  C->GetPen()->SetColor(clBtnShadow);
  C->Polyline({at(L - 1, 1), at(L - 1, T - h), at(h, T - 1)});
  C->GetPen()->SetColor(cl3DDkShadow);
  C->Polyline({at(L, 0), at(L, T - h), at(h, T), at(h - 1, T - 1)});
}

void DrawBlock(TCanvas* C, const TRect& Image, bool Pressed, TColor ThumbColor) {
  if (Pressed)
    UsePressedBrush(C, ThumbColor);
  else
    UseSolidBrush(C, ThumbColor);
  C->FillRect(Image);
  TRect frame = Image;
  Vyrutils::VyrDrawStdFrame(C, frame, Vyrgraph::TVyrBorderStyle::lsRaised, 0);
}

}  // namespace

void VyrCreateThumb(TBitmap* Thumb, int TrackWidth, TVyrOrientation Orientation, TVyrTickMarks TickMarks,
                    TColor ThumbColor) {
  const TVyrThumbSize size = VyrDrawnThumbSize(TrackWidth, TickMarks);
  const bool horizontal = Orientation == TVyrOrientation::toHorizontal;
  const int imageWidth = horizontal ? size.Length : size.Thickness;
  const int imageHeight = horizontal ? size.Thickness : size.Length;
  Thumb->SetSize(2 * imageWidth, imageHeight);
  TCanvas* C = Thumb->GetCanvas();
  for (int image = 0; image < 2; ++image) {
    const int x = image * imageWidth;
    if (TickMarks == TVyrTickMarks::tmBoth)
      DrawBlock(C, Bounds(x, 0, imageWidth, imageHeight), image == 1, ThumbColor);
    else
      DrawPointed(C, x, size.Length, size.Thickness, Orientation, TickMarks, image == 1, ThumbColor);
  }
  UseSolidBrush(C, ThumbColor);
}

}  // namespace Vyrextca
