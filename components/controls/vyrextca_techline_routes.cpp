// The technical line's route and curve tables. Each coordinate is a term
// over the measures, written as the table reads: x = W/2 - s/2 and
// y = H/2 - s/2 in the straight routes, halvings truncating.
#include "vyrextca_techline_routes.h"

#include <array>

namespace Vyrextca::TechLine {

namespace {

// A term: a sum of measures with small factors and a constant.
enum TVar { vW, vH, vW2, vH2, vs, vs2, vS, vh, vB, vB2, vp, kVars };
struct TTerm {
  std::array<int, kVars> k{};
  int c = 0;
  constexpr TTerm() = default;
  constexpr TTerm(int Constant) : c(Constant) {}
  static constexpr TTerm Var(TVar v) {
    TTerm t;
    t.k[v] = 1;
    return t;
  }
  std::int64_t Of(const std::array<std::int64_t, kVars>& Values) const {
    std::int64_t sum = c;
    for (int i = 0; i < kVars; ++i) sum += k[i] * Values[i];
    return sum;
  }
};
constexpr TTerm operator+(TTerm a, TTerm b) {
  for (int i = 0; i < kVars; ++i) a.k[i] += b.k[i];
  a.c += b.c;
  return a;
}
constexpr TTerm operator*(int f, TTerm a) {
  for (int i = 0; i < kVars; ++i) a.k[i] *= f;
  a.c *= f;
  return a;
}
constexpr TTerm operator-(TTerm a, TTerm b) { return a + (-1) * b; }

constexpr TTerm W = TTerm::Var(vW), H = TTerm::Var(vH), W2 = TTerm::Var(vW2), H2 = TTerm::Var(vH2),
                s = TTerm::Var(vs), s2 = TTerm::Var(vs2), S = TTerm::Var(vS), h = TTerm::Var(vh),
                B = TTerm::Var(vB), B2 = TTerm::Var(vB2), p = TTerm::Var(vp);
constexpr TTerm x = W2 - s2, y = H2 - s2;

struct TPt {
  TTerm x, y;
};
struct TBx {
  TTerm l, t, r, b;
};
struct TSegments {
  int count;
  std::array<TPt, 3> points;
};
struct TRoute {
  TBx startBox, endBox;
  std::array<TSegments, 4> cases;  // none, start only, end only, both
};
struct TArc {
  TBx box;
  TPt from, to;
};
struct TCurve {
  TBx startBox, endBox;
  std::array<TArc, 4> cases;
};

const TRoute kRoutes[8] = {
    // lsStraightLeftToRight
    {{0, H2 - B2, B, H2 + B2},
     {W - B, H2 - B2, W, H2 + B2},
     {{{2, {{{p, H2}, {W - s - p, H2}}}},
       {2, {{{B - s, y}, {W - s - p, y}}}},
       {2, {{{p, y}, {W - B, y}}}},
       {2, {{{B - s, y}, {W - B, y}}}}}}},
    // lsStraightTopToBottom
    {{W2 - B2, 0, W2 + B2, B},
     {W2 - B2, H - B, W2 + B2, H},
     {{{2, {{{W2, p}, {W2, H - s - p}}}},
       {2, {{{x, B - s}, {x, H - s - p}}}},
       {2, {{{x, p}, {x, H - B}}}},
       {2, {{{x, B - s}, {x, H - B}}}}}}},
    // lsTopLeftToBottomRight
    {{0, 0, B, B},
     {W - B, H - B, W, H},
     {{{2, {{{0, 0}, {W - s, H - s}}}},
       {2, {{{S, h}, {W - s, H - s}}}},
       {2, {{{0, 0}, {W - B, H - h - s}}}},
       {2, {{{S, h}, {W - B, H - h - s}}}}}}},
    // lsBottomLeftToTopRight; the end-only variant starts at (0, H), not
    // (0, H - s) as its siblings do.
    {{0, H - B, B, H},
     {W - B, 0, W, B},
     {{{2, {{{0, H - s}, {W - s, 0}}}},
       {2, {{{B - s, H - h - s}, {W - s, 0}}}},
       {2, {{{0, H}, {W - B, h}}}},
       {2, {{{B - s, H - h - s}, {W - B, h}}}}}}},
    // lsTopLeftEdge
    {{0, H - B, B, H},
     {W - B, 0, W, B},
     {{{3, {{{0, H - s}, {0, 0}, {W - s, 0}}}},
       {3, {{{h, H - B}, {h, 0}, {W - s, 0}}}},
       {3, {{{0, H - s}, {0, h}, {W - B, h}}}},
       {3, {{{h, H - B}, {h, h}, {W - B, h}}}}}}},
    // lsBottomLeftEdge
    {{W - B, H - B, W, H},
     {0, 0, B, B},
     {{{3, {{{0, 0}, {0, H - s}, {W - s, H - s}}}},
       {3, {{{0, 0}, {0, H - h - s}, {W - B, H - h - s}}}},
       {3, {{{h, B - s}, {h, H - s}, {W - s, H - s}}}},
       {3, {{{h, B - s}, {h, H - h - s}, {W - B, H - h - s}}}}}}},
    // lsTopRightEdge
    {{0, 0, B, B},
     {W - B, H - B, W, H},
     {{{3, {{{0, 0}, {W - s, 0}, {W - s, H - s}}}},
       {3, {{{B - s, h}, {W - s, h}, {W - s, H - s}}}},
       {3, {{{0, 0}, {W - h - s, 0}, {W - h - s, H - B}}}},
       {3, {{{B - s, h}, {W - h - s, h}, {W - h - s, H - B}}}}}}},
    // lsBottomRightEdge
    {{W - B, 0, W, B},
     {0, H - B, B, H},
     {{{3, {{{W - s, 0}, {W - s, H - s}, {0, H - s}}}},
       {3, {{{W - h - s, S}, {W - h - s, H - s}, {0, H - s}}}},
       {3, {{{W - s, 0}, {W - s, H - h - s}, {S, H - h - s}}}},
       {3, {{{W - h - s, S}, {W - h - s, H - h - s}, {S, H - h - s}}}}}}},
};

const TCurve kCurves[4] = {
    // lsTopLeftCurve
    {{0, H - B, B, H},
     {W - B, 0, W, B},
     {{{{0, 0, 2 * W, 2 * H}, {W - s, 0}, {0, H - s}},
       {{h, 0, 2 * W - h, 2 * (H - B)}, {W - s, 0}, {h, H - B}},
       {{0, h, 2 * (W - B), 2 * H - h}, {W - B, h}, {0, H - s}},
       {{h, h, 2 * W - 2 * S - h, 2 * H - 2 * S - h}, {W - B, h}, {h, H - B}}}}},
    // lsBottomLeftCurve; the end-only variant ends at (W - s, H), not
    // (W - s, H - s).
    {{W - B, H - B, W, H},
     {0, 0, B, B},
     {{{{s, H - s, 2 * W - s, s - H}, {0, 0}, {W - s, H - s}},
       {{0, h + s - H, 2 * (W - B), H - h - s}, {0, 0}, {W - B, H - h - s}},
       {{h, 2 * S + s - H, 2 * W + h - S, H - s}, {h, S}, {W - s, H}},
       {{h, 2 * S + h + s - H, 2 * W - 2 * B - h, H - h - s}, {h, S}, {W - B, H - h - s}}}}},
    // lsTopRightCurve; the start-only variant starts at (W, H - s), not
    // (W - s, H - s).
    {{0, 0, B, B},
     {W - B, H - B, W, H},
     {{{{s - W, 0, W - s, 2 * H}, {W - s, H - s}, {0, 0}},
       {{2 * B - s - W, h, W - s, 2 * H + h - B}, {W, H - s}, {B - s, h}},
       {{h + s - W, 0, W - h - s, 2 * H - 2 * B}, {W - h - s, H - B}, {0, 0}},
       {{2 * B + s + h - W, h, W - h - s, 2 * (H - B) - h}, {W - h - s, H - B}, {B - s, h}}}}},
    // lsBottomRightCurve
    {{W - B, 0, W, B},
     {0, H - B, B, H},
     {{{{s - W, s - H, W - s, H - s}, {0, H - s}, {W, 0}},
       {{h + s - W, 2 * S + s - H, W - h - s, H - s}, {0, H - s}, {W - h - s, B - s}},
       {{2 * S + s - W, h - H, W - s, H - h - s}, {B - s, H - h}, {W, 0}},
       {{2 * S + h + s - W, 2 * S + h + s - H, W - h - s, H - h - s}, {S, H - h - s}, {W - h - s, S}}}}},
};

using L = TVyrLineEndings;
// Per route: the open and the closed arrow at the start, then at the end.
const std::array<std::array<L, 4>, 12> kArrows = {{
    {L::leOpenArrowLeft, L::leClosedArrowLeft, L::leOpenArrowRight, L::leClosedArrowRight},
    {L::leOpenArrowUp, L::leClosedArrowUp, L::leOpenArrowDown, L::leClosedArrowDown},
    {L::leOpenArrowLeft, L::leClosedArrowLeft, L::leOpenArrowRight, L::leClosedArrowRight},
    {L::leOpenArrowLeft, L::leClosedArrowLeft, L::leOpenArrowRight, L::leClosedArrowRight},
    {L::leOpenArrowDown, L::leClosedArrowDown, L::leOpenArrowRight, L::leClosedArrowRight},
    {L::leOpenArrowRight, L::leClosedArrowRight, L::leOpenArrowUp, L::leClosedArrowUp},
    {L::leOpenArrowLeft, L::leClosedArrowLeft, L::leOpenArrowDown, L::leClosedArrowDown},
    {L::leOpenArrowUp, L::leClosedArrowUp, L::leOpenArrowLeft, L::leClosedArrowLeft},
    {L::leOpenArrowDown, L::leClosedArrowDown, L::leOpenArrowRight, L::leClosedArrowRight},
    {L::leOpenArrowRight, L::leClosedArrowRight, L::leOpenArrowUp, L::leClosedArrowUp},
    {L::leOpenArrowLeft, L::leClosedArrowLeft, L::leOpenArrowDown, L::leClosedArrowDown},
    {L::leOpenArrowUp, L::leClosedArrowUp, L::leOpenArrowLeft, L::leClosedArrowLeft},
}};

std::array<std::int64_t, kVars> ValuesOf(const TMeasures& M) {
  std::array<std::int64_t, kVars> v{};
  v[vW] = M.W, v[vH] = M.H, v[vW2] = M.W / 2, v[vH2] = M.H / 2, v[vs] = M.s, v[vs2] = M.s / 2;
  v[vS] = M.S, v[vh] = M.h, v[vB] = M.B, v[vB2] = M.B / 2, v[vp] = M.p;
  return v;
}

TPoint64 Eval(const TPt& P, const std::array<std::int64_t, kVars>& v) { return {P.x.Of(v), P.y.Of(v)}; }
TBox64 Eval(const TBx& R, const std::array<std::int64_t, kVars>& v) {
  return {R.l.Of(v), R.t.Of(v), R.r.Of(v), R.b.Of(v)};
}

}  // namespace

TSignCase SignCaseOf(TVyrSignPlaces Places) {
  switch (Places) {
    case TVyrSignPlaces::spStart: return TSignCase::Start;
    case TVyrSignPlaces::spEnd: return TSignCase::End;
    case TVyrSignPlaces::spBoth: return TSignCase::Both;
    default: return TSignCase::None;
  }
}

TRoutePlan PlanRoute(TVyrTechnicalLineTypes Route, TSignCase Case, const TMeasures& M) {
  const auto v = ValuesOf(M);
  const auto route = static_cast<std::size_t>(Route);
  const auto variant = static_cast<std::size_t>(Case);
  TRoutePlan plan;
  if (route < 8) {
    const TRoute& r = kRoutes[route];
    const TSegments& segments = r.cases[variant];
    for (int i = 0; i < segments.count; ++i) plan.Points.push_back(Eval(segments.points[static_cast<std::size_t>(i)], v));
    plan.StartBox = Eval(r.startBox, v);
    plan.EndBox = Eval(r.endBox, v);
    return plan;
  }
  const TCurve& c = kCurves[(route - 8) % 4];
  const TArc& arc = c.cases[variant];
  plan.Arc = true;
  plan.ArcBox = Eval(arc.box, v);
  plan.From = Eval(arc.from, v);
  plan.To = Eval(arc.to, v);
  plan.StartBox = Eval(c.startBox, v);
  plan.EndBox = Eval(c.endBox, v);
  return plan;
}

TVyrLineEndings FollowRoute(TVyrTechnicalLineTypes Route, TVyrLineEndings Sign, bool AtStart) {
  const int value = static_cast<int>(Sign);
  const bool open = value >= 1 && value <= 4, closed = value >= 5 && value <= 8;
  if (!open && !closed) return Sign;
  const auto& row = kArrows[static_cast<std::size_t>(Route) % kArrows.size()];
  return row[(AtStart ? 0 : 2) + (closed ? 1 : 0)];
}

}  // namespace Vyrextca::TechLine
