// Unit vyrgroup: windowed, owner-painted check boxes and radio buttons.
#pragma once

#include "rect.h"

class TBitmap;
#include "stdctrls_check.h"

namespace Vyrgroup {

// ======== glyph cells ========
// A glyph strip is one row of cells: unchecked, unchecked disabled, checked,
// checked disabled, and for the check box grayed, grayed disabled.

// The check box's cell; a strip of fewer states shows the last it has.
int VyrCheckBoxCell(bool Enabled, TCheckBoxState State, int GlyphNumber);
// The radio button's cell; StateOverride n > 0 paints state n - 1.
int VyrRadioCell(bool Enabled, bool Checked, int StateOverride);
// The source rect of a cell in a strip.
TRect VyrCellRect(int Cell, int CellWidth, int StripHeight);
// The cell width of a check-box strip: the drawn strip has cells of the
// glyph size whatever the number of states shown; an image-list strip holds
// two cells (enabled, disabled) per state.
int VyrCheckBoxCellWidth(bool StandardStrip, int StripWidth, int GlyphSize, int GlyphNumber);
// The cycle of a click: unchecked to grayed (when allowed) or checked,
// grayed to checked, checked to unchecked.
TCheckBoxState VyrNextCheckState(TCheckBoxState State, bool AllowGrayed);

// The drawn strips, GlyphSize square cells of the system's frame-control
// images: six for the check box on clBtnFace, four for the radio button on
// clOlive (its transparent colour, so the round image keeps its corners).
void VyrCreateCheckBoxStrip(TBitmap* Strip, int GlyphSize, bool Flat);
void VyrCreateRadioStrip(TBitmap* Strip, int GlyphSize, bool Flat);

}  // namespace Vyrgroup
