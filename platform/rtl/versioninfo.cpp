#include "versioninfo.h"

#include <strings.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "lasterror.h"
#include "paths.h"
#include "versioninfo_table.h"

namespace {

// The block a caller holds only marks that it came from us; the values
// themselves are answered from the table, so no pointer into the caller's
// memory is ever handed out or trusted.
struct VersionBlock {
  char Magic[4];
  DWORD Size;
};
constexpr char kMagic[4] = {'M', 'V', 'V', 'I'};

std::string CanonicalPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

bool IsProgramFile(LPCSTR fileName) {
  if (!fileName || !*fileName) return false;
  return CanonicalPath(NativePath(fileName)) == CanonicalPath(NativePath(ProgramFilePath()));
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// "040704E4": language and code page, four upper-case hex digits each.
std::string TranslationKey(const VersionTable& table) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string key;
  for (WORD w : {table.Language, table.CodePage})
    for (int shift = 12; shift >= 0; shift -= 4) key += kHex[(w >> shift) & 0xF];
  return key;
}

// Splits "\a\b\c" (either separator, leading one optional) into its parts.
bool NextPart(std::string_view& path, std::string_view& part) {
  while (!path.empty() && (path.front() == '\\' || path.front() == '/')) path.remove_prefix(1);
  if (path.empty()) return false;
  const std::size_t end = path.find_first_of("\\/");
  part = path.substr(0, end);
  path.remove_prefix(end == std::string_view::npos ? path.size() : end);
  return true;
}

}  // namespace

DWORD GetFileVersionInfoSize(LPCSTR fileName, LPDWORD handle) {
  if (handle) *handle = 0;
  if (!IsProgramFile(fileName)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
  }
  return sizeof(VersionBlock);
}

BOOL GetFileVersionInfo(LPCSTR fileName, DWORD, DWORD length, LPVOID data) {
  if (!IsProgramFile(fileName)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  if (!data || length < sizeof(VersionBlock)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  VersionBlock block;
  std::memcpy(block.Magic, kMagic, sizeof kMagic);
  block.Size = sizeof(VersionBlock);
  std::memcpy(data, &block, sizeof block);
  return TRUE;
}

BOOL VerQueryValue(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, UINT* length) {
  if (!block || !subBlock || !buffer || !length || std::memcmp(block, kMagic, sizeof kMagic) != 0) return FALSE;
  const VersionTable& table = ProgramVersionTable();
  std::string_view path(subBlock);
  std::string_view first, second, third, extra;
  const bool haveFirst = NextPart(path, first);
  const bool haveSecond = haveFirst && NextPart(path, second);
  const bool haveThird = haveSecond && NextPart(path, third);
  if (NextPart(path, extra)) return FALSE;

  if (haveSecond && !haveThird && SameName(first, "VarFileInfo") && SameName(second, "Translation")) {
    static const WORD translation[2] = {table.Language, table.CodePage};
    *buffer = const_cast<WORD*>(translation);
    *length = sizeof translation;
    return TRUE;
  }
  if (haveThird && SameName(first, "StringFileInfo") && SameName(second, TranslationKey(table))) {
    for (const VersionString& s : table.Strings) {
      if (!SameName(third, s.Name)) continue;
      *buffer = const_cast<char*>(s.Value);
      *length = static_cast<UINT>(std::strlen(s.Value) + 1);
      return TRUE;
    }
  }
  return FALSE;
}
