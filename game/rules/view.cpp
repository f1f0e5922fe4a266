#include "view.h"

#include <algorithm>

namespace Game {

ViewSize ViewCells(Integer viewMode) { return viewMode == 2 ? ViewSize{25, 20} : ViewSize{20, 15}; }

ViewOrigin ComputeViewOrigin(TGameState& s) {
  if (s.FitsInView || (s.ViewMode != 0 && s.ViewMode != 2)) {
    s.ViewOffsetX = 0;
    s.ViewOffsetY = 0;
    return {0, 0};
  }
  const ViewSize v = ViewCells(s.ViewMode);
  // The figure stays at view column 10 and row 7 except near the edges.
  return {std::clamp(s.PlayerX - 10, 0, kBoardSize - v.columns), std::clamp(s.PlayerY - 7, 0, kBoardSize - v.rows)};
}

bool InScrollBand(Integer viewMode, Integer move, int from) {
  const ViewSize v = ViewCells(viewMode);
  const int lastX = kBoardSize - v.columns + 10;  // 40 or 35
  const int lastY = kBoardSize - v.rows + 7;      // 42 or 37
  switch (move) {
    case mRight: return from >= 10 && from <= lastX - 1;
    case mLeft: return from >= 11 && from <= lastX;
    case mDown: return from >= 7 && from <= lastY - 1;
    case mUp: return from >= 8 && from <= lastY;
    default: return false;
  }
}

bool ComputeFitsInView(const TGameState& s) {
  if (!s.AvoidScrolling) return false;
  const ViewSize v = ViewCells(s.ViewMode);
  if (s.PlayerX >= v.columns || s.PlayerY >= v.rows) return false;
  for (int f = 0; f < kFloors; ++f)
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if ((x >= v.columns || y >= v.rows) && s.Cells[f][x][y] != cEmpty) return false;
  return true;
}

void MoveTowardZero(Integer& offset, Integer speed) {
  const Integer step = std::max<Integer>(speed, 1);
  if (offset > 0) offset = std::max<Integer>(offset - step, 0);
  else if (offset < 0) offset = std::min<Integer>(offset + step, 0);
}

}  // namespace Game
