// bench-libs: morvant_game morvant_backend_headless
// The main window's own drawing on the headless host: the whole floor
// rebuilt after a load, a floor change or an undo, and the 5 x 5 cells and
// view copy of one step-animation frame.
#include <benchmark/benchmark.h>

#include "application.h"
#include "game_state.h"
#include "headless_host.h"
#include "main_form.h"
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

TForm1* MakeWindow() {
  static TForm1* form = [] {
    InstallHeadlessHost();
    // Running for the whole program, which ends without finalising them.
    new TUnitStartup(ProgramUnits());
    TForm1* f = nullptr;
    Application->CreateForm(f);
    FillBoard(*f);
    f->RedrawCells(0, 0, kBoardSize, kBoardSize);
    return f;
  }();
  return form;
}

void BM_FullBoardRedraw(benchmark::State& state) {
  TForm1* form = MakeWindow();
  for (auto _ : state) form->RedrawCells(0, 0, kBoardSize, kBoardSize);
  state.SetItemsProcessed(state.iterations() * kBoardSize * kBoardSize);
}
BENCHMARK(BM_FullBoardRedraw)->Unit(benchmark::kMillisecond);

void BM_AnimationFrame(benchmark::State& state) {
  TForm1* form = MakeWindow();
  int offset = 32;
  for (auto _ : state) {
    form->SpriteOffsetX = offset;
    form->ViewOffsetX = offset;
    form->RedrawCells(form->PlayerX - 2, form->PlayerY - 2, form->PlayerX + 3, form->PlayerY + 3);
    offset = offset > 0 ? offset - 8 : 32;
  }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
