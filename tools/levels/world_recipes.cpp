// What each generated world asks of its levels: room sizes, boxes and
// features by the world's difficulty, growing from the first level to the last.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "generator.h"
#include "world_table.h"

namespace Levels {
namespace {

struct Band {
  int minW, maxW, minH, maxH, minBoxes, maxBoxes, minPushes, maxPushes, tries;
};

// Indexed by the world table's difficulty 0..6.
constexpr Band kBands[7] = {
    {5, 6, 4, 5, 1, 1, 1, 4, 4},      {5, 7, 4, 5, 1, 2, 2, 8, 6},
    {6, 8, 5, 6, 2, 3, 4, 12, 6},     {7, 10, 6, 7, 2, 3, 6, 16, 6},
    {8, 10, 6, 8, 3, 3, 8, 16, 3},    {9, 12, 7, 9, 3, 4, 10, 24, 6},
    {8, 10, 7, 8, 4, 4, 10, 18, 2},
};

int Lerp(int a, int b, double t) { return a + static_cast<int>((b - a) * t + 0.5); }

Recipe RecipeFor(int world, int level, int count) {
  const int difficulty = Game::WorldTable[world].Difficulty;
  const Band& band = kBands[difficulty];
  const double t = count > 1 ? static_cast<double>(level) / (count - 1) : 0;
  Recipe r;
  r.width = Lerp(band.minW, band.maxW, t);
  r.height = Lerp(band.minH, band.maxH, t);
  r.boxes = Lerp(band.minBoxes, band.maxBoxes, t);
  r.minPushes = Lerp(band.minPushes, band.maxPushes, t);
  r.tries = band.tries;
  r.wallShare = 0.10 + 0.02 * (level % 3);
  r.seed = static_cast<std::uint32_t>(world * 7919 + level * 104729 + 17);

  const int turn = (level + world) % 4;
  switch (world) {
    case 1: r.looseExits = level % 3 == 0; break;                       // Easy
    case 11: case 12: r.keyAndDoor = level % 2 == 0; break;            // QX 1, 2
    case 13: r.keyAndDoor = true, r.looseExits = level % 2; break;      // QX 3
    case 14:                                                            // ZUR
      r.floors = 1 + (level >= 3) + (level >= 9);
      r.keyAndDoor = level % 4 == 3;
      if (r.floors > 1) r.boxes = std::max(2, r.boxes - 1);
      break;
    case 15: r.teleporters = true, r.width = std::max(r.width, 8); break;  // Tuvo
    case 16:                                                                // Still more 1
      r.teleporters = level % 2 == 0;
      r.floors = level >= 5 ? 2 : 1;
      r.guardHall = level % 3 == 1;
      if (r.floors > 1) r.boxes = std::max(2, r.boxes - 1);
      break;
    case 17: case 18: case 19: case 20:                                 // Still more 2..5
    case 23: case 24: case 25: case 26:                                 // Y2K 1..4
      r.keyAndDoor = turn == 0;
      r.teleporters = turn == 1;
      r.floors = turn == 2 ? 2 : 1;
      r.guardHall = turn == 3 || (world <= 20 && turn == 1);
      r.looseExits = world >= 23 && turn == 0;
      if (r.floors > 1) r.boxes = std::max(2, r.boxes - 1);
      break;
    default: break;
  }
  if (r.teleporters) r.width = std::max(r.width, 8);
  if (r.guardHall) r.width = std::min(r.width, 12);
  return r;
}

const char* HintFor(const Recipe& r, int level) {
  if (r.guardHall) return "Hinter dem Tor wartet ein Wächter. Sei schnell!";
  if (r.floors > 1) return "Jede Etage hat ihr eigenes Tor. Die Treppe führt nur nach unten.";
  if (r.teleporters) return "Der Teleporter verbindet die beiden Hälften des Raums.";
  if (r.keyAndDoor) return "Hinter dem Tor liegt der Schlüssel, hinter der Tür der Ausgang.";
  if (r.looseExits) return "Sammle alle Ausgänge ein. Sie versperren den Kisten den Weg.";
  static const char* const kPlain[] = {
      "Schiebe alle Kisten auf die Ziele, dann öffnet sich das Tor.",
      "###",
      "Eine Kiste in der Ecke bewegt sich nie wieder.",
      "###",
      "Denke zuerst nach, dann schiebe.",
  };
  return kPlain[level % 5];
}

}  // namespace

bool GenerateWorld(int world, std::vector<SolvedLevel>& out) {
  if (world < 1 || world >= Game::kWorldCount) return false;
  const int count = std::atoi(Game::WorldTable[world].LevelCountText);
  out.clear();
  for (int level = 0; level < count; ++level) {
    Recipe r = RecipeFor(world, level, count);
    std::optional<SolvedLevel> made = GenerateLevel(r);
    // A recipe that asks too much gives way a little at a time.
    for (int retry = 0; !made && retry < 6; ++retry) {
      r.minPushes = r.minPushes * 3 / 4;
      r.seed += 1000003;
      made = GenerateLevel(r);
    }
    if (!made) return false;
    made->board.hint = HintFor(r, level);
    std::fprintf(stderr, "world %d level %d: hardness %d, %zu moves\n", world, level + 1, made->hardness,
                 made->moves.size());
    out.push_back(std::move(*made));
  }
  // Easiest first: the order follows what the solver measured.
  std::stable_sort(out.begin(), out.end(),
                   [](const SolvedLevel& a, const SolvedLevel& b) { return a.hardness < b.hardness; });
  return true;
}

}  // namespace Levels
