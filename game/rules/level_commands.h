// The level menu's commands (first, restart, previous, next), undo and the
// replay of the stored best solution. None of them acts while a replay runs.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

constexpr const char* kMsgSolveFirst = "Sie müssen zunächst diese Spielebene lösen.";

void FirstLevelCommand(TGameState& s, GameHost& host);
void RestartLevelCommand(TGameState& s, GameHost& host);
void PreviousLevelCommand(TGameState& s, GameHost& host);
void NextLevelCommand(TGameState& s, GameHost& host);
void UndoCommand(TGameState& s, GameHost& host);

// Restarts the level and plays its replay file move by move, ReplayDelay
// milliseconds apart, until the file ends, the level is solved or a key asks
// it to stop.
void ReplayCommand(TGameState& s, GameHost& host);

// The loss: a mover touched the figure.
void LostHandling(TGameState& s, GameHost& host);

}  // namespace Game
