#include "music.h"

#include <cstdio>

namespace Game {
namespace {

AnsiString TunePath(GameHost& host, int n) { return host.ProgramFolder() + "midi" + AnsiString(n) + ".mid"; }

}  // namespace

void MusicTick(const TGameState& s, GameHost& host, bool& playerFailed) {
  if (!s.MusicOn || playerFailed || host.MusicPlaying()) return;
  // Draw only when some tune exists, so that the search below ends.
  bool anyTune = false;
  for (int n = 0; n < kTuneCount && !anyTune; ++n) anyTune = host.FileExists(TunePath(host, n));
  if (!anyTune) return;
  AnsiString path;
  do {
    path = TunePath(host, host.Random() % kTuneCount);
  } while (!host.FileExists(path));
  if (!host.PlayMusic(path)) {
    std::fprintf(stderr, "morvant2: cannot play %s; music stays off until it is switched on again\n", path.c_str());
    playerFailed = true;
  }
}

}  // namespace Game
