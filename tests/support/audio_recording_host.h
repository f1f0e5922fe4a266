// A headless host whose audio side a test scripts: it logs every sound call
// in order, and the test decides whether devices and a synthesizer exist and
// when a tune ends. The plain host's record (the waves played, the stops)
// is kept as well, so the harness may boot on this one (Devices = 0: a
// machine without sound).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "clock.h"
#include "headless_host.h"

class AudioRecordingHost : public HeadlessHost {
 public:
  void PlayWave(const void* data, std::size_t size, bool loop) override {
    const auto* b = static_cast<const std::uint8_t*>(data);
    Calls.push_back(loop ? "PlayWave loop" : "PlayWave");
    CurrentWave.assign(b, b + size);
    HeadlessHost::PlayWave(data, size, loop);
  }
  void StopWave() override {
    Calls.push_back("StopWave");
    CurrentWave.clear();
    HeadlessHost::StopWave();
  }
  bool PlayMidi(const std::string& path) override {
    Calls.push_back("PlayMidi " + path);
    midiPlaying_ = HasSynthesizer;
    return HasSynthesizer;
  }
  void StopMidi() override {
    Calls.push_back("StopMidi");
    midiPlaying_ = false;
  }
  bool MidiPlaying() override { return midiPlaying_; }
  int WaveOutDeviceCount() override { return Devices; }

  // The tune has played to its end.
  void EndTune() { midiPlaying_ = false; }

  std::vector<std::string> Calls;
  std::vector<std::uint8_t> CurrentWave;  // what the speaker plays now
  int Devices = 1;
  bool HasSynthesizer = true;

 private:
  bool midiPlaying_ = false;
};

// Installs a fresh recording host on the virtual clock.
inline AudioRecordingHost& InstallAudioRecordingHost(std::uint64_t startMs = 1000) {
  ClockUseVirtual(startMs);
  auto host = std::make_unique<AudioRecordingHost>();
  AudioRecordingHost& ref = *host;
  Backend::InstallHost(std::move(host));
  return ref;
}
