#include "midi_playback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "audio_recording_host.h"

namespace {

class MidiPlaybackTest : public ::testing::Test {
 protected:
  MidiPlaybackTest() {
    std::filesystem::create_directories(dir);
    Write(tune, "MThd\0\0\0\6\0\0\0\1\0\x60", 14);
    Write(other, "MThd\0\0\0\6\0\0\0\1\0\x60", 14);
    Write(notMidi, "RIFF\0\0\0\0WAVE", 12);
  }
  ~MidiPlaybackTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  static void Write(const std::string& path, const char* bytes, std::size_t size) {
    std::ofstream(path, std::ios::binary).write(bytes, static_cast<std::streamsize>(size));
  }

  AudioRecordingHost& host = InstallAudioRecordingHost();
  // One folder per case: CTest runs the cases side by side.
  const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) /
                                    (std::string("midi_playback_test_") +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string tune = (dir / "midi0.mid").string();
  const std::string other = (dir / "midi1.mid").string();
  const std::string notMidi = (dir / "sound.wav").string();
};

}  // namespace

TEST_F(MidiPlaybackTest, ModeThroughOpenPlayEndAndStop) {
  MidiPlayback player;
  int ends = 0;
  player.SetEndHook([&] { ++ends; });
  EXPECT_EQ(player.Mode(), mpNotReady);

  player.Open(tune);
  EXPECT_EQ(player.Mode(), mpOpen);
  EXPECT_TRUE(player.IsOpen());

  player.Play();
  EXPECT_EQ(player.Mode(), mpPlaying);
  host.EndTune();
  EXPECT_EQ(player.Mode(), mpStopped);
  player.Poll();
  EXPECT_EQ(ends, 1) << "the end is reported once";

  player.Play();
  EXPECT_EQ(player.Mode(), mpPlaying);
  player.Stop();
  EXPECT_EQ(player.Mode(), mpStopped);
  EXPECT_EQ(ends, 1) << "a stop is no end of the tune";

  player.Close();
  EXPECT_EQ(player.Mode(), mpNotReady);
  // Open tries the host once and stops at once; each Play starts the tune.
  EXPECT_EQ(host.Calls, (std::vector<std::string>{"PlayMidi " + tune, "StopMidi", "PlayMidi " + tune,
                                                  "PlayMidi " + tune, "StopMidi"}));
}

TEST_F(MidiPlaybackTest, OpenRaisesForMissingFileNonMidiFileAndNoSynthesizer) {
  const struct {
    const char* name;
    std::string file;
    bool synthesizer;
    int devices;
  } cases[] = {
      {"missing file", (dir / "none.mid").string(), true, 1},
      {"not a MIDI file", notMidi, true, 1},
      {"a folder", dir.string(), true, 1},
      {"no synthesizer", tune, false, 1},
      {"no audio device", tune, true, 0},
  };
  for (const auto& c : cases) {
    host.HasSynthesizer = c.synthesizer;
    host.Devices = c.devices;
    MidiPlayback player;
    try {
      player.Open(c.file);
      ADD_FAILURE() << c.name << ": no exception";
    } catch (const EMCIDeviceError& e) {
      EXPECT_EQ(e.Message.str().rfind("MCI-Gerätefehler: ", 0), 0u) << c.name << ": " << e.Message.str();
    }
    EXPECT_EQ(player.Mode(), mpNotReady) << c.name;
    EXPECT_FALSE(host.MidiPlaying()) << c.name;
  }
}

TEST_F(MidiPlaybackTest, PlayWithoutOpenRaises) {
  MidiPlayback player;
  EXPECT_THROW(player.Play(), EMCIDeviceError);
  EXPECT_TRUE(host.Calls.empty());
}

TEST_F(MidiPlaybackTest, ATuneReplacedByAnotherPlayerIsStoppedWithoutAnEnd) {
  MidiPlayback first, second;
  int firstEnds = 0;
  first.SetEndHook([&] { ++firstEnds; });
  first.Open(tune);
  second.Open(other);
  first.Play();
  second.Play();
  EXPECT_EQ(first.Mode(), mpStopped);
  EXPECT_EQ(second.Mode(), mpPlaying);

  host.Calls.clear();
  first.Stop();
  EXPECT_TRUE(host.Calls.empty()) << "stopping the first must not silence the second";
  EXPECT_EQ(second.Mode(), mpPlaying);
  EXPECT_EQ(firstEnds, 0);
}

TEST_F(MidiPlaybackTest, DestroyingAPlayingPlayerStopsItsTune) {
  {
    MidiPlayback player;
    player.Open(tune);
    player.Play();
  }
  EXPECT_FALSE(host.MidiPlaying());
}
