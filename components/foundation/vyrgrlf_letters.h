// What the placing and the drawing of the curved caption share: the
// caption cut into letters, the rounding, the direction of the baseline
// and the clamp of far-off coordinates.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "numbers.h"
#include "vyrgrlf.h"

namespace Vyrgrlf::Letters {

// The letters of Text, each the bytes of one code point (a stray byte is
// a letter of its own).
std::vector<std::string_view> Split(std::string_view Text);

inline std::int64_t Rnd(double Value) { return Round(Value); }
inline std::int64_t Abs(std::int64_t Value) { return Value < 0 ? -Value : Value; }

// The canvas takes 32-bit coordinates; anything beyond a billion pixels is
// off every surface alike.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 30;
inline int Clamp(std::int64_t Value) {
  return static_cast<int>(Value > kCoordinateLimit ? kCoordinateLimit : Value < -kCoordinateLimit ? -kCoordinateLimit
                                                                                                 : Value);
}

// The upward normal a, carried as a 32-bit float, for an angle in degrees.
inline float Normal(int AngleDegrees) { return static_cast<float>(AngleDegrees * M_PI / 180 + M_PI / 2); }

// (cos A, -sin A): the baseline's direction on the screen, from a.
struct TDirection {
  double Cos, MinusSin;
};
inline TDirection Direction(float Angle) {
  const double back = -(static_cast<double>(Angle) - M_PI / 2);
  return {std::cos(back), std::sin(back)};
}

// CalcPosAndSize over letters already cut.
void Place(std::int64_t X0, std::int64_t Y0, int Index, int Factor, int MinSize, int Toggle, int PerspectiveDepth,
           TFont* Font, TVyrTransLabelAttr Attributes, TVyrTransLabelTypes Transform, float Angle,
           const std::vector<std::string_view>& Text, TCanvas* Canvas, LOGFONT& LogFont,
           Vyrgraph::TVyrFxCaption* FxCaption, TVyrLetterCell& Cell, std::int64_t& X, std::int64_t& Y);

// The widest and the tallest of the letters on the canvas as it stands.
TVyrLetterCell LargestCell(TCanvas* Canvas, const std::vector<std::string_view>& Text);

// The canvas's font, alignment and character extra as both routines begin.
void PrepareCanvas(TCanvas* Canvas, TFont* Font, Vyrgraph::TVyrFxCaption* FxCaption, LOGFONT& LogFont);

}  // namespace Vyrgrlf::Letters
