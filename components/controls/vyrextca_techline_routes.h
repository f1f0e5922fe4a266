// The technical line's routes as tables of terms over the drawing
// rectangle's measures, and the arrows that follow a route.
#pragma once

#include <cstdint>
#include <vector>

#include "vyrextca.h"

namespace Vyrextca::TechLine {

// What the table entries are written in: the drawing rectangle's width W
// and height H, the shadow depth s, the sign size S, h = S div 2, the sign
// box B = S + s and half the pen p.
struct TMeasures {
  std::int64_t W = 0, H = 0, s = 0, S = 0, h = 0, B = 0, p = 0;
};

// The canvas takes 32-bit coordinates; far beyond any surface all are
// alike, so a huge sign or shadow is cut to a billion pixels.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 30;
inline int Clamp(std::int64_t v) {
  return static_cast<int>(v > kCoordinateLimit ? kCoordinateLimit : v < -kCoordinateLimit ? -kCoordinateLimit : v);
}

struct TPoint64 {
  std::int64_t x = 0, y = 0;
};
struct TBox64 {
  std::int64_t l = 0, t = 0, r = 0, b = 0;
};

// Which of the four variants of a route: no sign, start sign only, end
// sign only, both.
enum class TSignCase { None, Start, End, Both };
TSignCase SignCaseOf(TVyrSignPlaces Places);

// One route worked out: the joined segments (two or three points) or the
// arc (its ellipse's box, from and to), and the two sign boxes; offsets
// from the drawing rectangle's origin.
struct TRoutePlan {
  bool Arc = false;
  std::vector<TPoint64> Points;
  TBox64 ArcBox;
  TPoint64 From, To;
  TBox64 StartBox, EndBox;
};
TRoutePlan PlanRoute(TVyrTechnicalLineTypes Route, TSignCase Case, const TMeasures& M);

// The arrow Sign turned to follow Route at the start or the end; open
// arrows stay open, closed stay closed, other signs stay as they are.
TVyrLineEndings FollowRoute(TVyrTechnicalLineTypes Route, TVyrLineEndings Sign, bool AtStart);

}  // namespace Vyrextca::TechLine
