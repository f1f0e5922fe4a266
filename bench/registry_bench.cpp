// bench-libs: morvant_rtl
#include <benchmark/benchmark.h>

#include <string>

#include "registry_file.h"

namespace {

std::string ManyKeys(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "[Software\\Tallix Software\\TALLIX MORVANT II\\K" + std::to_string(i) + "]\n";
  return text;
}

std::string ManyValues(int count) {
  std::string text = "[Software\\Tallix Software\\TALLIX MORVANT II\\SCORE1]\n";
  for (int i = 0; i < count; ++i) text += "\"M" + std::to_string(i) + "\"=dword:00000005\n";
  return text;
}

std::string DeepKey(std::size_t depth) {
  std::string text = "[Ebene";
  for (std::size_t i = 1; i < depth; ++i) text += "\\Ebene";
  return text + "]\n\"x\"=\"1\"\n";
}

// A user.reg as a damaged or hostile one may come: it must parse in well
// under a tenth of a second, or the window stays black at start-up.
void Parse(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    RegistryParseResult result = ParseRegistryText(text);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Parse20000Keys(benchmark::State& state) { Parse(state, ManyKeys(20000)); }
void BM_Parse20000ValuesInOneKey(benchmark::State& state) { Parse(state, ManyValues(20000)); }
void BM_ParseKeyAtTheDepthLimit(benchmark::State& state) { Parse(state, DeepKey(kMaxRegistryKeyDepth)); }

}  // namespace

BENCHMARK(BM_Parse20000Keys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parse20000ValuesInOneKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseKeyAtTheDepthLimit)->Unit(benchmark::kMillisecond);
