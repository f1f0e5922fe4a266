// The world chooser opened from the menu and answered with keys, as a
// player does it: what it shows of the selected world, and what OK and
// Abbruch do to the game.
#include "main_window_fixture.h"
#include "world_table.h"

namespace {

class WorldChooserTest : public MainWindowTest {
 protected:
  void SetUp() override { Open(); }

  // Opens the chooser with these keys waiting for it.
  void Choose(std::initializer_list<int> keys) {
    for (int vk : keys) app->key(vk);
    form->Spielweltladen1Click(nullptr);
    app->pump();
  }
  std::string Caption(Vyrstdcs::TVyrLabel* label) const { return label->GetCaption().c_str(); }
};

TEST_F(WorldChooserTest, ShowsTheCurrentWorldsRowCountAndSolvedLevels) {
  form->WorldIndex = 14;
  for (const char* level : {"G0", "G7", "G50", "G51"}) SetBool("SCORE14", level, true);
  SetBool("SCORE13", "G1", true);
  Choose({VK_TAB, VK_TAB, VK_SPACE});  // to Abbruch
  EXPECT_EQ(Form3->ListBox1->GetCount(), 27);
  EXPECT_EQ(Form3->ListBox1->GetItemIndex(), 14);
  EXPECT_EQ(std::string(Form3->ListBox1->GetItems()->GetStrings(14).c_str()), "ZUR - (Kistor)");
  EXPECT_EQ(Caption(Form3->VyrLabel3), "15");
  EXPECT_EQ(Form3->ProgressBar1->GetPosition(), 5);
  EXPECT_EQ(Caption(Form3->VyrLabel4), "3");  // G51 lies beyond the counted levels
  EXPECT_FALSE(Form3->GetVisible());
  EXPECT_EQ(form->WorldIndex, 14);
}

TEST_F(WorldChooserTest, MovingInTheListFollowsTheRow) {
  SetBool("SCORE1", "G2", true);
  Choose({VK_DOWN, VK_TAB, VK_TAB, VK_SPACE});
  EXPECT_EQ(Form3->ListBox1->GetItemIndex(), 1);
  EXPECT_EQ(Caption(Form3->VyrLabel3), Game::WorldTable[1].LevelCountText);
  EXPECT_EQ(Form3->ProgressBar1->GetPosition(), Game::WorldTable[1].Difficulty);
  EXPECT_EQ(Caption(Form3->VyrLabel4), "1");
  EXPECT_EQ(form->WorldIndex, 0);  // cancelled
}

TEST_F(WorldChooserTest, AClickOnARowFollowsItAndOkLoadsThatWorld) {
  SetBool("SCORE3", "G4", true);
  SetBool("SCORE3", "G5", true);
  const int row = 3, itemHeight = Form3->ListBox1->GetItemHeight();
  app->click(Form3->ListBox1, 20, row * itemHeight + itemHeight / 2);
  Choose({VK_RETURN});
  EXPECT_EQ(Form3->ListBox1->GetItemIndex(), row);
  EXPECT_EQ(Caption(Form3->VyrLabel3), Game::WorldTable[row].LevelCountText);
  EXPECT_EQ(Form3->ProgressBar1->GetPosition(), Game::WorldTable[row].Difficulty);
  EXPECT_EQ(Caption(Form3->VyrLabel4), "2");
  EXPECT_EQ(form->WorldIndex, row);
  EXPECT_EQ(form->LevelNumber, 1);
}

TEST_F(WorldChooserTest, OkRestartsTheChosenWorldAtItsFirstLevel) {
  Key(VK_RIGHT);
  form->LevelNumber = 2;
  Choose({VK_RETURN});
  EXPECT_EQ(form->WorldIndex, 0);
  EXPECT_EQ(form->LevelNumber, 1);
  EXPECT_EQ(form->Steps, 0);
  EXPECT_EQ(form->PlayerX, 1);
}

TEST_F(WorldChooserTest, AWorldChosenDuringAStepLoadsWholeAndTheStepDrawsNothingOverIt) {
  auto view = [&] {
    std::vector<TColor> pixels;
    TCanvas* canvas = form->Image4->GetCanvas();
    for (int y = 0; y < form->Image4->GetHeight(); ++y)
      for (int x = 0; x < form->Image4->GetWidth(); ++x) pixels.push_back(canvas->GetPixels(x, y));
    return pixels;
  };
  const std::vector<TColor> fresh = view();
  Key(VK_RIGHT);
  // The next step slides slowly; while it pumps messages (its key's
  // release), the chooser opens and OK takes world 0 again.
  form->ScrollSpeed = 1;
  int offsetWhenChosen = 0;
  Application->OnMessage = [&](MSG& m, bool&) {
    if (m.message != WM_KEYUP || offsetWhenChosen) return;
    offsetWhenChosen = form->SpriteOffsetX;
    app->key(VK_RETURN);
    form->Spielweltladen1Click(nullptr);
  };
  Key(VK_RIGHT);
  Application->OnMessage = nullptr;
  ASSERT_NE(offsetWhenChosen, 0) << "the chooser opened in the middle of the step";
  EXPECT_EQ(form->LevelNumber, 1);
  EXPECT_EQ(form->PlayerX, 1);
  EXPECT_EQ(form->Steps, 0);
  EXPECT_EQ(form->SpriteOffsetX, 0);
  EXPECT_EQ(form->ViewOffsetX, 0);
  const std::vector<TColor> shown = view();
  ASSERT_EQ(shown.size(), fresh.size());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != fresh[i];
  EXPECT_EQ(differing, 0u) << "pixels of the view unlike a freshly loaded level";
}

TEST_F(WorldChooserTest, CancelLoadsNothing) {
  Key(VK_RIGHT);
  form->LevelNumber = 2;
  const int moves = GetInt("STAT", "ZUEGE", 0), attempts = GetInt("STAT", "VERSUCHE", 0);
  Choose({VK_TAB, VK_TAB, VK_SPACE});
  EXPECT_EQ(form->LevelNumber, 2);
  EXPECT_EQ(form->Steps, 1);
  EXPECT_EQ(GetInt("STAT", "ZUEGE", 0), moves);
  EXPECT_EQ(GetInt("STAT", "VERSUCHE", 0), attempts);
}

TEST_F(WorldChooserTest, AStaleWorldSelectsNothingAndOkChoosesTheFirst) {
  form->WorldIndex = 40;
  Form3->VyrLabel3->SetCaption("x");
  SetBool("SCORE-1", "G1", true);
  Choose({VK_RETURN});
  EXPECT_EQ(Form3->ListBox1->GetItemIndex(), -1);
  EXPECT_EQ(Caption(Form3->VyrLabel3), "x");
  EXPECT_EQ(form->WorldIndex, 0);
  EXPECT_EQ(form->LevelNumber, 1);
}

TEST_F(WorldChooserTest, DoesNothingWhileAReplayRuns) {
  form->ReplayRunning = 1;
  form->Spielweltladen1Click(nullptr);
  EXPECT_EQ(Form3->ListBox1->GetCount(), 0);
  EXPECT_FALSE(Form3->GetVisible());
  form->ReplayRunning = 0;
}

}  // namespace
