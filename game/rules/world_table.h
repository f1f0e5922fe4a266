// The 27 built-in worlds.
#pragma once

#include "wintypes.h"

namespace Game {

struct WorldRow {
  const char* LevelFile;      // in the level folder beside the program
  const char* CaptionSuffix;  // after "TALLIX MORVANT II - "
  const char* ScoreName;      // stem of the replay files
  const char* ChooserTitle;
  const char* LevelCountText;  // shown by the world chooser only
  Integer Difficulty;          // 0..6
};

constexpr int kWorldCount = 27;
extern const WorldRow WorldTable[kWorldCount];

// The row of a world index, or nullptr outside 0..26.
const WorldRow* WorldRowOf(Integer worldIndex);

}  // namespace Game
