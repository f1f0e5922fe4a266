// The movers: one tick of the 250 ms mover timer.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

// Tests for contact (which loses the attempt outside a replay), then slides
// or steps each mover of the figure's floor.
void MoverTick(TGameState& s, GameHost& host);

}  // namespace Game
