#include "solving.h"

#include <cstdio>

#include "level_loader.h"
#include "replay_file.h"

namespace Game {

void WriteReplayFile(const TGameState& s, GameHost& host) {
  const AnsiString name = ReplayFileName(s, host);
  if (name.IsEmpty()) return;
  if (!host.WriteFileReplacing(name, FormatReplayFile(s.MoveLog)))
    std::fprintf(stderr, "morvant2: cannot write the replay file %s\n", name.c_str());
}

void SolvedHandling(TGameState& s, GameHost& host, bool replay) {
  MoverTimerPause pause(host);

  if (s.EditorLevel) {
    if (replay) s.ReplayRunning = 0;
    else WriteReplayFile(s, host);
  } else {
    if (host.RecordSolution(s.WorldIndex, s.LevelNumber, s.Steps)) WriteReplayFile(s, host);
    if (replay) s.ReplayRunning = 0;
  }
  if (host.Terminated()) return;
  if (!s.NoEndDialogs) host.ShowMessage(replay ? kMsgReplaySolved : kMsgSolved);
  if (host.Terminated()) return;

  if (s.EditorLevel) {
    // A file gone since it loaded leaves the solved board, not one to score again.
    if (!LoadEditorLevel(s, host, s.EditorFile)) s.LevelPlayable = 0;
  } else {
    s.LevelNumber += 1;
    LoadWorldLevel(s, host);
  }
  host.RedrawCells(0, 0, kBoardSize, kBoardSize);
}

}  // namespace Game
