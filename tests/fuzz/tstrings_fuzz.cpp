// fuzz-libs: morvant_classes
// Outside text through the string list's readers: a text file's bytes, and
// the same bytes taken as comma text and as name=value lines.
#include <cstddef>
#include <cstdint>

#include "streams.h"
#include "tstrings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString bytes(reinterpret_cast<const char*>(data), size);
  TStringStream stream(bytes);
  TStringList lines;
  lines.LoadFromStream(&stream);
  for (int i = 0; i < lines.GetCount(); ++i) lines.GetValues(lines.GetNames(i));

  TStringList items;
  items.SetCommaText(lines.GetText());
  TStringList again;
  again.SetCommaText(items.GetCommaText());
  if (!again.Equals(&items)) __builtin_trap();

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.AddStrings(&items);
  return 0;
}
