// fuzz-libs: morvant_rtl
// The reader of /proc/meminfo text, on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "memorystatus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFigures figures;
  if (ParseMemInfo(std::string_view(reinterpret_cast<const char*>(data), size), figures)) {
    const MEMORYSTATUS status = MemoryStatusFromFigures(figures);
    if (status.dwMemoryLoad > 100 || status.dwAvailPhys > status.dwTotalPhys) __builtin_trap();
  }
  return 0;
}
