#include "move_rules.h"

#include <algorithm>
#include <vector>

#include "game_fixture.h"

using namespace Game;

class MoveRules : public GameFixture {};

TEST_F(MoveRules, ArrowMovesAgainstEachKindOfCell) {
  struct Case {
    const char* what;
    int t, b;             // the cell entered and the one beyond, right of the figure
    int keyHeld;          // index of a held key, or -1
    int tAfter, bAfter;   // cells afterwards
    int xAfter;           // the figure's column afterwards
    int event;            // EventLog[0]
    std::vector<int> sounds;
    bool tail;            // the common tail ran (counters shown)
  } cases[] = {
      {"empty floor", 1, 1, -1, 1, 1, 6, eNone, {}, true},
      {"goal", 2, 1, -1, 2, 1, 6, eNone, {}, true},
      {"unknown code is walkable", 45, 1, -1, 45, 1, 6, eNone, {}, true},
      {"wall", 30, 1, -1, 30, 1, 5, eNone, {sndWall}, false},
      {"closed gate", 35, 1, -1, 35, 1, 5, eNone, {sndWall}, false},
      {"door without key", 38, 1, -1, 38, 1, 5, eNone, {}, false},
      {"door with key", 38, 1, 1, 1, 1, 6, 11, {sndDoorOrGate}, true},
      {"box onto floor", 10, 1, -1, 1, 10, 6, eBoxFloorToFloor, {sndBoxPushed}, true},
      {"box onto goal", 10, 2, -1, 1, 3, 6, eBoxFloorToGoal, {sndBoxPushed}, true},
      {"box off goal onto floor", 3, 1, -1, 2, 10, 6, eBoxGoalToFloor, {sndBoxPushed}, true},
      {"box from goal to goal", 3, 2, -1, 2, 3, 6, eBoxGoalToGoal, {sndBoxPushed}, true},
      {"box against wall", 10, 30, -1, 10, 30, 5, eNone, {}, false},
      {"box against key", 10, 20, -1, 10, 20, 5, eNone, {}, false},
      {"box against box", 10, 10, -1, 10, 10, 5, eNone, {}, false},
      {"box against open gate", 10, 99, -1, 10, 99, 5, eNone, {}, false},
      {"key 2", 21, 1, -1, 1, 1, 6, 7, {sndKey}, true},
      {"exit item", 80, 1, -1, 1, 1, 6, eExitTaken, {sndExitItem}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameFixture::SetUp();
    auto state = std::make_unique<TGameState>(s);
    TGameState& st = *state;
    RecordingHost h(st);
    st.Cells[0][6][5] = c.t;
    st.Cells[0][7][5] = c.b;
    // A box elsewhere keeps every gate as it is.
    st.Cells[0][20][20] = cBox;
    st.ExitsTotal = 2;  // taking an exit item does not solve the level here
    if (c.keyHeld >= 0) st.KeyHeld[c.keyHeld] = 1;

    HandleKey(st, h, kKeyRight);

    EXPECT_EQ(st.Cells[0][6][5], c.tAfter);
    EXPECT_EQ(st.Cells[0][7][5], c.bAfter);
    EXPECT_EQ(st.PlayerX, c.xAfter);
    EXPECT_EQ(st.EventLog[0], c.event);
    EXPECT_EQ(st.Steps, c.xAfter == 6 ? 1 : 0);
    EXPECT_EQ(st.MoveLog[0], c.xAfter == 6 ? mRight : mEnd);
    EXPECT_EQ(h.sounds, c.sounds);
    EXPECT_EQ(h.counterUpdates > 0, c.tail);
    if (c.keyHeld >= 0) {
      EXPECT_EQ(st.KeyHeld[c.keyHeld], 1) << "a door leaves its key held";
    }
  }
}

TEST_F(MoveRules, BoardEdgeRunsTheTailWithoutAStep) {
  s.PlayerX = 49;
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(s.PlayerX, 49);
  EXPECT_EQ(s.Steps, 0);
  EXPECT_EQ(host.counterUpdates, 1);
  // A box on the edge cannot be pushed off the board.
  s.PlayerX = 48;
  Cell(49, 5) = cBox;
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(s.PlayerX, 48);
  EXPECT_EQ(Cell(49, 5), cBox);
}

TEST_F(MoveRules, ARefusedLeftMoveStillTurnsTheFigure) {
  Cell(4, 5) = cWall;
  HandleKey(s, host, kKeyLeft);
  EXPECT_EQ(s.FacingRight, 0);
  EXPECT_EQ(s.PlayerX, 5);
}

TEST_F(MoveRules, AFullLogRefusesMovesButStillTurns) {
  s.Steps = kLogSize;
  s.FacingRight = 1;
  HandleKey(s, host, kKeyLeft);
  EXPECT_EQ(s.FacingRight, 0);
  EXPECT_EQ(s.PlayerX, 5);
  EXPECT_EQ(host.counterUpdates, 0);
  Cell(5, 5) = cStairsBoth;
  HandleKey(s, host, kKeyPageDown);
  EXPECT_EQ(s.Floor, 0);
  EXPECT_EQ(s.Steps, kLogSize);
}

TEST_F(MoveRules, StairMoves) {
  struct Case {
    int here, floor, key;
    int floorAfter;
  } cases[] = {
      {cStairsBoth, 0, kKeyPageDown, 1}, {cStairsBoth, 1, kKeyPageUp, 0}, {cStairsDown, 1, kKeyPageDown, 2},
      {cStairsUp, 1, kKeyPageUp, 0},     {cStairsUp, 0, kKeyPageDown, 0},  {cStairsDown, 1, kKeyPageUp, 1},
      {cStairsBoth, 0, kKeyPageUp, 0},   {cStairsBoth, 2, kKeyPageDown, 2}, {cEmpty, 0, kKeyPageDown, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.here * 100 + c.floor * 10 + c.key);
    auto state = std::make_unique<TGameState>(s);
    RecordingHost h(*state);
    state->Floor = c.floor;
    state->Cells[c.floor][5][5] = c.here;
    HandleKey(*state, h, c.key);
    EXPECT_EQ(state->Floor, c.floorAfter);
    const bool moved = c.floorAfter != c.floor;
    EXPECT_EQ(state->Steps, moved ? 1 : 0);
    EXPECT_EQ(state->MoveLog[0], moved ? (c.key == kKeyPageDown ? mFloorDown : mFloorUp) : 0);
    EXPECT_EQ(h.sounds, moved ? std::vector<int>{sndFloorChange} : std::vector<int>{});
  }
}

TEST_F(MoveRules, TeleportersLeadToTheLastPartnerInColumnOrder) {
  struct Case {
    std::vector<std::pair<int, int>> partners;
    int x, y;  // where the figure ends
  } cases[] = {
      {{}, 0, 0},                          // a lone teleporter leads to (0, 0)
      {{{30, 2}}, 30, 2},                  // a pair
      {{{30, 2}, {12, 40}}, 30, 2},        // three: highest column wins
      {{{30, 2}, {30, 9}}, 30, 9},         // same column: highest row
  };
  for (const Case& c : cases) {
    auto state = std::make_unique<TGameState>(s);
    RecordingHost h(*state);
    state->Cells[0][6][5] = cTeleporter1 + 1;
    for (auto [x, y] : c.partners) state->Cells[0][x][y] = cTeleporter1 + 1;
    HandleKey(*state, h, kKeyRight);
    EXPECT_EQ(state->PlayerX, c.x);
    EXPECT_EQ(state->PlayerY, c.y);
    EXPECT_EQ(h.sounds, std::vector<int>{sndTeleport});
    EXPECT_EQ(state->Steps, 1) << "a teleport is not a step";
  }
}

TEST_F(MoveRules, GatesOpenWhenTheLastBoxReachesAGoal) {
  Cell(6, 5) = cBox;
  Cell(7, 5) = cGoal;
  Cell(10, 10) = cClosedGate;
  Cell(11, 10) = cClosedGate;
  Cell(12, 10, 1) = cClosedGate;  // another floor stays as it is
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(Cell(10, 10), cOpenGate);
  EXPECT_EQ(Cell(11, 10), cOpenGate);
  EXPECT_EQ(Cell(12, 10, 1), cClosedGate);
  EXPECT_EQ(host.sounds, (std::vector<int>{sndBoxPushed, sndDoorOrGate, sndDoorOrGate}));

  // Pushing it off the goal closes them again, one sound a gate.
  host.sounds.clear();
  s.PlayerX = 5;
  Cell(5, 5) = cEmpty;
  Cell(6, 5) = cBoxOnGoal;
  Cell(7, 5) = cEmpty;
  HandleKey(s, host, kKeyRight);
  EXPECT_EQ(Cell(10, 10), cClosedGate);
  EXPECT_EQ(host.sounds, (std::vector<int>{sndBoxPushed, sndDoorOrGate, sndDoorOrGate}));
}

TEST_F(MoveRules, AReplayAnnouncesOpeningGatesOnce) {
  Cell(6, 5) = cBox;
  Cell(7, 5) = cGoal;
  Cell(10, 10) = cClosedGate;
  Cell(11, 10) = cClosedGate;
  ReplayMove(s, host, mRight);
  EXPECT_EQ(Cell(11, 10), cOpenGate);
  EXPECT_EQ(host.sounds, (std::vector<int>{sndBoxPushed, sndDoorOrGate}));
}

TEST_F(MoveRules, AStairMoveBringsTheNewFloorsGatesIntoLine) {
  Cell(5, 5) = cStairsBoth;
  Cell(9, 9, 1) = cClosedGate;
  HandleKey(s, host, kKeyPageDown);
  EXPECT_EQ(Cell(9, 9, 1), cOpenGate);
}

TEST_F(MoveRules, StepAnimationSlidesToRestAtAnySpeed) {
  for (int speed : {1, 5, 8, 32}) {
    auto state = std::make_unique<TGameState>(s);
    RecordingHost h(*state);
    state->ScrollSpeed = speed;
    state->PlayerX = 20;
    HandleKey(*state, h, kKeyRight);
    EXPECT_EQ(state->SpriteOffsetX, 0);
    EXPECT_EQ(state->ViewOffsetX, 0);
    EXPECT_EQ(h.pumps, (32 + speed - 1) / speed) << speed;
  }
}

// A host whose message pump delivers keys the way a held or typed key does:
// `perPump` keys at every pump until `total` have arrived. It measures how
// deep the step animations nest and what the counters showed.
class KeysDuringSteps : public GameFixture {
 protected:
  void Deliver(int total, int perPump) {
    host.onPump = [this, total, perPump] { Pump(total, perPump); };
    ++delivered;
    HandleKey(s, host, kKeyRight);
  }
  void Pump(int total, int perPump) {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    for (int i = 0; i < perPump && delivered < total; ++i, ++delivered) HandleKey(s, host, kKeyRight);
    --depth;
    if (delivered < total) host.onPump = [this, total, perPump] { Pump(total, perPump); };
  }
  int delivered = 0, depth = 0, maxDepth = 0;
};

TEST_F(KeysDuringSteps, AHeldKeyRunsStepAfterStepWithoutNesting) {
  s.ScrollSpeed = 1;  // 32 pumps a step
  s.PlayerX = 1;
  const int countersBefore = host.counterUpdates;
  Deliver(1000, 1);
  EXPECT_EQ(delivered, 1000);
  EXPECT_EQ(maxDepth, 1) << "no key is handled inside a step";
  // 1000 keys at one a frame over 32-frame steps: the first step, then the
  // waiting keys one after another, the repeats beyond them dropped.
  EXPECT_GE(s.Steps, 1000 / 32);
  EXPECT_LE(s.Steps, 1000 / 32 + PendingKeys::kCapacity + 1);
  EXPECT_EQ(s.PlayerX, 1 + s.Steps);
  EXPECT_EQ(host.counterUpdates - countersBefore, s.Steps) << "every step shows its counters";
  EXPECT_TRUE(s.KeysWaiting.Empty());
  EXPECT_FALSE(s.KeysWaiting.handling);
}

TEST_F(KeysDuringSteps, KeysTypedDuringOneStepAllPlay) {
  s.ScrollSpeed = 8;
  s.PlayerX = 1;
  const int typed = PendingKeys::kCapacity + 1;
  Deliver(typed, typed - 1);
  EXPECT_EQ(s.Steps, typed);
  EXPECT_EQ(s.PlayerX, 1 + typed);
  for (int i = 0; i < typed; ++i) EXPECT_EQ(s.MoveLog[i], mRight);
  EXPECT_EQ(maxDepth, 1);
}

TEST_F(KeysDuringSteps, AKeyDuringAReplayStillStopsIt) {
  s.ReplayRunning = 1;
  HandleKey(s, host, kKeyRight);
  EXPECT_TRUE(s.ReplayStopRequested);
  EXPECT_EQ(s.Steps, 0);
  EXPECT_TRUE(s.KeysWaiting.Empty());
}

TEST_F(KeysDuringSteps, KeysWaitingForASolvedLevelDoNotWalkOnTheNext) {
  s.ExitsTotal = 1;
  s.NoEndDialogs = 1;
  Cell(6, 5) = cExitItem;
  s.ScrollSpeed = 8;
  Deliver(5, 4);  // the first key solves; four wait
  EXPECT_EQ(s.PlayerX, 6);
  EXPECT_TRUE(s.KeysWaiting.Empty());
}

TEST_F(MoveRules, ALevelWithoutExitsIsSolvedOnlyWhenItLoaded) {
  s.ExitsTotal = 0;
  s.LevelPlayable = 0;  // the board of a level that did not load
  HandleKey(s, host, kKeyRight);
  EXPECT_TRUE(host.solved.empty());
  EXPECT_TRUE(host.messages.empty());
}
