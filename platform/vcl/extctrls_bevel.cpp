#include "extctrls_bevel.h"

#include "colors.h"

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  TBrush* brush = Canvas->GetBrush();
  brush->SetStyle(bsSolid);
  for (int ring = 0; ring < Width && Rect.Width() > 0 && Rect.Height() > 0; ++ring) {
    const TRect& r = Rect;
    brush->SetColor(TopColor);
    Canvas->FillRect(TRect(r.left, r.top, r.right - 1, r.top + 1));
    Canvas->FillRect(TRect(r.left, r.top, r.left + 1, r.bottom - 1));
    brush->SetColor(BottomColor);
    Canvas->FillRect(TRect(r.right - 1, r.top, r.right, r.bottom));
    Canvas->FillRect(TRect(r.left, r.bottom - 1, r.right, r.bottom));
    Rect = TRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
  }
}

void PaintBevel(TCanvas* Canvas, TRect& Rect, TBevelCut Cut, int Width) {
  switch (Cut) {
    case bvNone:
      return;
    case bvLowered:
      Frame3D(Canvas, Rect, clBtnShadow, clBtnHighlight, Width);
      return;
    case bvRaised:
      Frame3D(Canvas, Rect, clBtnHighlight, clBtnShadow, Width);
      return;
    case bvSpace:
      Frame3D(Canvas, Rect, clBtnFace, clBtnFace, Width);
      return;
  }
}
