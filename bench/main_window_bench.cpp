// bench-libs: morvant_game morvant_backend_headless
// The main window's own drawing on the headless host: the whole floor
// rebuilt after a load, a floor change or an undo (on a synthetic board with
// a picture in every cell, and on the densest shipped level), and the 5 x 5
// cells and view copy of one step-animation frame, alone and with the paint
// and present that put it on the screen.
#include <benchmark/benchmark.h>

#include "application.h"
#include "game_state.h"
#include "headless_host.h"
#include "level_loader.h"
#include "main_form.h"
#include "paths.h"
#include "program_units.h"

namespace {

using namespace Game;

// A board with every kind of picture on it: walls around rooms of floor,
// goals, boxes, keys, doors, stairs, teleporters and exit items.
void FillBoard(TGameState& s) {
  const Integer codes[] = {cEmpty, cGoal, cBoxOnGoal, cBox, cKey1, cWall, cClosedGate, cDoor1, cStairsBoth,
                           cTeleporter1, cExitItem, cEmpty, cEmpty, cEmpty};
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const bool edge = x % 10 == 0 || y % 10 == 0;
      s.Cells[0][x][y] = edge ? cWall : codes[(x * 7 + y * 3) % (sizeof codes / sizeof codes[0])];
    }
  s.PlayerX = 25;
  s.PlayerY = 25;
  s.FacingRight = 1;
  s.ScrollSpeed = 8;
  for (int i = 0; i < kMoverSlots; ++i) {
    s.MoverX[i] = 21 + 2 * i;
    s.MoverY[i] = 24;
  }
}

// The shipped level with the most pictures on its floor: "Still more 1",
// level 7.
constexpr Integer kDensestWorld = 16, kDensestLevel = 7;

TForm1* MakeWindow() {
  static TForm1* form = [] {
    InstallHeadlessHost();
    // Running for the whole program, which ends without finalising them.
    new TUnitStartup(ProgramUnits());
    SetProgramPathForTesting(AnsiString(MORVANT_DATA_SOURCE) + "/morvant2");
    TForm1* f = nullptr;
    Application->CreateForm(f);
    f->Show();
    Application->ProcessMessages();
    return f;
  }();
  return form;
}

TForm1* SyntheticBoard() {
  TForm1* form = MakeWindow();
  FillBoard(*form);
  form->RedrawCells(0, 0, kBoardSize, kBoardSize);
  return form;
}

void BM_FullBoardRedraw(benchmark::State& state) {
  TForm1* form = SyntheticBoard();
  for (auto _ : state) form->RedrawCells(0, 0, kBoardSize, kBoardSize);
  state.SetItemsProcessed(state.iterations() * kBoardSize * kBoardSize);
}
BENCHMARK(BM_FullBoardRedraw)->Unit(benchmark::kMillisecond);

void BM_DensestLevelRedraw(benchmark::State& state) {
  TForm1* form = MakeWindow();
  form->WorldIndex = kDensestWorld;
  form->LevelNumber = kDensestLevel;
  Game::LoadWorldLevel(*form, *form);
  if (!form->LevelPlayable) state.SkipWithError("the densest level did not load");
  for (auto _ : state) form->RedrawCells(0, 0, kBoardSize, kBoardSize);
  state.SetItemsProcessed(state.iterations() * kBoardSize * kBoardSize);
}
BENCHMARK(BM_DensestLevelRedraw)->Unit(benchmark::kMillisecond);

// One frame of a step to the right: the cells around the figure, the figure
// a few pixels on, the view with it.
void StepFrame(TForm1* form, int& offset) {
  form->SpriteOffsetX = offset;
  form->ViewOffsetX = offset;
  form->RedrawCells(form->PlayerX - 2, form->PlayerY - 2, form->PlayerX + 3, form->PlayerY + 3);
  offset = offset > 0 ? offset - 8 : 32;
}

void BM_AnimationFrame(benchmark::State& state) {
  TForm1* form = SyntheticBoard();
  int offset = 32;
  for (auto _ : state) StepFrame(form, offset);
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond);

void BM_AnimationFramePresented(benchmark::State& state) {
  TForm1* form = SyntheticBoard();
  Application->ProcessMessages();
  int offset = 32;
  for (auto _ : state) {
    StepFrame(form, offset);
    Application->ProcessMessages();
  }
}
BENCHMARK(BM_AnimationFramePresented)->Unit(benchmark::kMicrosecond);

}  // namespace
