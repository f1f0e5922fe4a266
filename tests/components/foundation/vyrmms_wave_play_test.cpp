// Playing waves, seen through what the host plays: the three modes, stopping,
// which wave may silence which, and a machine without a wave device.
#include <gtest/gtest.h>

#include <memory>

#include "audio_recording_host.h"
#include "clock.h"
#include "foundation2_fixture.h"
#include "wave_fixture.h"

namespace {

using namespace WaveFixture;
using Vyrmms::TVyrSndPlayMode;
using Vyrmms::TVyrWave;
using Vyrmms::TVyrWaveComp;

class WavePlaying : public ApplicationObjectTest {
 protected:
  void SetUp() override {
    Load(a, Pcm22k(100, 0xA0));
    Load(b, Pcm22k(200, 0xB0));
  }
  std::size_t Played() const { return app.sounds().size(); }
  int Stops() { return app.host().WaveStops(); }

  TVyrWave a, b;
};

TEST_F(WavePlaying, PlayPlaysTheImageOnceWithTheClockStanding) {
  const std::uint64_t before = ClockNowMs();
  EXPECT_TRUE(a.Play());
  ASSERT_EQ(Played(), 1u);
  EXPECT_EQ(app.sounds()[0], Image(a));
  EXPECT_EQ(ClockNowMs(), before);
  EXPECT_FALSE(app.host().WaveLooping());
}

TEST_F(WavePlaying, SyncWaitsForTheSoundAndLoopKeepsItGoingUntilStop) {
  TVyrWave second;
  Load(second, Pcm22k(44100));
  const std::uint64_t before = ClockNowMs();
  EXPECT_TRUE(second.PlaySound(TVyrSndPlayMode::sdSync));
  EXPECT_EQ(ClockNowMs(), before + 1000);
  EXPECT_TRUE(a.PlaySound(TVyrSndPlayMode::sdAsync));
  EXPECT_EQ(ClockNowMs(), before + 1000);

  EXPECT_TRUE(a.PlaySound(TVyrSndPlayMode::sdLoop));
  EXPECT_TRUE(app.host().WaveLooping());
  EXPECT_EQ(Played(), 3u);
  const int stops = Stops();
  a.Stop();
  EXPECT_EQ(Stops(), stops + 1);
  EXPECT_FALSE(app.host().WaveLooping());
}

TEST_F(WavePlaying, AnEmptyWavePlaysNothing) {
  TVyrWave never, empty;
  Load(empty, {});
  for (TVyrWave* w : {&never, &empty}) {
    EXPECT_FALSE(w->Play());
    EXPECT_FALSE(w->PlaySound(TVyrSndPlayMode::sdSync));
    EXPECT_FALSE(w->PlaySound(TVyrSndPlayMode::sdLoop));
  }
  EXPECT_EQ(Played(), 0u);
}

TEST_F(WavePlaying, OnlyTheWaveThatPlaysLastSilencesTheHostWhenItGoes) {
  EXPECT_TRUE(a.Play());
  EXPECT_TRUE(b.PlaySound(TVyrSndPlayMode::sdLoop));
  const int stops = Stops();

  // A played before B: reloading or freeing it leaves B's sound alone.
  Load(a, Pcm22k(50));
  a.FreeWave();
  auto temporary = std::make_unique<TVyrWave>();
  Load(*temporary, Pcm22k(10));
  temporary.reset();
  EXPECT_EQ(Stops(), stops);
  EXPECT_TRUE(app.host().WaveLooping());

  // Stop of any wave silences whatever plays.
  Load(a, Pcm22k(20));
  a.Stop();
  EXPECT_EQ(Stops(), stops + 1);

  // Freeing the wave that plays stops it; after a Stop it stops nothing more.
  auto last = std::make_unique<TVyrWave>();
  Load(*last, Pcm22k(10));
  EXPECT_TRUE(last->Play());
  last.reset();
  EXPECT_EQ(Stops(), stops + 2);
  EXPECT_TRUE(b.Play());
  b.Stop();
  Load(b, Pcm22k(30));
  EXPECT_EQ(Stops(), stops + 3);

  // Reloading the wave that plays stops it too.
  EXPECT_TRUE(b.Play());
  Load(b, Pcm22k(40));
  EXPECT_EQ(Stops(), stops + 4);
}

TEST_F(WavePlaying, AnImageIsReadNoFurtherThanItsHeldBytes) {
  // 144 bytes whose RIFF length field promises a million.
  Bytes image = Pcm22k(100);
  ASSERT_EQ(image.size(), 144u);
  image[4] = 0x40, image[5] = 0x42, image[6] = 0x0F, image[7] = 0;
  TVyrWave liar;
  Load(liar, image);
  liar.Play();
  for (const auto& played : app.sounds()) EXPECT_LE(played.size(), 144u);
}

TEST_F(WavePlaying, TheComponentPassesToItsWave) {
  TVyrWaveComp* comp = TObject::Create<TVyrWaveComp>(Application);
  EXPECT_FALSE(comp->Play());
  comp->SetWave(&a);
  EXPECT_TRUE(comp->Play());
  EXPECT_TRUE(comp->PlaySound(TVyrSndPlayMode::sdLoop));
  EXPECT_TRUE(app.host().WaveLooping());
  comp->Stop();
  EXPECT_FALSE(app.host().WaveLooping());
  EXPECT_EQ(Played(), 2u);
  EXPECT_EQ(app.sounds()[0], Image(a));
}

TEST(WaveWithoutDevice, PlaysNothingAndSaysSo) {
  auto host = std::make_unique<AudioRecordingHost>();
  host->Devices = 0;
  TestSupport::LibraryApp app(FoundationRows(), std::move(host));
  EXPECT_FALSE(Vyrmms::VyrMMWavePossible());
  TVyrWave wave;
  Load(wave, Pcm22k(44100));
  const std::uint64_t before = ClockNowMs();
  EXPECT_FALSE(wave.Play());
  EXPECT_FALSE(wave.PlaySound(TVyrSndPlayMode::sdSync));
  EXPECT_FALSE(wave.PlaySound(TVyrSndPlayMode::sdLoop));
  EXPECT_EQ(ClockNowMs(), before);
  EXPECT_TRUE(app.sounds().empty());
}

}  // namespace
