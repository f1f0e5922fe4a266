// Drawing a curved caption: the box the letters take, where the first one
// starts inside the target, then each letter with its depth copies, its
// light and shadow copies and its face.
#include <algorithm>

#include "brush_class.h"
#include "rgn.h"
#include "text.h"
#include "vyrgrlf.h"
#include "vyrgrlf_letters.h"

namespace Vyrgrlf {

using Letters::Clamp;
using Letters::Rnd;
using Vyrgraph::TVyrThreeDStyle;
using TA = TVyrTransLabelAttributes;
using TT = TVyrTransLabelTypes;

namespace {

struct TPoint64 {
  std::int64_t X = 0, Y = 0;
};

// Box height E and baseline lift B of the curve, before the depths.
void CurveBox(TT Transform, std::int64_t T, std::int64_t F, std::int64_t& E, std::int64_t& B) {
  switch (Transform) {
    case TT::tmWave:
      E = T + Rnd(F / 5.0);
      B = F / 10;
      break;
    case TT::tmHalfcircle:
    case TT::tmEnterprise:
    case TT::tmLNoseDown:
    case TT::tmRNoseDown:
    case TT::tmArrow:
      E = T + Rnd(F / 10.0);
      B = 0;
      break;
    case TT::tmLNoseUp:
    case TT::tmRNoseUp:
    case TT::tmHalfmoon:
      E = T + Rnd(F / 10.0);
      B = F / 10;
      break;
    default:
      E = T;
      B = 0;
      break;
  }
}

bool ShadowMovesBox(TVyrThreeDStyle Style) {
  return Style == TVyrThreeDStyle::tdSunkenShadow || Style == TVyrThreeDStyle::tdRaisedShadow ||
         Style == TVyrThreeDStyle::tdShadow;
}

// The step of length Length at Degrees, each axis rounded on its own.
TPoint64 Step(double Degrees, std::int64_t Length) {
  const float radians = static_cast<float>(Degrees * M_PI / 180);
  return {Rnd(std::cos(radians) * static_cast<double>(Length)), Rnd(std::sin(radians) * static_cast<double>(Length))};
}

class TLetterPainter {
 public:
  TLetterPainter(TCanvas* Canvas, std::string_view Letter) : canvas_(Canvas), letter_(Letter) {}

  void Draw(std::int64_t X, std::int64_t Y, TColor Color) {
    canvas_->GetFont()->SetColor(Color);
    ExtTextOut(canvas_->GetHandle(), Clamp(X), Clamp(Y), 0, nullptr, letter_.data(),
               static_cast<UINT>(letter_.size()), nullptr);
  }

 private:
  TCanvas* canvas_;
  std::string_view letter_;
};

// The depth copies of one letter, in black, Sign 1 downward (bird) or -1
// upward (frog). Only the offsets at which a copy can reach the clip box
// are drawn: a huge depth costs no more than the canvas is tall.
void DrawDepthCopies(TCanvas* Canvas, TLetterPainter& Painter, std::string_view Letter, std::int64_t X,
                     std::int64_t Y, std::int64_t Depth, int Sign) {
  if (Depth <= 0) return;
  RECT clip;
  if (GetClipBox(Canvas->GetHandle(), &clip) == ERROR) return;
  const TSize extent = Canvas->TextExtent(AnsiString(Letter));
  // A turned letter stays within its width plus its height of its point.
  const std::int64_t reach = std::int64_t{extent.cx} + extent.cy + 1;
  if (X + reach < clip.left || X - reach > clip.right) return;
  // Offsets j at which Y + Sign * j lies within reach of the clip box.
  std::int64_t first, last;
  if (Sign > 0) {
    first = clip.top - reach - Y;
    last = clip.bottom + reach - Y;
  } else {
    first = Y - clip.bottom - reach;
    last = Y - clip.top + reach;
  }
  first = std::max<std::int64_t>(first, 1);
  last = std::min<std::int64_t>(last, Depth);
  for (std::int64_t j = first; j <= last; ++j) Painter.Draw(X, Y + Sign * j, static_cast<TColor>(0));
}

// The light and shadow copies of the caption's style, before the face.
void DrawStyleCopies(TLetterPainter& Painter, Vyrgraph::TVyrFxCaption* Fx, std::int64_t X, std::int64_t Y) {
  const std::int64_t LD = Fx->GetLightDepth(), SD = Fx->GetShadowDepth();
  switch (Fx->GetStyle()) {
    case TVyrThreeDStyle::tdNone:
      break;
    case TVyrThreeDStyle::tdSunken:
      Painter.Draw(X + LD, Y + LD, Fx->GetLightColor());
      break;
    case TVyrThreeDStyle::tdRaised:
      Painter.Draw(X - LD, Y - LD, Fx->GetLightColor());
      break;
    case TVyrThreeDStyle::tdSunkenShadow:
    case TVyrThreeDStyle::tdPColorSunken:
      Painter.Draw(X - SD - LD, Y - SD - LD, Fx->GetShadowColor());
      Painter.Draw(X + LD, Y + LD, Fx->GetLightColor());
      break;
    case TVyrThreeDStyle::tdRaisedShadow:
    case TVyrThreeDStyle::tdPColorRaised:
      Painter.Draw(X + SD - LD, Y + SD - LD, Fx->GetShadowColor());
      Painter.Draw(X - LD, Y - LD, Fx->GetLightColor());
      break;
    case TVyrThreeDStyle::tdShadow:
      Painter.Draw(X + SD, Y + SD, Fx->GetShadowColor());
      break;
  }
}

}  // namespace

void SpecialTextOut(TCanvas* Canvas, const TRect& Rect, TFont* Font, Vyrgraph::TVyrFxCaption* FxCaption,
                    const AnsiString& Text, TVyrTransLabelTypes Transform, TVyrToggle Toggle, int Factor,
                    bool InvertCaption, TVyrPerspective Perspective, int PerspectiveDepth,
                    TVyrTransLabelAttr Attributes) {
  if (!Canvas || !Font || !FxCaption) return;
  std::vector<std::string_view> S = Letters::Split(Text);
  if (S.empty()) return;
  if (InvertCaption) std::reverse(S.begin(), S.end());
  const std::int64_t Sz = Font->GetSize();
  const int MinSize = static_cast<int>(Sz / 4);
  const int A = FxCaption->GetAngle();
  const float a = Letters::Normal(A);
  const Letters::TDirection dir = Letters::Direction(a);
  const bool perspective = Attributes.Contains(TA::taPerspective);
  const TVyrThreeDStyle style = FxCaption->GetStyle();
  const std::int64_t SD = FxCaption->GetShadowDepth();

  LOGFONT logFont;
  Letters::PrepareCanvas(Canvas, Font, FxCaption, logFont);

  // The box: E high, the baseline B above its lower edge.
  std::int64_t joined;
  {
    std::string all;
    for (std::string_view letter : S) all += letter;
    joined = Canvas->TextHeight(AnsiString(all));
  }
  std::int64_t E = 0, B = 0;
  CurveBox(Transform, joined, Factor, E, B);
  B += joined / 4;
  if (perspective) {
    E += PerspectiveDepth;
    if (Perspective == TVyrPerspective::tpBird) B += PerspectiveDepth;
  }
  TPoint64 P{Rect.left, Rect.bottom};
  if (ShadowMovesBox(style)) {
    E += SD;
    if (style == TVyrThreeDStyle::tdShadow) {
      B += SD;
    } else {
      P.X += Rnd(dir.Cos * static_cast<double>(SD));
      P.Y += Rnd(dir.MinusSin * static_cast<double>(SD));
    }
  }

  TVyrLetterCell cell = Letters::LargestCell(Canvas, S);
  const int n = static_cast<int>(S.size());
  std::int64_t L = 0;
  {
    std::int64_t x = 0, y = 0, pen = 0;
    for (int i = 1; i <= n; ++i) {
      Letters::Place(pen, 0, i, Factor, MinSize, Toggle, PerspectiveDepth, Font, Attributes, Transform, a, S, Canvas,
                     logFont, FxCaption, cell, x, y);
      L += cell.Width;
      pen += cell.Width;
    }
  }

  // The corners: L along the baseline, E up, L back and E down.
  auto add = [](TPoint64 p, TPoint64 d) { return TPoint64{p.X + d.X, p.Y + d.Y}; };
  const TPoint64 Q1 = add(P, Step(-A, L));
  const TPoint64 Q2 = add(Q1, Step(-A - 90, E));
  const TPoint64 Q3 = add(Q2, Step(-A - 180, L));
  const TPoint64 Q4 = add(Q3, Step(-A - 270, E));
  TPoint64 S0 = add(Q4, Step(-A - 90, B));

  const std::int64_t smallestX = std::min({Q1.X, Q2.X, Q3.X, Q4.X});
  if (smallestX < Rect.left) S0.X += Letters::Abs(smallestX);
  if ((style == TVyrThreeDStyle::tdSunkenShadow || style == TVyrThreeDStyle::tdRaisedShadow) &&
      static_cast<double>(S0.X) - dir.Cos * static_cast<double>(SD) < Rect.left)
    S0.X += Rnd(dir.Cos * static_cast<double>(SD));
  const std::int64_t M = std::max({Q1.Y, Q2.Y, Q3.Y, Q4.Y});
  const std::int64_t off = Letters::Abs(M - Rect.bottom);
  if (Letters::Abs(M) > Rect.bottom)
    S0.Y -= off;
  else
    S0.Y += off;

  Canvas->GetBrush()->SetStyle(bsClear);
  const int sign = Perspective == TVyrPerspective::tpBird ? 1 : -1;
  for (int i = 1; i <= n; ++i) {
    std::int64_t X = 0, Y = 0;
    Letters::Place(S0.X, S0.Y, i, Factor, MinSize, Toggle, PerspectiveDepth, Font, Attributes, Transform, a, S,
                   Canvas, logFont, FxCaption, cell, X, Y);
    const std::string_view letter = S[static_cast<std::size_t>(i - 1)];
    TLetterPainter painter(Canvas, letter);
    if (perspective) DrawDepthCopies(Canvas, painter, letter, X, Y, PerspectiveDepth, sign);
    DrawStyleCopies(painter, FxCaption, X, Y);
    painter.Draw(X, Y, Font->GetColor());
    S0.X += Rnd(dir.Cos * static_cast<double>(cell.Width));
    S0.Y += Rnd(dir.MinusSin * static_cast<double>(cell.Width));
  }
}

}  // namespace Vyrgrlf
