// A small text language for hand-made levels, turned into boards:
//
//   level
//   hint Sammle alle Ausgänge ein, um die Ebene zu lösen.
//   floor 0
//   |#######
//   |#@  E #
//   |#######
//   end
//
// Map rows start with '|' and fill the floor from row 0, column 0; cells not
// named stay empty floor (the background). Lines starting with ';' are
// comments. Cell letters:
//   #  wall          .  goal        $  box          *  box on a goal
//   a-d keys 1-4     A-D doors 1-4  G  closed gate  g  open gate
//   =  stairs both   ^  stairs up   v  stairs down  1-4 teleporters
//   E  exit item     @  the figure (floor 0)        M  a mover on empty floor
//   space  empty floor
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board.h"

namespace Levels {

// False with a message naming the line when the text is not a list of levels
// in this language.
bool ParseAsciiLevels(std::string_view text, std::vector<Board>& out, std::string& error);

// The floors of a board in the same language, for looking at generated levels.
std::string AsciiPicture(const Board& board);

}  // namespace Levels
