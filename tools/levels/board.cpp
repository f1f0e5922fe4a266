#include "board.h"

#include <deque>

namespace Levels {
namespace {

constexpr int kDx[4] = {0, 1, 0, -1};
constexpr int kDy[4] = {-1, 0, 1, 0};

bool OnBoard(int x, int y) { return x >= 0 && x < kSize && y >= 0 && y < kSize; }

// Cells that hold empty floor now or may hold it later.
bool MayBecomeEmpty(std::uint8_t c) {
  return c == Game::cEmpty || c == Game::cBox || Game::IsKey(c) || Game::IsDoor(c) || c == Game::cExitItem;
}

// Codes the figure can never stand on.
bool BlocksFigure(std::uint8_t c) { return Game::IsSolid(c); }

}  // namespace

std::string LevelLines(const Board& b) {
  std::string out = b.hint + "\n";
  // Appended piece by piece: no temporary strings to prepend to.
  auto field = [&out](int value) {
    out += ' ';
    out += std::to_string(value);
  };
  out += std::to_string(b.playerX);
  field(b.playerY);
  out += " 0 0";
  for (const Mover& m : b.movers) {
    field(m.x);
    field(m.y);
    field(m.floor);
  }
  out += "\n";
  for (int f = 0; f < Game::kFloors; ++f)
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (x) out += ' ';
        out += std::to_string(b.At(f, x, y));
      }
      out += "\n";
    }
  return out;
}

std::string WorldFileText(const std::vector<Board>& boards) {
  std::string out = std::to_string(boards.size()) + "\n";
  for (const Board& b : boards) out += LevelLines(b);
  return out;
}

std::vector<bool> MoverTerritory(const Board& b) {
  std::vector<bool> seen(kCellCount, false);
  std::deque<int> todo;
  for (const Mover& m : b.movers) {
    if (m.x == 0 || !OnBoard(m.x, m.y) || m.floor < 0 || m.floor >= Game::kFloors) continue;
    const int i = CellIndex(m.floor, m.x, m.y);
    if (!seen[i]) seen[i] = true, todo.push_back(i);
  }
  while (!todo.empty()) {
    const int i = todo.front();
    todo.pop_front();
    for (int d = 0; d < 4; ++d) {
      const int x = XOf(i) + kDx[d], y = YOf(i) + kDy[d];
      if (!OnBoard(x, y)) continue;
      const int j = CellIndex(FloorOf(i), x, y);
      if (!seen[j] && MayBecomeEmpty(b.cells[j])) seen[j] = true, todo.push_back(j);
    }
  }
  return seen;
}

std::string FaultOf(const Board& b) {
  if (!OnBoard(b.playerX, b.playerY)) return "figure off the board";
  if (BlocksFigure(b.At(0, b.playerX, b.playerY))) return "figure inside a wall";
  for (const Mover& m : b.movers) {
    if (m.x == 0) continue;
    if (!OnBoard(m.x, m.y) || m.floor < 0 || m.floor >= Game::kFloors) return "mover off the board";
    if (b.At(m.floor, m.x, m.y) != Game::cEmpty) return "mover not on empty floor";
  }
  bool anyExit = false;
  for (std::uint8_t c : b.cells) anyExit = anyExit || c == Game::cExitItem;
  if (!anyExit) return "no exit item";

  const std::vector<bool> territory = MoverTerritory(b);
  for (int i = 0; i < kCellCount; ++i) {
    if (!territory[i]) continue;
    if (XOf(i) == 0) return "a mover can reach column 0";
    // A cell with a single way out is a dead end where a mover could corner
    // the figure; boxes count as ways out, since they may move.
    int ways = 0;
    for (int d = 0; d < 4; ++d) {
      const int x = XOf(i) + kDx[d], y = YOf(i) + kDy[d];
      if (OnBoard(x, y) && !BlocksFigure(b.At(FloorOf(i), x, y)) && !Game::IsDoor(b.At(FloorOf(i), x, y))) ++ways;
    }
    if (ways < 2) return "a mover can corner the figure in a dead end";
  }
  return {};
}

std::vector<bool> FigureArea(const Board& b) {
  std::vector<bool> seen(kCellCount, false);
  std::deque<int> todo;
  auto visit = [&](int i) {
    // A closed gate may open later.
    const bool passable = !BlocksFigure(b.cells[i]) || b.cells[i] == Game::cClosedGate;
    if (!seen[i] && passable) seen[i] = true, todo.push_back(i);
  };
  if (OnBoard(b.playerX, b.playerY)) visit(CellIndex(0, b.playerX, b.playerY));
  while (!todo.empty()) {
    const int i = todo.front();
    todo.pop_front();
    const int f = FloorOf(i), c = b.cells[i];
    for (int d = 0; d < 4; ++d) {
      const int x = XOf(i) + kDx[d], y = YOf(i) + kDy[d];
      if (OnBoard(x, y)) visit(CellIndex(f, x, y));
    }
    if ((c == Game::cStairsBoth || c == Game::cStairsUp) && f > 0) visit(CellIndex(f - 1, XOf(i), YOf(i)));
    if ((c == Game::cStairsBoth || c == Game::cStairsDown) && f < Game::kFloors - 1)
      visit(CellIndex(f + 1, XOf(i), YOf(i)));
    if (c >= Game::cTeleporter1 && c <= Game::cTeleporter4)
      for (int j = CellIndex(f, 0, 0); j < CellIndex(f + 1, 0, 0); ++j)
        if (b.cells[j] == c) visit(j);
  }
  return seen;
}

void TrimWalls(Board& b) {
  const std::vector<bool> area = FigureArea(b);
  Board out = b;
  for (int i = 0; i < kCellCount; ++i) {
    if (!Game::IsSolid(b.cells[i])) continue;
    bool borders = false;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const int x = XOf(i) + dx, y = YOf(i) + dy;
        if (OnBoard(x, y) && area[CellIndex(FloorOf(i), x, y)]) borders = true;
      }
    if (!borders) out.cells[i] = Game::cEmpty;
  }
  b.cells = out.cells;
}

}  // namespace Levels
