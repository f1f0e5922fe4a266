// bench-libs: morvant_gdi
// The raster engine's throughput on the game's board size: a 1600 x 1600
// 32-bit surface. BM_BitBltSrcCopy is meant to stay within 1.3 times of
// BM_Memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gdi.h"

namespace {

constexpr int kSide = 1600;
constexpr std::int64_t kBytes = std::int64_t{kSide} * kSide * 4;

struct BoardDC {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap;
  HGDIOBJ old;
  BoardDC(int w, int h, COLORREF fill) {
    bitmap = CreateBitmap(w, h, 1, 32, nullptr);
    old = SelectObject(dc, bitmap);
    HBRUSH b = CreateSolidBrush(fill);
    TRect r{0, 0, w, h};
    FillRect(dc, &r, b);
    DeleteObject(b);
  }
  ~BoardDC() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
};

void BM_Memcpy(benchmark::State& state) {
  std::vector<std::uint32_t> src(static_cast<std::size_t>(kSide) * kSide, 0x123456), dst(src.size());
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), static_cast<std::size_t>(kBytes));
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}

void Blit(benchmark::State& state, DWORD rop) {
  BoardDC src(kSide, kSide, RGB(10, 200, 30)), dst(kSide, kSide, RGB(90, 80, 70));
  for (auto _ : state) {
    BitBlt(dst.dc, 0, 0, kSide, kSide, src.dc, 0, 0, rop);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}

void BM_BitBltSrcCopy(benchmark::State& state) { Blit(state, SRCCOPY); }
void BM_BitBltSrcAnd(benchmark::State& state) { Blit(state, SRCAND); }
void BM_BitBltSrcPaint(benchmark::State& state) { Blit(state, SRCPAINT); }

void BM_StretchBlt2x(benchmark::State& state) {
  BoardDC src(kSide / 2, kSide / 2, RGB(10, 200, 30)), dst(kSide, kSide, RGB(90, 80, 70));
  SetStretchBltMode(dst.dc, COLORONCOLOR);
  for (auto _ : state) {
    StretchBlt(dst.dc, 0, 0, kSide, kSide, src.dc, 0, 0, kSide / 2, kSide / 2, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}

void BM_FillRect(benchmark::State& state) {
  BoardDC dst(kSide, kSide, RGB(90, 80, 70));
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  TRect r{0, 0, kSide, kSide};
  for (auto _ : state) {
    FillRect(dst.dc, &r, brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(brush);
  state.SetBytesProcessed(state.iterations() * kBytes);
}

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_BitBltSrcCopy);
BENCHMARK(BM_BitBltSrcAnd);
BENCHMARK(BM_BitBltSrcPaint);
BENCHMARK(BM_StretchBlt2x);
BENCHMARK(BM_FillRect);

}  // namespace
