// The measures of a shape and the sides of a polygon.
#include <algorithm>
#include <cmath>

#include "vyrgrapa_geometry.h"

namespace Vyrgrapa::Detail {

int RoundEven(double X) { return static_cast<int>(std::nearbyint(X)); }

TShapeMeasures ShapeMeasures(const TRect& Rect, bool HasTeeth, bool Square, int RoundPercent,
                             const TVyrSimpleBevel* Bevel, const Vyrgraph::TVyrShadow* Shadow) {
  TShapeMeasures m;
  if (Shadow && Shadow->GetStyle() != Vyrgraph::TVyrShadowStyle::hssNone) m.ShadowDepth = Shadow->GetDepth();
  m.BevelWidth = (!HasTeeth && Bevel) ? Bevel->GetWidth() : 1;
  m.Hb = m.BevelWidth / 2;
  m.Hb2 = std::max(0, (m.BevelWidth - 1) / 2);
  if (HasTeeth) m.Hb = m.Hb2 = 0;

  const int w = Rect.Width(), h = Rect.Height(), s = m.ShadowDepth;
  m.Work = TRect(s, s, w, h);
  if (Square) {
    const int dx = w > h ? (w - h) / 2 : 0;
    const int dy = h >= w ? (h - w) / 2 : 0;
    m.Work = TRect(s + dx, s + dy, w - dx, h - dy);
  }
  const int percent = std::clamp(RoundPercent, 0, kPercentMax);
  m.Radius = std::max(0, std::min(w - s, h - s) * percent / 100);
  m.InnerRadius = std::max(0, m.Radius - m.Hb - m.Hb2);
  return m;
}

long long DoubleArea(const std::vector<TPoint>& Points) {
  long long sum = 0;
  for (size_t i = 0; i < Points.size(); ++i) {
    const TPoint& a = Points[i];
    const TPoint& b = Points[(i + 1) % Points.size()];
    sum += 1LL * a.x * b.y - 1LL * b.x * a.y;
  }
  return sum;
}

bool FacesUpperLeft(const TPoint& From, const TPoint& To, bool PositiveArea) {
  const long long dx = To.x - From.x, dy = To.y - From.y;
  // The outward normal: to the right of the edge when the inside is left.
  const long long ox = PositiveArea ? dy : -dy;
  const long long oy = PositiveArea ? -dx : dx;
  if (ox + oy != 0) return ox + oy < 0;
  return ox < 0;
}

}  // namespace Vyrgrapa::Detail
