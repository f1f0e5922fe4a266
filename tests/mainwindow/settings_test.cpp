// The settings dialog from the menu: what it shows of the game's state, and
// what OK and Abbruch leave in the game and the registry file.
#include "main_window_fixture.h"

namespace {

class SettingsTest : public MainWindowTest {
 protected:
  void SetUp() override { Open(); }

  // Opens the dialog with these keys waiting for it, the keyboard on the
  // speed bar (a dialog shown again keeps the control it last had).
  void Settings(std::vector<int> keys) {
    Form4->SetActiveControl(Form4->VyrTrackBar1);
    for (int vk : keys) app->key(vk);
    form->Einstellungen1Click(nullptr);
    app->pump();
  }
  void Cancel() { Settings({VK_TAB, VK_TAB, VK_SPACE}); }  // track bar, OK, Abbruch
};

TEST_F(SettingsTest, TheSpeedAndDelayShowAsPositions) {
  const struct {
    int speed, delay, speedPosition, delayPosition;
  } cases[] = {{1, 0, 0, 0}, {2, 50, 1, 1}, {4, 120, 2, 2}, {8, 499, 3, 9}, {16, 500, 4, 10}, {32, 730, 5, 10}};
  for (const auto& c : cases) {
    form->ScrollSpeed = c.speed;
    form->ReplayDelay = c.delay;
    Cancel();
    EXPECT_EQ(Form4->VyrTrackBar1->GetPosition(), c.speedPosition) << c.speed;
    EXPECT_EQ(Form4->VyrTrackBar2->GetPosition(), c.delayPosition) << c.delay;
  }
}

TEST_F(SettingsTest, ASpeedThatIsNoPowerOfTwoKeepsTheLastPositionAndOkStoresItsPower) {
  form->ScrollSpeed = 5;
  Cancel();
  EXPECT_EQ(Form4->VyrTrackBar1->GetPosition(), 0);
  form->ScrollSpeed = 8;
  Cancel();
  form->ScrollSpeed = 5;
  Settings({VK_RETURN});
  EXPECT_EQ(form->ScrollSpeed, 8);
  EXPECT_EQ(GetInt("SETUP", "SCROLLSPEED"), 8);
}

TEST_F(SettingsTest, EachBoxShowsAndStoresItsOwnSwitch) {
  struct Row {
    Vyrgroup::TVyrCheckBox* TForm4::*box;
    Byte TForm1::*field;
    const char* name;
  };
  const Row rows[] = {{&TForm4::VyrCheckBox1, &TForm1::SoundOn, "SOUND"},
                      {&TForm4::VyrCheckBox5, &TForm1::MusicOn, "MUSIK"},
                      {&TForm4::VyrCheckBox3, &TForm1::NoEndDialogs, "DIALOGE"},
                      {&TForm4::VyrCheckBox2, &TForm1::AvoidScrolling, "SCROLLING"},
                      {&TForm4::VyrCheckBox4, &TForm1::HiResMode, "HIRES"}};
  for (const Row& on : rows) {
    for (const Row& r : rows) form->*r.field = &r == &on;
    Cancel();
    for (const Row& r : rows) EXPECT_EQ((Form4->*r.box)->GetChecked(), &r == &on) << on.name << " " << r.name;
  }
  // Tab from the speed bar passes OK, Abbruch and the delay bar to box 1.
  const int tabsTo[] = {4, 8, 6, 5, 7};
  for (int i = 0; i < 5; ++i) {
    for (const Row& r : rows) form->*r.field = 0;
    std::vector<int> keys(tabsTo[i], VK_TAB);
    keys.push_back(VK_SPACE);
    keys.push_back(VK_RETURN);
    Settings(keys);
    for (const Row& r : rows) {
      EXPECT_EQ(form->*r.field, &r == &rows[i]) << rows[i].name << " " << r.name;
      EXPECT_EQ(GetInt("SETUP", r.name), &r == &rows[i] ? 1 : 0) << rows[i].name << " " << r.name;
    }
  }
}

TEST_F(SettingsTest, CancelLeavesTheFileAndTheGameAlone) {
  form->ScrollSpeed = 1;
  Settings({VK_RETURN});
  form->SoundOn = 1;
  Settings({VK_RIGHT, VK_TAB, VK_TAB, VK_SPACE});  // the bar moved, then Abbruch
  EXPECT_EQ(form->SoundOn, 1);
  EXPECT_EQ(form->ScrollSpeed, 1);
  EXPECT_EQ(GetInt("SETUP", "SOUND"), 0);
  EXPECT_EQ(GetInt("SETUP", "SCROLLSPEED"), 1);
}

TEST_F(SettingsTest, OkWithMusicOffAndNoTuneEverOpenedShowsNoBox) {
  form->MusicOn = 0;
  Settings({VK_RETURN});
  EXPECT_TRUE(app->boxes().empty());
}

}  // namespace
