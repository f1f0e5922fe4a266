#include "playsound.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "audio_recording_host.h"
#include "clock.h"
#include "wave_builder.h"

using namespace WaveBuilder;

namespace {

class PlaySoundTest : public ::testing::Test {
 protected:
  LPCSTR Image(const Bytes& b) { return reinterpret_cast<LPCSTR>(b.data()); }

  AudioRecordingHost& host = InstallAudioRecordingHost();
  const Bytes first = Pcm(800, 8000, 0x11);   // 100 ms
  const Bytes second = Pcm(1600, 8000, 0x22);  // 200 ms
};

constexpr UINT kAsync = SND_ASYNC | SND_NODEFAULT | SND_MEMORY;  // the wave component's Play
constexpr UINT kSync = SND_NODEFAULT | SND_MEMORY;
constexpr UINT kLoop = kAsync | SND_LOOP;

}  // namespace

TEST_F(PlaySoundTest, NewSoundCutsOffTheOld) {
  EXPECT_TRUE(sndPlaySound(Image(first), kAsync));
  EXPECT_TRUE(sndPlaySound(Image(second), kAsync));
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"PlayWave", "PlayWave"}));
  EXPECT_EQ(host.CurrentWave, second);
}

TEST_F(PlaySoundTest, NullSoundOrPurgeStopsWhateverPlays) {
  ASSERT_TRUE(sndPlaySound(Image(first), kAsync));
  EXPECT_TRUE(sndPlaySound(nullptr, SND_MEMORY));
  EXPECT_TRUE(host.CurrentWave.empty());
  ASSERT_TRUE(PlaySound(Image(second), nullptr, kAsync));
  EXPECT_TRUE(PlaySound(Image(second), nullptr, SND_PURGE));
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"PlayWave", "StopWave", "PlayWave", "StopWave"}));
}

TEST_F(PlaySoundTest, BadImageFailsAndPlaysNothing) {
  Bytes bad = first;
  bad[12] = 'X';  // "fmt " spoilt
  EXPECT_FALSE(sndPlaySound(Image(bad), kAsync));
  EXPECT_TRUE(host.Calls.empty());
}

TEST_F(PlaySoundTest, SizedCallNeverReadsPastTheGivenSize) {
  // The RIFF field promises the whole image; only its first 30 bytes are
  // there, which stops inside the format chunk.
  EXPECT_FALSE(PlayWaveImage(first.data(), 30, kAsync));
  EXPECT_TRUE(PlayWaveImage(first.data(), first.size(), kAsync));
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"PlayWave"}));
}

TEST_F(PlaySoundTest, WithoutDevicesNothingPlays) {
  host.Devices = 0;
  EXPECT_EQ(waveOutGetNumDevs(), 0u);
  EXPECT_FALSE(sndPlaySound(Image(first), kAsync));
  EXPECT_TRUE(host.Calls.empty());
  host.Devices = 1;
  EXPECT_EQ(waveOutGetNumDevs(), 1u);
}

TEST_F(PlaySoundTest, SyncWaitsForTheSoundOnTheClockAsyncAndLoopDoNot) {
  const std::uint64_t start = ClockNowMs();
  EXPECT_TRUE(sndPlaySound(Image(second), kSync));
  EXPECT_EQ(ClockNowMs(), start + 200);
  EXPECT_TRUE(sndPlaySound(Image(first), kAsync));
  EXPECT_TRUE(sndPlaySound(Image(first), kLoop));
  EXPECT_TRUE(sndPlaySound(Image(first), kLoop & ~SND_ASYNC));
  EXPECT_EQ(ClockNowMs(), start + 200);
  EXPECT_EQ(host.Calls.size(), 4u);
}

TEST_F(PlaySoundTest, SyncWaitForAnEndlessSoundStillEnds) {
  // One byte a second: 4.3 million bytes last longer than INFINITE ms, which
  // must not turn into a wait for ever.
  const Bytes endless = Pcm(4300000, 1);
  const std::uint64_t start = ClockNowMs();
  EXPECT_TRUE(PlayWaveImage(endless.data(), endless.size(), kSync));
  EXPECT_EQ(ClockNowMs(), start + INFINITE - 1);
}

TEST_F(PlaySoundTest, PlaysAWaveFileByName) {
  const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "playsound_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "beep.wav").string();
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(first.data()), static_cast<std::streamsize>(first.size()));
  }
  EXPECT_TRUE(PlaySound(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC));
  EXPECT_EQ(host.CurrentWave, first);
  EXPECT_FALSE(PlaySound((dir / "missing.wav").string().c_str(), nullptr, SND_FILENAME | SND_ASYNC));
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

TEST_F(PlaySoundTest, LoopPlaysUntilStoppedAndANewSoundCutsItOff) {
  EXPECT_TRUE(sndPlaySound(Image(first), kLoop));
  ClockAdvance(10000);  // a hundred times its length
  EXPECT_EQ(host.CurrentWave, first);
  EXPECT_TRUE(sndPlaySound(Image(second), kAsync));
  EXPECT_EQ(host.CurrentWave, second);
  EXPECT_TRUE(PlaySound(Image(first), nullptr, kLoop));
  EXPECT_TRUE(sndPlaySound(nullptr, SND_MEMORY));
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"PlayWave loop", "PlayWave", "PlayWave loop", "StopWave"}));
}

TEST(HeadlessWaves, RecordWhetherTheSoundLoopsUntilStopped) {
  HeadlessHost& headless = InstallHeadlessHost();
  const Bytes wave = Pcm(800, 8000, 0x11);
  LPCSTR image = reinterpret_cast<LPCSTR>(wave.data());
  ASSERT_TRUE(sndPlaySound(image, kLoop));
  EXPECT_TRUE(headless.WaveLooping());
  ClockAdvance(10000);
  EXPECT_TRUE(headless.WaveLooping());
  ASSERT_TRUE(sndPlaySound(image, kAsync));  // the new sound plays once
  EXPECT_FALSE(headless.WaveLooping());
  ASSERT_TRUE(sndPlaySound(image, kLoop));
  EXPECT_TRUE(sndPlaySound(image, SND_PURGE));
  EXPECT_FALSE(headless.WaveLooping());
}
