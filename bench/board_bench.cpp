// bench-libs: morvant_gdi
// The game's frame through the graphics classes: a 50 x 50 floor of 32 x 32
// tiles drawn into a 1600 x 1600 board bitmap (one CopyRect per cell from a
// tile strip, and on every third cell a masked sprite as two blits: SRCAND
// mask, SRCPAINT sprite), then a 640 x 480 view copied onto the visible
// bitmap. One item is one whole frame.
#include <benchmark/benchmark.h>

#include "bitmap_class.h"

namespace {

constexpr int kTile = 32;
constexpr int kCells = 50;
constexpr int kStripTiles = 8;

void FillStrip(TBitmap& strip) {
  strip.SetSize(kTile * kStripTiles, kTile);
  for (int t = 0; t < kStripTiles; ++t) {
    strip.GetCanvas()->GetBrush()->SetColor(static_cast<TColor>(0x102030 * (t + 1)));
    strip.GetCanvas()->FillRect(Bounds(t * kTile, 0, kTile, kTile));
  }
}

void BM_BoardRedraw(benchmark::State& state) {
  TBitmap tiles, sprites, masks, board, visible;
  FillStrip(tiles);
  FillStrip(sprites);
  // Masks: white outside a centred square, black on the sprite.
  masks.SetSize(kTile * kStripTiles, kTile);
  masks.GetCanvas()->GetBrush()->SetColor(clWhite);
  masks.GetCanvas()->FillRect(Rect(0, 0, masks.GetWidth(), kTile));
  masks.GetCanvas()->GetBrush()->SetColor(clBlack);
  for (int t = 0; t < kStripTiles; ++t) masks.GetCanvas()->FillRect(Bounds(t * kTile + 8, 8, 16, 16));
  board.SetSize(kTile * kCells, kTile * kCells);
  visible.SetSize(640, 480);

  TCanvas* boardCanvas = board.GetCanvas();
  for (auto _ : state) {
    for (int y = 0; y < kCells; ++y)
      for (int x = 0; x < kCells; ++x) {
        const TRect cell = Bounds(x * kTile, y * kTile, kTile, kTile);
        const int kind = (x * 7 + y * 3) % kStripTiles;
        const TRect source = Bounds(kind * kTile, 0, kTile, kTile);
        boardCanvas->SetCopyMode(cmSrcCopy);
        boardCanvas->CopyRect(cell, tiles.GetCanvas(), source);
        if ((x + y) % 3 == 0) {
          boardCanvas->SetCopyMode(cmSrcAnd);
          boardCanvas->CopyRect(cell, masks.GetCanvas(), source);
          boardCanvas->SetCopyMode(cmSrcPaint);
          boardCanvas->CopyRect(cell, sprites.GetCanvas(), source);
        }
      }
    boardCanvas->SetCopyMode(cmSrcCopy);
    visible.GetCanvas()->CopyRect(Rect(0, 0, 640, 480), boardCanvas, Bounds(480, 560, 640, 480));
    benchmark::DoNotOptimize(visible.GetScanLine(0));
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * (std::int64_t{kTile * kCells} * kTile * kCells + 640 * 480) * 4);
}
BENCHMARK(BM_BoardRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
