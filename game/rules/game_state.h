// The whole state of a game in progress: the board, the figure, the movers,
// the two step logs, the counters and the settings flags. The main window
// holds it as plain value fields (it derives from this record), and the rules,
// the drawing, the loaders, undo and replay read and change it directly.
#pragma once

#include "ansistring.h"
#include "pending_keys.h"
#include "wintypes.h"

namespace Game {

constexpr int kBoardSize = 50;  // cells per side of a floor
constexpr int kFloors = 3;
constexpr int kMoverSlots = 5;
constexpr int kLogSize = 9000;  // entries of MoveLog and EventLog
constexpr int kCellPixels = 32;
constexpr int kTeleporterCodes[] = {60, 61, 62, 63};

// Cell codes. Any code not named here is walkable and has no rule.
enum CellCode : Integer {
  cEmpty = 1,
  cGoal = 2,
  cBoxOnGoal = 3,
  cBox = 10,
  cKey1 = 20,  // 20..23: keys 1..4
  cKey4 = 23,
  cWall = 30,  // 30..36 are solid
  cClosedGate = 35,
  cSolidLast = 36,
  cDoor1 = 37,  // 37..40: doors 1..4
  cDoor4 = 40,
  cStairsBoth = 50,
  cStairsUp = 51,    // Page Up only
  cStairsDown = 52,  // Page Down only
  cTeleporter1 = 60,
  cTeleporter4 = 63,
  cExitItem = 80,
  cOpenGate = 99,
};

// Move codes: entries of MoveLog and the numbers of a replay file.
enum MoveCode : Integer {
  mEnd = 0,
  mUp = 1,
  mRight = 2,
  mDown = 3,
  mLeft = 4,
  mFloorUp = 5,    // Floor - 1 (Page Up)
  mFloorDown = 6,  // Floor + 1 (Page Down)
};

// Event codes: what a move changed, for undo. T is the cell entered, B the
// cell beyond it.
enum EventCode : Integer {
  eNone = 0,
  eExitTaken = 1,
  eBoxFloorToFloor = 2,
  eBoxFloorToGoal = 3,
  eBoxGoalToFloor = 4,
  eBoxGoalToGoal = 5,
  eKey1Taken = 6,  // 6..9
  eDoor1Opened = 10,  // 10..13
};

// Sound ids of PlayGameSound.
enum SoundId : Integer {
  sndExitItem = 1,
  sndBoxPushed = 2,
  sndTeleport = 3,
  sndFloorChange = 4,
  sndWall = 7,
  sndDoorOrGate = 8,
  sndKey = 9,
};

}  // namespace Game

// Field names, types and order are those of the main window's state.
struct TGameState {
  Integer Cells[Game::kFloors][Game::kBoardSize][Game::kBoardSize] = {};  // [floor][x][y]
  Integer PlayerX = 0;
  Integer PlayerY = 0;
  Byte FacingRight = 0;
  Integer ViewOffsetX = 0;
  Integer ViewOffsetY = 0;
  Integer SpriteOffsetX = 0;
  Integer SpriteOffsetY = 0;
  Integer ScrollSpeed = 0;
  Integer Floor = 0;
  Byte KeyHeld[4] = {};
  Integer LevelNumber = 0;
  Integer ExitsTaken = 0;
  Integer ExitsTotal = 0;
  Integer MoverX[Game::kMoverSlots] = {};  // 0 marks an empty slot
  Integer MoverY[Game::kMoverSlots] = {};
  Integer MoverFloor[Game::kMoverSlots] = {};
  Integer MoverOffsetX[Game::kMoverSlots] = {};
  Integer MoverOffsetY[Game::kMoverSlots] = {};
  Integer Steps = 0;
  Integer MoveLog[Game::kLogSize] = {};
  Integer EventLog[Game::kLogSize] = {};
  Integer ReplayDelay = 0;
  Integer ViewMode = 0;  // 0: 20 x 15 cells; 2: 25 x 20 cells
  Byte SoundOn = 0;
  Byte AvoidScrolling = 0;
  Byte NoEndDialogs = 0;
  Byte ReplayRunning = 0;
  Byte ReplayStopRequested = 0;
  Byte FitsInView = 0;
  Byte EditorLevel = 0;
  Integer WorldIndex = 0;
  Byte HiResMode = 0;
  Byte MusicOn = 0;
  // Not a field of the original: set by a load that put a playable level on
  // the board and cleared by one that did not. Without it a board left empty
  // by a missing world file (no exit items) would count as solved at the next
  // key press, and score level 1.
  Byte LevelPlayable = 0;
  // Not a field of the original: the editor file whose level is on the
  // board. The open dialog's name may be a file that failed to load, and
  // restart, replay and the next-level key must act on the board's level.
  AnsiString EditorFile;
  // Not a field of the original: keys that arrived during a step.
  Game::PendingKeys KeysWaiting;
};

namespace Game {

inline bool OnBoard(int x, int y) { return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize; }

// The cell at (x, y) of the current floor, or 0 (a code that is neither empty
// floor nor a goal) for a place off the board, so that nothing off the board
// is ever read.
inline Integer CellOrOffBoard(const TGameState& s, int x, int y) {
  return OnBoard(x, y) ? s.Cells[s.Floor][x][y] : 0;
}

inline bool IsSolid(Integer c) { return c >= cWall && c <= cSolidLast; }
inline bool IsDoor(Integer c) { return c >= cDoor1 && c <= cDoor4; }
inline bool IsKey(Integer c) { return c >= cKey1 && c <= cKey4; }

}  // namespace Game
