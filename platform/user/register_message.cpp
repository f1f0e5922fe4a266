#include <vector>

#include "ansistring.h"
#include "messages.h"
#include "sysutils.h"

namespace {

constexpr UINT kFirstRegistered = 0xC000;
constexpr UINT kLastRegistered = 0xFFFF;

std::vector<AnsiString>& Names() {
  static std::vector<AnsiString> names;
  return names;
}

}  // namespace

UINT RegisterWindowMessage(LPCSTR name) {
  if (!name || !*name) return 0;
  auto& names = Names();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (AnsiSameText(names[i], name)) return kFirstRegistered + static_cast<UINT>(i);
  if (kFirstRegistered + names.size() > kLastRegistered) return 0;
  names.emplace_back(name);
  return kFirstRegistered + static_cast<UINT>(names.size() - 1);
}
