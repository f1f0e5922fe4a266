// Inside the shape geometry: the measures that the outline and the drawing
// both take from the same arguments, and the sides of a polygon.
#pragma once

#include <vector>

#include "vyrgrapa.h"

namespace Vyrgrapa::Detail {

struct TShapeMeasures {
  // Relative to the rectangle's top-left corner, the shadow room at the top
  // and left.
  TRect Work;
  int ShadowDepth = 0;
  // The bevel's width as the outline counts it (1 with teeth or no bevel),
  // and the inner offsets toward the top and left (Hb) and toward the
  // bottom and right (Hb2).
  int BevelWidth = 1;
  int Hb = 0;
  int Hb2 = 0;
  // The size of the round rectangle's corner ellipses.
  int Radius = 0;
  int InnerRadius = 0;
};

TShapeMeasures ShapeMeasures(const TRect& Rect, bool HasTeeth, bool Square, int RoundPercent,
                             const TVyrSimpleBevel* Bevel, const Vyrgraph::TVyrShadow* Shadow);

// Rounding to nearest with ties to even, the platform's rounding of reals.
int RoundEven(double X);

// Twice the signed area of the closed polygon (positive when its inside lies
// to the left of its edges in the coordinate plane).
long long DoubleArea(const std::vector<TPoint>& Points);
// Whether the edge From -> To of a polygon of that orientation faces up or
// left; an edge facing exactly up-right counts as lower-right, one facing
// down-left as upper-left.
bool FacesUpperLeft(const TPoint& From, const TPoint& To, bool PositiveArea);

}  // namespace Vyrgrapa::Detail
