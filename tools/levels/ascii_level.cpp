#include "ascii_level.h"

#include <algorithm>
#include <utility>

namespace Levels {
namespace {

struct Letter {
  char ch;
  std::uint8_t code;
};

constexpr Letter kLetters[] = {
    {'#', Game::cWall},       {' ', Game::cEmpty},      {'.', Game::cGoal},        {'$', Game::cBox},
    {'*', Game::cBoxOnGoal},  {'a', 20},                {'b', 21},                 {'c', 22},
    {'d', 23},                {'A', 37},                {'B', 38},                 {'C', 39},
    {'D', 40},                {'G', Game::cClosedGate}, {'g', Game::cOpenGate},    {'=', Game::cStairsBoth},
    {'^', Game::cStairsUp},   {'v', Game::cStairsDown}, {'1', 60},                 {'2', 61},
    {'3', 62},                {'4', 63},                {'E', Game::cExitItem},    {'@', Game::cEmpty},
    {'M', Game::cEmpty},
};

const Letter* LetterOf(char ch) {
  for (const Letter& l : kLetters)
    if (l.ch == ch) return &l;
  return nullptr;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// The state of the level being read.
struct Reading {
  Board board;
  int floor = -1, row = 0, players = 0, movers = 0;
};

}  // namespace

bool ParseAsciiLevels(std::string_view text, std::vector<Board>& out, std::string& error) {
  out.clear();
  bool inLevel = false;
  Reading r;
  int lineNo = 0;
  auto fail = [&](const std::string& why) {
    error = "line " + std::to_string(lineNo) + ": " + why;
    return false;
  };
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == ';') continue;

    if (line == "level") {
      if (inLevel) return fail("level inside a level");
      inLevel = true;
      r = Reading();
    } else if (!inLevel) {
      return fail("text outside a level");
    } else if (StartsWith(line, "hint ")) {
      r.board.hint = std::string(line.substr(5));
      if (r.board.hint.empty() || r.board.hint.size() > 400) return fail("hint empty or too long");
    } else if (StartsWith(line, "floor ")) {
      const std::string_view n = line.substr(6);
      if (n.size() != 1 || n[0] < '0' || n[0] > '2') return fail("floor must be 0, 1 or 2");
      r.floor = n[0] - '0';
      r.row = 0;
    } else if (line[0] == '|') {
      if (r.floor < 0) return fail("map row before a floor line");
      if (r.row >= kSize) return fail("more than 50 rows");
      line.remove_prefix(1);
      if (line.size() > static_cast<std::size_t>(kSize)) return fail("more than 50 columns");
      for (std::size_t x = 0; x < line.size(); ++x) {
        const Letter* l = LetterOf(line[x]);
        if (!l) return fail(std::string("unknown cell letter '") + line[x] + "'");
        r.board.At(r.floor, static_cast<int>(x), r.row) = l->code;
        if (l->ch == '@') {
          if (r.floor != 0 || ++r.players > 1) return fail("one figure, on floor 0");
          r.board.playerX = static_cast<int>(x), r.board.playerY = r.row;
        }
        if (l->ch == 'M') {
          if (r.movers >= Game::kMoverSlots) return fail("more than five movers");
          r.board.movers[r.movers++] = {static_cast<int>(x), r.row, r.floor};
        }
      }
      ++r.row;
    } else if (line == "end") {
      if (r.players != 1) return fail("a level needs the figure");
      out.push_back(std::move(r.board));
      inLevel = false;
    } else {
      return fail("unknown line");
    }
  }
  if (inLevel) return fail("level without end");
  return true;
}

std::string AsciiPicture(const Board& b) {
  std::string out;
  for (int f = 0; f < Game::kFloors; ++f) {
    // Only the part of the floor that holds anything.
    int x2 = -1, y2 = -1;
    for (int x = 0; x < kSize; ++x)
      for (int y = 0; y < kSize; ++y)
        if (b.At(f, x, y) != Game::cEmpty || (f == 0 && x == b.playerX && y == b.playerY))
          x2 = std::max(x2, x), y2 = std::max(y2, y);
    if (x2 < 0) continue;
    out += "floor " + std::to_string(f) + "\n";
    for (int y = 0; y <= y2; ++y) {
      std::string row = "|";
      for (int x = 0; x <= x2; ++x) {
        char ch = '?';
        for (const Letter& l : kLetters)
          if (l.code == b.At(f, x, y) && l.ch != '@' && l.ch != 'M') {
            ch = l.ch;
            break;
          }
        if (f == 0 && x == b.playerX && y == b.playerY) ch = '@';
        for (const Mover& m : b.movers)
          if (m.x && m.floor == f && m.x == x && m.y == y) ch = 'M';
        row += ch;
      }
      while (row.size() > 1 && row.back() == ' ') row.pop_back();
      out += row + "\n";
    }
  }
  return out;
}

}  // namespace Levels
