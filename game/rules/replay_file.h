// The replay file: the move codes of a solution as decimal numbers, each
// followed by one blank, up to and including the first 0 ("2 2 3 6 0 "). A
// log filled to all its entries is written without the closing 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game_state.h"

namespace Game {

std::string FormatReplayFile(const Integer (&moveLog)[kLogSize]);

// The numbers of a replay file as a reader of whitespace-separated decimal
// integers meets them: it stops at the first token that is not a 32-bit
// number, and after kLogSize numbers.
std::vector<Integer> ParseReplayFile(std::string_view text);

}  // namespace Game
