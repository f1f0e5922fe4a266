#include "publish.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include "rules_check.h"

namespace Levels {
namespace {

bool WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

}  // namespace

bool PublishWorld(const std::vector<SolvedLevel>& levels, const std::string& worldFile,
                  const std::string& solutionFolder) {
  std::set<std::string> seen;
  std::vector<Board> boards;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const SolvedLevel& l = levels[i];
    std::string fault = FaultOf(l.board);
    if (fault.empty()) fault = CheckWithGameRules(l.board, l.moves);
    if (fault.empty() && !seen.insert(LevelLines(l.board).substr(l.board.hint.size())).second) fault = "a copy of another level";
    if (!fault.empty()) {
      std::fprintf(stderr, "%s level %zu: %s\n", worldFile.c_str(), i + 1, fault.c_str());
      return false;
    }
    boards.push_back(l.board);
  }
  std::filesystem::create_directories(solutionFolder);
  bool ok = WriteText(worldFile, WorldFileText(boards));
  for (std::size_t i = 0; i < levels.size(); ++i)
    ok = WriteText(std::filesystem::path(solutionFolder) / (std::to_string(i + 1) + ".sco"), ReplayText(levels[i].moves)) && ok;
  if (!ok) std::fprintf(stderr, "cannot write %s or its solutions\n", worldFile.c_str());
  return ok;
}

}  // namespace Levels
