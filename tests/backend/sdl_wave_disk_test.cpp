// A looping wave through SDL's disk audio driver, which writes what the
// mixer sends to the device into a file: the file shows whether sound, and
// more of it than one pass of the wave, came out.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "sdl_host.h"

namespace {

// A RIFF/WAVE image of a square wave: 8-bit mono, 11025 Hz, 1102 samples
// (a tenth of a second).
std::vector<unsigned char> SquareWave() {
  constexpr std::uint32_t samples = 1102;
  std::vector<unsigned char> w;
  auto put = [&](std::uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) w.push_back(static_cast<unsigned char>(x >> (8 * i)));
  };
  auto tag = [&](const char* t) { w.insert(w.end(), t, t + 4); };
  tag("RIFF");
  put(36 + samples, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);
  put(11025, 4);
  put(11025, 4);
  put(1, 2);
  put(8, 2);
  tag("data");
  put(samples, 4);
  for (std::uint32_t i = 0; i < samples; ++i) w.push_back((i / 25) % 2 ? 0xE0 : 0x20);
  return w;
}

std::uintmax_t FileSize(const std::filesystem::path& p) {
  std::error_code e;
  const std::uintmax_t n = std::filesystem::file_size(p, e);
  return e ? 0 : n;
}

}  // namespace

TEST(SdlWaveDisk, LoopingWaveKeepsSoundingPastItsLength) {
  const std::filesystem::path out = std::filesystem::path(::testing::TempDir()) / "morvant-disk-audio.raw";
  std::filesystem::remove(out);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
  std::string error;
  std::unique_ptr<SdlBackend::SdlHost> host = SdlBackend::SdlHost::Open(error);
  ASSERT_TRUE(host) << error;
  const std::vector<unsigned char> wave = SquareWave();
  host->PlayWave(wave.data(), wave.size(), true);

  // The mixer's output: 16-bit stereo at 44.1 kHz, so a second is 176400
  // bytes; one pass of the wave fills less than a fifth of that.
  constexpr std::uintmax_t kOneSecond = 176400;
  for (int tries = 0; tries < 200 && FileSize(out) < 2 * kOneSecond; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  host->StopWave();
  host.reset();
  unsetenv("SDL_DISKAUDIOFILE");
  setenv("SDL_AUDIODRIVER", "dummy", 1);

  std::ifstream in(out, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), 2 * kOneSecond) << "the disk driver wrote too little";
  // Between one and two seconds in, only a repeated wave can sound.
  std::size_t loud = 0;
  for (std::size_t i = kOneSecond; i + 1 < 2 * kOneSecond; i += 2) {
    const auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  static_cast<unsigned char>(bytes[i + 1]) << 8);
    loud += sample > 1000 || sample < -1000;
  }
  EXPECT_GT(loud, kOneSecond / 8) << "silence where the loop should sound";
  std::filesystem::remove(out);
}
