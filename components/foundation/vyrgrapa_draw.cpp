// Drawing a shape from its outline: shadow, fill, bevel.
//
// The outline's right and bottom bounds are exclusive, as a rectangle's:
// the fills cover the pixels left of and above them. The bevel is stroked
// along the inner copy with a pen as wide as the bevel, so its band lies
// against the outline on the inside.
#include <memory>

#include "colors.h"
#include "pen_class.h"
#include "vyrclass.h"
#include "vyrgrapa.h"
#include "vyrgrapa_geometry.h"
#include "vyrutils.h"

namespace Vyrgrapa {

using Detail::TShapeMeasures;

namespace {

enum class TFigure { Ellipse, Rectangle, RoundRect, Polygon };

TFigure FigureOf(TVyrShapeType Shape, bool HasTeeth) {
  if (HasTeeth) return TFigure::Polygon;
  switch (Shape) {
    case TVyrShapeType::stEllipse: return TFigure::Ellipse;
    case TVyrShapeType::stRectangle: return TFigure::Rectangle;
    case TVyrShapeType::stRoundRect: return TFigure::RoundRect;
    default: return TFigure::Polygon;
  }
}

// The outline and the inner copy of a list, each without the round
// rectangle's radius point (the radius comes from the measures).
struct TOutlines {
  std::vector<TPoint> Outer;
  std::vector<TPoint> Inner;
};

TOutlines SplitOutlines(const std::vector<TPoint>& All, TFigure Figure) {
  const size_t half = All.size() / 2;
  TOutlines o{std::vector<TPoint>(All.begin(), All.begin() + half),
              std::vector<TPoint>(All.begin() + half, All.begin() + 2 * half)};
  if (Figure != TFigure::Polygon) {
    o.Outer.resize(2);
    o.Inner.resize(2);
  }
  return o;
}

void Offset(TOutlines& O, int DX, int DY) {
  VyrOffsetPointArray(O.Outer, DX, DY);
  VyrOffsetPointArray(O.Inner, DX, DY);
}

// Fills the outline with the canvas brush, without a pen. Without a pen
// the platform's figures leave out their last column and row, so their box
// reaches one further to cover the outline's rectangle.
void FillFigure(TCanvas* C, TFigure Figure, const std::vector<TPoint>& Outline, int Radius) {
  C->GetPen()->SetStyle(psClear);
  if (Figure == TFigure::Polygon) {
    if (Outline.size() >= 3) C->Polygon(Outline);
    return;
  }
  const int L = Outline[0].x, T = Outline[0].y, R = Outline[1].x + 1, B = Outline[1].y + 1;
  if (Figure == TFigure::Ellipse) C->Ellipse(L, T, R, B);
  else if (Figure == TFigure::Rectangle) C->Rectangle(L, T, R, B);
  else C->RoundRect(L, T, R, B, Radius, Radius);
}

void ShadowPass(TCanvas* C, TFigure Figure, const std::vector<TPoint>& Outline, int Radius,
                const Vyrgraph::TVyrShadow& Shadow) {
  TBrush* brush = C->GetBrush();
  brush->SetBitmap(nullptr);
  brush->SetStyle(bsSolid);
  brush->SetColor(Shadow.GetColor());
  if (Shadow.GetStyle() == Vyrgraph::TVyrShadowStyle::hssTracing && Vyrclass::VyrApplication)
    brush->SetBitmap(Vyrclass::VyrApplication->GetBrushBitmap(Shadow.GetColor()));
  FillFigure(C, Figure, Outline, Radius);
}

bool Hatched(const TBrush& Brush) { return Brush.GetStyle() >= bsHorizontal && Brush.GetStyle() <= bsDiagCross; }

// The canvas draws a hatch over what lies beneath, so an opaque back
// colour goes in first as a fill of its own.
void BrushPass(TCanvas* C, TFigure Figure, const std::vector<TPoint>& Outline, int Radius, TBrush* Brush,
               TColor BrushBackColor) {
  if (Hatched(*Brush) && BrushBackColor != clNone) {
    C->GetBrush()->SetBitmap(nullptr);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(BrushBackColor);
    FillFigure(C, Figure, Outline, Radius);
  }
  C->GetBrush()->Assign(Brush);
  FillFigure(C, Figure, Outline, Radius);
}

// The picture from Rect's top-left corner, through a mask of the outline.
void PicturePass(TCanvas* C, const TRect& Rect, TFigure Figure, std::vector<TPoint> Outline, int Radius,
                 TBitmap* Picture, TColor TransparentColor) {
  const int W = Rect.Width(), H = Rect.Height();
  if (W <= 0 || H <= 0) return;
  VyrOffsetPointArray(Outline, -Rect.left, -Rect.top);
  const TColor transparent = static_cast<TColor>(ColorToRGB(TransparentColor));
  const TColor inside = transparent == clBlack ? clWhite : clBlack;

  auto mask = std::make_unique<TBitmap>();
  mask->SetSize(W, H);
  TCanvas* mc = mask->GetCanvas();
  mc->GetBrush()->SetColor(transparent);
  mc->FillRect(TRect(0, 0, W, H));
  mc->GetBrush()->SetColor(inside);
  FillFigure(mc, Figure, Outline, Radius);

  auto back = std::make_unique<TBitmap>();
  back->SetSize(W, H);
  TCanvas* bc = back->GetCanvas();
  bc->GetBrush()->SetColor(transparent);
  bc->FillRect(TRect(0, 0, W, H));
  bc->CopyRect(TRect(0, 0, Picture->GetWidth(), Picture->GetHeight()), Picture->GetCanvas(),
               TRect(0, 0, Picture->GetWidth(), Picture->GetHeight()));
  Vyrutils::VyrMaskBmpDraw(C, Rect, mask.get(), back.get(), inside, transparent);
}

// ---- the bevel: the upper-left pieces in one colour, the lower-right in
// the other ----
void Arc(TCanvas* C, const TRect& Box, const TPoint& From, const TPoint& To) {
  C->Arc(Box.left, Box.top, Box.right, Box.bottom, From.x, From.y, To.x, To.y);
}

void RectanglePieces(TCanvas* C, const std::vector<TPoint>& Inner, TColor First, TColor Second) {
  // The lines run on the last pixels inside the exclusive bounds.
  const int L = Inner[0].x, T = Inner[0].y, R = Inner[1].x - 1, B = Inner[1].y - 1;
  C->GetPen()->SetColor(First);
  C->Polyline({{R, T}, {L, T}, {L, B}});
  C->GetPen()->SetColor(Second);
  C->Polyline({{L, B}, {R, B}, {R, T}});
}

// A wide pen centred on an arc's box reaches half its width beyond it on
// every side, which for an even width is one pixel more to the right and
// bottom than the inner copy allows: the box comes in by that pixel.
TRect ArcBox(const std::vector<TPoint>& Inner, const TShapeMeasures& M) {
  const int even = M.Hb - M.Hb2;
  return TRect(Inner[0].x, Inner[0].y, Inner[1].x - even, Inner[1].y - even);
}

void EllipsePieces(TCanvas* C, const std::vector<TPoint>& Inner, const TShapeMeasures& M, TColor First,
                   TColor Second) {
  const TRect box = ArcBox(Inner, M);
  C->GetPen()->SetColor(First);
  Arc(C, box, TPoint(box.right, box.top), TPoint(box.left, box.bottom));
  C->GetPen()->SetColor(Second);
  Arc(C, box, TPoint(box.left, box.bottom), TPoint(box.right, box.top));
}

// The top-right and bottom-left corners are split at their middle.
void RoundRectPieces(TCanvas* C, const std::vector<TPoint>& Inner, const TShapeMeasures& M, TColor First,
                     TColor Second) {
  const int size = M.InnerRadius;
  if (size < 2) {
    RectanglePieces(C, Inner, First, Second);
    return;
  }
  const TRect box = ArcBox(Inner, M);
  const int L = box.left, T = box.top, R = box.right, B = box.bottom;
  // The straight sides run on the last pixels inside the inner copy.
  const int lineR = Inner[1].x - 1, lineB = Inner[1].y - 1;
  const int h = size / 2;
  const TRect tl(L, T, L + size, T + size), tr(R - size, T, R, T + size);
  const TRect bl(L, B - size, L + size, B), br(R - size, B - size, R, B);
  C->GetPen()->SetColor(First);
  Arc(C, tr, TPoint(tr.right, tr.top), TPoint(tr.left + h, tr.top));
  C->Polyline({{R - h, T}, {L + h, T}});
  Arc(C, tl, TPoint(tl.left + h, tl.top), TPoint(tl.left, tl.top + h));
  C->Polyline({{L, T + h}, {L, B - h}});
  Arc(C, bl, TPoint(bl.left, bl.top + h), TPoint(bl.left, bl.bottom));
  C->GetPen()->SetColor(Second);
  Arc(C, bl, TPoint(bl.left, bl.bottom), TPoint(bl.left + h, bl.bottom));
  C->Polyline({{L + h, lineB}, {R - h, lineB}});
  Arc(C, br, TPoint(br.left + h, br.bottom), TPoint(br.right, br.top + h));
  C->Polyline({{lineR, B - h}, {lineR, T + h}});
  Arc(C, tr, TPoint(tr.right, tr.top + h), TPoint(tr.right, tr.top));
}

// Runs of sides facing the same way, each one polyline.
void PolygonPieces(TCanvas* C, const std::vector<TPoint>& Inner, TColor First, TColor Second) {
  const size_t n = Inner.size();
  if (n < 2) return;
  const bool positive = Detail::DoubleArea(Inner) > 0;
  auto upperLeft = [&](size_t i) { return Detail::FacesUpperLeft(Inner[i % n], Inner[(i + 1) % n], positive); };
  // Start where a run begins, so no run is cut at the list's end.
  size_t start = 0;
  while (start < n && upperLeft(start) == upperLeft(start + n - 1)) ++start;
  if (start == n) start = 0;
  size_t i = 0;
  while (i < n) {
    const bool kind = upperLeft(start + i);
    std::vector<TPoint> run{Inner[(start + i) % n]};
    while (i < n && upperLeft(start + i) == kind) {
      run.push_back(Inner[(start + i + 1) % n]);
      ++i;
    }
    C->GetPen()->SetColor(kind ? First : Second);
    C->Polyline(run);
  }
}

void BevelPass(TCanvas* C, TFigure Figure, const std::vector<TPoint>& Inner, const TShapeMeasures& M,
               const TVyrSimpleBevel& Bevel) {
  TColor first = Bevel.GetColor(), second = Bevel.GetColor();
  if (Bevel.GetStyle() == TVyrSimpleBevelStyle::sbInset) {
    first = Bevel.GetShadowColor();
    second = Bevel.GetLightColor();
  } else if (Bevel.GetStyle() == TVyrSimpleBevelStyle::sbOffset) {
    first = Bevel.GetLightColor();
    second = Bevel.GetShadowColor();
  }
  C->GetBrush()->SetBitmap(nullptr);
  C->GetBrush()->SetStyle(bsClear);
  C->GetPen()->SetStyle(psSolid);
  C->GetPen()->SetWidth(M.BevelWidth);
  switch (Figure) {
    case TFigure::Rectangle: RectanglePieces(C, Inner, first, second); return;
    case TFigure::Ellipse: EllipsePieces(C, Inner, M, first, second); return;
    case TFigure::RoundRect: RoundRectPieces(C, Inner, M, first, second); return;
    case TFigure::Polygon: PolygonPieces(C, Inner, first, second); return;
  }
}

// Puts the canvas's pen and brush back when the drawing is done.
class TCanvasToolsKeeper {
 public:
  explicit TCanvasToolsKeeper(TCanvas* C) : canvas_(C) {
    pen_->Assign(C->GetPen());
    brush_->Assign(C->GetBrush());
  }
  ~TCanvasToolsKeeper() {
    canvas_->GetPen()->Assign(pen_.get());
    canvas_->GetBrush()->Assign(brush_.get());
  }
  TCanvasToolsKeeper(const TCanvasToolsKeeper&) = delete;
  TCanvasToolsKeeper& operator=(const TCanvasToolsKeeper&) = delete;

 private:
  TCanvas* canvas_;
  std::unique_ptr<TPen> pen_ = std::make_unique<TPen>();
  std::unique_ptr<TBrush> brush_ = std::make_unique<TBrush>();
};

}  // namespace

void VyrShapeDraw(const TRect& Rect, TCanvas* Canvas, TVyrShapeType Shape, TVyrTeeth* Teeth, TVyrPointList* List,
                  bool Square, TBrush* Brush, int RoundPercent, TVyrSimpleBevel* Bevel, Vyrgraph::TVyrShadow* Shadow,
                  TBitmap* Bitmap, TColor TransparentColor, TColor BrushBackColor) {
  if (!Canvas) return;
  const TFigure figure = FigureOf(Shape, Teeth != nullptr);
  const TShapeMeasures m = Detail::ShapeMeasures(Rect, Teeth != nullptr, Square, RoundPercent, Bevel, Shadow);

  // The caller's list is read, never moved; one too short for the figure
  // is as good as none.
  std::vector<TPoint> points;
  if (List && List->GetCount() >= 4) {
    points = List->GetPoints();
  } else {
    TVyrPointList temporary;
    VyrShapeCalc(Rect, Shape, Teeth, Square, Brush, RoundPercent, Bevel, Shadow, &temporary);
    points = temporary.GetPoints();
  }
  TOutlines o = SplitOutlines(points, figure);
  Offset(o, Rect.left, Rect.top);

  TCanvasToolsKeeper keeper(Canvas);
  const int s = m.ShadowDepth;
  if (s > 0 && Shadow) ShadowPass(Canvas, figure, o.Outer, m.Radius, *Shadow);
  Offset(o, -s, -s);

  if (Bitmap && !Bitmap->GetEmpty())
    PicturePass(Canvas, Rect, figure, o.Outer, m.Radius, Bitmap, TransparentColor);
  else if (Brush)
    BrushPass(Canvas, figure, o.Outer, m.Radius, Brush, BrushBackColor);

  if (Bevel && Bevel->GetWidth() > 0) BevelPass(Canvas, figure, o.Inner, m, *Bevel);
}

}  // namespace Vyrgrapa
