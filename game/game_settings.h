// What the game keeps in the registry: the settings ("SETUP"), the running
// statistics ("STAT") and the results of each world ("SCORE" + world). Every
// operation opens its own registry object and releases it when done, so that
// nothing is cached between them.
#pragma once

#include "game_state.h"

namespace Game {

constexpr const char* kRegistryKey = "Software\\Tallix Software\\TALLIX MORVANT II";

// The "SETUP" values into the state, bounded to what the game can play with
// (a damaged or hand-edited value must not stall the animation or the
// replay); nothing is written back.
void ReadSettings(TGameState& s);
// Where the player was, and the steps of the attempt in progress.
void SaveOnClose(const TGameState& s);

// "ZUEGE" += moves; then "VERSUCHE" += 1 when countAttempt. Both wrap at 32
// bits as the stored DWORDs do.
void AddStatistics(int moves, bool countAttempt);
bool IsLevelSolved(int world, int level);
// Marks the level solved; stores `steps` as its best when it is no more than
// the stored best (9999 when none), and then returns true.
bool RecordSolution(int world, int level, int steps);

// Bounds of the stored settings the game accepts.
Integer BoundScrollSpeed(Integer stored);
Integer BoundReplayDelay(Integer stored);

}  // namespace Game
