// What happens when every exit item of the board has been taken.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

constexpr const char* kMsgSolved = "Glückwunsch ! Diese Spielebene ist gelöst.";
constexpr const char* kMsgReplaySolved = "War doch ganz einfach ... oder ?";

// Scores a world level and keeps its replay file when the solution is no
// longer than the best; an editor level keeps its replay file always. Then
// the next world level, or the same editor level again. `replay` tells that a
// stored solution has just been replayed to its end.
void SolvedHandling(TGameState& s, GameHost& host, bool replay);

// Writes the move log as the replay file of the current level; one line on
// stderr when it cannot be written (the previous file is kept).
void WriteReplayFile(const TGameState& s, GameHost& host);

}  // namespace Game
