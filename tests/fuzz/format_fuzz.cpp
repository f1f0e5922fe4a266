// fuzz-libs: morvant_rtl
// Format with an arbitrary format text: it may raise EConvertError, nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exceptions.h"
#include "format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString format(std::string(reinterpret_cast<const char*>(data), size));
  int value = 42;
  try {
    Format(format, -7, 3.25, "Größe", 'x', &value, std::uint64_t{1} << 63, 12);
  } catch (const EConvertError&) {
  }
  return 0;
}
