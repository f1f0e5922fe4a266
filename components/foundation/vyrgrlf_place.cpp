// Placing one letter of a curved caption: its size on the curve, its place
// and its tilt, its turned font and its cell.
#include <algorithm>
#include <optional>

#include "dc.h"
#include "gdiobj.h"
#include "text.h"
#include "utf8.h"
#include "vyrgrlf.h"
#include "vyrgrlf_letters.h"

namespace Vyrgrlf {

using Letters::Rnd;
using TA = TVyrTransLabelAttributes;
using TT = TVyrTransLabelTypes;

namespace Letters {

std::vector<std::string_view> Split(std::string_view Text) {
  std::vector<std::string_view> out;
  for (std::size_t at = 0; at < Text.size();) {
    const std::size_t next = Utf8NextBoundary(Text, at);
    out.push_back(Text.substr(at, next - at));
    at = next;
  }
  return out;
}

TVyrLetterCell LargestCell(TCanvas* Canvas, const std::vector<std::string_view>& Text) {
  TVyrLetterCell cell;
  for (std::string_view letter : Text) {
    const TSize size = Canvas->TextExtent(AnsiString(letter));
    cell.Width = std::max<std::int64_t>(cell.Width, size.cx);
    cell.Height = std::max<std::int64_t>(cell.Height, size.cy);
  }
  return cell;
}

void PrepareCanvas(TCanvas* Canvas, TFont* Font, Vyrgraph::TVyrFxCaption* FxCaption, LOGFONT& LogFont) {
  Canvas->GetFont()->Assign(Font);
  HDC dc = Canvas->GetHandle();
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  SetTextCharacterExtra(dc, FxCaption ? FxCaption->GetTracing() : 0);
  GetObject(Canvas->GetFont()->GetHandle(), sizeof LogFont, &LogFont);
}

}  // namespace Letters

namespace {

// The size of letter i of n on the curve; none for the curves that keep
// the nominal size. One letter has no ramp and keeps the full size.
std::optional<std::int64_t> LetterSize(TT Transform, std::int64_t Sz, std::int64_t MinSize, int n, int i) {
  switch (Transform) {
    case TT::tmWave:
    case TT::tmNone:
    case TT::tmHalfcircle:
    case TT::tmArrow:
      return std::nullopt;
    default:
      break;
  }
  if (n <= 1) return Sz;
  const int h = n / 2;
  const double D = static_cast<double>(Sz - MinSize);
  const double down = D / n * (n + 1 - i) + MinSize, up = D / n * i + MinSize;
  const double halfDown = D / (2.0 * n) * (n + 1 - i) + MinSize, halfUp = D / (2.0 * n) * i + MinSize;
  switch (Transform) {
    case TT::tmStairs:
    case TT::tmSpeaker:
    case TT::tmRNoseUp:
    case TT::tmRNoseDown:
      return Rnd(down);
    case TT::tmInvStairs:
    case TT::tmInvSpeaker:
    case TT::tmLNoseUp:
    case TT::tmLNoseDown:
      return Rnd(up);
    case TT::tmEnterprise:
    case TT::tmHalfmoon:
      return i <= h ? Rnd(static_cast<double>(Sz) / n * 2 * i) : Rnd(static_cast<double>(Sz) / n * (n - i) * 2);
    case TT::tmChair:
      return 2 * (i <= h ? Rnd(halfDown) : Rnd(halfUp));
    case TT::tmBuckled:
      return 2 * (i <= h ? Rnd(halfUp) : Rnd(halfDown));
    case TT::tmFly: {
      const std::int64_t size =
          Sz - (i <= h ? Rnd(static_cast<double>(Sz) / n * (i - 1)) : Rnd(static_cast<double>(Sz) / n * (n - i)));
      return Sz > 0 ? std::max(size, MinSize) : size;
    }
    case TT::tmCube: {
      const double step = (Sz - Sz / 3.0) / (n / 2.0);
      return Sz / 3 + (i <= h ? Rnd(step * (i - 1)) : Rnd(step * (n - i)));
    }
    default:
      return std::nullopt;
  }
}

enum class TShift { Arch, Bowl, Centred, Flat, Wave, Arrow };

TShift ShiftOf(TT Transform) {
  switch (Transform) {
    case TT::tmWave: return TShift::Wave;
    case TT::tmHalfcircle:
    case TT::tmEnterprise:
    case TT::tmLNoseDown:
    case TT::tmRNoseDown: return TShift::Arch;
    case TT::tmHalfmoon:
    case TT::tmLNoseUp:
    case TT::tmRNoseUp: return TShift::Bowl;
    case TT::tmArrow: return TShift::Arrow;
    case TT::tmSpeaker:
    case TT::tmInvSpeaker:
    case TT::tmFly:
    case TT::tmCube: return TShift::Centred;
    default: return TShift::Flat;
  }
}

// A font angle in tenths of a degree, in the record's 32 bits: a value
// beyond them is the same angle taken modulo a full turn.
LONG FontAngle(std::int64_t Tenths) {
  if (Tenths > INT32_MAX || Tenths < INT32_MIN) Tenths %= 3600;
  return static_cast<LONG>(Tenths);
}

}  // namespace

namespace Letters {

void Place(std::int64_t X0, std::int64_t Y0, int Index, int Factor, int MinSize, int Toggle, int PerspectiveDepth,
           TFont* Font, TVyrTransLabelAttr Attributes, TVyrTransLabelTypes Transform, float Angle,
           const std::vector<std::string_view>& Text, TCanvas* Canvas, LOGFONT& LogFont,
           Vyrgraph::TVyrFxCaption* FxCaption, TVyrLetterCell& Cell, std::int64_t& X, std::int64_t& Y) {
  const int n = static_cast<int>(Text.size());
  const int i = Index;
  const std::int64_t A = FxCaption ? FxCaption->GetAngle() : 0;
  const std::int64_t Sz = Font->GetSize();
  TFont* font = Canvas->GetFont();

  LogFont.lfEscapement = 0;
  font->Assign(Font);
  if (const auto size = LetterSize(Transform, Sz, MinSize, n, i)) {
    // A size of 0 would be the face's default cell, taller than the
    // shrinking letters before it: the smallest letter is one pixel.
    font->SetSize(static_cast<int>(*size == 0 ? 1 : std::clamp<std::int64_t>(*size, INT16_MIN, INT16_MAX)));
    GetObject(font->GetHandle(), sizeof LogFont, &LogFont);
  }

  // t runs from 0 at the first letter to pi at the last.
  const float t = n > 1 ? static_cast<float>(M_PI) / static_cast<float>(n - 1) * static_cast<float>(i - 1) : 0.0f;
  const double sinT = std::sin(t), cosT = std::cos(t);
  const double cosA = std::cos(Angle), sinA = std::sin(Angle);
  const double F = Factor;
  const TShift shift = ShiftOf(Transform);

  std::int64_t tilt = 0;
  if (shift == TShift::Wave)
    tilt = Rnd(std::cos(static_cast<double>(i)) * F);
  else if (shift == TShift::Arch || shift == TShift::Bowl)
    tilt = Rnd(cosT * 100);
  std::int64_t fontAngle = 0;
  if (Attributes.Contains(TA::taAutoToggled)) fontAngle = tilt + 10 * A;
  if (Attributes.Contains(TA::taToggled)) fontAngle += 10 * static_cast<std::int64_t>(Toggle);
  LogFont.lfEscapement = FontAngle(fontAngle);

  switch (shift) {
    case TShift::Wave:
      X = X0 + Rnd(std::sin(static_cast<double>(i)) * cosA * F / 10);
      Y = Y0 - Rnd(std::sin(static_cast<double>(i)) * sinA * F / 10);
      break;
    case TShift::Arch:
      X = X0 + Rnd(sinT * cosA * F / 10);
      Y = Y0 - Rnd(sinT * sinA * F / 10);
      break;
    case TShift::Bowl:
      X = X0 - Rnd(sinT * cosA * F / 10);
      Y = Y0 + Rnd(sinT * sinA * F / 10);
      break;
    case TShift::Centred: {
      const std::int64_t d = (Sz - font->GetSize()) / 2;
      X = X0 - Rnd(cosA * static_cast<double>(d));
      Y = Y0 - Rnd(sinA * static_cast<double>(d));
      break;
    }
    case TShift::Arrow:
      // Rising by Factor a letter up to the middle, falling after it.
      X = X0;
      Y = static_cast<double>(n) / i > 2 ? Y0 - std::int64_t{i} * Factor : Y0 - std::int64_t{n - i} * Factor;
      break;
    case TShift::Flat:
      X = X0;
      Y = Y0;
      break;
  }

  font->SetHandle(CreateFontIndirect(&LogFont));

  const bool equalLetters = Attributes.Contains(TA::taEqualLetters) && (Transform == TT::tmWave || Transform == TT::tmNone);
  if (!equalLetters) {
    const TSize size = Canvas->TextExtent(AnsiString(Text[static_cast<std::size_t>(i - 1)]));
    Cell.Width = size.cx;
    Cell.Height = size.cy;
    if (Attributes.Contains(TA::taPerspective)) Cell.Width += PerspectiveDepth;
  }

  // A tilted letter moves forward along the baseline, clear of the one
  // before it.
  const std::int64_t e = fontAngle - 10 * A;
  if (e != 0) {
    const std::int64_t r =
        Letters::Abs(Rnd(std::cos(static_cast<double>(e) / 10 * M_PI / 180 + M_PI / 2) * static_cast<double>(Cell.Height) / 2.5));
    const TDirection dir = Direction(Angle);
    X += Rnd(dir.Cos * static_cast<double>(r));
    Y += Rnd(dir.MinusSin * static_cast<double>(r));
  }
}

}  // namespace Letters

void CalcPosAndSize(std::int64_t X0, std::int64_t Y0, int Index, int Factor, int MinSize, int Toggle,
                    int PerspectiveDepth, TFont* Font, TVyrTransLabelAttr Attributes, TVyrTransLabelTypes Transform,
                    float Angle, const AnsiString& Text, TCanvas* Canvas, LOGFONT& LogFont,
                    Vyrgraph::TVyrFxCaption* FxCaption, TVyrLetterCell& Cell, std::int64_t& X, std::int64_t& Y) {
  const std::vector<std::string_view> letters = Letters::Split(Text);
  X = X0;
  Y = Y0;
  if (Index < 1 || Index > static_cast<int>(letters.size())) return;
  Letters::Place(X0, Y0, Index, Factor, MinSize, Toggle, PerspectiveDepth, Font, Attributes, Transform, Angle,
                 letters, Canvas, LogFont, FxCaption, Cell, X, Y);
}

}  // namespace Vyrgrlf
