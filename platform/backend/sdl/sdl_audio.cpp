#include "sdl_audio.h"

#include <SDL.h>

#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace SdlBackend {
namespace {

// Where the timgm6mb-soundfont package installs its General MIDI font.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kWaveChannel = 0;

}  // namespace

SdlAudio::~SdlAudio() {
  if (state_ == State::Open) {
    StopWave();
    StopMidi();
    Mix_CloseAudio();
  }
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::EnsureSubsystem() {
  if (subsystem_) return true;
  if (subsystemFailed_) return false;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    subsystemFailed_ = true;
    std::fprintf(stderr, "morvant2: no sound: %s\n", SDL_GetError());
    return false;
  }
  subsystem_ = true;
  return true;
}

bool SdlAudio::EnsureOpen() {
  if (state_ != State::Closed) return state_ == State::Open;
  state_ = State::Failed;
  if (!EnsureSubsystem()) return false;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::fprintf(stderr, "morvant2: no sound: %s\n", Mix_GetError());
    return false;
  }
  state_ = State::Open;
  return true;
}

// A sound font named in SDL_SOUNDFONTS wins; otherwise ours, if installed.
bool SdlAudio::EnsureSoundFont() {
  if (soundFontChecked_) return soundFontFound_;
  soundFontChecked_ = true;
  const char* fromEnvironment = std::getenv("SDL_SOUNDFONTS");
  if (fromEnvironment && *fromEnvironment) return soundFontFound_ = true;
  std::error_code error;
  if (!std::filesystem::exists(kSoundFont, error)) {
    std::fprintf(stderr, "morvant2: no sound font at %s: the music stays silent\n", kSoundFont);
    return soundFontFound_ = false;
  }
  Mix_SetSoundFonts(kSoundFont);
  return soundFontFound_ = true;
}

void SdlAudio::PlayWave(const void* data, std::size_t size, bool loop) {
  if (!data || size == 0 || size > static_cast<std::size_t>(INT32_MAX) || !EnsureOpen()) return;
  StopWave();
  // The mixer decodes the whole image while loading, so the caller's memory
  // need not outlive this call.
  SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
  wave_ = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
  if (!wave_) {
    std::fprintf(stderr, "morvant2: cannot play a sound: %s\n", Mix_GetError());
    return;
  }
  Mix_PlayChannel(kWaveChannel, wave_, loop ? -1 : 0);
}

void SdlAudio::StopWave() {
  if (state_ != State::Open) return;
  // Halted before freed: the mixer must not read a freed chunk.
  Mix_HaltChannel(kWaveChannel);
  if (wave_) Mix_FreeChunk(wave_);
  wave_ = nullptr;
}

bool SdlAudio::PlayMidi(const std::string& path) {
  if (!EnsureOpen() || !EnsureSoundFont()) return false;
  StopMidi();
  music_ = Mix_LoadMUS(path.c_str());
  if (!music_) {
    std::fprintf(stderr, "morvant2: cannot play %s: %s\n", path.c_str(), Mix_GetError());
    return false;
  }
  if (Mix_PlayMusic(music_, 1) != 0) {
    std::fprintf(stderr, "morvant2: cannot play %s: %s\n", path.c_str(), Mix_GetError());
    StopMidi();
    return false;
  }
  return true;
}

void SdlAudio::StopMidi() {
  if (state_ != State::Open) return;
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = nullptr;
}

bool SdlAudio::MidiPlaying() { return state_ == State::Open && music_ && Mix_PlayingMusic(); }

int SdlAudio::OutputDeviceCount() {
  if (!EnsureSubsystem()) return 0;
  int count = SDL_GetNumAudioDevices(0);
  // -1: the driver cannot list its devices, but has a default one.
  return count < 0 ? 1 : count;
}

}  // namespace SdlBackend
