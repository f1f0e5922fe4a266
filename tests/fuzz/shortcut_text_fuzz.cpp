// fuzz-libs: morvant_vcl morvant_backend_headless
// Arbitrary text as a shortcut name: what parses must print back to a text
// that parses to the same shortcut.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "menus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString text(reinterpret_cast<const char*>(data), size);
  const TShortCut value = TextToShortCut(text);
  if (value != scNone && TextToShortCut(ShortCutToText(value)) != value) std::abort();
  return 0;
}
