#include "mplayer.h"

#include <fstream>

#include "stdctrls_fixture.h"

namespace {

class MediaPlayerTest : public StdCtrlsTest {
 protected:
  MediaPlayerTest() {
    player = TObject::Create<TMediaPlayer>(Application);
    player->SetVisible(false);
    tune = app.program_folder() + "/midi0.mid";
    // A header chunk and one empty track.
    const unsigned char mid[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                 'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0};
    std::ofstream(tune, std::ios::binary).write(reinterpret_cast<const char*>(mid), sizeof mid);
  }
  TMediaPlayer* player;
  std::string tune;
};

}  // namespace

TEST_F(MediaPlayerTest, ModeFollowsOpenPlayEndAndStop) {
  EXPECT_EQ(player->GetMode(), mpNotReady);
  player->SetFileName(tune.c_str());
  player->Open();
  EXPECT_EQ(player->GetMode(), mpOpen);
  int notified = 0;
  player->OnNotify = [&](TObject*) { ++notified; };
  player->SetNotify(true);
  player->Play();
  EXPECT_EQ(player->GetMode(), mpPlaying);
  ASSERT_FALSE(app.host().PlayedMidis().empty());
  EXPECT_EQ(app.host().PlayedMidis().back(), tune);

  app.host().StopMidi();  // the tune runs out
  app.advance(500);       // the player's watch notices without being asked
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(player->GetNotifyValue(), nvSuccessful);
  EXPECT_EQ(player->GetMode(), mpStopped);

  player->Play();
  EXPECT_EQ(player->GetMode(), mpPlaying);
  player->Stop();
  EXPECT_EQ(player->GetMode(), mpStopped);
  EXPECT_EQ(notified, 1);  // Notify was used up
  player->Close();
  EXPECT_EQ(player->GetMode(), mpNotReady);
}

TEST_F(MediaPlayerTest, OpenRaisesForAMissingOrDamagedFile) {
  player->SetFileName((app.program_folder() + "/fehlt.mid").c_str());
  EXPECT_THROW(player->Open(), EMCIDeviceError);
  std::ofstream(tune) << "kein MIDI";
  player->SetFileName(tune.c_str());
  EXPECT_THROW(player->Open(), EMCIDeviceError);
  EXPECT_EQ(player->GetMode(), mpNotReady);
}
