// The frames along the region shapes. Every painter follows one scheme:
// the pieces of its outline that face the light, those in the shade, and
// the whole outline, drawn in the colours the border style asks for.
#include <functional>
#include <utility>

#include "pen_class.h"
#include "vyrregion.h"

namespace Vyrregion {

namespace {

using TPiecePainter = std::function<void(TCanvas* Canvas, const TRect& R)>;

struct TOutline {
  TPiecePainter Whole;
  TPiecePainter Lit;
  TPiecePainter Shaded;
  int Inset;     // how far the inner outline of the two-ring styles lies in
  int InsetPsb;  // the same for the psb styles
  // The right and bottom edges of the single styles' inner ring come in so
  // much more (the round rectangle's broad shaded pen).
  int SingleExtra = 0;
};

void InPen(TCanvas* Canvas, TColor Color, TPiecePainter Piece, const TRect& R) {
  Canvas->GetPen()->SetColor(Color);
  Piece(Canvas, R);
}

void ThreeD(TCanvas* Canvas, const TOutline& O, const TRect& R, TColor First, TColor Second) {
  InPen(Canvas, First, O.Lit, R);
  InPen(Canvas, Second, O.Shaded, R);
}

TRect Inset(const TRect& R, int D, int Extra = 0) {
  return TRect(R.left + D, R.top + D, R.right - D - Extra, R.bottom - D - Extra);
}

void PaintFrame(TCanvas* Canvas, const TRect& R, TColor Light, TColor Shadow, TColor Single,
                TVyrRegionBorderStyle Style, const TOutline& O) {
  using S = TVyrRegionBorderStyle;
  TColor first = Light, second = Shadow;
  if (Style == S::rbLowered || Style == S::rbSingleLowered || Style == S::rbLoweredpsb) std::swap(first, second);
  switch (Style) {
    case S::rbNone: return;
    case S::rbRaised:
    case S::rbLowered: ThreeD(Canvas, O, R, first, second); return;
    case S::rbSingle: InPen(Canvas, Single, O.Whole, R); return;
    case S::rbSingleRaised:
    case S::rbSingleLowered:
      InPen(Canvas, Single, O.Whole, R);
      ThreeD(Canvas, O, Inset(R, O.Inset, O.SingleExtra), first, second);
      return;
    case S::rbRaisedpsb:
    case S::rbLoweredpsb:
      ThreeD(Canvas, O, R, first, Single);
      InPen(Canvas, second, O.Shaded, Inset(R, O.InsetPsb));
      return;
  }
}

// Lines between the outline points named by their 1-based numbers.
void Segments(TCanvas* Canvas, const std::vector<TPoint>& P, std::initializer_list<std::pair<int, int>> Pairs) {
  for (auto [a, b] : Pairs) Canvas->Polyline({P[static_cast<size_t>(a - 1)], P[static_cast<size_t>(b - 1)]});
}
// A path through the outline points named by their 1-based numbers.
void Path(TCanvas* Canvas, const std::vector<TPoint>& P, std::initializer_list<int> Numbers) {
  std::vector<TPoint> path;
  for (int n : Numbers) path.push_back(P[static_cast<size_t>(n - 1)]);
  Canvas->Polyline(path);
}
void Closed(TCanvas* Canvas, const std::vector<TPoint>& P) { Canvas->Polygon(P); }

// ---- rectangle ----
void RectWhole(TCanvas* C, const TRect& R) {
  C->Polyline({{R.left, R.top}, {R.right, R.top}, {R.right, R.bottom}, {R.left, R.bottom}, {R.left, R.top}});
}
void RectLit(TCanvas* C, const TRect& R) { C->Polyline({{R.right, R.top}, {R.left, R.top}, {R.left, R.bottom}}); }
void RectShaded(TCanvas* C, const TRect& R) {
  C->Polyline({{R.left, R.bottom}, {R.right, R.bottom}, {R.right, R.top}});
}

// ---- the polygons ----
void DiamondWhole(TCanvas* C, const TRect& R) { Closed(C, VyrDiamondPoints(R)); }
void DiamondLit(TCanvas* C, const TRect& R) { Path(C, VyrDiamondPoints(R), {1, 2, 3}); }
void DiamondShaded(TCanvas* C, const TRect& R) { Path(C, VyrDiamondPoints(R), {3, 4, 1}); }

void StarWhole(TCanvas* C, const TRect& R) { Closed(C, VyrStarPoints(R)); }
void StarLit(TCanvas* C, const TRect& R) { Segments(C, VyrStarPoints(R), {{2, 3}, {4, 5}, {7, 8}, {9, 10}, {10, 1}}); }
void StarShaded(TCanvas* C, const TRect& R) {
  Segments(C, VyrStarPoints(R), {{1, 2}, {3, 4}, {5, 6}, {6, 7}, {8, 9}});
}

void OctagonWhole(TCanvas* C, const TRect& R) { Closed(C, VyrOctagonPoints(R)); }
void OctagonLit(TCanvas* C, const TRect& R) { Path(C, VyrOctagonPoints(R), {8, 1, 2, 3, 4}); }
void OctagonShaded(TCanvas* C, const TRect& R) { Path(C, VyrOctagonPoints(R), {4, 5, 6, 7, 8}); }

void CombWhole(TCanvas* C, const TRect& R) { Closed(C, VyrCombPoints(R)); }
void CombLit(TCanvas* C, const TRect& R) { Path(C, VyrCombPoints(R), {6, 1, 2, 3}); }
void CombShaded(TCanvas* C, const TRect& R) { Path(C, VyrCombPoints(R), {3, 4, 5, 6}); }

// ---- the shields: the notch arcs are the lower inner quarters of the
// ellipses centred on the top corners ----
void Arc(TCanvas* C, const TRect& Box, const TPoint& From, const TPoint& To) {
  C->Arc(Box.left, Box.top, Box.right, Box.bottom, From.x, From.y, To.x, To.y);
}
TRect Normalised(int L, int T, int R, int B) { return TRect(std::min(L, R), std::min(T, B), std::max(L, R), std::max(T, B)); }
TPoint NotchLeftEnd(const TRect& R) { return {R.left, R.top + R.Height() / 5}; }
TPoint NotchRightEnd(const TRect& R) { return {R.left + R.Width(), R.top + R.Height() / 5}; }
TPoint TopCentre(const TRect& R) { return {R.left + R.Width() / 2, R.top}; }
TPoint BottomCentre(const TRect& R) { return {R.left + R.Width() / 2, R.bottom}; }

void LeftNotch(TCanvas* C, const TRect& R) {
  const int w = R.Width(), h = R.Height();
  Arc(C, Normalised(R.left + (-w) / 2, R.top + (-h) / 5, R.left + w / 2, R.top + h / 5), NotchLeftEnd(R), TopCentre(R));
}
void RightNotch(TCanvas* C, const TRect& R) {
  const int w = R.Width(), h = R.Height();
  Arc(C, Normalised(R.left + w / 2, R.top + (-h) / 5, R.left + w / 2 + w, R.top + h / 5), TopCentre(R),
      NotchRightEnd(R));
}

TRect RoundShieldBox(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  return Normalised(R.left, R.top + h, R.left + w, R.top + h / 5 - h);
}
void RoundShieldWhole(TCanvas* C, const TRect& R) {
  LeftNotch(C, R);
  RightNotch(C, R);
  const TRect box = RoundShieldBox(R);
  const int midY = (box.top + box.bottom) / 2;
  Arc(C, box, TPoint(box.left, midY), TPoint(box.right, midY));
}
void RoundShieldLit(TCanvas* C, const TRect& R) {
  LeftNotch(C, R);
  Arc(C, RoundShieldBox(R), NotchLeftEnd(R), BottomCentre(R));
}
void RoundShieldShaded(TCanvas* C, const TRect& R) {
  Arc(C, RoundShieldBox(R), BottomCentre(R), NotchRightEnd(R));
  RightNotch(C, R);
}

// The lens of the sharp shield: its left side lies on the ellipse centred
// on the right edge, its right side on the one centred on the left edge.
TRect LensLeftSideBox(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  return Normalised(R.left, R.top + (-8 * h) / 7, R.left + 2 * w, R.top + (8 * h) / 7);
}
TRect LensRightSideBox(const TRect& R) {
  const int w = R.Width(), h = R.Height();
  return Normalised(R.left - w, R.top + (-8 * h) / 7, R.left + w, R.top + (8 * h) / 7);
}
void SharpShieldLit(TCanvas* C, const TRect& R) {
  LeftNotch(C, R);
  Arc(C, LensLeftSideBox(R), NotchLeftEnd(R), BottomCentre(R));
}
void SharpShieldShaded(TCanvas* C, const TRect& R) {
  Arc(C, LensRightSideBox(R), BottomCentre(R), NotchRightEnd(R));
  RightNotch(C, R);
}
void SharpShieldWhole(TCanvas* C, const TRect& R) {
  SharpShieldLit(C, R);
  SharpShieldShaded(C, R);
}

// ---- ellipse and half round ----
void EllipseWhole(TCanvas* C, const TRect& R) { C->Ellipse(R); }
void EllipseLit(TCanvas* C, const TRect& R) { Arc(C, R, TPoint(R.right, R.top), TPoint(R.left, R.bottom)); }
void EllipseShaded(TCanvas* C, const TRect& R) { Arc(C, R, TPoint(R.left, R.bottom), TPoint(R.right, R.top)); }

TRect HalfRoundBox(const TRect& R) { return Normalised(R.left, 2 * R.top - R.bottom, R.right, R.bottom); }
void HalfRoundWhole(TCanvas* C, const TRect& R) { C->Ellipse(HalfRoundBox(R)); }
void HalfRoundLit(TCanvas* C, const TRect& R) {
  Arc(C, HalfRoundBox(R), TPoint(R.right, R.top), TPoint(R.left, R.bottom));
}
void HalfRoundShaded(TCanvas* C, const TRect& R) {
  Arc(C, HalfRoundBox(R), TPoint(R.left, R.bottom), TPoint(R.right, R.top));
}

const TOutline kRect{RectWhole, RectLit, RectShaded, 1, 1};
const TOutline kDiamond{DiamondWhole, DiamondLit, DiamondShaded, 1, 1};
const TOutline kStar{StarWhole, StarLit, StarShaded, 2, 3};
const TOutline kOctagon{OctagonWhole, OctagonLit, OctagonShaded, 1, 1};
const TOutline kComb{CombWhole, CombLit, CombShaded, 1, 1};
const TOutline kRoundShield{RoundShieldWhole, RoundShieldLit, RoundShieldShaded, 1, 1};
const TOutline kSharpShield{SharpShieldWhole, SharpShieldLit, SharpShieldShaded, 1, 1};
const TOutline kEllipse{EllipseWhole, EllipseLit, EllipseShaded, 1, 1};
const TOutline kHalfRound{HalfRoundWhole, HalfRoundLit, HalfRoundShaded, 1, 1};

// ---- round rectangle ----
// The shade lies over the lit outline in a broad pen, from the lower half
// of the bottom-left corner round to the upper half of the top-right one.
void RoundRectShaded(TCanvas* C, const TRect& R, int RX, int RY) {
  C->GetPen()->SetWidth(4);
  const int hx = RX / 2, hy = RY / 2;
  Arc(C, TRect(R.left, R.bottom - RY, R.left + RX, R.bottom), TPoint(R.left, R.bottom), TPoint(R.left + hx, R.bottom));
  C->Polyline({{R.left + hx, R.bottom}, {R.right - hx, R.bottom}});
  Arc(C, TRect(R.right - RX, R.bottom - RY, R.right, R.bottom), TPoint(R.right - hx, R.bottom),
      TPoint(R.right, R.bottom - hy));
  C->Polyline({{R.right, R.bottom - hy}, {R.right, R.top + hy}});
  Arc(C, TRect(R.right - RX, R.top, R.right, R.top + RY), TPoint(R.right, R.top + hy), TPoint(R.right, R.top));
}
TOutline RoundRectOutline(int RX, int RY) {
  auto whole = [RX, RY](TCanvas* C, const TRect& R) { C->RoundRect(R.left, R.top, R.right, R.bottom, RX, RY); };
  auto shaded = [RX, RY](TCanvas* C, const TRect& R) { RoundRectShaded(C, R, RX, RY); };
  return TOutline{whole, whole, shaded, 1, 1, 2};
}

}  // namespace

void VyrFrameRectRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kRect);
}
void VyrFrameDiamondRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kDiamond);
}
void VyrFrameStarRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kStar);
}
void VyrFrameOctagonRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kOctagon);
}
void VyrFrameCombRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kComb);
}
void VyrFrameRoundShieldRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kRoundShield);
}
void VyrFrameSharpShieldRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kSharpShield);
}
void VyrFrameEllipticRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kEllipse);
}
void VyrFrameHalfRoundRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St) {
  PaintFrame(C, R, L, S, Si, St, kHalfRound);
}
void VyrFrameRoundRectRgn(TCanvas* C, const TRect& R, TColor L, TColor S, TColor Si, TVyrRegionBorderStyle St,
                          int RoundX, int RoundY) {
  PaintFrame(C, R, L, S, Si, St, RoundRectOutline(RoundX, RoundY));
}

}  // namespace Vyrregion
