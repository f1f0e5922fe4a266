// Unit vyrstdcs: the window-less text controls: labels, link labels, labels
// that stick to another control, and labels with a glyph.
#pragma once

#include <array>

#include "rect.h"
#include "sets.h"
#include "vyrgraph.h"

namespace Vyrstdcs {

using Vyrgraph::TVyrAlignment;

enum class TVyrLabelOption { loPathEllipsis, loEndEllipsis, loEditControl };
using TVyrLabelOptions = TSet<TVyrLabelOption>;
enum class TVyrJumpModes { jmInternet, jmApplication, jmNone, jmCustom };
// The side of its control a docked label (or button) sits on.
enum class TVyrDockPosition { dpBottom, dpLeft, dpRight, dpTop };

// DrawText's alignment flags by TVyrAlignment: DT_LEFT, DT_CENTER, DT_RIGHT
// with DT_VCENTER (4) and DT_BOTTOM (8).
inline constexpr std::array<int, 9> TVYRALIGNFLAGS{0, 1, 2, 4, 5, 6, 8, 9, 10};

// ======== text flags ========

// The ellipsis and edit-control flags of the options.
int GetOptionsFlag(TVyrLabelOptions Options);
// What a label hands to the text routine: options, alignment, the line
// flags f, tabs expanded and words broken; DT_NOPREFIX without accelerator
// characters, so an ampersand shows as itself.
int VyrLabelTextFlags(TVyrAlignment Alignment, TVyrLabelOptions Options, bool ShowAccelChar, int LineFlags);
// DT_SINGLELINE or 0 for a label with bevel and effect font: an autosized
// label takes the lines it measured; a turned text is always one line.
int VyrLabelLineFlags(bool AutoSize, bool MultiLine, int Angle);
// Whether such a label first places its text rect by the alignment itself
// (DrawText's vertical flags only work on one line).
bool VyrLabelAlignsRect(bool AutoSize, bool MultiLine, int Angle, TVyrAlignment Alignment);

// ======== docking ========

// Where a label of size LabelWidth x LabelHeight docked on Position of a
// control with bounds Control goes; with AdjustDockedSize it takes the
// control's height (left, right) or width (top, bottom).
TRect VyrDockLabelBounds(const TRect& Control, int LabelWidth, int LabelHeight, TVyrDockPosition Position, int Margin,
                         bool AdjustDockedSize);
// The reverse: where the control goes when the label at Label moved.
TRect VyrDockControlBounds(const TRect& Label, int ControlWidth, int ControlHeight, TVyrDockPosition Position,
                           int Margin, bool AdjustDockedSize);

}  // namespace Vyrstdcs
