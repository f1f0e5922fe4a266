// Builds the text of level files for tests: a board of empty floor with the
// cells a test names, written in the world-file layout.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

struct LevelText {
  std::string hint = "###";
  int playerX = 1, playerY = 1;
  // Mover slots as x, y, floor.
  std::vector<std::tuple<int, int, int>> movers;
  // {floor, x, y} -> code; every other cell is 1.
  std::map<std::tuple<int, int, int>, int> cells;

  LevelText& Cell(int floor, int x, int y, int code) {
    cells[{floor, x, y}] = code;
    return *this;
  }

  // The header and the 150 rows (no hint line).
  std::string Body(const char* eol = "\n") const {
    // Appended piece by piece: no temporary strings to prepend to.
    std::string out = std::to_string(playerX);
    auto field = [&out](int value) {
      out += ' ';
      out += std::to_string(value);
    };
    field(playerY);
    out += " 0 0";
    for (int i = 0; i < 5; ++i) {
      int x = 0, y = 0, f = 0;
      if (i < static_cast<int>(movers.size())) std::tie(x, y, f) = movers[i];
      field(x);
      field(y);
      field(f);
    }
    out += eol;
    for (int f = 0; f < 3; ++f)
      for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
          auto it = cells.find({f, x, y});
          out += std::to_string(it == cells.end() ? 1 : it->second);
          if (x < 49) out += ' ';
        }
        out += eol;
      }
    return out;
  }
};

inline std::string WorldFile(const std::vector<LevelText>& levels, const char* eol = "\n") {
  std::string out = std::to_string(levels.size()) + eol;
  for (const LevelText& l : levels) out += l.hint + eol + l.Body(eol);
  return out;
}

inline std::string EditorFile(const LevelText& level) { return "1\n" + level.Body(); }
