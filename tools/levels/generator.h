// Generated levels: rooms of walls and boxes made by reverse play (boxes
// pulled away from their goals, so the start is solvable by construction),
// with the gate, key and door, stairs, teleporter and mover features a recipe
// asks for; each candidate is solved by the solver and the best kept.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "publish.h"

namespace Levels {

struct Recipe {
  int width = 6, height = 5;   // the room's inside, in cells
  int boxes = 2;
  double wallShare = 0.12;     // share of the inside turned into wall
  int floors = 1;              // rooms on floors 0.., joined by stairs down
  bool keyAndDoor = false;     // the gate hides a key, a door the exit item
  bool teleporters = false;    // a wall splits the room, teleporters join it
  bool guardHall = false;      // the exit lies in a hall with a mover
  int looseExits = 0;          // exit items lying in the room
  int minPushes = 4;
  int tries = 20;              // candidates, of which the hardest is kept
  std::uint32_t seed = 1;
};

// The hardest solved candidate of the recipe, or nothing when none was found.
std::optional<SolvedLevel> GenerateLevel(const Recipe& recipe);

// The levels of world `worldIndex` (1..26), easiest first; false when a level
// could not be made.
bool GenerateWorld(int worldIndex, std::vector<SolvedLevel>& out);

}  // namespace Levels
