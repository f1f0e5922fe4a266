// Sound through SDL2_mixer: one channel for wave images (a new sound cuts off
// the one playing) and the music stream for MIDI, synthesised by FluidSynth
// with the General MIDI sound font.
//
// The device opens on first use. Without a device or a sound font the
// program stays silent and says so once on stderr; a file that cannot be
// played is reported there too, and never stops the program.
#pragma once

#include <SDL_mixer.h>

#include <cstddef>
#include <string>

namespace SdlBackend {

class SdlAudio {
 public:
  SdlAudio() = default;
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  // With `loop` the chunk repeats until stopped or cut off.
  void PlayWave(const void* data, std::size_t size, bool loop);
  void StopWave();
  bool PlayMidi(const std::string& path);
  void StopMidi();
  bool MidiPlaying();
  int OutputDeviceCount();

 private:
  enum class State { Closed, Open, Failed };
  bool EnsureSubsystem();
  bool EnsureOpen();
  bool EnsureSoundFont();

  State state_ = State::Closed;
  bool subsystem_ = false;
  bool subsystemFailed_ = false;
  bool soundFontChecked_ = false;
  bool soundFontFound_ = false;
  Mix_Chunk* wave_ = nullptr;
  Mix_Music* music_ = nullptr;
};

}  // namespace SdlBackend
