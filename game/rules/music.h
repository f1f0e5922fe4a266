// Background music: every tick of the 20 s music timer starts a random tune
// when none is playing.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

constexpr int kTuneCount = 20;  // midi0.mid .. midi19.mid beside the program

// The tick. `playerFailed` is set when the player could not open or play a
// tune; while it is set the tick does nothing, so a missing synthesizer costs
// one line on stderr instead of an error every 20 seconds.
void MusicTick(const TGameState& s, GameHost& host, bool& playerFailed);

}  // namespace Game
