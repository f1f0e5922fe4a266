#include "generator.h"

#include <algorithm>
#include <random>
#include <set>

#include "solver.h"

namespace Levels {
namespace {

constexpr int kOriginX = 3, kOriginY = 3;  // the room's first inside cell
constexpr int kDx[4] = {0, 1, 0, -1};
constexpr int kDy[4] = {-1, 0, 1, 0};
constexpr std::size_t kStateLimit = 100'000;

using Rng = std::mt19937;

int Pick(Rng& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
bool Chance(Rng& rng, double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }
int Local(int x, int y) { return x * kSize + y; }

// An opening in the room's wall ring: the gate (or passage) cell and the
// alcove cell beyond it.
struct Opening {
  int gx, gy, ex, ey;
  int side;  // 0 top, 1 right, 2 bottom, 3 left
};

// One floor under construction.
class FloorPlan {
 public:
  FloorPlan(Board& board, int floor, const Recipe& r, Rng& rng) : b_(board), f_(floor), r_(r), rng_(rng) {}

  bool Build(const std::optional<Opening>& entrance, std::vector<Opening>& taken, bool last);
  int PlayerX() const { return px_; }
  int PlayerY() const { return py_; }
  const Opening& Exit() const { return exit_; }

 private:
  bool Inside(int x, int y) const {
    return x >= kOriginX && x < kOriginX + r_.width && y >= kOriginY && y < kOriginY + r_.height;
  }
  std::uint8_t& Cell(int x, int y) { return b_.At(f_, x, y); }
  bool IsFreeInside(int x, int y) const { return Inside(x, y) && b_.At(f_, x, y) == Game::cEmpty; }
  void CarveRoom(const std::optional<Opening>& entrance);
  bool KeepConnected(int seedX, int seedY, bool teleporterSplit);
  std::optional<Opening> ChooseOpening(std::vector<Opening>& taken, bool rightOnly);
  void MakeAlcove(const Opening& o, std::uint8_t gate, std::uint8_t item);
  bool PlaceBoxes(const std::optional<Opening>& entrance);
  std::vector<int> Reach(const std::set<int>& boxes, int from) const;
  bool Walkable(int x, int y) const;
  bool BoxCanStand(int x, int y) const;

  Board& b_;
  int f_;
  const Recipe& r_;
  Rng& rng_;
  int splitX_ = -1;
  int px_ = 0, py_ = 0;
  Opening exit_{};
};

void FloorPlan::CarveRoom(const std::optional<Opening>& entrance) {
  for (int x = kOriginX - 1; x <= kOriginX + r_.width; ++x)
    for (int y = kOriginY - 1; y <= kOriginY + r_.height; ++y)
      Cell(x, y) = Inside(x, y) && !Chance(rng_, r_.wallShare) ? Game::cEmpty : Game::cWall;
  if (r_.teleporters) {
    splitX_ = kOriginX + r_.width / 2;
    for (int y = kOriginY; y < kOriginY + r_.height; ++y) Cell(splitX_, y) = Game::cWall;
  }
  if (entrance) {
    MakeAlcove(*entrance, Game::cEmpty, Game::cEmpty);
    const int nx = entrance->gx - kDx[entrance->side], ny = entrance->gy - kDy[entrance->side];
    Cell(nx, ny) = Game::cEmpty;
  }
}

// Walls over every part of the inside that the seed's part (and, when the room
// is split, the largest part of the other half) does not reach.
bool FloorPlan::KeepConnected(int seedX, int seedY, bool split) {
  std::vector<int> part(kSize * kSize, -1);
  std::vector<int> sizes;
  for (int x = kOriginX; x < kOriginX + r_.width; ++x)
    for (int y = kOriginY; y < kOriginY + r_.height; ++y) {
      if (!IsFreeInside(x, y) || part[Local(x, y)] >= 0) continue;
      const int id = static_cast<int>(sizes.size());
      std::vector<int> todo{Local(x, y)};
      part[Local(x, y)] = id;
      for (std::size_t k = 0; k < todo.size(); ++k)
        for (int d = 0; d < 4; ++d) {
          const int nx = todo[k] / kSize + kDx[d], ny = todo[k] % kSize + kDy[d];
          if (IsFreeInside(nx, ny) && part[Local(nx, ny)] < 0) part[Local(nx, ny)] = id, todo.push_back(Local(nx, ny));
        }
      sizes.push_back(static_cast<int>(todo.size()));
    }
  if (sizes.empty()) return false;
  std::set<int> keep;
  if (seedX >= 0 && IsFreeInside(seedX, seedY)) keep.insert(part[Local(seedX, seedY)]);
  auto largestWhere = [&](auto pred) {
    int best = -1;
    for (int x = kOriginX; x < kOriginX + r_.width; ++x)
      for (int y = kOriginY; y < kOriginY + r_.height; ++y)
        if (IsFreeInside(x, y) && pred(x) && (best < 0 || sizes[part[Local(x, y)]] > sizes[best])) best = part[Local(x, y)];
    return best;
  };
  if (split) {
    // One part on each side of the splitting wall, the seed's side included.
    const bool seedLeft = seedX >= 0 && seedX < splitX_;
    const bool seedRight = seedX > splitX_;
    if (!seedLeft) keep.insert(largestWhere([&](int x) { return x < splitX_; }));
    if (!seedRight) keep.insert(largestWhere([&](int x) { return x > splitX_; }));
  } else if (keep.empty()) {
    keep.insert(largestWhere([](int) { return true; }));
  }
  keep.erase(-1);
  int kept = 0;
  for (int x = kOriginX; x < kOriginX + r_.width; ++x)
    for (int y = kOriginY; y < kOriginY + r_.height; ++y) {
      if (!IsFreeInside(x, y)) continue;
      if (keep.count(part[Local(x, y)])) ++kept;
      else Cell(x, y) = Game::cWall;
    }
  return kept >= r_.boxes * 3 + 4 && keep.size() == (split ? 2u : 1u);
}

// A place in the wall ring for an opening whose inside neighbour is free, apart
// from the openings already taken.
std::optional<Opening> FloorPlan::ChooseOpening(std::vector<Opening>& taken, bool rightOnly) {
  std::vector<Opening> choices;
  for (int side = 0; side < 4; ++side) {
    if (rightOnly && side != 1) continue;
    const bool vertical = side == 1 || side == 3;
    const int n = vertical ? r_.height : r_.width;
    for (int k = 1; k + 1 < n; ++k) {
      Opening o{};
      o.side = side;
      if (side == 0) o.gx = kOriginX + k, o.gy = kOriginY - 1;
      if (side == 2) o.gx = kOriginX + k, o.gy = kOriginY + r_.height;
      if (side == 3) o.gx = kOriginX - 1, o.gy = kOriginY + k;
      if (side == 1) o.gx = kOriginX + r_.width, o.gy = kOriginY + k;
      o.ex = o.gx + kDx[side], o.ey = o.gy + kDy[side];
      if (!IsFreeInside(o.gx - kDx[side], o.gy - kDy[side])) continue;
      bool apart = true;
      for (const Opening& t : taken) apart = apart && std::abs(t.ex - o.ex) + std::abs(t.ey - o.ey) >= 3;
      if (apart) choices.push_back(o);
    }
  }
  if (choices.empty()) return std::nullopt;
  const Opening o = choices[Pick(rng_, static_cast<int>(choices.size()))];
  taken.push_back(o);
  return o;
}

void FloorPlan::MakeAlcove(const Opening& o, std::uint8_t gate, std::uint8_t item) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (Cell(o.ex + dx, o.ey + dy) == Game::cEmpty && !Inside(o.ex + dx, o.ey + dy))
        Cell(o.ex + dx, o.ey + dy) = Game::cWall;
  Cell(o.gx, o.gy) = gate;
  Cell(o.ex, o.ey) = item;
}

bool FloorPlan::Walkable(int x, int y) const {
  if (!Inside(x, y)) return false;
  const std::uint8_t c = b_.At(f_, x, y);
  return c == Game::cEmpty || c == Game::cGoal || (c >= Game::cTeleporter1 && c <= Game::cTeleporter4);
}

bool FloorPlan::BoxCanStand(int x, int y) const {
  if (!Inside(x, y)) return false;
  const std::uint8_t c = b_.At(f_, x, y);
  return c == Game::cEmpty || c == Game::cGoal;
}

// The cells the figure can walk to from `from` with the boxes where they are.
std::vector<int> FloorPlan::Reach(const std::set<int>& boxes, int from) const {
  std::vector<bool> seen(kSize * kSize, false);
  std::vector<int> out{from};
  seen[from] = true;
  for (std::size_t k = 0; k < out.size(); ++k) {
    const int x = out[k] / kSize, y = out[k] % kSize;
    std::vector<int> next;
    for (int d = 0; d < 4; ++d) next.push_back(Local(x + kDx[d], y + kDy[d]));
    const std::uint8_t c = b_.At(f_, x, y);
    if (c >= Game::cTeleporter1 && c <= Game::cTeleporter4)
      for (int i = 0; i < kSize * kSize; ++i)
        if (i != out[k] && b_.cells[CellIndex(f_, 0, 0) + i] == c) next.push_back(i);
    for (int q : next)
      if (!seen[q] && Walkable(q / kSize, q % kSize) && !boxes.count(q)) seen[q] = true, out.push_back(q);
  }
  return out;
}

// Goals with their boxes, then reverse play: the figure walks and pulls boxes
// off the goals; where the boxes end is the start.
bool FloorPlan::PlaceBoxes(const std::optional<Opening>& entrance) {
  std::vector<int> spots;
  for (int x = kOriginX; x < kOriginX + r_.width; ++x)
    for (int y = kOriginY; y < kOriginY + r_.height; ++y)
      if (BoxCanStand(x, y)) spots.push_back(Local(x, y));
  if (static_cast<int>(spots.size()) < r_.boxes + 3) return false;
  std::shuffle(spots.begin(), spots.end(), rng_);
  std::set<int> boxes(spots.begin(), spots.begin() + r_.boxes);
  for (int g : boxes) Cell(g / kSize, g % kSize) = Game::cGoal;

  int player = spots[r_.boxes];
  int lastBox = -1, lastDir = -1;
  const int pulls = r_.boxes * (8 + r_.width + r_.height);
  for (int n = 0; n < pulls * 4; ++n) {
    const std::vector<int> reach = Reach(boxes, player);
    const std::set<int> reachable(reach.begin(), reach.end());
    struct Pull {
      int box, dir;
    };
    std::vector<Pull> options;
    for (int box : boxes)
      for (int d = 0; d < 4; ++d) {
        const int px = box / kSize + kDx[d], py = box % kSize + kDy[d];
        const int qx = px + kDx[d], qy = py + kDy[d];
        // The figure stands on p beside the box and steps back to q; a
        // teleporter cannot be stood on, it carries the figure away.
        if (!reachable.count(Local(px, py)) || !BoxCanStand(px, py)) continue;
        if (!BoxCanStand(qx, qy) || boxes.count(Local(qx, qy))) continue;
        options.push_back({box, d});
      }
    if (options.empty()) break;
    Pull pull = options[Pick(rng_, static_cast<int>(options.size()))];
    for (const Pull& o : options)
      if (o.box == lastBox && o.dir == lastDir && Chance(rng_, 0.6)) pull = o;
    const int px = pull.box / kSize + kDx[pull.dir], py = pull.box % kSize + kDy[pull.dir];
    boxes.erase(pull.box);
    boxes.insert(Local(px, py));
    player = Local(px + kDx[pull.dir], py + kDy[pull.dir]);
    lastBox = Local(px, py), lastDir = pull.dir;
    // Some wandering between the pulls, so that the next pull may be anywhere.
    if (Chance(rng_, 0.3)) {
      const std::vector<int> r = Reach(boxes, player);
      player = r[Pick(rng_, static_cast<int>(r.size()))];
    }
  }

  int offGoal = 0;
  for (int box : boxes) {
    std::uint8_t& c = Cell(box / kSize, box % kSize);
    c = c == Game::cGoal ? Game::cBoxOnGoal : Game::cBox;
    offGoal += c == Game::cBox;
  }
  if (offGoal < std::max(1, r_.boxes - 1)) return false;

  const std::vector<int> reach = Reach(boxes, player);
  if (entrance) {
    // The figure arrives through the entrance: the pulls' end must be reachable from there.
    const int nx = entrance->gx - kDx[entrance->side], ny = entrance->gy - kDy[entrance->side];
    if (boxes.count(Local(nx, ny))) return false;
    const std::vector<int> from = Reach(boxes, Local(nx, ny));
    if (std::find(from.begin(), from.end(), player) == from.end()) return false;
    px_ = nx, py_ = ny;
  } else {
    std::vector<int> standable;
    for (int q : reach)
      if (BoxCanStand(q / kSize, q % kSize) && b_.At(f_, q / kSize, q % kSize) == Game::cEmpty) standable.push_back(q);
    if (standable.empty()) return false;
    const int start = standable[Pick(rng_, static_cast<int>(standable.size()))];
    px_ = start / kSize, py_ = start % kSize;
  }
  return true;
}

bool FloorPlan::Build(const std::optional<Opening>& entrance, std::vector<Opening>& taken, bool last) {
  CarveRoom(entrance);
  const int seedX = entrance ? entrance->gx - kDx[entrance->side] : -1;
  const int seedY = entrance ? entrance->gy - kDy[entrance->side] : -1;
  if (!KeepConnected(seedX, seedY, r_.teleporters)) return false;

  if (r_.teleporters) {
    std::vector<int> left, right;
    for (int x = kOriginX; x < kOriginX + r_.width; ++x)
      for (int y = kOriginY; y < kOriginY + r_.height; ++y)
        if (IsFreeInside(x, y) && !(x == seedX && y == seedY)) (x < splitX_ ? left : right).push_back(Local(x, y));
    if (left.empty() || right.empty()) return false;
    const int a = left[Pick(rng_, static_cast<int>(left.size()))], c = right[Pick(rng_, static_cast<int>(right.size()))];
    Cell(a / kSize, a % kSize) = Game::cTeleporter1;
    Cell(c / kSize, c % kSize) = Game::cTeleporter1;
  }

  // The way on: stairs down, or on the last floor the exit item (behind a
  // door when a key is asked for, across the guard's hall when a mover is).
  const std::optional<Opening> out = ChooseOpening(taken, last && r_.guardHall);
  if (!out) return false;
  exit_ = *out;
  if (!last) {
    MakeAlcove(*out, Game::cClosedGate, Game::cStairsDown);
  } else if (r_.guardHall) {
    // The hall: three columns right of the room, the exit item in its far corner.
    const int hx = kOriginX + r_.width + 1;
    for (int x = hx - 1; x <= hx + 3; ++x)
      for (int y = kOriginY - 1; y <= kOriginY + r_.height; ++y)
        Cell(x, y) = (x > hx - 1 && x < hx + 3 && y >= kOriginY && y < kOriginY + r_.height) ? Game::cEmpty : Game::cWall;
    Cell(out->gx, out->gy) = Game::cClosedGate;
    const int farY = out->gy - kOriginY < r_.height / 2 ? kOriginY + r_.height - 1 : kOriginY;
    Cell(hx + 2, farY) = Game::cExitItem;
    const int moverY = farY == kOriginY ? kOriginY + r_.height - 1 : kOriginY;
    b_.movers[0] = {hx + 2, moverY, f_};
  } else if (r_.keyAndDoor) {
    MakeAlcove(*out, Game::cClosedGate, Game::cKey1);
    const std::optional<Opening> door = ChooseOpening(taken, false);
    if (!door) return false;
    MakeAlcove(*door, Game::cDoor1, Game::cExitItem);
  } else {
    MakeAlcove(*out, Game::cClosedGate, Game::cExitItem);
  }
  if (!PlaceBoxes(entrance)) return false;

  for (int n = 0; n < r_.looseExits && last; ++n) {
    std::vector<int> spots;
    for (int x = kOriginX; x < kOriginX + r_.width; ++x)
      for (int y = kOriginY; y < kOriginY + r_.height; ++y)
        if (IsFreeInside(x, y) && !(x == px_ && y == py_)) spots.push_back(Local(x, y));
    if (spots.empty()) return false;
    const int s = spots[Pick(rng_, static_cast<int>(spots.size()))];
    Cell(s / kSize, s % kSize) = Game::cExitItem;
  }
  return true;
}

// One candidate of the recipe, solved; nothing when it fails on the way.
std::optional<std::pair<SolvedLevel, Solution>> Candidate(const Recipe& r, Rng& rng) {
  Board board;
  std::optional<Opening> entrance;
  std::vector<Opening> taken;
  for (int f = 0; f < r.floors; ++f) {
    const bool last = f + 1 == r.floors;
    FloorPlan plan(board, f, r, rng);
    if (!plan.Build(entrance, taken, last)) return std::nullopt;
    if (f == 0) board.playerX = plan.PlayerX(), board.playerY = plan.PlayerY();
    entrance = plan.Exit();
    // The next floor keeps clear of the way in: only the entrance is shared.
    taken = {*entrance};
  }
  TrimWalls(board);
  if (!FaultOf(board).empty()) return std::nullopt;
  Solution s = Solve(board, kStateLimit, true);
  if (!s.solved || s.pushes < r.minPushes) return std::nullopt;
  return std::make_pair(SolvedLevel{board, s.moves}, s);
}

}  // namespace

std::optional<SolvedLevel> GenerateLevel(const Recipe& r) {
  Rng rng(r.seed);
  std::optional<SolvedLevel> best;
  int bestScore = -1, found = 0;
  for (int attempt = 0; attempt < r.tries * 15 && found < r.tries; ++attempt) {
    auto c = Candidate(r, rng);
    if (!c) continue;
    ++found;
    const int score = c->second.pushes + 3 * c->second.boxLines;
    if (score > bestScore) bestScore = score, best = c->first, best->hardness = score;
  }
  return best;
}

}  // namespace Levels
