// Which cell of the glyph strip a check box or radio button shows.
#include <algorithm>

#include "vyrgroup.h"

namespace Vyrgroup {

int VyrCheckBoxCell(bool Enabled, TCheckBoxState State, int GlyphNumber) {
  const int states = std::max(GlyphNumber, 1);
  return (Enabled ? 0 : 1) + 2 * std::min(static_cast<int>(State), states - 1);
}

int VyrRadioCell(bool Enabled, bool Checked, int StateOverride) {
  const int disabled = Enabled ? 0 : 1;
  if (StateOverride > 0) return disabled + 2 * (StateOverride - 1);
  return 2 * (Checked ? 1 : 0) + disabled;
}

TRect VyrCellRect(int Cell, int CellWidth, int StripHeight) {
  return TRect(Cell * CellWidth, 0, (Cell + 1) * CellWidth, StripHeight);
}

int VyrCheckBoxCellWidth(bool StandardStrip, int StripWidth, int GlyphSize, int GlyphNumber) {
  if (StandardStrip) return GlyphSize;
  return StripWidth / (2 * std::max(GlyphNumber, 1));
}

TCheckBoxState VyrNextCheckState(TCheckBoxState State, bool AllowGrayed) {
  switch (State) {
    case cbUnchecked: return AllowGrayed ? cbGrayed : cbChecked;
    case cbGrayed: return cbChecked;
    case cbChecked: return cbUnchecked;
  }
  return cbUnchecked;
}

}  // namespace Vyrgroup
