// Undo of the last step, from the two step logs.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

// Takes back the last step. Does nothing during a replay, with no step to
// take back, or when taking it back would leave the board or the floors
// (possible after a teleport): then nothing at all changes.
void UndoStep(TGameState& s, GameHost& host);

}  // namespace Game
