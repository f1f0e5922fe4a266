// fuzz-libs: morvant_rtl
// Arbitrary bytes as user.reg: parsing never fails hard, and what parsed
// writes out as text that parses back to the same keys, with no damage but
// the damaged lines kept as they stood.
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
  std::size_t kept = first.Hive.LeadingLines().size();
  for (const RegistryKey& key : first.Hive.Keys()) kept += key.KeptLines.size();
  if (static_cast<std::size_t>(second.DamagedLines) != kept || !(second.Hive == first.Hive)) std::abort();
  if (WriteRegistryText(second.Hive) != text) std::abort();
  return 0;
}
