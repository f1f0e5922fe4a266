// A solver that plays by the game's move rules: breadth-first search over
// the positions reachable by walking (the figure's free walk collapsed into
// one state), branching at every move that changes something: a push, a key,
// a door, an exit item, a teleporter, a stair.
#pragma once

#include <cstddef>
#include <vector>

#include "board.h"

namespace Levels {

struct Solution {
  bool solved = false;
  bool gaveUp = false;           // the state limit was reached first
  std::vector<int> moves;        // move codes 1..6, without the closing 0
  int pushes = 0;                // moves of the solution that push a box
  int boxLines = 0;              // runs of pushes of one box in one direction
  int events = 0;                // the branching moves of the solution
  std::size_t states = 0;        // states visited
};

// With `pruneDeadBoxes` the search skips pushes after which some box can no
// longer reach a goal (a dead cell, or a 2 by 2 block of boxes and walls with
// a box off its goal): right for levels whose way out needs every box on a
// goal, which is what the generator makes.
Solution Solve(const Board& board, std::size_t maxStates, bool pruneDeadBoxes = false);

}  // namespace Levels
