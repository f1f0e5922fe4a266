// The game goes on behind a dialog: its movers and its music keep their
// timers while the statistics are open.
#include <filesystem>
#include <functional>

#include "clock.h"
#include "level_text.h"
#include "main_window_fixture.h"
#include "ttimer.h"

namespace {

class DialogTimersTest : public MainWindowTest {
 protected:
  // Runs `look` from a timer of the test's own at each of these moments
  // (milliseconds from now) while the statistics are open, and closes them
  // after the last.
  void WhileStatisticsOpen(std::vector<unsigned> moments, const std::function<void()>& look) {
    TTimer* probe = TObject::Create<TTimer>(Application);
    std::size_t next = 0;
    unsigned elapsed = 0;
    probe->SetInterval(moments[0]);
    probe->SetOnTimer([&](TObject*) {
      look();
      elapsed = moments[next];
      if (++next == moments.size()) {
        probe->SetEnabled(false);
        Form6->SetModalResult(mrOk);
      } else {
        probe->SetInterval(moments[next] - elapsed);
      }
    });
    form->Statistik1Click(nullptr);
    probe->Free();
  }
};

TEST_F(DialogTimersTest, MoversCatchTheFigureAndMusicStartsBehindTheStatistics) {
  Boot();
  LevelText level;  // no movers of its own, an exit item far off
  level.Cell(0, 40, 40, 80);
  WriteFile("level/tutorial.dat", WorldFile({level}));
  std::filesystem::copy_file(std::string(MORVANT_DATA_SOURCE) + "/midi7.mid", folder + "midi7.mid");
  SetBool("SETUP", "MUSIK", true);
  Open();
  Key(VK_RIGHT);
  // A mover that has just stepped onto the figure's cell: its picture is
  // still one cell right of the figure.
  form->MoverX[0] = form->PlayerX;
  form->MoverY[0] = form->PlayerY;
  form->MoverFloor[0] = form->Floor;
  form->MoverOffsetX[0] = 32;

  struct Seen {
    bool dialogOpen;
    std::vector<std::string> boxes;
    int steps, playerX, moverX;
    bool tunePlaying;
  };
  std::vector<Seen> seen;
  WhileStatisticsOpen({260, 20100}, [&] {
    std::vector<std::string> texts;
    for (const auto& box : app->boxes()) texts.push_back(box.Text);
    seen.push_back({Form6->GetVisible(), texts, form->Steps, form->PlayerX, form->MoverX[0],
                    form->MediaPlayer1->GetMode() == mpPlaying});
  });
  ASSERT_EQ(seen.size(), 2u);
  // A quarter second in: the loss was told over the dialog and the level
  // began again behind it.
  EXPECT_TRUE(seen[0].dialogOpen);
  EXPECT_EQ(seen[0].boxes, std::vector<std::string>{"Leider Verloren"});
  EXPECT_EQ(seen[0].steps, 0);
  EXPECT_EQ(seen[0].playerX, 1);
  EXPECT_EQ(seen[0].moverX, 0);
  EXPECT_FALSE(seen[0].tunePlaying);
  // Past the music timer's interval: a tune was opened, the dialog still up.
  EXPECT_TRUE(seen[1].dialogOpen);
  EXPECT_TRUE(seen[1].tunePlaying);
  EXPECT_EQ(seen[1].boxes.size(), 1u);
  EXPECT_FALSE(Form6->GetVisible());
}

}  // namespace
