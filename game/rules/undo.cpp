#include "undo.h"

namespace Game {
namespace {

// Where the figure goes back to for move m, and the cell "ahead" in the
// direction of the move taken back.
struct Back {
  int x, y, floor;
  int aheadX, aheadY;
};

Back BackOf(const TGameState& s, Integer m) {
  Back b{s.PlayerX, s.PlayerY, s.Floor, s.PlayerX, s.PlayerY};
  switch (m) {
    case mUp: b.y += 1, b.aheadY -= 1; break;
    case mRight: b.x -= 1, b.aheadX += 1; break;
    case mDown: b.y -= 1, b.aheadY += 1; break;
    case mLeft: b.x += 1, b.aheadX -= 1; break;
    case mFloorUp: b.floor += 1; break;
    case mFloorDown: b.floor -= 1; break;
    default: break;
  }
  return b;
}

bool IsBoxEvent(Integer e, Integer m) { return e >= eBoxFloorToFloor && e <= eBoxGoalToGoal && m >= mUp && m <= mLeft; }

}  // namespace

void UndoStep(TGameState& s, GameHost& host) {
  if (s.ReplayRunning || s.Steps == 0) return;
  const Integer e = s.EventLog[s.Steps - 1];
  const Integer m = s.MoveLog[s.Steps - 1];
  const Back back = BackOf(s, m);
  if (!OnBoard(back.x, back.y) || back.floor < 0 || back.floor >= kFloors) return;
  if (IsBoxEvent(e, m) && !OnBoard(back.aheadX, back.aheadY)) return;

  Integer& here = s.Cells[s.Floor][s.PlayerX][s.PlayerY];
  if (e >= eDoor1Opened && e <= eDoor1Opened + 3) {
    here = cDoor1 + (e - eDoor1Opened);
    host.PlayGameSound(sndDoorOrGate);
  } else if (e == eExitTaken) {
    here = cExitItem;
    s.ExitsTaken -= 1;
    host.PlayGameSound(sndExitItem);
  } else if (IsBoxEvent(e, m)) {
    Integer& ahead = s.Cells[s.Floor][back.aheadX][back.aheadY];
    const bool boxWasOnGoal = e == eBoxGoalToFloor || e == eBoxGoalToGoal;
    const bool boxWentOntoGoal = e == eBoxFloorToGoal || e == eBoxGoalToGoal;
    ahead = boxWentOntoGoal ? cGoal : cEmpty;
    here = boxWasOnGoal ? cBoxOnGoal : cBox;
    host.PlayGameSound(sndBoxPushed);
  } else if (e >= eKey1Taken && e <= eKey1Taken + 3) {
    here = cKey1 + (e - eKey1Taken);
    s.KeyHeld[e - eKey1Taken] = 0;
    host.PlayGameSound(sndKey);
  }

  s.PlayerX = back.x;
  s.PlayerY = back.y;
  if (back.floor != s.Floor) {
    s.Floor = back.floor;
    host.PlayGameSound(sndFloorChange);
  }
  s.Steps -= 1;
  host.AddStatistics(1, false);
  s.MoveLog[s.Steps] = 0;
  s.EventLog[s.Steps] = 0;
  host.ShowCounters();
  host.RedrawCells(0, 0, kBoardSize, kBoardSize);
}

}  // namespace Game
