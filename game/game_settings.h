// What the game keeps in the registry: the settings ("SETUP"), the running
// statistics ("STAT") and the results of each world ("SCORE" + world). Every
// operation opens its own registry object and releases it when done, so that
// nothing is cached between them.
#pragma once

#include <cstdint>

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

// What the statistics dialog shows, read from "SCORE0" to "SCORE49" (levels
// 1 to 19 of each) and "STAT". The sums are 64-bit: the stored values are
// outside data and any of them may be near the 32-bit limit.
struct TGameStatistics {
  std::int64_t Solved = 0;
  // The best counts of every level in the range, solved or not.
  std::int64_t BestSteps = 0;
  // The running counts, DWORDs that wrap at 32 bits.
  std::uint32_t Steps = 0;
  std::uint32_t Attempts = 0;
};
TGameStatistics ReadStatistics();

// Bounds of the stored settings the game accepts.
Integer BoundScrollSpeed(Integer stored);
Integer BoundReplayDelay(Integer stored);

}  // namespace Game
