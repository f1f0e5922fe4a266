// bench-libs: morvant_gdi
// Small copies as the board draws them: 2,500 tiles of 32 x 32 into a
// 1600 x 1600 32-bit bitmap, each beside its reference, the same rows copied
// with memcpy. BM_TileBlit is meant to stay within 1.3 times of
// BM_TileMemcpyRows, BM_TileCopyRect within 1.5 times. The same for 2,500
// cells of 8 x 8, where the cost of a call outweighs its rows.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "bitmap_class.h"
#include "canvas.h"
#include "gdi.h"

namespace {

constexpr int kTile = 32;
constexpr int kTilesPerRow = 50;  // 50 x 50 = 2,500 copies
constexpr int kSheetTiles = 10;   // a sheet of 10 x 10 = 100 cells
constexpr std::int64_t kTiles = std::int64_t{kTilesPerRow} * kTilesPerRow;
constexpr int kSide = kTilesPerRow * kTile;

// The board and the sheet for cells of one size.
template <int Cell>
struct Layout {
  static constexpr int kBoard = kTilesPerRow * Cell;
  static constexpr int kSheet = kSheetTiles * Cell;
  static constexpr std::int64_t kCellBytes = std::int64_t{Cell} * Cell * 4;
  // The sheet cell drawn at board cell (i, j): varied, so that no copy can
  // be folded into a neighbour's.
  static int SheetX(int i, int j) { return ((i * 3 + j) % kSheetTiles) * Cell; }
  static int SheetY(int i, int j) { return ((i + j * 7) % kSheetTiles) * Cell; }
};

void Fill(TBitmap& b, int w, int h) {
  b.SetPixelFormat(pf32bit);
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.GetScanLine(y)[x] = static_cast<Pixel>((x * 2654435761u) ^ (y * 40503u)) & kPixelMask;
}

// The mask of a figure: black (keep the sprite) in a disc, white around it.
void FillMask(TBitmap& b) {
  b.SetPixelFormat(pf32bit);
  b.SetSize(kTile, kTile);
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const int dx = 2 * x - kTile + 1, dy = 2 * y - kTile + 1;
      b.GetScanLine(y)[x] = dx * dx + dy * dy < kTile * kTile ? 0 : kPixelMask;
    }
}

template <int Cell>
void MemcpyRows(benchmark::State& state) {
  using L = Layout<Cell>;
  std::vector<std::uint32_t> sheet(static_cast<std::size_t>(L::kSheet) * L::kSheet, 0x123456);
  std::vector<std::uint32_t> board(static_cast<std::size_t>(L::kBoard) * L::kBoard);
  for (auto _ : state) {
    for (int j = 0; j < kTilesPerRow; ++j)
      for (int i = 0; i < kTilesPerRow; ++i) {
        const std::uint32_t* from =
            sheet.data() + static_cast<std::size_t>(L::SheetY(i, j)) * L::kSheet + L::SheetX(i, j);
        std::uint32_t* to = board.data() + static_cast<std::size_t>(j * Cell) * L::kBoard + i * Cell;
        for (int r = 0; r < Cell; ++r) std::memcpy(to + r * L::kBoard, from + r * L::kSheet, Cell * 4);
      }
    benchmark::DoNotOptimize(board.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTiles * L::kCellBytes);
}

// 2,500 cells from the sheet onto the board each iteration, through the
// copy that `prepare` makes for the two bitmaps.
template <int Cell, class Prepare>
void CopyCells(benchmark::State& state, Prepare&& prepare) {
  using L = Layout<Cell>;
  TBitmap sheet, board;
  Fill(sheet, L::kSheet, L::kSheet);
  Fill(board, L::kBoard, L::kBoard);
  auto copy = prepare(sheet, board);
  for (auto _ : state) {
    for (int j = 0; j < kTilesPerRow; ++j)
      for (int i = 0; i < kTilesPerRow; ++i) copy(i * Cell, j * Cell, L::SheetX(i, j), L::SheetY(i, j));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTiles * L::kCellBytes);
}

template <int Cell>
void Blits(benchmark::State& state) {
  CopyCells<Cell>(state, [](TBitmap& sheet, TBitmap& board) {
    HDC from = sheet.GetCanvas()->GetHandle(), to = board.GetCanvas()->GetHandle();
    return [=](int x, int y, int sx, int sy) { BitBlt(to, x, y, Cell, Cell, from, sx, sy, SRCCOPY); };
  });
}

template <int Cell>
void CopyRects(benchmark::State& state) {
  CopyCells<Cell>(state, [](TBitmap& sheet, TBitmap& board) {
    TCanvas *from = sheet.GetCanvas(), *to = board.GetCanvas();
    return [=](int x, int y, int sx, int sy) {
      to->CopyRect(TRect(x, y, x + Cell, y + Cell), from, TRect(sx, sy, sx + Cell, sy + Cell));
    };
  });
}

void BM_TileMemcpyRows(benchmark::State& state) { MemcpyRows<kTile>(state); }
void BM_TileBlit(benchmark::State& state) { Blits<kTile>(state); }
void BM_TileCopyRect(benchmark::State& state) { CopyRects<kTile>(state); }

// Cells of 8 x 8 (glyph cells, LED segments): the bytes are a sixteenth of a
// tile's, so what one call costs besides its rows shows here most.
void BM_CellMemcpyRows(benchmark::State& state) { MemcpyRows<8>(state); }
void BM_CellBlit(benchmark::State& state) { Blits<8>(state); }
void BM_CellCopyRect(benchmark::State& state) { CopyRects<8>(state); }

// A figure as the game draws it: the AND mask, then the OR sprite, both
// through the canvas's copy mode.
void BM_SpriteMasked(benchmark::State& state) {
  TBitmap sprite, mask, board;
  Fill(sprite, kTile, kTile);
  FillMask(mask);
  Fill(board, kSide, kSide);
  TCanvas* to = board.GetCanvas();
  const TRect tile(0, 0, kTile, kTile);
  for (auto _ : state) {
    for (int j = 0; j < kTilesPerRow; ++j)
      for (int i = 0; i < kTilesPerRow; ++i) {
        const TRect dest(i * kTile, j * kTile, i * kTile + kTile, j * kTile + kTile);
        to->SetCopyMode(cmSrcAnd);
        to->CopyRect(dest, mask.GetCanvas(), tile);
        to->SetCopyMode(cmSrcPaint);
        to->CopyRect(dest, sprite.GetCanvas(), tile);
      }
    to->SetCopyMode(cmSrcCopy);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTiles * Layout<kTile>::kCellBytes * 2);
}

BENCHMARK(BM_TileMemcpyRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TileBlit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TileCopyRect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpriteMasked)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CellMemcpyRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CellBlit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CellCopyRect)->Unit(benchmark::kMicrosecond);

}  // namespace
