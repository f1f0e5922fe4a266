#include "level_loader.h"

#include "game_fixture.h"
#include "level_file.h"
#include "level_text.h"
#include "move_rules.h"
#include "view.h"

using namespace Game;

namespace {
const char* kTutorial = "/game/level/tutorial.dat";
}

class LevelLoader : public GameFixture {
 protected:
  void SetUp() override {
    s.WorldIndex = 0;
    s.LevelNumber = 1;
  }
  std::vector<LevelText> ThreeLevels() {
    std::vector<LevelText> levels(3);
    for (int i = 0; i < 3; ++i) {
      levels[i].hint = "Ebene " + std::to_string(i + 1);
      levels[i].playerX = 10 + i;
      levels[i].Cell(0, 2, 2, cExitItem).Cell(2, 3, 3, cExitItem);
    }
    levels[1].hint = "###";
    levels[2].movers = {{4, 4, 1}};
    return levels;
  }
};

TEST_F(LevelLoader, TakesTheWantedLevelByCountingLines) {
  host.files[kTutorial] = WorldFile(ThreeLevels());
  s.LevelNumber = 3;
  s.Steps = 12;
  LoadWorldLevel(s, host);
  EXPECT_EQ(s.PlayerX, 12);
  EXPECT_EQ(host.status, "Hinweis: Ebene 3");
  EXPECT_EQ(host.caption, "TALLIX MORVANT II - Tutorial");
  EXPECT_EQ(s.ExitsTotal, 2) << "exit items of all three floors";
  EXPECT_EQ(s.MoverX[0], 4);
  EXPECT_EQ(s.MoverFloor[0], 1);
  EXPECT_EQ(s.Steps, 0);
  EXPECT_EQ(host.zuege, 12);
  EXPECT_EQ(host.versuche, 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(s.LevelPlayable);

  // The hint of level 3 stands on line 306, whatever lines 2 to 305 hold.
  std::string text = WorldFile(ThreeLevels());
  std::size_t pos = 0;
  for (int line = 1; line < 306; ++line) pos = text.find('\n', pos) + 1;
  EXPECT_EQ(text.substr(pos, 7), "Ebene 3");
}

TEST_F(LevelLoader, HintsAndLineEnds) {
  host.files[kTutorial] = WorldFile(ThreeLevels(), "\r\n");
  s.LevelNumber = 2;
  LoadWorldLevel(s, host);
  EXPECT_EQ(host.status, "") << "### means no hint, also before CR LF";
  std::vector<LevelText> one(1);
  one[0].hint = "Gr\xf6\xdf" "e";  // Windows-1252
  host.files[kTutorial] = WorldFile(one);
  s.LevelNumber = 1;
  LoadWorldLevel(s, host);
  EXPECT_EQ(host.status, "Hinweis: Größe");
}

TEST_F(LevelLoader, PastTheLastLevelLoadsTheLast) {
  host.files[kTutorial] = WorldFile(ThreeLevels());
  s.LevelNumber = 4;
  LoadWorldLevel(s, host);
  EXPECT_EQ(host.messages, std::vector<std::string>{kMsgLastLevelReached});
  EXPECT_EQ(s.LevelNumber, 3);
  EXPECT_EQ(s.PlayerX, 12);
  s.LevelNumber = -2;
  LoadWorldLevel(s, host);
  EXPECT_EQ(s.LevelNumber, 1);
}

TEST_F(LevelLoader, ABadFileLeavesTheBoardAsItWas) {
  std::string good = WorldFile(ThreeLevels());
  std::string overlong = good;
  overlong.insert(overlong.find('\n') + 1, std::string(600, 'x'));
  LevelText offBoard;
  offBoard.playerX = 50;
  LevelText moverOffBoard;
  moverOffBoard.movers = {{3, 3, 3}};
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"ends early", good.substr(0, good.size() / 3)},
      {"text where a number belongs", "1\nhint\n1 2 drei 4\n"},
      {"overlong hint", overlong},
      {"figure off the board", WorldFile({offBoard})},
      {"mover on a fourth floor", WorldFile({moverOffBoard})},
      {"number out of range", "1\nhint\n99999999999 1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Cell(7, 7) = 45;  // the previous level's board
    s.PlayerX = 7;
    host.messages.clear();
    host.files[kTutorial] = c.text;
    s.LevelNumber = 1;
    LoadWorldLevel(s, host);
    EXPECT_EQ(host.messages, std::vector<std::string>{kMsgLevelFileUnreadable});
    EXPECT_EQ(Cell(7, 7), 45);
    EXPECT_EQ(s.PlayerX, 7);
    EXPECT_FALSE(s.LevelPlayable);
  }
}

TEST_F(LevelLoader, MissingWorldsAndWorldsOutOfRange) {
  host.caption = "before";
  s.WorldIndex = 27;
  LoadWorldLevel(s, host);
  EXPECT_EQ(host.messages, std::vector<std::string>{kMsgLevelFileUnreadable});
  EXPECT_EQ(host.caption, "before");
  s.WorldIndex = 5;
  LoadWorldLevel(s, host);
  EXPECT_EQ(host.caption, "TALLIX MORVANT II - Box Terror 1");
  EXPECT_EQ(host.messages.size(), 2u);
  // An empty world reads nothing and offers no level to solve.
  host.files[kTutorial] = "0\n";
  s.WorldIndex = 0;
  LoadWorldLevel(s, host);
  EXPECT_EQ(s.LevelNumber, 0);
  EXPECT_EQ(host.messages.back(), kMsgLastLevelReached);
  EXPECT_FALSE(s.LevelPlayable);
}

TEST_F(LevelLoader, EditorLevels) {
  LevelText l;
  l.playerX = 9;
  host.files["/tmp/x.dat"] = EditorFile(l);
  s.Steps = 4;
  s.LevelNumber = 0;
  LoadEditorLevel(s, host, "/tmp/x.dat");
  EXPECT_EQ(s.PlayerX, 9);
  EXPECT_EQ(s.EditorLevel, 1);
  EXPECT_EQ(s.LevelNumber, 1);
  EXPECT_EQ(host.caption, "TALLIX MORVANT II - /tmp/x.dat");
  EXPECT_EQ(host.status, "Editor Spielebene");
  EXPECT_EQ(host.zuege, 0) << "editor levels count no statistics";
  EXPECT_EQ(s.Steps, 0);
}

TEST_F(LevelLoader, AFailedEditorLoadKeepsTheLevelBefore) {
  LevelText good;
  good.playerX = 9;
  good.Cell(0, 12, 5, cExitItem);
  host.files["/tmp/good.dat"] = EditorFile(good);
  host.files["/tmp/bad.dat"] = "not a level";
  for (bool editorBefore : {true, false}) {
    SCOPED_TRACE(editorBefore ? "editor level before" : "world level before");
    auto state = std::make_unique<TGameState>(s);
    TGameState& st = *state;
    RecordingHost h(st);
    h.files = host.files;
    h.files[kTutorial] = WorldFile(ThreeLevels());
    if (editorBefore) ASSERT_TRUE(LoadEditorLevel(st, h, "/tmp/good.dat"));
    else LoadWorldLevel(st, h);
    HandleKey(st, h, kKeyRight);
    const std::string caption = h.caption;
    const int x = st.PlayerX, steps = st.Steps;

    for (const char* bad : {"/tmp/bad.dat", "/tmp/missing.dat"}) EXPECT_FALSE(LoadEditorLevel(st, h, bad));
    EXPECT_EQ(h.messages, (std::vector<std::string>{kMsgLevelFileUnreadable, kMsgLevelFileUnreadable}));
    EXPECT_EQ(h.caption, caption);
    EXPECT_EQ(st.EditorLevel, editorBefore ? 1 : 0);
    EXPECT_EQ(st.PlayerX, x);
    EXPECT_EQ(st.Steps, steps);
    EXPECT_TRUE(st.LevelPlayable);

    // Still playable, and F2 starts that level again without a message.
    HandleKey(st, h, kKeyRight);
    EXPECT_EQ(st.PlayerX, x + 1);
    HandleKey(st, h, kKeyF2);
    EXPECT_EQ(st.PlayerX, editorBefore ? 9 : 10);
    EXPECT_EQ(st.Steps, 0);
    EXPECT_EQ(h.messages.size(), 2u);
  }
}

TEST_F(LevelLoader, FitsInViewPerViewMode) {
  struct Case {
    int viewMode, x, y;
    bool fits;
  } cases[] = {{0, 19, 14, true}, {0, 20, 0, false}, {0, 0, 15, false}, {2, 24, 19, true}, {2, 25, 19, false}};
  for (const Case& c : cases) {
    auto state = std::make_unique<TGameState>(s);
    state->AvoidScrolling = 1;
    state->ViewMode = c.viewMode;
    state->PlayerX = 0, state->PlayerY = 0;
    state->Cells[2][c.x][c.y] = cWall;
    EXPECT_EQ(ComputeFitsInView(*state), c.fits) << c.viewMode << " " << c.x << "," << c.y;
    state->AvoidScrolling = 0;
    EXPECT_FALSE(ComputeFitsInView(*state));
  }
}
