// One level as the tools build it: three floors of cell codes, the figure's
// start, the mover slots and the hint, and the world-file text made of them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game_state.h"

namespace Levels {

constexpr int kSize = Game::kBoardSize;
constexpr int kCellCount = Game::kFloors * kSize * kSize;

// Cell index: floor, then column, then row, as the game's board is laid out.
inline int CellIndex(int floor, int x, int y) { return (floor * kSize + x) * kSize + y; }
inline int FloorOf(int index) { return index / (kSize * kSize); }
inline int XOf(int index) { return index / kSize % kSize; }
inline int YOf(int index) { return index % kSize; }

struct Mover {
  int x = 0, y = 0, floor = 0;  // x 0: empty slot
};

struct Board {
  std::string hint = "###";
  int playerX = 1, playerY = 1;
  std::array<Mover, Game::kMoverSlots> movers{};
  std::array<std::uint8_t, kCellCount> cells;

  Board() { cells.fill(Game::cEmpty); }
  std::uint8_t& At(int floor, int x, int y) { return cells[CellIndex(floor, x, y)]; }
  std::uint8_t At(int floor, int x, int y) const { return cells[CellIndex(floor, x, y)]; }
};

// The 152 lines of one level (hint, header, 150 rows), each ending in LF.
std::string LevelLines(const Board& board);
// A whole world file: the count line and the levels.
std::string WorldFileText(const std::vector<Board>& boards);

// The cells a mover could ever stand on: flood fill over empty floor from each
// occupied slot, counting every cell that may become empty floor later (boxes
// leave, keys, doors and exit items vanish).
std::vector<bool> MoverTerritory(const Board& board);

// What keeps a level fair and drawable; empty when the level is sound.
// Checks: figure and movers on the board, movers on empty floor, no mover
// able to reach column 0 or a dead end, at least one exit item.
std::string FaultOf(const Board& board);

// Every cell the figure could ever stand on: flood fill from its start over
// all cells that are not solid (doors and gates as if open), up and down the
// stairs and across teleporters.
std::vector<bool> FigureArea(const Board& board);

// Walls only where they border something the figure can reach: the rest of
// the board shows the background texture.
void TrimWalls(Board& board);

}  // namespace Levels
