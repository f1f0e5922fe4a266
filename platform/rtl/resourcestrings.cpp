#include "resourcestrings.h"

#include <algorithm>

#include "resourcestrings_table.h"

AnsiString LoadStr(int ident) {
  const std::span<const ResourceStringEntry> table = ResourceStringTable();
  const auto it = std::lower_bound(table.begin(), table.end(), ident,
                                   [](const ResourceStringEntry& e, int id) { return e.Id < id; });
  return (it != table.end() && it->Id == ident) ? AnsiString(it->Text) : AnsiString();
}
