// The signs at a technical line's ends, each drawn in its box.
#include <array>

#include "canvas.h"
#include "vyrextca.h"
#include "vyrextca_techline_routes.h"

namespace Vyrextca {

using TechLine::Clamp;

namespace {

TPoint Pt(std::int64_t x, std::int64_t y) { return TPoint(Clamp(x), Clamp(y)); }

}  // namespace

void VyrDrawTechnicalLineSign(TCanvas* Canvas, TVyrLineEndings Sign, std::int64_t l, std::int64_t t, std::int64_t r,
                              std::int64_t b, int PenWidth) {
  if (PenWidth != 1) {
    const std::int64_t inset = PenWidth / 2;
    l += inset, t += inset, r -= inset, b -= inset;
  }
  const std::int64_t mx = l + (r - l) / 2, my = t + (b - t) / 2, qx = (r - l) / 4, qy = (b - t) / 4;
  using L = TVyrLineEndings;
  switch (Sign) {
    case L::leNothing: break;
    case L::leOpenArrowUp: Canvas->Polyline({Pt(l, b), Pt(mx, t), Pt(r, b)}); break;
    case L::leOpenArrowDown: Canvas->Polyline({Pt(l, t), Pt(mx, b), Pt(r, t)}); break;
    case L::leOpenArrowRight: Canvas->Polyline({Pt(l, t), Pt(r, my), Pt(l, b)}); break;
    case L::leOpenArrowLeft: Canvas->Polyline({Pt(r, t), Pt(l, my), Pt(r, b)}); break;
    case L::leClosedArrowUp: Canvas->Polygon({Pt(l, b), Pt(mx, t), Pt(r, b)}); break;
    case L::leClosedArrowDown: Canvas->Polygon({Pt(l, t), Pt(mx, b), Pt(r, t)}); break;
    case L::leClosedArrowLeft: Canvas->Polygon({Pt(r, t), Pt(l, my), Pt(r, b)}); break;
    case L::leClosedArrowRight: Canvas->Polygon({Pt(l, t), Pt(r, my), Pt(l, b)}); break;
    case L::leDiamond: Canvas->Polygon({Pt(mx, t), Pt(r, my), Pt(mx, b), Pt(l, my)}); break;
    case L::leCircle: Canvas->Ellipse(Clamp(l), Clamp(t), Clamp(r), Clamp(b)); break;
    case L::leRectangle: Canvas->Rectangle(Clamp(l), Clamp(t), Clamp(r), Clamp(b)); break;
    case L::leRoundRect: Canvas->RoundRect(Clamp(l), Clamp(t), Clamp(r), Clamp(b), Clamp(qx), Clamp(qy)); break;
    case L::leParallelogramm: Canvas->Polygon({Pt(l + qx, t), Pt(r, t), Pt(r - qx, b), Pt(l, b)}); break;
    case L::leComb:
      Canvas->Polygon({Pt(mx, t), Pt(r, t + qy), Pt(r, b - qy), Pt(mx, b), Pt(l, b - qy), Pt(l, t + qy)});
      break;
    case L::leHalfCircleLeft:
      Canvas->Pie(Clamp(l), Clamp(t), Clamp(r), Clamp(b), Clamp(mx), Clamp(t), Clamp(mx), Clamp(b));
      break;
    case L::leHalfCircleRight:
      Canvas->Pie(Clamp(l), Clamp(t), Clamp(r), Clamp(b), Clamp(mx), Clamp(b), Clamp(mx), Clamp(t));
      break;
    case L::leHalfCircleUp:
      Canvas->Pie(Clamp(l), Clamp(t), Clamp(r), Clamp(b), Clamp(l), Clamp(my), Clamp(r), Clamp(my));
      break;
    case L::leHalfCircleDown:
      Canvas->Pie(Clamp(l), Clamp(t), Clamp(r), Clamp(b), Clamp(r), Clamp(my), Clamp(l), Clamp(my));
      break;
  }
}

}  // namespace Vyrextca
