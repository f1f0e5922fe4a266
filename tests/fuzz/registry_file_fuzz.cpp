// fuzz-libs: morvant_rtl
// Arbitrary bytes as user.reg: parsing never fails hard, and what parsed
// writes out as text that parses back to the same keys with no damage.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const RegistryParseResult first = ParseRegistryText(bytes);
  const std::string text = WriteRegistryText(first.Hive);
  const RegistryParseResult second = ParseRegistryText(text);
  if (second.DamagedLines != 0 || !(second.Hive == first.Hive)) std::abort();
  if (WriteRegistryText(second.Hive) != text) std::abort();
  return 0;
}
