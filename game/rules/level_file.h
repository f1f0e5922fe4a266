// World files and editor level files, read as the level editor writes them:
// a stream of lines (through a 500-byte line buffer) and of whitespace-
// separated decimal integers.
//
// World file: the level count on line 1, then 152 lines a level: the hint
// ("###" for none), a header of 19 numbers (figure x, y, two unused, then x,
// y, floor of the five mover slots) and 150 rows of 50 cell codes (floor 0
// rows 0..49, then floors 1 and 2). Editor file: one number on line 1, then
// the header and the cells with no hint.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ansistring.h"
#include "game_state.h"

namespace Game {

constexpr int kLinesPerLevel = 152;
constexpr int kLineBufferSize = 500;  // at most 499 characters of text a line

// What one level of a file puts on the board.
struct LevelRecord {
  AnsiString Hint;
  Integer PlayerX = 0, PlayerY = 0;
  Integer MoverX[kMoverSlots] = {}, MoverY[kMoverSlots] = {}, MoverFloor[kMoverSlots] = {};
  Integer Cells[kFloors][kBoardSize][kBoardSize] = {};
};

// Reads numbers and lines from the text of a level file. Once a read fails
// (the end of the text, a token that is not a 32-bit decimal number, a line
// too long for the buffer) every later read fails too.
class LevelTextReader {
 public:
  explicit LevelTextReader(std::string_view text) : text_(text) {}
  bool ReadInteger(Integer& value);
  // Up to the line end (LF, or CR LF); the line end is not part of the line.
  bool ReadLine(std::string& line);
  bool Failed() const { return failed_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// The level count of a world file; 0 when it is missing, unreadable or
// negative.
Integer ReadLevelCount(LevelTextReader& reader);

// Level `level` (1-based) of a world file, after its count has been read.
// False when the level cannot be taken whole: the file ends early, holds text
// where a number belongs or an overlong line, or puts the figure or a mover
// off the board. `out` is a scratch record and may then hold anything.
bool ReadWorldLevel(LevelTextReader& reader, Integer level, LevelRecord& out);

// The one level of an editor level file.
bool ReadEditorLevel(LevelTextReader& reader, LevelRecord& out);

}  // namespace Game
