// fuzz-libs: morvant_vcl
// Outside text through the dialogs' readers: the bytes as an open-dialog
// filter matched against a name, and as custom-colour lines read and
// written back, which must leave an untouched list as it was.
#include <cstddef>
#include <cstdint>

#include "dialogs_customcolors.h"
#include "dialogs_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString bytes(reinterpret_cast<const char*>(data), size);
  for (const TFileFilter& f : ParseFileFilter(bytes)) {
    MatchesFilePatterns(f.Description, f.Patterns);
    MatchesFilePatterns(bytes, f.Patterns);
  }

  TStringList lines;
  lines.SetText(bytes);
  TCustomColorSlots slots;
  slots.Read(lines);
  TStringList back;
  back.Assign(&lines);
  slots.WriteBack(back);
  if (!back.Equals(&lines)) __builtin_trap();
  for (int i = 0; i < CustomColorCount; ++i) slots.Set(i, slots.Get(i) ? std::optional<TColor>() : clRed);
  slots.WriteBack(back);
  TCustomColorSlots again;
  again.Read(back);
  for (int i = 0; i < CustomColorCount; ++i)
    if (again.Get(i) != slots.Get(i)) __builtin_trap();
  return 0;
}
