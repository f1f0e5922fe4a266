// bench-libs: morvant_gdi
// Small copies as the board draws them: 2,500 tiles of 32 x 32 into a
// 1600 x 1600 32-bit bitmap, each beside its reference, the same rows copied
// with memcpy. BM_TileBlit is meant to stay within 1.3 times of
// BM_TileMemcpyRows, BM_TileCopyRect within 1.5 times.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "bitmap_class.h"
#include "canvas.h"
#include "gdi.h"

namespace {

constexpr int kSide = 1600;
constexpr int kTile = 32;
constexpr int kTilesPerRow = kSide / kTile;  // 50 x 50 = 2,500 tiles
constexpr int kSheetTiles = 10;             // a 320 x 320 sheet of 100 tiles
constexpr int kSheet = kSheetTiles * kTile;
constexpr std::int64_t kTileBytes = std::int64_t{kTile} * kTile * 4;
constexpr std::int64_t kTiles = std::int64_t{kTilesPerRow} * kTilesPerRow;

// The sheet tile drawn at board tile (i, j): varied, so that no copy can be
// folded into a neighbour's.
int SheetX(int i, int j) { return ((i * 3 + j) % kSheetTiles) * kTile; }
int SheetY(int i, int j) { return ((i + j * 7) % kSheetTiles) * kTile; }

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

void BM_TileMemcpyRows(benchmark::State& state) {
  std::vector<std::uint32_t> sheet(static_cast<std::size_t>(kSheet) * kSheet, 0x123456);
  std::vector<std::uint32_t> board(static_cast<std::size_t>(kSide) * kSide);
  for (auto _ : state) {
    for (int j = 0; j < kTilesPerRow; ++j)
      for (int i = 0; i < kTilesPerRow; ++i) {
        const std::uint32_t* from = sheet.data() + static_cast<std::size_t>(SheetY(i, j)) * kSheet + SheetX(i, j);
        std::uint32_t* to = board.data() + static_cast<std::size_t>(j * kTile) * kSide + i * kTile;
        for (int r = 0; r < kTile; ++r) std::memcpy(to + r * kSide, from + r * kSheet, kTile * 4);
      }
    benchmark::DoNotOptimize(board.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTiles * kTileBytes);
}

// 2,500 tiles from the sheet onto the board each iteration, through the
// copy that `prepare` makes for the two bitmaps.
template <class Prepare>
void CopyTiles(benchmark::State& state, Prepare&& prepare) {
  TBitmap sheet, board;
  Fill(sheet, kSheet, kSheet);
  Fill(board, kSide, kSide);
  auto copy = prepare(sheet, board);
  for (auto _ : state) {
    for (int j = 0; j < kTilesPerRow; ++j)
      for (int i = 0; i < kTilesPerRow; ++i) copy(i * kTile, j * kTile, SheetX(i, j), SheetY(i, j));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kTiles * kTileBytes);
}

void BM_TileBlit(benchmark::State& state) {
  CopyTiles(state, [](TBitmap& sheet, TBitmap& board) {
    HDC from = sheet.GetCanvas()->GetHandle(), to = board.GetCanvas()->GetHandle();
    return [=](int x, int y, int sx, int sy) { BitBlt(to, x, y, kTile, kTile, from, sx, sy, SRCCOPY); };
  });
}

void BM_TileCopyRect(benchmark::State& state) {
  CopyTiles(state, [](TBitmap& sheet, TBitmap& board) {
    TCanvas *from = sheet.GetCanvas(), *to = board.GetCanvas();
    return [=](int x, int y, int sx, int sy) {
      to->CopyRect(TRect(x, y, x + kTile, y + kTile), from, TRect(sx, sy, sx + kTile, sy + kTile));
    };
  });
}

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
  state.SetBytesProcessed(state.iterations() * kTiles * kTileBytes * 2);
}

BENCHMARK(BM_TileMemcpyRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TileBlit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TileCopyRect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpriteMasked)->Unit(benchmark::kMicrosecond);

}  // namespace
