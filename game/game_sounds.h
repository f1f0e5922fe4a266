// The game's six sound effects. Each is a wave image embedded in the program
// under the name of the sound slot that plays it ("VyrWaveComp1" .. 6) and
// is played from memory: the call returns at once, and a new sound cuts off
// the one still playing.
#pragma once

namespace Game {

// Plays the sound of a sound id (see SoundId); ids without a sound play
// nothing. Sound switched off is the caller's test.
void PlaySoundOfId(int id);

// The slot (1..6) of a sound id, 0 for none.
int SoundSlotOfId(int id);

}  // namespace Game
