#include "game_sounds.h"

#include "game_state.h"
#include "module.h"
#include "playsound.h"
#include "streams.h"

namespace Game {

int SoundSlotOfId(int id) {
  switch (id) {
    case sndExitItem: return 1;
    case sndBoxPushed: return 6;
    case sndTeleport:
    case sndFloorChange: return 3;
    case sndWall: return 2;
    case sndDoorOrGate: return 4;
    case sndKey: return 5;
    default: return 0;
  }
}

void PlaySoundOfId(int id) {
  const int slot = SoundSlotOfId(id);
  if (!slot) return;
  TResourceStream wave(HInstance, "VyrWaveComp" + AnsiString(slot), "WAVE");
  PlayWaveImage(wave.GetMemory(), static_cast<std::size_t>(wave.GetSize()), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

}  // namespace Game
