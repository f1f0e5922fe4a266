// The game's sound effects: six wave components streamed with the main
// window, which sound id plays which, and a game that stays silent and
// playable without sound.
#include <fstream>
#include <iterator>

#include "audio_recording_host.h"
#include "clock.h"
#include "level_text.h"
#include "main_window_fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ImageOf(Vyrmms::TVyrWaveComp* comp) {
  TMemoryStream* image = comp->GetWave()->GetImage();
  if (!image) return {};
  const auto* b = static_cast<const std::uint8_t*>(image->GetMemory());
  return Bytes(b, b + image->GetSize());
}

Bytes SoundFile(const char* name) {
  std::ifstream in(std::string(MORVANT_SOUNDS_SOURCE) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SoundTest : public MainWindowTest {
 protected:
  // Level 1: a wall left of the figure, a box below it, an exit item right
  // of it, and a second exit far off so that taking the first solves
  // nothing.
  void OpenSoundLevel(bool soundOn, std::unique_ptr<HeadlessHost> host = nullptr) {
    Boot({TRect(0, 0, 1024, 768)}, std::move(host));
    LevelText level;
    level.Cell(0, 0, 1, 30).Cell(0, 1, 2, 10).Cell(0, 2, 1, 80).Cell(0, 40, 40, 80);
    WriteFile("level/tutorial.dat", WorldFile({level}));
    SetBool("SETUP", "SOUND", soundOn);
    Open();
  }

  // One key, and the one sound it plays, with the clock standing.
  Bytes KeyPlaysOne(int vk) {
    const std::size_t before = app->sounds().size();
    const std::uint64_t now = ClockNowMs();
    Key(vk);
    EXPECT_EQ(ClockNowMs(), now);
    EXPECT_EQ(app->sounds().size(), before + 1);
    return app->sounds().size() > before ? app->sounds().back() : Bytes();
  }

  Vyrmms::TVyrWaveComp* Waves(int n) {
    Vyrmms::TVyrWaveComp* all[] = {form->VyrWaveComp1, form->VyrWaveComp2, form->VyrWaveComp3,
                                   form->VyrWaveComp4, form->VyrWaveComp5, form->VyrWaveComp6};
    return all[n - 1];
  }
};

TEST_F(SoundTest, TheMainWindowHoldsItsSixSoundsFromItsResource) {
  Open();
  const char* files[] = {"exit.wav", "wall.wav", "teleport.wav", "door.wav", "key.wav", "push.wav"};
  for (int n = 1; n <= 6; ++n) {
    SCOPED_TRACE(files[n - 1]);
    ASSERT_NE(Waves(n), nullptr);
    Vyrmms::TVyrWave* wave = Waves(n)->GetWave();
    EXPECT_EQ(ImageOf(Waves(n)), SoundFile(files[n - 1]));
    EXPECT_EQ(wave->GetFormat(), Vyrmms::TVyrWaveFormat::wfPCM);
    EXPECT_EQ(wave->GetChannelMode(), Vyrmms::TVyrChannelMode::cmMono);
    EXPECT_EQ(wave->GetSampleRate(), 22050u);
    EXPECT_EQ(wave->GetBits(), 16);
  }
}

TEST_F(SoundTest, EachSoundIdPlaysTheWaveOfItsRole) {
  Boot();
  SetBool("SETUP", "SOUND", true);
  Open();
  // Sound id -> the component that plays it; 0 for none.
  const int playedBy[] = {0, 1, 6, 3, 3, 0, 0, 2, 4, 5, 0};
  for (int id = 0; id <= 10; ++id) {
    SCOPED_TRACE(id);
    const std::size_t before = app->sounds().size();
    form->PlayGameSound(id);
    if (!playedBy[id]) {
      EXPECT_EQ(app->sounds().size(), before);
      continue;
    }
    ASSERT_EQ(app->sounds().size(), before + 1);
    EXPECT_EQ(app->sounds().back(), ImageOf(Waves(playedBy[id])));
  }
}

TEST_F(SoundTest, StepsPlayTheirSoundsAndANewSoundCutsOffTheOld) {
  OpenSoundLevel(true);
  const int stops = app->host().WaveStops();
  EXPECT_EQ(KeyPlaysOne(VK_LEFT), ImageOf(form->VyrWaveComp2));  // the wall
  EXPECT_EQ(KeyPlaysOne(VK_DOWN), ImageOf(form->VyrWaveComp6));  // the push, cutting the wall off
  EXPECT_EQ(app->host().WaveStops(), stops);
  Key(VK_UP);
  EXPECT_EQ(KeyPlaysOne(VK_RIGHT), ImageOf(form->VyrWaveComp1));  // the exit item
  EXPECT_EQ(app->sounds().size(), 3u);
}

TEST_F(SoundTest, WithSoundOffNothingPlays) {
  OpenSoundLevel(false);
  Keys({VK_LEFT, VK_DOWN, VK_UP, VK_RIGHT});
  EXPECT_EQ(form->PlayerX, 2);
  EXPECT_TRUE(app->sounds().empty());
}

TEST_F(SoundTest, WithoutAWaveDeviceTheGameIsSilentAndGoesOn) {
  auto host = std::make_unique<AudioRecordingHost>();
  host->Devices = 0;
  OpenSoundLevel(true, std::move(host));
  Key(VK_LEFT);
  EXPECT_EQ(form->PlayerX, 1);
  EXPECT_TRUE(app->sounds().empty());
  EXPECT_TRUE(app->boxes().empty());
  Key(VK_RIGHT);
  EXPECT_EQ(form->PlayerX, 2);
  EXPECT_TRUE(app->sounds().empty());
  EXPECT_TRUE(app->boxes().empty());
}

}  // namespace
