// Measuring a curved caption: the pen walks the letters in their given
// order; the box is the walk's length and the tallest letter, turned by
// the caption's angle.
#include <algorithm>

#include "vyrgrlf.h"
#include "vyrgrlf_letters.h"

namespace Vyrgrlf {

using Letters::Clamp;
using Letters::Rnd;
using TA = TVyrTransLabelAttributes;
using TT = TVyrTransLabelTypes;

void CalcSize(TCanvas* Canvas, TRect& Rect, TFont* Font, Vyrgraph::TVyrFxCaption* FxCaption, const AnsiString& Text,
              TVyrTransLabelTypes Transform, TVyrToggle Toggle, int Factor, bool /*InvertCaption*/,
              TVyrPerspective /*Perspective*/, int PerspectiveDepth, TVyrTransLabelAttr Attributes) {
  Rect = TRect(0, 0, 0, 0);
  if (!Canvas || !Font || !FxCaption) return;
  const std::int64_t Sz = Font->GetSize();
  const int MinSize = static_cast<int>(Sz / 4);
  const int A = FxCaption->GetAngle();
  const float a = Letters::Normal(A);
  const Letters::TDirection dir = Letters::Direction(a);
  LOGFONT logFont;
  Letters::PrepareCanvas(Canvas, Font, FxCaption, logFont);

  const std::vector<std::string_view> S = Letters::Split(Text);
  const TVyrLetterCell largest = Letters::LargestCell(Canvas, S);
  TVyrLetterCell cell = largest;
  const int n = static_cast<int>(S.size());
  std::int64_t penX = 0, penY = 0, yMax = 0, hMax = 0;
  for (int i = 1; i <= n; ++i) {
    std::int64_t X = 0, Y = 0;
    Letters::Place(penX, penY, i, Factor, MinSize, Toggle, PerspectiveDepth, Font, Attributes, Transform, a, S, Canvas,
                   logFont, FxCaption, cell, X, Y);
    penX += Rnd(dir.Cos * static_cast<double>(cell.Width));
    penY += Rnd(dir.MinusSin * static_cast<double>(cell.Width));
    yMax = std::max(yMax, Letters::Abs(Y));
    hMax = std::max(hMax, cell.Height);
  }
  std::int64_t W = penX != 0 ? penX : hMax;
  if (Attributes.Contains(TA::taEqualLetters) && (Transform == TT::tmWave || Transform == TT::tmNone))
    W = n * largest.Width;
  const float b = static_cast<float>((A + 90) * M_PI / 180);
  Rect.right = Clamp(Letters::Abs(Rnd(std::cos(b) * static_cast<double>(hMax))) + Letters::Abs(W));
  Rect.bottom = Clamp(Letters::Abs(Rnd(std::sin(b) * static_cast<double>(hMax))) + yMax);
}

}  // namespace Vyrgrlf
