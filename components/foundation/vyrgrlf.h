// Unit vyrgrlf: a one-line caption drawn letter by letter along one of
// eighteen curves. Every letter gets its own place on the curve, its own
// size and its own turned font, and may be drawn with perspective depth
// copies and the light and shadow copies of an effect caption. The unit
// keeps no state and has no start-up work.
//
// Text is UTF-8: a letter is one code point, and every measure and every
// draw takes the bytes of one whole letter.
#pragma once

#include <cstdint>

#include "ansistring.h"
#include "canvas.h"
#include "font.h"
#include "font_class.h"
#include "rect.h"
#include "sets.h"
#include "vyrgraph.h"
#include "unitstartup.h"

namespace Vyrgrlf {

// The curves, in their stored order.
enum class TVyrTransLabelTypes : std::uint8_t {
  tmWave, tmNone, tmHalfcircle, tmArrow, tmSpeaker, tmInvSpeaker, tmFly, tmChair, tmStairs, tmInvStairs,
  tmBuckled, tmEnterprise, tmLNoseUp, tmLNoseDown, tmRNoseUp, tmRNoseDown, tmCube, tmHalfmoon
};
enum class TVyrTransLabelAttributes : std::uint8_t { taPerspective, taToggled, taAutoToggled, taEqualLetters };
// Bit k for ordinal k: taPerspective 1, taToggled 2, taAutoToggled 4,
// taEqualLetters 8; the values fit one byte.
using TVyrTransLabelAttr = TSet<TVyrTransLabelAttributes>;
enum class TVyrPerspective : std::uint8_t { tpFrog, tpBird };
// Extra letter rotation in whole degrees, -180..180.
using TVyrToggle = std::int16_t;

// A letter's cell in pixels: the pen advances by Width along the baseline.
// 64-bit, since a huge perspective depth is added to the width.
struct TVyrLetterCell {
  std::int64_t Width = 0;
  std::int64_t Height = 0;
};

// Sets Rect to (0, 0, width, height) of the caption, letters in their
// given order. InvertCaption and Perspective are not used. Leaves the
// canvas's alignment, character extra and font changed as SpecialTextOut
// does (not the brush).
void CalcSize(TCanvas* Canvas, TRect& Rect, TFont* Font, Vyrgraph::TVyrFxCaption* FxCaption, const AnsiString& Text,
              TVyrTransLabelTypes Transform, TVyrToggle Toggle, int Factor, bool InvertCaption,
              TVyrPerspective Perspective, int PerspectiveDepth, TVyrTransLabelAttr Attributes);

// Draws the caption from Rect's lower left corner (only Left and Bottom are
// read; there is no clipping of its own). Leaves the brush clear, the
// alignment at left and baseline, the character extra at the caption's
// Tracing and the canvas font on the last letter's turned font: the
// caller assigns its font again before it draws anything else.
void SpecialTextOut(TCanvas* Canvas, const TRect& Rect, TFont* Font, Vyrgraph::TVyrFxCaption* FxCaption,
                    const AnsiString& Text, TVyrTransLabelTypes Transform, TVyrToggle Toggle, int Factor,
                    bool InvertCaption, TVyrPerspective Perspective, int PerspectiveDepth,
                    TVyrTransLabelAttr Attributes);

// Places letter Index (1-based) of Text for a pen at (X0, Y0): (X, Y) is
// the left end of the letter's baseline, LogFont its font, which is also
// made the canvas font, and Cell its cell (kept as passed in for equal
// letters of tmWave and tmNone). Angle is the text's upward normal in
// radians: the caption's angle + pi / 2.
void CalcPosAndSize(std::int64_t X0, std::int64_t Y0, int Index, int Factor, int MinSize, int Toggle,
                    int PerspectiveDepth, TFont* Font, TVyrTransLabelAttr Attributes, TVyrTransLabelTypes Transform,
                    float Angle, const AnsiString& Text, TCanvas* Canvas, LOGFONT& LogFont,
                    Vyrgraph::TVyrFxCaption* FxCaption, TVyrLetterCell& Cell, std::int64_t& X, std::int64_t& Y);

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrgrlf", &Initialize, &Finalize};

}  // namespace Vyrgrlf
