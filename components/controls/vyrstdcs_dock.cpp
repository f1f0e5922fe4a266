// Where a docked label and its control go relative to each other.
#include "vyrstdcs.h"

namespace Vyrstdcs {

namespace {
bool Beside(TVyrDockPosition P) { return P == TVyrDockPosition::dpLeft || P == TVyrDockPosition::dpRight; }
}  // namespace

TRect VyrDockLabelBounds(const TRect& C, int LabelWidth, int LabelHeight, TVyrDockPosition Position, int Margin,
                         bool AdjustDockedSize) {
  int W = LabelWidth, H = LabelHeight;
  if (AdjustDockedSize) (Beside(Position) ? H : W) = Beside(Position) ? C.Height() : C.Width();
  switch (Position) {
    case TVyrDockPosition::dpBottom: return Bounds(C.left, C.bottom + Margin, W, H);
    case TVyrDockPosition::dpLeft: return Bounds(C.left - W - Margin, C.top, W, H);
    case TVyrDockPosition::dpRight: return Bounds(C.right + Margin, C.top, W, H);
    case TVyrDockPosition::dpTop: return Bounds(C.left, C.top - H - Margin, W, H);
  }
  return C;
}

TRect VyrDockControlBounds(const TRect& B, int ControlWidth, int ControlHeight, TVyrDockPosition Position, int Margin,
                           bool AdjustDockedSize) {
  int W = ControlWidth, H = ControlHeight;
  if (AdjustDockedSize) (Beside(Position) ? H : W) = Beside(Position) ? B.Height() : B.Width();
  switch (Position) {
    case TVyrDockPosition::dpBottom: return Bounds(B.left, B.top - H - Margin, W, H);
    case TVyrDockPosition::dpLeft: return Bounds(B.right + Margin, B.top, W, H);
    case TVyrDockPosition::dpRight: return Bounds(B.left - W - Margin, B.top, W, H);
    case TVyrDockPosition::dpTop: return Bounds(B.left, B.bottom + Margin, W, H);
  }
  return B;
}

}  // namespace Vyrstdcs
