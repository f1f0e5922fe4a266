// The outline of a shape and its inner copy.
#include <algorithm>
#include <cmath>

#include "vyrgrapa.h"
#include "vyrgrapa_geometry.h"
#include "vyrregion.h"

namespace Vyrgrapa {

using Detail::RoundEven;
using Detail::TShapeMeasures;

namespace {

std::vector<TPoint> ShapeOutline(TVyrShapeType Shape, const TRect& Work, int Radius) {
  const int L = Work.left, T = Work.top, R = Work.right, B = Work.bottom;
  const int w = R - L, h = B - T;
  using S = TVyrShapeType;
  switch (Shape) {
    case S::stEllipse:
    case S::stRectangle: return {{L, T}, {R, B}};
    case S::stRoundRect: return {{L, T}, {R, B}, {Radius, Radius}};
    case S::stDirectUp: return {{L + w / 2, T}, {R, B}, {L, B}};
    case S::stDirectRight: return {{L, T}, {R, T + h / 2}, {L, B}};
    case S::stDirectDown: return {{L, T}, {R, T}, {L + w / 2, B}};
    case S::stDirectLeft: return {{R, T}, {L, T + h / 2}, {R, B}};
    case S::stDiamond: return {{L + w / 2, T}, {R, T + h / 2}, {L + w / 2, B}, {L, T + h / 2}};
    case S::stComb: {
      const int c = RoundEven(h / 5.0);
      return {{L + w / 2, T}, {R, T + c}, {R, T + 4 * c}, {L + w / 2, B}, {L, T + 4 * c}, {L, T + c}};
    }
    case S::stOctagon: {
      // The corner cuts of a regular octagon and its straight sides.
      const double k = 2.0 + std::sqrt(2.0);
      const int a = RoundEven(w / k), e = RoundEven(h / k);
      const int sa = RoundEven(std::sqrt(2.0) * a), se = RoundEven(std::sqrt(2.0) * e);
      return {{L + a, T},      {L + a + sa, T}, {R, T + e},      {R, T + e + se},
              {L + a + sa, B}, {L + a, B},      {L, T + e + se}, {L, T + e}};
    }
    case S::stStar: return Vyrregion::VyrStarPoints(Work);
  }
  return {};
}

// The vertex moved inside where its two sides, each moved inside by the
// offset it faces, meet; never further than a few bevel widths, so that the
// sharp points of a star stay near the outline.
TPoint MiterInside(const std::vector<TPoint>& P, size_t I, bool PositiveArea, int Hb, int Hb2) {
  const size_t n = P.size();
  const TPoint& prev = P[(I + n - 1) % n];
  const TPoint& v = P[I];
  const TPoint& next = P[(I + 1) % n];
  struct Line {
    double px, py, ux, uy;
  };
  auto offsetLine = [&](const TPoint& a, const TPoint& b) {
    double ux = b.x - a.x, uy = b.y - a.y;
    const double len = std::hypot(ux, uy);
    if (len == 0) return Line{double(a.x), double(a.y), 0, 0};
    ux /= len;
    uy /= len;
    const double nx = PositiveArea ? -uy : uy, ny = PositiveArea ? ux : -ux;
    const double d = Detail::FacesUpperLeft(a, b, PositiveArea) ? Hb : Hb2;
    return Line{a.x + nx * d, a.y + ny * d, ux, uy};
  };
  const Line l1 = offsetLine(prev, v), l2 = offsetLine(v, next);
  const double cross = l1.ux * l2.uy - l1.uy * l2.ux;
  double x, y;
  if (std::abs(cross) < 1e-9) {
    x = l2.px;
    y = l2.py;
  } else {
    const double t = ((l2.px - l1.px) * l2.uy - (l2.py - l1.py) * l2.ux) / cross;
    x = l1.px + t * l1.ux;
    y = l1.py + t * l1.uy;
  }
  double dx = x - v.x, dy = y - v.y;
  const double limit = 3.0 * std::max({Hb, Hb2, 1});
  const double len = std::hypot(dx, dy);
  if (len > limit) {
    dx *= limit / len;
    dy *= limit / len;
  }
  return TPoint(v.x + static_cast<int>(std::lround(dx)), v.y + static_cast<int>(std::lround(dy)));
}

// Vertices on the working rectangle's sides move straight in from them
// (both ways at a corner); the others by the miter of their two sides.
std::vector<TPoint> InnerCopy(TVyrShapeType Shape, const std::vector<TPoint>& Outline, const TShapeMeasures& M) {
  const TRect& w = M.Work;
  using S = TVyrShapeType;
  if (Shape == S::stEllipse || Shape == S::stRectangle || Shape == S::stRoundRect) {
    std::vector<TPoint> inner{{w.left + M.Hb, w.top + M.Hb}, {w.right - M.Hb2, w.bottom - M.Hb2}};
    if (Shape == S::stRoundRect) inner.emplace_back(M.InnerRadius, M.InnerRadius);
    return inner;
  }
  const bool positive = Detail::DoubleArea(Outline) > 0;
  std::vector<TPoint> inner;
  inner.reserve(Outline.size());
  for (size_t i = 0; i < Outline.size(); ++i) {
    const TPoint& v = Outline[i];
    const bool onX = v.x == w.left || v.x == w.right;
    const bool onY = v.y == w.top || v.y == w.bottom;
    if (!onX && !onY) {
      inner.push_back(MiterInside(Outline, i, positive, M.Hb, M.Hb2));
      continue;
    }
    TPoint p = v;
    if (v.x == w.left) p.x += M.Hb;
    else if (v.x == w.right) p.x -= M.Hb2;
    if (v.y == w.top) p.y += M.Hb;
    else if (v.y == w.bottom) p.y -= M.Hb2;
    inner.push_back(p);
  }
  return inner;
}

// The number of zig-zag steps along the toothed side; with SetPerCount the
// pitch is written back without a change report (and without ending a batch
// the owner has open).
int ToothSteps(TVyrTeeth* Teeth, int Length) {
  const bool vertical = Teeth->GetDirection() == TVyrDirection::tdRight ||
                        Teeth->GetDirection() == TVyrDirection::tdLeft;
  if (!Teeth->GetSetPerCount()) {
    // A pitch of 0 or less would never reach the end: no teeth then.
    const int pitch = vertical ? Teeth->GetHeight() : Teeth->GetWidth();
    if (pitch <= 0) return 0;
    return std::max(0, 2 * RoundEven(static_cast<double>(Length) / pitch));
  }
  const int n = 2 * Teeth->GetCount();
  if (n == 0) return 0;
  const int pitch = RoundEven(static_cast<double>(Length) / n);
  const bool wasUpdating = Teeth->GetUpdating();
  if (!wasUpdating) Teeth->BeginUpdate();
  if (vertical) Teeth->SetHeight(pitch);
  else Teeth->SetWidth(pitch);
  if (!wasUpdating) Teeth->EndUpdate(false);
  return n;
}

std::vector<TPoint> TeethOutline(TVyrTeeth* Teeth, const TRect& Work) {
  const int L = Work.left, T = Work.top, R = Work.right, B = Work.bottom;
  const TVyrDirection dir = Teeth->GetDirection();
  const bool vertical = dir == TVyrDirection::tdRight || dir == TVyrDirection::tdLeft;
  const int n = ToothSteps(Teeth, vertical ? B - T : R - L);
  const long long w = Teeth->GetWidth(), h = Teeth->GetHeight();
  const int p = Teeth->GetOffset() ? 0 : 1;
  auto q = [&](int i) { return Teeth->GetOffset() ? i % 2 : (i + 1) % 2; };
  // Teeth of any depth: the inner line of the toothed side stays inside
  // the point range, at its edge when it would lie beyond.
  auto fit = [](long long V) {
    return static_cast<int>(
        std::clamp<long long>(V, TVyrPointList::kMinCoordinate, TVyrPointList::kMaxCoordinate));
  };
  // The toothed side's coordinate at depth K (0 on the outer line, 1 a
  // tooth's width or height inside it).
  auto edge = [&](int K) -> int {
    switch (dir) {
      case TVyrDirection::tdRight: return fit(R - w * K - 1);
      case TVyrDirection::tdLeft: return fit(L + w * K);
      case TVyrDirection::tdDown: return fit(B - h * K);
      case TVyrDirection::tdUp: return fit(T + h * K);
    }
    return 0;
  };
  std::vector<TPoint> out;
  out.reserve(static_cast<size_t>(n) + 5);
  if (vertical) {
    const int far = dir == TVyrDirection::tdRight ? L : R - 1;
    out = {{edge(p), B - 1}, {far, B - 1}, {far, T}, {edge(p), T}};
    for (int i = 0; i < n; ++i) out.emplace_back(edge(q(i)), fit(std::min<long long>(T + h * i, B)));
    out.emplace_back(edge(q(n)), B);
  } else {
    const int far = dir == TVyrDirection::tdDown ? T : B - 1;
    out = {{R - 1, edge(p)}, {R - 1, far}, {L, far}, {L, edge(p)}};
    for (int i = 0; i < n; ++i) out.emplace_back(fit(std::min<long long>(L + w * i, R)), edge(q(i)));
    out.emplace_back(R, edge(q(n)));
  }
  return out;
}

}  // namespace

void VyrShapeCalc(const TRect& Rect, TVyrShapeType Shape, TVyrTeeth* Teeth, bool Square, TBrush* /*Brush*/,
                  int RoundPercent, TVyrSimpleBevel* Bevel, Vyrgraph::TVyrShadow* Shadow, TVyrPointList* List) {
  if (!List) return;
  List->Clear();
  const TShapeMeasures m = Detail::ShapeMeasures(Rect, Teeth != nullptr, Square, RoundPercent, Bevel, Shadow);
  std::vector<TPoint> outline, inner;
  if (Teeth) {
    outline = TeethOutline(Teeth, m.Work);
    inner = outline;
  } else {
    outline = ShapeOutline(Shape, m.Work, m.Radius);
    inner = InnerCopy(Shape, outline, m);
  }
  outline.insert(outline.end(), inner.begin(), inner.end());
  List->AddPoints(outline);
}

}  // namespace Vyrgrapa
