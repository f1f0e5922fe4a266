// Writing a world: its file for data/level/ and one replay file a level for
// tests/levels/solutions/, only when every level is sound and its solution
// passes the game's own rules.
#pragma once

#include <string>
#include <vector>

#include "board.h"

namespace Levels {

struct SolvedLevel {
  Board board;
  std::vector<int> moves;
  int hardness = 0;  // the generator's measure, for ordering a world
};

// False, with the reason on stderr, when any level fails; nothing is written then.
bool PublishWorld(const std::vector<SolvedLevel>& levels, const std::string& worldFile,
                  const std::string& solutionFolder);

}  // namespace Levels
