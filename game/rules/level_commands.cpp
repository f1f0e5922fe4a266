#include "level_commands.h"

#include <string>
#include <vector>

#include "level_loader.h"
#include "move_rules.h"
#include "replay_file.h"
#include "undo.h"

namespace Game {
namespace {

void LoadAndRedraw(TGameState& s, GameHost& host) {
  ReloadCurrentLevel(s, host);
  host.RedrawCells(0, 0, kBoardSize, kBoardSize);
}

}  // namespace

void FirstLevelCommand(TGameState& s, GameHost& host) {
  if (s.ReplayRunning) return;
  if (!s.EditorLevel) s.LevelNumber = 0;
  LoadAndRedraw(s, host);
}

void RestartLevelCommand(TGameState& s, GameHost& host) {
  if (s.ReplayRunning) return;
  LoadAndRedraw(s, host);
}

void PreviousLevelCommand(TGameState& s, GameHost& host) {
  if (s.ReplayRunning) return;
  if (!s.EditorLevel) s.LevelNumber -= 1;
  LoadAndRedraw(s, host);
}

void NextLevelCommand(TGameState& s, GameHost& host) {
  if (s.ReplayRunning) return;
  if (!s.EditorLevel) {
    if (!host.IsLevelSolved(s.WorldIndex, s.LevelNumber)) {
      host.ShowMessage(kMsgSolveFirst);
      return;
    }
    s.LevelNumber += 1;
  }
  LoadAndRedraw(s, host);
}

void UndoCommand(TGameState& s, GameHost& host) { UndoStep(s, host); }

void ReplayCommand(TGameState& s, GameHost& host) {
  if (s.ReplayRunning) return;
  const bool editor = s.EditorLevel;
  LoadAndRedraw(s, host);
  // Nothing to replay on a board that did not load.
  if (!s.LevelPlayable) return;
  std::string bytes;
  if (!host.ReadFile(ReplayFileName(s, host), bytes)) return;
  const std::vector<Integer> codes = ParseReplayFile(bytes);

  s.ReplayRunning = 1;
  s.ReplayStopRequested = 0;
  for (Integer code : codes) {
    if (host.Terminated()) break;
    if (!s.ReplayRunning) {
      // The previous move solved the level and the next one is already on
      // the board: only the file's closing 0 may still run, as a tail.
      if (code == mEnd) {
        host.Sleep(s.ReplayDelay);
        ReplayMove(s, host, code);
      }
      break;
    }
    host.Sleep(s.ReplayDelay);
    ReplayMove(s, host, code);
    if (host.Terminated()) break;
    if (s.ReplayStopRequested) {
      if (editor) LoadEditorLevel(s, host, s.EditorFile);
      else LoadWorldLevel(s, host);
      host.RedrawCells(0, 0, kBoardSize, kBoardSize);
      break;
    }
    if (code == mEnd) break;
  }
  s.ReplayRunning = 0;
}

void LostHandling(TGameState& s, GameHost& host) {
  MoverTimerPause pause(host);
  host.ShowMessage("Leider Verloren");
  if (host.Terminated()) return;
  LoadAndRedraw(s, host);
}

}  // namespace Game
