// levelgen: makes the game's world files and their solutions.
//
//   levelgen text <levels.txt> <world.dat> <solution folder>
//       hand-made levels in the text language of ascii_level.h
//   levelgen world <world index> <world.dat> <solution folder>
//       a generated world, the same every run
//   levelgen show <levels.txt>
//       solves hand-made levels and prints what the solver found
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ascii_level.h"
#include "generator.h"
#include "publish.h"
#include "solver.h"

using namespace Levels;

namespace {

constexpr std::size_t kStateLimit = 6'000'000;

bool ReadAll(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

int FromText(const char* source, const char* world, const char* folder, bool publish) {
  std::string text, error;
  std::vector<Board> boards;
  if (!ReadAll(source, text) || !ParseAsciiLevels(text, boards, error)) {
    std::fprintf(stderr, "%s: %s\n", source, error.empty() ? "cannot read" : error.c_str());
    return 1;
  }
  std::vector<SolvedLevel> levels;
  for (std::size_t i = 0; i < boards.size(); ++i) {
    const Solution s = Solve(boards[i], kStateLimit);
    std::printf("level %zu: %s, %zu moves, %d pushes, %d lines, %zu states\n", i + 1,
                s.solved ? "solved" : s.gaveUp ? "gave up" : "unsolvable", s.moves.size(), s.pushes, s.boxLines,
                s.states);
    if (!s.solved) return 1;
    levels.push_back({boards[i], s.moves});
  }
  return publish && !PublishWorld(levels, world, folder) ? 1 : 0;
}

int FromGenerator(int worldIndex, const char* world, const char* folder) {
  std::vector<SolvedLevel> levels;
  if (!GenerateWorld(worldIndex, levels)) {
    std::fprintf(stderr, "world %d: the generator found no levels\n", worldIndex);
    return 1;
  }
  return PublishWorld(levels, world, folder) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "text" && argc == 5) return FromText(argv[2], argv[3], argv[4], true);
  if (mode == "show" && argc == 3) return FromText(argv[2], nullptr, nullptr, false);
  if (mode == "world" && argc == 5) return FromGenerator(std::atoi(argv[2]), argv[3], argv[4]);
  std::fprintf(stderr,
               "usage: levelgen text <levels.txt> <world.dat> <solution folder>\n"
               "       levelgen world <world index> <world.dat> <solution folder>\n"
               "       levelgen show <levels.txt>\n");
  return 2;
}
