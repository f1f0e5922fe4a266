#include "undo.h"

#include "game_fixture.h"
#include "move_rules.h"

using namespace Game;

class Undo : public GameFixture {
 protected:
  void SetUp() override { s.ExitsTotal = 2; }
};

TEST_F(Undo, TakesBackEveryKindOfStep) {
  struct Case {
    const char* what;
    int t, b, key;  // cells right of the figure and the key pressed
    int tBack, bBack;
    int sound;  // of the undo
  } cases[] = {
      {"plain step", 1, 1, kKeyRight, 1, 1, -1},
      {"box floor to floor", 10, 1, kKeyRight, 10, 1, sndBoxPushed},
      {"box onto goal", 10, 2, kKeyRight, 10, 2, sndBoxPushed},
      {"box off goal", 3, 1, kKeyRight, 3, 1, sndBoxPushed},
      {"box goal to goal", 3, 2, kKeyRight, 3, 2, sndBoxPushed},
      {"key 2", 21, 1, kKeyRight, 21, 1, sndKey},
      {"exit item", 80, 1, kKeyRight, 80, 1, sndExitItem},
      {"door 3", 39, 1, kKeyRight, 39, 1, sndDoorOrGate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto state = std::make_unique<TGameState>(s);
    TGameState& st = *state;
    RecordingHost h(st);
    st.Cells[0][6][5] = c.t;
    st.Cells[0][7][5] = c.b;
    st.Cells[0][20][20] = cBox;  // keeps gates out of it
    st.KeyHeld[2] = c.t == 39;
    HandleKey(st, h, c.key);
    ASSERT_EQ(st.Steps, 1);
    h.sounds.clear();

    UndoStep(st, h);
    EXPECT_EQ(st.PlayerX, 5);
    EXPECT_EQ(st.Steps, 0);
    EXPECT_EQ(st.Cells[0][6][5], c.tBack);
    EXPECT_EQ(st.Cells[0][7][5], c.bBack);
    EXPECT_EQ(st.MoveLog[0], 0);
    EXPECT_EQ(st.EventLog[0], 0);
    EXPECT_EQ(st.ExitsTaken, 0);
    EXPECT_EQ(st.KeyHeld[1], 0);
    EXPECT_EQ(h.sounds, c.sound < 0 ? std::vector<int>{} : std::vector<int>{c.sound});
    EXPECT_EQ(h.zuege, 1) << "an undo counts as a move";
  }
}

TEST_F(Undo, AFloorChangeAndNothingToTakeBack) {
  UndoStep(s, host);
  EXPECT_EQ(host.zuege, 0);
  Cell(5, 5) = cStairsBoth;
  HandleKey(s, host, kKeyPageDown);
  host.sounds.clear();
  UndoStep(s, host);
  EXPECT_EQ(s.Floor, 0);
  EXPECT_EQ(host.sounds, std::vector<int>{sndFloorChange});
}

TEST_F(Undo, AStepOntoATeleporterMovesBackFromWhereTheTeleportLeft) {
  Cell(6, 5) = cTeleporter1;
  Cell(30, 30) = cTeleporter1;
  HandleKey(s, host, kKeyRight);
  ASSERT_EQ(s.PlayerX, 30);
  UndoStep(s, host);
  EXPECT_EQ(s.PlayerX, 29);
  EXPECT_EQ(s.PlayerY, 30);
}

TEST_F(Undo, ThatWouldLeaveTheBoardIsRefusedWhole) {
  // The teleport put the figure on the left edge; moving back from a right
  // step would leave the board.
  s.PlayerX = 0;
  s.PlayerY = 3;
  s.Steps = 1;
  s.MoveLog[0] = mRight;
  s.EventLog[0] = eBoxFloorToFloor;
  UndoStep(s, host);
  EXPECT_EQ(s.Steps, 1);
  EXPECT_EQ(s.PlayerX, 0);
  EXPECT_EQ(host.zuege, 0);
  EXPECT_TRUE(host.sounds.empty());
  // A floor change that would leave the three floors.
  s.MoveLog[0] = mFloorUp;
  s.EventLog[0] = eNone;
  s.Floor = 2;
  UndoStep(s, host);
  EXPECT_EQ(s.Floor, 2);
  EXPECT_EQ(s.Steps, 1);
}

TEST_F(Undo, NothingDuringAReplay) {
  HandleKey(s, host, kKeyRight);
  s.ReplayRunning = 1;
  UndoStep(s, host);
  EXPECT_EQ(s.Steps, 1);
}
