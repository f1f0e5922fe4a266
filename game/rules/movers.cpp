#include "movers.h"

#include "level_commands.h"
#include "view.h"

namespace Game {
namespace {

bool FigureTouched(const TGameState& s) {
  for (int i = 0; i < kMoverSlots; ++i)
    if (s.MoverX[i] != 0 && s.MoverX[i] == s.PlayerX && s.MoverY[i] == s.PlayerY && s.MoverFloor[i] == s.Floor)
      return true;
  return false;
}

// Directions a mover can step in, with the offset its picture starts from.
enum Way { kRight, kLeft, kUp, kDown };

// Takes the step when its target on the current floor is exactly empty floor;
// a target off the board never is, nor column 0, whose x marks an empty slot.
bool TryStep(TGameState& s, int i, Way way) {
  int x = s.MoverX[i], y = s.MoverY[i];
  switch (way) {
    case kRight: ++x; break;
    case kLeft: --x; break;
    case kUp: --y; break;
    case kDown: ++y; break;
  }
  if (x < 1 || CellOrOffBoard(s, x, y) != cEmpty) return false;
  s.MoverX[i] = x;
  s.MoverY[i] = y;
  switch (way) {
    case kRight: s.MoverOffsetX[i] = -32; break;
    case kLeft: s.MoverOffsetX[i] = 32; break;
    case kUp: s.MoverOffsetY[i] = 32; break;
    case kDown: s.MoverOffsetY[i] = -32; break;
  }
  return true;
}

bool Chase(TGameState& s, int i) {
  return (s.MoverX[i] > s.PlayerX && TryStep(s, i, kLeft)) || (s.MoverY[i] > s.PlayerY && TryStep(s, i, kUp)) ||
         (s.MoverX[i] < s.PlayerX && TryStep(s, i, kRight)) || (s.MoverY[i] < s.PlayerY && TryStep(s, i, kDown));
}

// One mover's share of the tick; true when its picture or cell changed.
bool MoveOne(TGameState& s, GameHost& host, int i) {
  if (s.MoverOffsetX[i] != 0) {
    MoveTowardZero(s.MoverOffsetX[i], s.ScrollSpeed);
    return true;
  }
  if (s.MoverOffsetY[i] != 0) {
    MoveTowardZero(s.MoverOffsetY[i], s.ScrollSpeed);
    return true;
  }
  const int r = host.Random();
  if (r % 2 == 0) return Chase(s, i);
  static constexpr Way kRandomWays[4] = {kRight, kLeft, kUp, kDown};
  return TryStep(s, i, kRandomWays[host.Random() % 4]);
}

}  // namespace

void MoverTick(TGameState& s, GameHost& host) {
  if (host.Terminated()) return;
  if (FigureTouched(s) && !s.ReplayRunning) {
    LostHandling(s, host);
    if (host.Terminated()) return;
  }
  for (int i = 0; i < kMoverSlots; ++i) {
    if (s.MoverX[i] == 0 || s.MoverFloor[i] != s.Floor) continue;
    if (MoveOne(s, host, i)) host.RedrawCells(s.MoverX[i] - 2, s.MoverY[i] - 2, s.MoverX[i] + 2, s.MoverY[i] + 2);
  }
}

}  // namespace Game
