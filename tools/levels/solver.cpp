#include "solver.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_set>

namespace Levels {
namespace {

constexpr int kDx[5] = {0, 0, 1, 0, -1};  // indexed by move code 1..4
constexpr int kDy[5] = {0, -1, 0, 1, 0};

bool OnBoard(int x, int y) { return x >= 0 && x < kSize && y >= 0 && y < kSize; }
bool IsTeleporter(int c) { return c >= Game::cTeleporter1 && c <= Game::cTeleporter4; }
bool IsBoxCode(int c) { return c == Game::cBox || c == Game::cBoxOnGoal; }

// Walking onto these changes nothing, so a walk over them is one state.
bool IsFree(int c) {
  return !Game::IsSolid(c) && !Game::IsDoor(c) && !IsBoxCode(c) && !Game::IsKey(c) && c != Game::cExitItem &&
         !IsTeleporter(c);
}

// A cell whose code can change, and the codes it can hold.
struct Changeable {
  int cell;
  std::vector<std::uint8_t> codes;
  int bits;
};

// What a branching move did, for the solution's figures.
struct MoveEffect {
  bool pushed = false;
  int boxFrom = -1;
};

struct Node {
  std::string key;  // cells, keys, floor and the figure's exact cell
  std::uint32_t parent;
  int fromCell;  // where the figure stood for the move (same floor as the parent)
  int move;
};

class Search {
 public:
  Search(const Board& b, bool prune) : board_(b), prune_(prune) {
    grid_ = b.cells;
    x_ = b.playerX;
    y_ = b.playerY;
    Classify();
  }

  Solution Run(std::size_t maxStates);

 private:
  void Classify();
  void FindLiveCells();
  bool Dead(int boxCell) const;
  std::string Encode() const;
  void Decode(const std::string& key);
  bool GatesConsistent() const;
  void Set(int cell, std::uint8_t code) {
    undo_.push_back({cell, grid_[cell]});
    grid_[cell] = code;
  }
  void Revert(std::size_t mark) {
    while (undo_.size() > mark) {
      grid_[undo_.back().first] = undo_.back().second;
      undo_.pop_back();
    }
  }
  bool ArrowMove(int move, MoveEffect& effect);
  bool StairMove(int move);
  void Tail();
  bool Solved() const { return exitsLeft_ == 0; }
  // The free walk from the figure's cell; fills region_ (and parents_ when asked).
  void Walk(bool withParents);
  std::vector<int> PathTo(int cell);

  const Board& board_;
  bool prune_;
  std::vector<bool> live_;  // cells from which a box can still reach a goal
  std::array<std::uint8_t, kCellCount> grid_;
  std::vector<Changeable> changeable_;
  std::vector<int> floorBoxCells_[Game::kFloors];  // changeable cells that may hold a box
  std::vector<int> floorGates_[Game::kFloors];
  std::vector<int> partner_;  // teleporter cell -> where it leads
  int totalBits_ = 0;
  int unreachableExits_ = 0;  // exit items no walk can come to

  int x_ = 0, y_ = 0, floor_ = 0, keys_ = 0, exitsLeft_ = 0;
  std::vector<std::pair<int, std::uint8_t>> undo_;

  std::vector<int> region_;
  std::vector<std::uint32_t> stamp_ = std::vector<std::uint32_t>(kSize * kSize, 0);
  std::vector<int> parents_ = std::vector<int>(kSize * kSize, -1);
  std::uint32_t generation_ = 0;
};

void Search::Classify() {
  const std::vector<bool> area = FigureArea(board_);
  for (int i = 0; i < kCellCount; ++i) {
    if (!area[i]) continue;
    const std::uint8_t c = board_.cells[i];
    std::vector<std::uint8_t> codes;
    if (c == Game::cEmpty || c == Game::cBox) codes = {Game::cEmpty, Game::cBox};
    else if (c == Game::cGoal || c == Game::cBoxOnGoal) codes = {Game::cGoal, Game::cBoxOnGoal};
    else if (Game::IsKey(c) || Game::IsDoor(c) || c == Game::cExitItem) codes = {c, Game::cEmpty, Game::cBox};
    else if (c == Game::cClosedGate || c == Game::cOpenGate) codes = {Game::cClosedGate, Game::cOpenGate};
    else continue;
    const int bits = codes.size() > 2 ? 2 : 1;
    if (codes.back() == Game::cBox || codes.back() == Game::cBoxOnGoal) floorBoxCells_[FloorOf(i)].push_back(i);
    if (codes[0] == Game::cClosedGate) floorGates_[FloorOf(i)].push_back(i);
    changeable_.push_back({i, std::move(codes), bits});
    totalBits_ += bits;
  }
  for (int i = 0; i < kCellCount; ++i) {
    exitsLeft_ += board_.cells[i] == Game::cExitItem;
    unreachableExits_ += board_.cells[i] == Game::cExitItem && !area[i];
  }

  if (prune_) FindLiveCells();
  partner_.assign(kCellCount, -1);
  for (int i = 0; i < kCellCount; ++i) {
    if (!IsTeleporter(board_.cells[i])) continue;
    const int f = FloorOf(i);
    int to = CellIndex(f, 0, 0);  // a lone teleporter leads to the corner
    for (int j = CellIndex(f, 0, 0); j < CellIndex(f + 1, 0, 0); ++j)
      if (j != i && board_.cells[j] == board_.cells[i]) to = j;
    partner_[i] = to;
  }
}

// Backwards from the goals: a box at p reaches q = p + d when the figure can
// stand at p - d.
void Search::FindLiveCells() {
  std::vector<bool> boxable(kCellCount, false);
  for (int f = 0; f < Game::kFloors; ++f)
    for (int i : floorBoxCells_[f]) boxable[i] = true;
  live_.assign(kCellCount, false);
  std::vector<int> todo;
  for (int i = 0; i < kCellCount; ++i)
    if (board_.cells[i] == Game::cGoal || board_.cells[i] == Game::cBoxOnGoal) live_[i] = true, todo.push_back(i);
  while (!todo.empty()) {
    const int q = todo.back();
    todo.pop_back();
    for (int m = 1; m <= 4; ++m) {
      const int px = XOf(q) - kDx[m], py = YOf(q) - kDy[m], sx = px - kDx[m], sy = py - kDy[m];
      if (!OnBoard(sx, sy)) continue;
      const int p = CellIndex(FloorOf(q), px, py), stand = CellIndex(FloorOf(q), sx, sy);
      const int c = board_.cells[stand];
      if (live_[p] || !boxable[p] || (Game::IsSolid(c) && c != Game::cClosedGate)) continue;
      live_[p] = true;
      todo.push_back(p);
    }
  }
}

// A box just pushed onto `cell` that can never reach a goal.
bool Search::Dead(int cell) const {
  if (!live_[cell]) return true;
  if (grid_[cell] == Game::cBoxOnGoal) return false;
  const int f = FloorOf(cell), x = XOf(cell), y = YOf(cell);
  auto blocks = [&](int bx, int by) {
    if (!OnBoard(bx, by)) return true;
    const int c = grid_[CellIndex(f, bx, by)];
    return Game::IsSolid(c) || IsBoxCode(c);
  };
  for (int dx = -1; dx <= 0; ++dx)
    for (int dy = -1; dy <= 0; ++dy)
      if (blocks(x + dx, y + dy) && blocks(x + dx + 1, y + dy) && blocks(x + dx, y + dy + 1) &&
          blocks(x + dx + 1, y + dy + 1))
        return true;
  return false;
}

std::string Search::Encode() const {
  std::string key((totalBits_ + 4 + 2 + 12 + 7) / 8 + 1, '\0');
  int bit = 0;
  auto put = [&](unsigned value, int width) {
    for (int k = 0; k < width; ++k, ++bit)
      if (value >> k & 1) key[bit / 8] = static_cast<char>(key[bit / 8] | 1 << (bit % 8));
  };
  for (const Changeable& c : changeable_) {
    const auto at = std::find(c.codes.begin(), c.codes.end(), grid_[c.cell]);
    put(static_cast<unsigned>(at - c.codes.begin()), c.bits);
  }
  put(static_cast<unsigned>(keys_), 4);
  put(static_cast<unsigned>(floor_), 2);
  put(static_cast<unsigned>(x_ * kSize + y_), 12);
  return key;
}

void Search::Decode(const std::string& key) {
  int bit = 0;
  auto get = [&](int width) {
    unsigned v = 0;
    for (int k = 0; k < width; ++k, ++bit) v |= static_cast<unsigned>(key[bit / 8] >> (bit % 8) & 1) << k;
    return v;
  };
  exitsLeft_ = 0;
  for (const Changeable& c : changeable_) {
    grid_[c.cell] = c.codes[get(c.bits)];
    exitsLeft_ += grid_[c.cell] == Game::cExitItem;
  }
  keys_ = static_cast<int>(get(4));
  floor_ = static_cast<int>(get(2));
  const int pos = static_cast<int>(get(12));
  x_ = pos / kSize;
  y_ = pos % kSize;
}

bool Search::GatesConsistent() const {
  bool loose = false;
  for (int i : floorBoxCells_[floor_]) loose = loose || grid_[i] == Game::cBox;
  for (int i : floorGates_[floor_])
    if (grid_[i] != (loose ? Game::cClosedGate : Game::cOpenGate)) return false;
  return true;
}

// The game's arrow move and its tail, on the search's grid.
bool Search::ArrowMove(int move, MoveEffect& effect) {
  const int tx = x_ + kDx[move], ty = y_ + kDy[move];
  if (!OnBoard(tx, ty)) return false;  // the walls keep every level off the edge
  const int t = CellIndex(floor_, tx, ty);
  if (Game::IsSolid(grid_[t])) return false;
  if (Game::IsDoor(grid_[t])) {
    if (!(keys_ >> (grid_[t] - Game::cDoor1) & 1)) return false;
    Set(t, Game::cEmpty);
  }
  if (IsBoxCode(grid_[t])) {
    const int bx = tx + kDx[move], by = ty + kDy[move];
    if (!OnBoard(bx, by)) return false;
    const int b = CellIndex(floor_, bx, by);
    if (grid_[b] != Game::cEmpty && grid_[b] != Game::cGoal) return false;
    Set(t, grid_[t] == Game::cBox ? Game::cEmpty : Game::cGoal);
    Set(b, grid_[b] == Game::cEmpty ? Game::cBox : Game::cBoxOnGoal);
    effect.pushed = true;
    effect.boxFrom = t;
  }
  if (Game::IsKey(grid_[t])) {
    keys_ |= 1 << (grid_[t] - Game::cKey1);
    Set(t, Game::cEmpty);
  }
  if (grid_[t] == Game::cExitItem) {
    --exitsLeft_;
    Set(t, Game::cEmpty);
  }
  x_ = tx;
  y_ = ty;
  Tail();
  return true;
}

bool Search::StairMove(int move) {
  const int here = grid_[CellIndex(floor_, x_, y_)];
  if (move == Game::mFloorDown) {
    if ((here != Game::cStairsBoth && here != Game::cStairsDown) || floor_ >= Game::kFloors - 1) return false;
    ++floor_;
  } else {
    if ((here != Game::cStairsBoth && here != Game::cStairsUp) || floor_ <= 0) return false;
    --floor_;
  }
  Tail();
  return true;
}

void Search::Tail() {
  for (int t = Game::cTeleporter1; t <= Game::cTeleporter4; ++t) {
    const int here = CellIndex(floor_, x_, y_);
    if (grid_[here] != t) continue;
    x_ = XOf(partner_[here]);
    y_ = YOf(partner_[here]);
  }
  bool loose = false;
  for (int i : floorBoxCells_[floor_]) loose = loose || grid_[i] == Game::cBox;
  for (int i : floorGates_[floor_]) {
    const std::uint8_t want = loose ? Game::cClosedGate : Game::cOpenGate;
    if (grid_[i] != want) Set(i, want);
  }
}

void Search::Walk(bool withParents) {
  ++generation_;
  region_.clear();
  const int start = x_ * kSize + y_;
  stamp_[start] = generation_;
  parents_[start] = -1;
  region_.push_back(start);
  for (std::size_t k = 0; k < region_.size(); ++k) {
    const int p = region_[k];
    for (int m = 1; m <= 4; ++m) {
      const int x = p / kSize + kDx[m], y = p % kSize + kDy[m];
      if (!OnBoard(x, y)) continue;
      const int q = x * kSize + y;
      if (stamp_[q] == generation_ || !IsFree(grid_[CellIndex(floor_, x, y)])) continue;
      stamp_[q] = generation_;
      if (withParents) parents_[q] = p;
      region_.push_back(q);
    }
  }
}

// The walk's moves from the figure's cell to `cell` (a cell of Walk's region).
std::vector<int> Search::PathTo(int cell) {
  Walk(true);
  std::vector<int> path;
  for (int p = cell % (kSize * kSize); parents_[p] >= 0; p = parents_[p]) {
    const int q = parents_[p];
    const int dx = p / kSize - q / kSize, dy = p % kSize - q % kSize;
    path.push_back(dx == 1 ? Game::mRight : dx == -1 ? Game::mLeft : dy == 1 ? Game::mDown : Game::mUp);
  }
  std::reverse(path.begin(), path.end());
  return path;
}

Solution Search::Run(std::size_t maxStates) {
  Solution result;
  if (!GatesConsistent() || Solved() || unreachableExits_) return result;

  std::vector<Node> nodes;
  std::unordered_set<std::string> seen;
  // Every state is stored with the figure on the smallest cell of its walk.
  // A figure standing on a teleporter keeps its cell: from there it can step
  // to either side, from a cell of its walk it could not.
  auto normalized = [&]() {
    if (!IsFree(grid_[CellIndex(floor_, x_, y_)])) return Encode();
    const int x = x_, y = y_;
    Walk(false);
    const int least = *std::min_element(region_.begin(), region_.end());
    x_ = least / kSize;
    y_ = least % kSize;
    std::string key = Encode();
    x_ = x, y_ = y;
    return key;
  };
  nodes.push_back({normalized(), 0, -1, 0});
  seen.insert(nodes[0].key);
  std::size_t goal = 0;
  bool found = false;
  for (std::size_t k = 0; k < nodes.size() && !found; ++k) {
    if (nodes.size() > maxStates) {
      result.gaveUp = true;
      break;
    }
    Decode(nodes[k].key);
    Walk(false);
    const std::vector<int> region = region_;

    for (int p : region) {
      for (int move = 1; move <= 6 && !found; ++move) {
        const int fx = p / kSize, fy = p % kSize;
        if (move <= 4) {
          const int tx = fx + kDx[move], ty = fy + kDy[move];
          if (!OnBoard(tx, ty) || IsFree(grid_[CellIndex(floor_, tx, ty)])) continue;
        } else {
          const int here = grid_[CellIndex(floor_, fx, fy)];
          if (here != Game::cStairsBoth && here != Game::cStairsUp && here != Game::cStairsDown) continue;
        }
        const std::size_t mark = undo_.size();
        const int keys = keys_, floor = floor_, exits = exitsLeft_;
        x_ = fx;
        y_ = fy;
        MoveEffect effect;
        const bool done = move <= 4 ? ArrowMove(move, effect) : StairMove(move);
        const bool dead = done && prune_ && effect.pushed &&
                          Dead(CellIndex(floor, fx + 2 * kDx[move], fy + 2 * kDy[move]));
        if (done && !dead) {
          std::string key = normalized();
          if (seen.insert(key).second) {
            nodes.push_back({std::move(key), static_cast<std::uint32_t>(k), CellIndex(floor, fx, fy), move});
            if (Solved()) found = true, goal = nodes.size() - 1;
          }
        }
        Revert(mark);
        keys_ = keys, floor_ = floor, exitsLeft_ = exits;
      }
      if (found) break;
    }
  }
  result.states = nodes.size();
  if (!found) return result;

  // Play the chain of branching moves again from the start, walking between them.
  std::vector<std::size_t> chain;
  for (std::size_t n = goal; n != 0; n = nodes[n].parent) chain.push_back(n);
  std::reverse(chain.begin(), chain.end());
  Decode(nodes[0].key);
  x_ = board_.playerX;
  y_ = board_.playerY;
  int lastBoxTo = -1, lastMove = 0;
  for (std::size_t n : chain) {
    const Node& node = nodes[n];
    for (int m : PathTo(node.fromCell)) {
      MoveEffect none;
      ArrowMove(m, none);
      result.moves.push_back(m);
    }
    MoveEffect effect;
    if (node.move <= 4) ArrowMove(node.move, effect);
    else StairMove(node.move);
    result.moves.push_back(node.move);
    ++result.events;
    if (effect.pushed) {
      ++result.pushes;
      if (effect.boxFrom != lastBoxTo || node.move != lastMove) ++result.boxLines;
      lastBoxTo = CellIndex(floor_, x_ + kDx[node.move], y_ + kDy[node.move]);
      lastMove = node.move;
    }
  }
  result.solved = Solved();
  return result;
}

}  // namespace

Solution Solve(const Board& board, std::size_t maxStates, bool pruneDeadBoxes) {
  auto search = std::make_unique<Search>(board, pruneDeadBoxes);
  return search->Run(maxStates);
}

}  // namespace Levels
