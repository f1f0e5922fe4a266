// The settings dialog from the menu: what it shows of the game's state, and
// what OK and Abbruch leave in the game and the registry file.
#include <algorithm>
#include <functional>

#include "audio_recording_host.h"
#include "main_window_fixture.h"
#include "window_internal.h"
#include "window_pos.h"

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

  // How often the main window reached the screen during one step right.
  int PresentsOfAStep() {
    const Backend::HostWindowId id = WindowManager::Find(form->GetHandle())->Host;
    const int before = app->host().PresentCount(id);
    Key(VK_RIGHT);
    return app->host().PresentCount(id) - before;
  }

  // A screen point on the dialog's close box, found by asking its frame.
  TPoint CloseBox() {
    RECT r;
    GetWindowRect(Form4->GetHandle(), &r);
    for (int y = r.top; y < r.top + 40; ++y)
      for (int x = r.right - 1; x > r.right - 80; --x)
        if (SendMessage(Form4->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return TPoint(x, y);
    ADD_FAILURE() << "no close box on the settings dialog";
    return TPoint(0, 0);
  }
};

// The same with the game on a host whose media calls are logged.
class SettingsMusicTest : public SettingsTest {
 protected:
  void SetUp() override {
    auto owned = std::make_unique<AudioRecordingHost>();
    audio = owned.get();
    Boot({TRect(0, 0, 1024, 768)}, std::move(owned));
    std::filesystem::copy_file(std::string(MORVANT_DATA_SOURCE) + "/midi7.mid", folder + "midi7.mid");
    SetBool("SETUP", "MUSIK", true);
    Open();
  }
  // How often the player asked the host to play a tune.
  int Opened() const {
    return static_cast<int>(std::count_if(audio->Calls.begin(), audio->Calls.end(),
                                          [](const std::string& c) { return c.rfind("PlayMidi", 0) == 0; }));
  }

  AudioRecordingHost* audio = nullptr;
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

TEST_F(SettingsTest, OkStoresThePositionsPowersAndFiftiesAsNumbers) {
  const struct {
    int speed, delay;
    std::vector<int> keys;
    int storedSpeed, storedDelay;
  } cases[] = {
      {5, 730, {VK_RETURN}, 1, 500},  // first showing: the bar at 0, the delay capped
      {1, 0, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN}, 8, 0},
      {2, 120, {VK_TAB, VK_TAB, VK_TAB, VK_LEFT, VK_RETURN}, 2, 50},
  };
  for (const auto& c : cases) {
    form->ScrollSpeed = c.speed;
    form->ReplayDelay = c.delay;
    Settings(c.keys);
    EXPECT_EQ(form->ScrollSpeed, c.storedSpeed) << c.speed;
    EXPECT_EQ(form->ReplayDelay, c.storedDelay) << c.delay;
    EXPECT_EQ(GetInt("SETUP", "SCROLLSPEED"), c.storedSpeed) << c.speed;
    EXPECT_EQ(GetInt("SETUP", "DELAY"), c.storedDelay) << c.delay;
  }
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

TEST_F(SettingsTest, AbbruchAndTheCloseBoxChangeNeitherTheFileNorTheGame) {
  form->ScrollSpeed = 2;
  form->ReplayDelay = 100;
  Settings({VK_RETURN});  // the file holds every value now
  const std::string stored = RegistryFileBytes();
  ASSERT_FALSE(stored.empty());
  const struct {
    const char* way;
    std::function<void()> close;
  } ways[] = {
      {"Abbruch", [&] { app->click(Form4->Button2, 10, 10); }},
      {"Alt+F4", [&] { app->key(VK_F4, Backend::modAlt); }},
      {"close box", [&] {
         const TPoint p = CloseBox();
         app->host().PostClick(p.x, p.y);
       }},
  };
  for (const auto& w : ways) {
    // The bar moved by key and a box ticked by the mouse, then left.
    Form4->SetActiveControl(Form4->VyrTrackBar1);
    app->key(VK_RIGHT);
    app->click(Form4->VyrCheckBox1, Form4->VyrCheckBox1->GetWidth() / 2, Form4->VyrCheckBox1->GetHeight() / 2);
    w.close();
    form->Einstellungen1Click(nullptr);
    app->pump();
    EXPECT_FALSE(Form4->GetVisible()) << w.way;
    EXPECT_TRUE(Form4->VyrCheckBox1->GetChecked() && Form4->VyrTrackBar1->GetPosition() == 2)
        << w.way << ": changed in the dialog";
    EXPECT_EQ(RegistryFileBytes(), stored) << w.way;
    EXPECT_EQ(form->ScrollSpeed, 2) << w.way;
    EXPECT_EQ(form->ReplayDelay, 100) << w.way;
    EXPECT_EQ(form->SoundOn, 0) << w.way;
    EXPECT_EQ(form->Steps, 0) << w.way << ": no key reached the game";
  }
}

TEST_F(SettingsTest, TabVisitsTheControlsInTheirOrderAndWraps) {
  Form4->Show();
  Form4->SetActiveControl(Form4->VyrTrackBar1);
  app->pump();
  const TWinControl* order[] = {Form4->Button1,      Form4->Button2,      Form4->VyrTrackBar2, Form4->VyrCheckBox1,
                                Form4->VyrCheckBox2, Form4->VyrCheckBox3, Form4->VyrCheckBox4, Form4->VyrCheckBox5,
                                Form4->VyrTrackBar1};
  for (const TWinControl* next : order) {
    Key(VK_TAB);
    EXPECT_EQ(Form4->GetActiveControl(), next) << next->GetName().c_str();
  }
  Form4->Hide();
}

TEST_F(SettingsTest, ArrowsStepTheBarsSpaceTogglesABoxAndEnterConfirms) {
  form->ScrollSpeed = 2;
  form->ReplayDelay = 100;
  // Right on the speed bar, Right on the delay bar, space on box 1, and
  // Enter with the box still holding the keyboard.
  Settings({VK_RIGHT, VK_TAB, VK_TAB, VK_TAB, VK_RIGHT, VK_TAB, VK_SPACE, VK_RETURN});
  EXPECT_EQ(form->ScrollSpeed, 4);
  EXPECT_EQ(form->ReplayDelay, 150);
  EXPECT_EQ(form->SoundOn, 1);
  EXPECT_EQ(GetInt("SETUP", "SOUND"), 1);
}

TEST_F(SettingsTest, TheNextStepSlidesAtTheConfirmedSpeed) {
  form->ScrollSpeed = 1;
  Settings({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN});  // position 5
  ASSERT_EQ(form->ScrollSpeed, 32);
  const int confirmed = PresentsOfAStep();
  EXPECT_EQ(form->PlayerX, 2);
  EXPECT_EQ(form->SpriteOffsetX, 0);
  // The same first step in a fresh game at speeds set directly: each frame
  // reaches the screen, so the confirmed step shows as few frames as 32's.
  auto stepAt = [&](int speed) {
    Boot();
    Open();
    form->ScrollSpeed = speed;
    return PresentsOfAStep();
  };
  const int at16 = stepAt(16), at32 = stepAt(32);
  EXPECT_EQ(confirmed, at32);
  EXPECT_LT(confirmed, at16);
}

TEST_F(SettingsMusicTest, SwitchingMusicOffStopsThePlayingTune) {
  form->Timer2Timer(form);
  ASSERT_EQ(form->MediaPlayer1->GetMode(), mpPlaying);
  Settings({VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_SPACE, VK_RETURN});  // box 5
  ASSERT_EQ(form->MusicOn, 0);
  EXPECT_EQ(audio->Calls.back(), "StopMidi");
  EXPECT_NE(form->MediaPlayer1->GetMode(), mpPlaying);
  const int opened = Opened();
  form->Timer2Timer(form);
  EXPECT_EQ(Opened(), opened);
}

TEST_F(SettingsMusicTest, OkWithMusicOnTriesAgainAfterAFailedTune) {
  audio->HasSynthesizer = false;
  form->Timer2Timer(form);
  ASSERT_NE(form->MediaPlayer1->GetMode(), mpPlaying);
  audio->HasSynthesizer = true;
  form->Timer2Timer(form);
  EXPECT_NE(form->MediaPlayer1->GetMode(), mpPlaying) << "a failed player is left alone";
  Settings({VK_RETURN});
  EXPECT_TRUE(app->boxes().empty());
  form->Timer2Timer(form);
  EXPECT_EQ(form->MediaPlayer1->GetMode(), mpPlaying);
}

TEST_F(SettingsTest, AFailedWriteIsShownAndTheNewSettingsActAnyway) {
  // A plain file where the registry's folder belongs: nothing can be written.
  const std::filesystem::path store = std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "morvant2";
  std::filesystem::remove_all(store);
  std::ofstream(store) << "no folder";
  form->ScrollSpeed = 1;
  form->SoundOn = 0;
  Form4->SetActiveControl(Form4->VyrTrackBar1);
  // From the menu by its access key, as the player opens it, so the error
  // takes the way of every unhandled one.
  app->host().PostKeyDown(VK_MENU, Backend::modAlt);
  app->key('K', Backend::modAlt, "k");
  app->host().PostKeyUp(VK_MENU);
  for (int vk : {VK_RIGHT, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_SPACE, VK_RETURN}) app->key(vk);
  EXPECT_NO_THROW(app->pump());
  EXPECT_EQ(form->Steps, 0) << "every key went to the dialog";
  EXPECT_EQ(form->ScrollSpeed, 2);
  EXPECT_EQ(form->SoundOn, 1);
  ASSERT_EQ(app->boxes().size(), 1u);
  EXPECT_FALSE(app->boxes()[0].Text.empty());
  EXPECT_FALSE(Form4->GetVisible());
}

TEST_F(SettingsTest, OkWithMusicOffAndNoTuneEverOpenedShowsNoBox) {
  form->MusicOn = 0;
  Settings({VK_RETURN});
  EXPECT_TRUE(app->boxes().empty());
}

}  // namespace
