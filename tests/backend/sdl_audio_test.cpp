#include <cstring>
#include <filesystem>
#include <vector>

#include "sdl_host_fixture.h"

namespace {

// A RIFF/WAVE image of `samples` silent 8-bit mono samples at 11025 Hz.
std::vector<unsigned char> SilentWave(std::uint32_t samples) {
  auto put32 = [](std::vector<unsigned char>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<unsigned char>(x >> (8 * i)));
  };
  auto put16 = [](std::vector<unsigned char>& v, std::uint16_t x) {
    v.push_back(static_cast<unsigned char>(x));
    v.push_back(static_cast<unsigned char>(x >> 8));
  };
  auto tag = [](std::vector<unsigned char>& v, const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<unsigned char>(t[i]));
  };
  std::vector<unsigned char> w;
  tag(w, "RIFF");
  put32(w, 36 + samples);
  tag(w, "WAVE");
  tag(w, "fmt ");
  put32(w, 16);
  put16(w, 1);  // PCM
  put16(w, 1);
  put32(w, 11025);
  put32(w, 11025);
  put16(w, 1);
  put16(w, 8);
  tag(w, "data");
  put32(w, samples);
  w.resize(w.size() + samples, 0x80);
  return w;
}

TEST_F(SdlHostTest, WavesPlayAndCutEachOffOnTheDummyDevice) {
  EXPECT_GE(host->WaveOutDeviceCount(), 0);
  std::vector<unsigned char> wave = SilentWave(11025);
  host->PlayWave(wave.data(), wave.size(), false);
  // The mixer copied the image: the caller may reuse its memory at once.
  std::memset(wave.data(), 0, wave.size());
  std::vector<unsigned char> second = SilentWave(100);
  host->PlayWave(second.data(), second.size(), false);
  host->StopWave();
  host->StopWave();
}

TEST_F(SdlHostTest, BrokenWavesAreReportedNotPlayed) {
  std::vector<unsigned char> wave = SilentWave(1000);
  wave.resize(30);  // cut inside the format chunk
  ::testing::internal::CaptureStderr();
  host->PlayWave(wave.data(), wave.size(), false);
  host->PlayWave(nullptr, 0, false);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("morvant2: "), std::string::npos) << said;
}

TEST_F(SdlHostTest, AMissingMidiFileFailsWithOneLine) {
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(host->PlayMidi("/nonexistent/midi0.mid"));
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(host->MidiPlaying());
  EXPECT_NE(said.find("morvant2: "), std::string::npos) << said;
  host->StopMidi();
}

// The game's own music through FluidSynth and the General MIDI sound font.
TEST_F(SdlHostTest, TheGamesMidiPlaysUntilStopped) {
  if (!std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2")) GTEST_SKIP() << "no sound font installed";
  ASSERT_TRUE(host->PlayMidi(MORVANT_DATA_SOURCE_DIR "midi0.mid"));
  EXPECT_TRUE(host->MidiPlaying());
  // A second piece replaces the first.
  ASSERT_TRUE(host->PlayMidi(MORVANT_DATA_SOURCE_DIR "midi1.mid"));
  EXPECT_TRUE(host->MidiPlaying());
  host->StopMidi();
  EXPECT_FALSE(host->MidiPlaying());
}

}  // namespace
