// fuzz-libs: morvant_classes
// Arbitrary text as an ini file: the lines survive a rewrite unchanged, and a
// value set in the first section reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ansistring.h"
#include "initext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = TextFromOutsideBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  IniText ini(text);
  const std::string written = ini.Text();
  if (IniText(written).Text() != written) std::abort();
  const auto sections = ini.Sections();
  const std::string section = sections.empty() ? "Neu" : sections.front();
  if (IniText::Storable(section, "Fuzz", "Wert")) {
    ini.Set(section, "Fuzz", "Wert");
    const IniText back(ini.Text());
    const std::string* value = back.Find(section, "Fuzz");
    if (!value || *value != "Wert") std::abort();
  }
  return 0;
}
