#include "sysinfo.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "lasterror.h"

extern char** environ;

namespace {

// Names from the host may be in any encoding; the program's texts are UTF-8.
std::string HostText(const char* bytes) { return TextFromOutsideBytes(bytes ? bytes : ""); }

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return HostText(name);
}

std::string UserName() {
  std::string buffer(4096, '\0');
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
    return HostText(found->pw_name);
  return HostText(std::getenv("USER"));
}

struct LanguageEntry {
  const char* locale;  // "de" for the language alone, "de_AT" for a country
  LANGID id;
};

constexpr LanguageEntry kLanguages[] = {
    {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407},
    {"de", 0x0407},    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en", 0x0409},    {"fr_FR", 0x040C},
    {"fr_CH", 0x100C}, {"fr", 0x040C},    {"it", 0x0410},    {"es", 0x0C0A},    {"nl", 0x0413},
};

LANGID LanguageOf(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  const std::string_view language = name.substr(0, name.find('_'));
  for (const LanguageEntry& e : kLanguages)
    if (name == e.locale) return e.id;
  for (const LanguageEntry& e : kLanguages)
    if (language == e.locale) return e.id;
  return 0x0409;
}

}  // namespace

void GetSystemInfo(LPSYSTEM_INFO info) {
  if (!info) return;
  *info = SYSTEM_INFO{};
  const long processors = sysconf(_SC_NPROCESSORS_ONLN);
  const long pageSize = sysconf(_SC_PAGESIZE);
  info->wProcessorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
  info->dwPageSize = pageSize > 0 ? static_cast<DWORD>(pageSize) : 4096;
  info->lpMinimumApplicationAddress = reinterpret_cast<LPVOID>(std::uintptr_t{0x10000});
  info->lpMaximumApplicationAddress = reinterpret_cast<LPVOID>(std::uintptr_t{0x7FFEFFFF});
  info->dwNumberOfProcessors = processors > 0 ? static_cast<DWORD>(processors) : 1;
  info->dwActiveProcessorMask =
      info->dwNumberOfProcessors >= 8 * sizeof(DWORD_PTR) ? ~DWORD_PTR{0} : (DWORD_PTR{1} << info->dwNumberOfProcessors) - 1;
  info->dwProcessorType = PROCESSOR_INTEL_PENTIUM;
  info->dwAllocationGranularity = 65536;
  info->wProcessorLevel = 6;
}

BOOL GetComputerName(LPSTR buffer, LPDWORD size) {
  if (!size) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string name = HostName();
  const auto needed = static_cast<DWORD>(name.size() + 1);
  if (!buffer || *size < needed) {
    *size = needed;
    SetLastError(ERROR_BUFFER_OVERFLOW);
    return FALSE;
  }
  std::memcpy(buffer, name.c_str(), needed);
  *size = needed - 1;
  return TRUE;
}

BOOL GetUserName(LPSTR buffer, LPDWORD size) {
  if (!size) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string name = UserName();
  const auto needed = static_cast<DWORD>(name.size() + 1);
  if (!buffer || *size < needed) {
    *size = needed;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(buffer, name.c_str(), needed);
  *size = needed;
  return TRUE;
}

LANGID GetSystemDefaultLangID() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LanguageOf(value);
  }
  return 0x0409;
}

std::vector<AnsiString> GetEnvironmentStrings() {
  std::vector<AnsiString> strings;
  for (char** entry = environ; entry && *entry; ++entry) strings.emplace_back(HostText(*entry));
  return strings;
}
