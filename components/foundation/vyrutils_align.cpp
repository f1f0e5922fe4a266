// Placing a rectangle in another by the nine-way alignment.
#include "vyrutils.h"

namespace Vyrutils {

TRect VyrAlignRect(Vyrgraph::TVyrAlignment Alignment, const TRect& Source, const TRect& Target) {
  const int column = static_cast<int>(Alignment) % 3, row = static_cast<int>(Alignment) / 3;
  const int SW = Source.Width(), SH = Source.Height(), TW = Target.Width(), TH = Target.Height();
  const int dx = column == 0 ? 0 : column == 1 ? (TW - SW) / 2 : TW - SW;
  const int dy = row == 0 ? 0 : row == 1 ? (TH - SH) / 2 : TH - SH;
  return Bounds(Target.left + dx, Target.top + dy, SW, SH);
}

}  // namespace Vyrutils
