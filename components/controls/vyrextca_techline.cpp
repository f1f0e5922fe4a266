// The technical line: its setters, the arrows that follow the route, and
// the paint, which works the route out from its table and draws it with
// its signs, each shadow just before what casts it.
#include "brush_class.h"
#include "canvas.h"
#include "pen_class.h"
#include "vyrextca.h"
#include "vyrextca_techline_routes.h"

namespace Vyrextca {

using TechLine::TBox64;
using TechLine::TPoint64;

using TechLine::Clamp;

TVyrTechnicalLine::TVyrTechnicalLine(TComponent* AOwner)
    : Vyrctrl::TVyrGraphicControl(AOwner), FLineSettings(std::make_unique<TPen>()) {
  FLineSettings->OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
  SetBounds(GetLeft(), GetTop(), 130, 45);
}

TVyrTechnicalLine::~TVyrTechnicalLine() { FLineSettings->OnChange = nullptr; }

template <class T>
void TVyrTechnicalLine::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TVyrTechnicalLine::SetTechnicalLineType(TVyrTechnicalLineTypes Value) {
  if (FLineType == Value) return;
  FLineType = Value;
  // A form read back keeps the signs it stored, whatever order the
  // properties come in.
  if (FArrowed && !Loading()) {
    FLineStartSign = TechLine::FollowRoute(Value, FLineStartSign, true);
    FLineEndingsign = TechLine::FollowRoute(Value, FLineEndingsign, false);
  }
  Invalidate();
}

void TVyrTechnicalLine::SetLineStart(TVyrLineEndings Value) {
  if (FLineStartSign == Value) return;
  FLineStartSign = Value;
  if (FSignPlaces == TVyrSignPlaces::spStart || FSignPlaces == TVyrSignPlaces::spBoth) Invalidate();
}

void TVyrTechnicalLine::SetLineEnding(TVyrLineEndings Value) {
  if (FLineEndingsign == Value) return;
  FLineEndingsign = Value;
  if (FSignPlaces == TVyrSignPlaces::spEnd || FSignPlaces == TVyrSignPlaces::spBoth) Invalidate();
}

void TVyrTechnicalLine::SetArrowed(bool Value) { Store(FArrowed, Value); }
void TVyrTechnicalLine::SetShadowDepth(int Value) { Store(FShadowDepth, Value); }
void TVyrTechnicalLine::SetSignSize(int Value) { Store(FSignSize, Value); }
void TVyrTechnicalLine::SetSignPlaces(TVyrSignPlaces Value) { Store(FSignPlaces, Value); }
void TVyrTechnicalLine::SetShadowColor(TColor Value) { Store(FShadowColor, Value); }
void TVyrTechnicalLine::SetFillColor(TColor Value) { Store(FFillColor, Value); }
void TVyrTechnicalLine::SetShadowVisible(bool Value) { Store(FShadowVisible, Value); }

void TVyrTechnicalLine::Paint() {
  if (Loading()) return;
  TCanvas* canvas = GetCanvas();
  if (!GetTransparent()) FillControl();
  TRect R = GetClientRect();
  Vyrgraph::TVyrBevel* bevel = GetBevel();
  if (BevelExt() != 0) {
    TRect inner;
    bevel->PaintBevel(canvas, R, inner, GetTransparent() || bevel->GetBorderColor() == GetColor());
    R = inner;
  }
  const std::int64_t p = FLineSettings->GetWidth() / 2;
  const std::int64_t X0 = std::int64_t{R.left} + p + 1, Y0 = std::int64_t{R.top} + p + 1;
  TechLine::TMeasures M;
  M.W = std::int64_t{R.right} - R.left - 2 * (p + 1);
  M.H = std::int64_t{R.bottom} - R.top - 2 * (p + 1);
  M.s = FShadowVisible ? FShadowDepth : 0;
  M.S = FSignSize;
  M.h = M.S / 2;
  M.B = M.S + M.s;
  M.p = p;

  TPen shadowPen;
  shadowPen.Assign(FLineSettings.get());
  shadowPen.SetColor(FShadowColor);
  canvas->GetBrush()->SetStyle(bsClear);

  const TechLine::TSignCase variant = TechLine::SignCaseOf(FSignPlaces);
  const TechLine::TRoutePlan plan = TechLine::PlanRoute(FLineType, variant, M);
  auto at = [&](const TPoint64& P, std::int64_t shift) { return TPoint(Clamp(X0 + P.x + shift), Clamp(Y0 + P.y + shift)); };

  auto drawRoute = [&](std::int64_t shift) {
    if (plan.Arc) {
      const TPoint a = at({plan.ArcBox.l, plan.ArcBox.t}, shift), b = at({plan.ArcBox.r, plan.ArcBox.b}, shift);
      const TPoint from = at(plan.From, shift), to = at(plan.To, shift);
      canvas->Arc(a.x, a.y, b.x, b.y, from.x, from.y, to.x, to.y);
      return;
    }
    std::vector<TPoint> points;
    for (const TPoint64& point : plan.Points) points.push_back(at(point, shift));
    canvas->Polyline(points);
  };
  if (FShadowVisible) {
    canvas->SetPen(&shadowPen);
    drawRoute(M.s);
  }
  canvas->SetPen(FLineSettings.get());
  drawRoute(0);

  auto drawSign = [&](TVyrLineEndings Sign, const TBox64& Box) {
    if (Sign == TVyrLineEndings::leNothing) return;
    const std::int64_t l = X0 + Box.l, t = Y0 + Box.t, r = X0 + Box.r, b = Y0 + Box.b;
    const int width = FLineSettings->GetWidth();
    const bool filled = FFillColor != clNone;
    if (FShadowVisible) {
      canvas->SetPen(&shadowPen);
      canvas->GetBrush()->SetStyle(filled ? bsSolid : bsClear);
      if (filled) canvas->GetBrush()->SetColor(FShadowColor);
      VyrDrawTechnicalLineSign(canvas, Sign, l + M.s, t + M.s, r, b, width);
    }
    canvas->SetPen(FLineSettings.get());
    canvas->GetBrush()->SetStyle(filled ? bsSolid : bsClear);
    if (filled) canvas->GetBrush()->SetColor(FFillColor);
    VyrDrawTechnicalLineSign(canvas, Sign, l, t, r - M.s, b - M.s, width);
  };
  if (variant == TechLine::TSignCase::Start || variant == TechLine::TSignCase::Both)
    drawSign(FLineStartSign, plan.StartBox);
  if (variant == TechLine::TSignCase::End || variant == TechLine::TSignCase::Both)
    drawSign(FLineEndingsign, plan.EndBox);
}

}  // namespace Vyrextca
