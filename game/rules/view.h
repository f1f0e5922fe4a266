// The view onto the board: its size per view mode, its origin, the scroll
// bands of a step, and whether a level fits without scrolling.
#pragma once

#include "game_state.h"

namespace Game {

struct ViewSize {
  int columns, rows;
};

// 20 x 15 cells in view mode 0, 25 x 20 in mode 2.
ViewSize ViewCells(Integer viewMode);

// The board cell shown at the view's top-left corner. While the level fits
// in the view (or in an unknown mode) it is (0, 0) and the view offsets are
// forced to 0.
struct ViewOrigin {
  int x, y;
};
ViewOrigin ComputeViewOrigin(TGameState& s);

// Whether a step with `move` from column/row `from` changes the view origin,
// so that the step also sets the view offset of its axis.
bool InScrollBand(Integer viewMode, Integer move, int from);

// Whether the figure and every cell that is not empty floor, on all floors,
// lie inside the view; always false unless AvoidScrolling is set.
bool ComputeFitsInView(const TGameState& s);

// Moves an offset toward 0 by `speed` and stops at 0, never crossing it, so
// that any speed brings a sliding picture to rest on its cell.
void MoveTowardZero(Integer& offset, Integer speed);

}  // namespace Game
