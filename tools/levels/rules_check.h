// The judge: a level and its moves played through the game's own loader and
// replay step, with a host that keeps everything in memory.
#pragma once

#include <string>
#include <vector>

#include "board.h"

namespace Levels {

// Empty when the game loads the level and the moves solve it exactly at the
// last move; otherwise what went wrong.
std::string CheckWithGameRules(const Board& board, const std::vector<int>& moves);

// The replay-file text of a list of moves ("2 2 3 0 ").
std::string ReplayText(const std::vector<int>& moves);

}  // namespace Levels
