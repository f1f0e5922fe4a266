#include "move_rules.h"

#include "level_commands.h"
#include "solving.h"
#include "view.h"

namespace Game {
namespace {

struct Direction {
  int dx, dy;
};

Direction DirectionOf(Integer move) {
  switch (move) {
    case mUp: return {0, -1};
    case mRight: return {1, 0};
    case mDown: return {0, 1};
    case mLeft: return {-1, 0};
    default: return {0, 0};
  }
}

bool LogIsFull(const TGameState& s) { return s.Steps >= kLogSize; }

// Pushes the box on T (10 or 3) onto B (1 or 2); returns the event.
Integer PushBox(Integer& t, Integer& b) {
  Integer event = eNone;
  if (t == cBox) {
    if (b == cEmpty) t = cEmpty, b = cBox, event = eBoxFloorToFloor;
    else if (b == cGoal) t = cEmpty, b = cBoxOnGoal, event = eBoxFloorToGoal;
  }
  if (t == cBoxOnGoal) {
    if (b == cEmpty) t = cGoal, b = cBox, event = eBoxGoalToFloor;
    else if (b == cGoal) t = cGoal, b = cBoxOnGoal, event = eBoxGoalToGoal;
  }
  return event;
}

void Teleport(TGameState& s, GameHost& host) {
  for (Integer t : kTeleporterCodes) {
    if (s.Cells[s.Floor][s.PlayerX][s.PlayerY] != t) continue;
    // The last partner in column-major order; a lone teleporter leads to (0, 0).
    int tx = 0, ty = 0;
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (s.Cells[s.Floor][x][y] == t && !(x == s.PlayerX && y == s.PlayerY)) tx = x, ty = y;
    s.PlayerX = tx;
    s.PlayerY = ty;
    host.PlayGameSound(sndTeleport);
    host.RedrawCells(0, 0, kBoardSize, kBoardSize);
  }
}

bool FloorHasLooseBox(const TGameState& s) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (s.Cells[s.Floor][x][y] == cBox) return true;
  return false;
}

void UpdateGates(TGameState& s, GameHost& host, bool replay) {
  const bool open = !FloorHasLooseBox(s);
  const Integer from = open ? cClosedGate : cOpenGate;
  const Integer to = open ? cOpenGate : cClosedGate;
  bool soundPlayed = false;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      if (s.Cells[s.Floor][x][y] != from) continue;
      s.Cells[s.Floor][x][y] = to;
      // A replay announces opening gates once per move, not once per gate.
      if (!(replay && open && soundPlayed)) host.PlayGameSound(sndDoorOrGate);
      soundPlayed = true;
      host.RedrawCells(0, 0, kBoardSize, kBoardSize);
    }
}

}  // namespace

bool ArrowMove(TGameState& s, GameHost& host, Integer move) {
  const Direction d = DirectionOf(move);
  if (move == mRight) s.FacingRight = 1;
  if (move == mLeft) s.FacingRight = 0;
  // A full log takes no further step; the turn above still shows.
  if (LogIsFull(s)) return false;

  const int tx = s.PlayerX + d.dx, ty = s.PlayerY + d.dy;
  if (!OnBoard(tx, ty)) return true;  // against the board's edge: no step, the tail runs
  Integer& t = s.Cells[s.Floor][tx][ty];

  if (IsSolid(t)) {
    host.PlayGameSound(sndWall);
    return false;
  }
  if (IsDoor(t)) {
    if (!s.KeyHeld[t - cDoor1]) return false;
    s.EventLog[s.Steps] = t - cDoor1 + eDoor1Opened;
    t = cEmpty;
    host.PlayGameSound(sndDoorOrGate);
  }

  const int bx = tx + d.dx, by = ty + d.dy;
  if (t == cBox || t == cBoxOnGoal) {
    const Integer beyond = CellOrOffBoard(s, bx, by);
    if (beyond != cEmpty && beyond != cGoal) return false;
    s.EventLog[s.Steps] = PushBox(t, s.Cells[s.Floor][bx][by]);
    host.PlayGameSound(sndBoxPushed);
  }
  if (IsKey(t)) {
    s.KeyHeld[t - cKey1] = 1;
    s.EventLog[s.Steps] = t - cKey1 + eKey1Taken;
    t = cEmpty;
    host.PlayGameSound(sndKey);
  }
  if (t == cExitItem) {
    s.ExitsTaken += 1;
    host.PlayGameSound(sndExitItem);
    t = cEmpty;
    s.EventLog[s.Steps] = eExitTaken;
  }

  // The step: the picture starts on the old cell and slides in.
  const bool horizontal = d.dx != 0;
  const bool scrolls = InScrollBand(s.ViewMode, move, horizontal ? s.PlayerX : s.PlayerY);
  s.PlayerX = tx;
  s.PlayerY = ty;
  const Integer offset = -32 * (horizontal ? d.dx : d.dy);
  (horizontal ? s.SpriteOffsetX : s.SpriteOffsetY) = offset;
  if (scrolls) (horizontal ? s.ViewOffsetX : s.ViewOffsetY) = offset;
  s.MoveLog[s.Steps] = move;
  AnimateStep(s, host);
  return true;
}

bool StairMove(TGameState& s, GameHost& host, Integer move) {
  if (LogIsFull(s)) return false;
  const Integer here = s.Cells[s.Floor][s.PlayerX][s.PlayerY];
  if (move == mFloorDown) {
    if ((here != cStairsBoth && here != cStairsDown) || s.Floor >= kFloors - 1) return false;
    s.Floor += 1;
  } else {
    if ((here != cStairsBoth && here != cStairsUp) || s.Floor <= 0) return false;
    s.Floor -= 1;
  }
  s.MoveLog[s.Steps] = move;
  s.Steps += 1;
  host.PlayGameSound(sndFloorChange);
  host.RedrawCells(0, 0, kBoardSize, kBoardSize);
  return true;
}

void CommonTail(TGameState& s, GameHost& host, bool replay) {
  if (host.Terminated()) return;
  Teleport(s, host);
  UpdateGates(s, host, replay);
  host.ShowCounters();
  if (s.LevelPlayable && s.ExitsTaken == s.ExitsTotal) SolvedHandling(s, host, replay);
}

namespace {

void HandleOneKey(TGameState& s, GameHost& host, int key) {
  bool tail = true;
  switch (key) {
    case kKeyAdd: NextLevelCommand(s, host); return;
    case kKeySubtract: PreviousLevelCommand(s, host); return;
    case kKeyF2: RestartLevelCommand(s, host); return;
    case kKeyF1: UndoCommand(s, host); break;
    case kKeyRight: tail = ArrowMove(s, host, mRight); break;
    case kKeyLeft: tail = ArrowMove(s, host, mLeft); break;
    case kKeyUp: tail = ArrowMove(s, host, mUp); break;
    case kKeyDown: tail = ArrowMove(s, host, mDown); break;
    case kKeyPageDown: tail = StairMove(s, host, mFloorDown); break;
    case kKeyPageUp: tail = StairMove(s, host, mFloorUp); break;
    default: break;
  }
  if (tail) CommonTail(s, host, false);
}

// Marks a key as being handled for its lifetime, on every way out.
class HandlingKey {
 public:
  explicit HandlingKey(PendingKeys& keys) : keys_(keys) { keys_.handling = true; }
  ~HandlingKey() {
    keys_.handling = false;
    keys_.Clear();
  }
  HandlingKey(const HandlingKey&) = delete;
  HandlingKey& operator=(const HandlingKey&) = delete;

 private:
  PendingKeys& keys_;
};

}  // namespace

void HandleKey(TGameState& s, GameHost& host, int key) {
  if (s.ReplayRunning) {
    s.ReplayStopRequested = 1;
    return;
  }
  if (s.KeysWaiting.handling) {
    s.KeysWaiting.Push(key);
    return;
  }
  HandlingKey handling(s.KeysWaiting);
  HandleOneKey(s, host, key);
  // Every step has shown its counters before the next key starts one.
  while (!s.KeysWaiting.Empty() && !host.Terminated() && !s.ReplayRunning)
    HandleOneKey(s, host, s.KeysWaiting.Pop());
}

void ReplayMove(TGameState& s, GameHost& host, Integer code) {
  bool tail = true;
  if (code >= mUp && code <= mLeft) tail = ArrowMove(s, host, code);
  else if (code == mFloorUp || code == mFloorDown) tail = StairMove(s, host, code);
  if (tail) CommonTail(s, host, true);
}

void AnimateStep(TGameState& s, GameHost& host) {
  s.Steps += 1;
  for (int frame = 0; frame < 32; ++frame) {
    if (host.Terminated()) return;
    if (!s.ViewOffsetX && !s.ViewOffsetY && !s.SpriteOffsetX && !s.SpriteOffsetY) return;
    MoveTowardZero(s.ViewOffsetX, s.ScrollSpeed);
    MoveTowardZero(s.ViewOffsetY, s.ScrollSpeed);
    MoveTowardZero(s.SpriteOffsetX, s.ScrollSpeed);
    MoveTowardZero(s.SpriteOffsetY, s.ScrollSpeed);
    host.RedrawCells(s.PlayerX - 2, s.PlayerY - 2, s.PlayerX + 3, s.PlayerY + 3);
    host.ProcessMessages();
  }
}

}  // namespace Game
