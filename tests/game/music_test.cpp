#include "music.h"

#include "game_fixture.h"

using namespace Game;

class Music : public GameFixture {
 protected:
  void SetUp() override { s.MusicOn = 1; }
  bool failed = false;
};

TEST_F(Music, PlaysARandomExistingTune) {
  host.files["/game/midi7.mid"] = "";
  host.randoms = {3, 27, 17};  // midi3, midi7 (27 mod 20)
  MusicTick(s, host, failed);
  EXPECT_EQ(host.played, std::vector<std::string>{"/game/midi7.mid"});
  EXPECT_EQ(host.randoms.size(), 1u);
}

TEST_F(Music, DoesNothingWhenOffPlayingOrWithoutTunes) {
  MusicTick(s, host, failed);  // no tunes at all: the search must end
  host.files["/game/midi1.mid"] = "";
  host.musicPlaying = true;
  MusicTick(s, host, failed);
  host.musicPlaying = false;
  s.MusicOn = 0;
  MusicTick(s, host, failed);
  EXPECT_TRUE(host.played.empty());
}

TEST_F(Music, AFailingPlayerStopsTryingUntilSwitchedOnAgain) {
  host.files["/game/midi0.mid"] = "";
  host.randoms = {20, 40};
  host.musicWorks = false;
  MusicTick(s, host, failed);
  EXPECT_TRUE(failed);
  MusicTick(s, host, failed);
  EXPECT_EQ(host.played.size(), 1u);
}
