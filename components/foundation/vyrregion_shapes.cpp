// The outlines and the region builders of the shapes.
#include <cmath>

#include "dc.h"
#include "gdiobj.h"
#include "vyrregion.h"

namespace Vyrregion {

namespace {
// Rounding to nearest with ties to even, the platform's rounding of reals.
int RoundEven(double X) { return static_cast<int>(std::nearbyint(X)); }

HRGN PolygonRgn(const std::vector<TPoint>& Points) {
  return CreatePolygonRgn(Points.data(), static_cast<int>(Points.size()), ALTERNATE);
}

// The two ellipses centred on the top corners that cut the shields' notches.
void CutNotches(HRGN Rgn, int W, int H) {
  HRGN left = CreateEllipticRgn((-W) / 2, (-H) / 5, W / 2, H / 5);
  HRGN right = CreateEllipticRgn(W / 2, (-H) / 5, W / 2 + W, H / 5);
  CombineRgn(Rgn, Rgn, left, RGN_DIFF);
  CombineRgn(Rgn, Rgn, right, RGN_DIFF);
  DeleteObject(left);
  DeleteObject(right);
}
}  // namespace

std::vector<TPoint> VyrDiamondPoints(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  return {{R.left + w / 2, R.top}, {R.left, R.top + h / 2}, {R.left + w / 2, R.bottom}, {R.right, R.top + h / 2}};
}

std::vector<TPoint> VyrStarPoints(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  const int l = R.left, t = R.top;
  return {{l + w / 2, t},
          {l + RoundEven(0.65 * w), t + RoundEven(0.38 * h)},
          {R.right, t + RoundEven(0.38 * h)},
          {l + RoundEven(0.7 * w), t + RoundEven(0.6 * h)},
          {l + RoundEven(0.85 * w), R.bottom},
          {l + w / 2, t + RoundEven(0.75 * h)},
          {l + RoundEven(0.15 * w), R.bottom},
          {l + RoundEven(0.3 * w), t + RoundEven(0.6 * h)},
          {l, t + RoundEven(0.38 * h)},
          {l + RoundEven(0.35 * w), t + RoundEven(0.38 * h)}};
}

std::vector<TPoint> VyrOctagonPoints(const TRect& R) {
  const int w3 = R.Width() / 3, h3 = R.Height() / 3;
  const int l = R.left, t = R.top;
  return {{l + w3 * 2, t}, {l + w3, t},          {l, t + h3},           {l, t + h3 * 2},
          {l + w3, R.bottom}, {l + w3 * 2, R.bottom}, {R.right, t + h3 * 2}, {R.right, t + h3}};
}

std::vector<TPoint> VyrCombPoints(const TRect& R) {
  const int w = R.Width(), h4 = R.Height() / 4;
  const int l = R.left, t = R.top;
  return {{l + w / 2, t},        {l, t + h4},       {l, t + h4 * 3},
          {l + w / 2, R.bottom}, {R.right, t + h4 * 3}, {R.right, t + h4}};
}

HRGN VyrCreateDiamondRgn(const TRect& R) { return PolygonRgn(VyrDiamondPoints(R)); }
HRGN VyrCreateStarRgn(const TRect& R) { return PolygonRgn(VyrStarPoints(R)); }
HRGN VyrCreateOctagonRgn(const TRect& R) { return PolygonRgn(VyrOctagonPoints(R)); }
HRGN VyrCreateCombRgn(const TRect& R) { return PolygonRgn(VyrCombPoints(R)); }

HRGN VyrCreateRoundShieldRgn(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  HRGN rgn = CreateEllipticRgn(0, h, w, h / 5 - h);
  CutNotches(rgn, w, h);
  return rgn;
}

HRGN VyrCreateSharpShieldRgn(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  HRGN rgn = CreateEllipticRgn(-w, (-8 * h) / 7, w, (8 * h) / 7);
  HRGN other = CreateEllipticRgn(0, (-8 * h) / 7, 2 * w, (8 * h) / 7);
  CombineRgn(rgn, rgn, other, RGN_AND);
  DeleteObject(other);
  CutNotches(rgn, w, h);
  return rgn;
}

HRGN VyrCreateHalfRoundRgn(const TRect& R) {
  return CreateEllipticRgn(R.left, 2 * R.top - R.bottom, R.right, R.bottom);
}

}  // namespace Vyrregion
