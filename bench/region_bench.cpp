// bench-libs: morvant_gdi
// Regions as a window manager builds them: checkerboards of many rectangles
// united one CombineRgn at a time, and the four operations on two of them.
// BM_RegionAddRects is meant to grow linearly: four times the rectangles,
// at most about 4.5 times the time.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "gdi.h"

namespace {

// The C library would hand the freed region back to the system after each
// iteration and fault it in again in the next; on this machine that costs
// more than building the region. Keeping the heap measures the region code.
const bool kHeapKept = [] {
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  return true;
}();

constexpr int kCell = 8;

// The dark squares of a checkerboard `columns` wide, row by row, as one
// region; the board is shifted by (dx, dy).
HRGN Checkerboard(int count, int dx = 0, int dy = 0) {
  const int columns = 50;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  HRGN square = CreateRectRgn(0, 0, 0, 0);
  for (int n = 0; n < count; ++n) {
    const int row = n / (columns / 2), column = 2 * (n % (columns / 2)) + row % 2;
    SetRectRgn(square, dx + column * kCell, dy + row * kCell, dx + (column + 1) * kCell, dy + (row + 1) * kCell);
    CombineRgn(region, region, square, RGN_OR);
  }
  DeleteObject(square);
  return region;
}

void BM_RegionAddRects(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    HRGN region = Checkerboard(count);
    benchmark::DoNotOptimize(region);
    DeleteObject(region);
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_RegionAddRects)->Arg(1250)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Two boards of 1,250 squares, the second moved by half a square.
void BM_RegionCombine(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  HRGN a = Checkerboard(1250), b = Checkerboard(1250, kCell / 2, kCell / 2);
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  for (auto _ : state) benchmark::DoNotOptimize(CombineRgn(out, a, b, mode));
  DeleteObject(out);
  DeleteObject(a);
  DeleteObject(b);
}
BENCHMARK(BM_RegionCombine)
    ->ArgName("mode")
    ->Arg(RGN_AND)
    ->Arg(RGN_OR)
    ->Arg(RGN_XOR)
    ->Arg(RGN_DIFF)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
