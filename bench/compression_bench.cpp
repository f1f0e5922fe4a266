// bench-libs: morvant_foundation
// The block compressor and decompressor on one full block of text-like
// data, as the containers store their pictures and lists.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "vyrutils.h"

using namespace Vyrutils;

namespace {
std::vector<std::uint8_t> TextLikeBlock() {
  std::mt19937 random(11);
  std::vector<std::uint8_t> block(kVyrBlockInput);
  for (std::uint8_t& b : block) b = static_cast<std::uint8_t>("  eenrstaiu,.\r\nTALLIX"[random() % 21]);
  return block;
}

void BM_CompressBlock(benchmark::State& state) {
  const std::vector<std::uint8_t> input = TextLikeBlock();
  std::vector<std::uint8_t> block(kVyrBlockSize);
  for (auto _ : state) benchmark::DoNotOptimize(VyrLZRWCompress(input.data(), kVyrBlockInput, block.data()));
  state.SetBytesProcessed(state.iterations() * kVyrBlockInput);
}
BENCHMARK(BM_CompressBlock);

void BM_DecompressBlock(benchmark::State& state) {
  const std::vector<std::uint8_t> input = TextLikeBlock();
  std::vector<std::uint8_t> block(kVyrBlockSize), out(kVyrBlockInput);
  const int length = VyrLZRWCompress(input.data(), kVyrBlockInput, block.data());
  for (auto _ : state) benchmark::DoNotOptimize(VyrLZRWDecompress(block.data(), out.data(), length));
  state.SetBytesProcessed(state.iterations() * kVyrBlockInput);
}
BENCHMARK(BM_DecompressBlock);
}  // namespace
