#include "rules_check.h"

#include <memory>

#include "game_host.h"
#include "game_state.h"
#include "level_loader.h"
#include "move_rules.h"

namespace Levels {
namespace {

// Serves one world file and notes when a level is scored; everything else the
// game asks for is silence.
class MemoryHost : public GameHost {
 public:
  explicit MemoryHost(std::string world) : world_(std::move(world)) {}

  void RedrawCells(int, int, int, int) override {}
  void ProcessMessages() override {}
  void PlayGameSound(int) override {}
  void ShowCounters() override {}
  void SetCaption(const AnsiString&) override {}
  void SetStatusText(const AnsiString&) override {}
  void ShowMessage(const AnsiString& text) override { messages.push_back(text.str()); }
  AnsiString ProgramFolder() override { return "/levels/"; }
  bool ReadFile(const AnsiString& path, std::string& bytes) override {
    if (path.str() != "/levels/level/tutorial.dat") return false;
    bytes = world_;
    return true;
  }
  bool WriteFileReplacing(const AnsiString&, const std::string&) override { return true; }
  bool FileExists(const AnsiString&) override { return false; }
  void AddStatistics(int, bool) override {}
  bool IsLevelSolved(int, int) override { return false; }
  bool RecordSolution(int, int, int steps) override {
    ++solutions;
    solvedSteps = steps;
    return true;
  }
  void SetMoverTimerEnabled(bool) override {}
  void Sleep(int) override {}
  int Random() override { return 0; }
  bool Terminated() const override { return false; }
  bool MusicPlaying() override { return false; }
  bool PlayMusic(const AnsiString&) override { return false; }

  std::vector<std::string> messages;
  int solutions = 0, solvedSteps = 0;

 private:
  std::string world_;
};

}  // namespace

std::string ReplayText(const std::vector<int>& moves) {
  std::string out;
  for (int m : moves) out += std::to_string(m) + " ";
  return out + "0 ";
}

std::string CheckWithGameRules(const Board& board, const std::vector<int>& moves) {
  if (moves.size() >= Game::kLogSize) return "too many moves";
  MemoryHost host(WorldFileText({board}));
  auto s = std::make_unique<TGameState>();
  s->ScrollSpeed = 32;
  s->NoEndDialogs = 1;
  s->WorldIndex = 0;
  s->LevelNumber = 1;
  Game::LoadWorldLevel(*s, host);
  if (!host.messages.empty()) return "the game does not load it: " + host.messages.front();
  for (std::size_t i = 0; i < moves.size(); ++i) {
    Game::ReplayMove(*s, host, moves[i]);
    if (host.solutions && i + 1 < moves.size()) return "solved before the last move";
  }
  if (host.solutions != 1) return "the moves do not solve it";
  if (host.solvedSteps != static_cast<int>(moves.size())) return "a move was refused";
  return {};
}

}  // namespace Levels
