#include "sysinfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

#include "lasterror.h"
#include "module.h"
#include "paths.h"
#include "shutdown.h"
#include "versioninfo.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
    tzset();
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
    tzset();
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string Narrow(const WCHAR* s) {
  std::string out;
  for (; *s; ++s) out += static_cast<char>(*s);
  return out;
}

}  // namespace

TEST(SystemVersion, ReportsNt51) {
  OSVERSIONINFO info;
  ASSERT_TRUE(GetVersionEx(&info));
  EXPECT_EQ(info.dwMajorVersion, 5u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  EXPECT_EQ(info.dwBuildNumber, static_cast<DWORD>(Win32BuildNumber));
  EXPECT_EQ(Win32Platform, 2);
  EXPECT_TRUE(NewStyleControls);

  OSVERSIONINFO unsized;
  unsized.dwOSVersionInfoSize = 0;
  EXPECT_FALSE(GetVersionEx(&unsized));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(MemoryStatus, ParsesMeminfoAndSaturates) {
  MemoryFigures f;
  ASSERT_TRUE(ParseMemInfo("MemTotal:        8000000 kB\nMemFree:  1000 kB\nMemAvailable:    2000000 kB\n"
                           "garbage line\nSwapTotal: 1000000 kB\nSwapFree: 500000 kB\n",
                           f));
  EXPECT_EQ(f.TotalPhys, 8000000ull * 1024);
  EXPECT_EQ(f.AvailPhys, 2000000ull * 1024);
  const MEMORYSTATUS s = MemoryStatusFromFigures(f);
  EXPECT_EQ(s.dwMemoryLoad, 75u);
  EXPECT_EQ(s.dwTotalPhys, 0xFFFFFFFFu);  // 8 GB does not fit 32 bits
  EXPECT_EQ(s.dwAvailPhys, 2000000u * 1024);
  EXPECT_EQ(s.dwTotalPageFile, 0xFFFFFFFFu);

  ASSERT_TRUE(ParseMemInfo("MemTotal: 1000 kB\nMemFree: 250 kB\n", f));  // old kernels: no MemAvailable
  EXPECT_EQ(MemoryStatusFromFigures(f).dwMemoryLoad, 75u);
  ASSERT_TRUE(ParseMemInfo("MemTotal: 1000 kB\nMemAvailable: 99999 kB\n", f));
  EXPECT_EQ(f.AvailPhys, f.TotalPhys);  // never more free than there is
  EXPECT_FALSE(ParseMemInfo("MemTotal: 99999999999999999999 kB\n", f));  // beyond 64 bits: not taken
  EXPECT_FALSE(ParseMemInfo("", f));
  EXPECT_FALSE(ParseMemInfo("MemFree: 1 kB", f));
}

TEST(MemoryStatus, OfThisMachine) {
  MEMORYSTATUS s;
  GlobalMemoryStatus(&s);
  EXPECT_GT(s.dwTotalPhys, 0u);
  EXPECT_LE(s.dwAvailPhys, s.dwTotalPhys);
  EXPECT_LE(s.dwMemoryLoad, 100u);
}

TEST(SystemInfo, ProcessorsAndPages) {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  EXPECT_GE(info.dwNumberOfProcessors, 1u);
  EXPECT_EQ(info.dwProcessorType, PROCESSOR_INTEL_PENTIUM);
  EXPECT_GE(info.dwPageSize, 4096u);
  EXPECT_NE(info.dwActiveProcessorMask, 0u);
}

TEST(SystemInfo, NamesFollowTheBufferRules) {
  char big[256];
  DWORD size = sizeof big;
  ASSERT_TRUE(GetComputerName(big, &size));
  EXPECT_EQ(size, std::strlen(big));
  if (size > 0) {
    char tiny[1];
    DWORD tinySize = 1;
    EXPECT_FALSE(GetComputerName(tiny, &tinySize));
    EXPECT_EQ(GetLastError(), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(tinySize, std::strlen(big) + 1);
  }

  size = sizeof big;
  ASSERT_TRUE(GetUserName(big, &size));
  EXPECT_EQ(size, std::strlen(big) + 1);  // with the zero, unlike the computer name
  DWORD needed = 0;
  EXPECT_FALSE(GetUserName(nullptr, &needed));
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(needed, size);
}

TEST(SystemInfo, LanguageFromTheLocale) {
  const struct {
    const char* locale;
    LANGID id;
  } cases[] = {
      {"de_DE.UTF-8", 0x0407}, {"de_AT.UTF-8", 0x0C07}, {"de_CH", 0x0807}, {"de_BE.UTF-8@euro", 0x0407},
      {"en_GB.UTF-8", 0x0809}, {"fr_FR", 0x040C},       {"C", 0x0409},     {"C.UTF-8", 0x0409},
  };
  ScopedEnv noAll("LC_ALL", "");
  ScopedEnv noMessages("LC_MESSAGES", "");
  for (const auto& c : cases) {
    ScopedEnv lang("LANG", c.locale);
    EXPECT_EQ(GetSystemDefaultLangID(), c.id) << c.locale;
  }
  ScopedEnv all("LC_ALL", "de_DE.UTF-8");
  ScopedEnv lang("LANG", "en_US.UTF-8");
  EXPECT_EQ(GetSystemDefaultLangID(), 0x0407);  // LC_ALL wins
}

TEST(SystemInfo, TimeZoneWithAndWithoutDaylightSaving) {
  {
    ScopedEnv tz("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    TIME_ZONE_INFORMATION info;
    const DWORD id = GetTimeZoneInformation(&info);
    EXPECT_TRUE(id == TIME_ZONE_ID_STANDARD || id == TIME_ZONE_ID_DAYLIGHT);
    EXPECT_EQ(info.Bias, -60);
    EXPECT_EQ(info.DaylightBias, -60);
    EXPECT_EQ(Narrow(info.StandardName), "CET");
    EXPECT_EQ(Narrow(info.DaylightName), "CEST");
  }
  {
    ScopedEnv tz("TZ", "UTC0");
    TIME_ZONE_INFORMATION info;
    EXPECT_EQ(GetTimeZoneInformation(&info), TIME_ZONE_ID_UNKNOWN);
    EXPECT_EQ(info.Bias, 0);
    EXPECT_EQ(Narrow(info.StandardName), "UTC");
  }
  {
    ScopedEnv tz("TZ", "EST5EDT,M3.2.0,M11.1.0");
    TIME_ZONE_INFORMATION info;
    GetTimeZoneInformation(&info);
    EXPECT_EQ(info.Bias, 300);
  }
}

TEST(SystemInfo, EnvironmentStrings) {
  ScopedEnv probe("MORVANT_ENV_PROBE", "wert=mit=gleich");
  bool found = false;
  for (const AnsiString& s : GetEnvironmentStrings()) {
    EXPECT_GT(s.Pos("="), 0) << s.str();
    found = found || s == "MORVANT_ENV_PROBE=wert=mit=gleich";
  }
  EXPECT_TRUE(found);
}

TEST(VersionInfo, TheProgramsOwnTable) {
  const AnsiString program = ProgramFilePath();
  DWORD handle = 99;
  const DWORD size = GetFileVersionInfoSize(program.c_str(), &handle);
  ASSERT_GT(size, 0u);
  EXPECT_EQ(handle, 0u);
  std::string block(size, '\0');
  EXPECT_FALSE(GetFileVersionInfo(program.c_str(), 0, size - 1, block.data()));
  ASSERT_TRUE(GetFileVersionInfo(program.c_str(), 0, size, block.data()));

  LPVOID value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValue(block.data(), "\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  const WORD* translation = static_cast<const WORD*>(value);
  char key[9];
  std::snprintf(key, sizeof key, "%04X%04X", translation[0], translation[1]);
  EXPECT_STREQ(key, "040704E4");

  const std::string path = std::string("\\StringFileInfo\\") + key + "\\ProductName";
  ASSERT_TRUE(VerQueryValue(block.data(), path.c_str(), &value, &length));
  EXPECT_STREQ(static_cast<const char*>(value), "TALLIX MORVANT II");
  EXPECT_EQ(length, std::strlen("TALLIX MORVANT II") + 1);
  EXPECT_TRUE(VerQueryValue(block.data(), "\\stringfileinfo\\040704e4\\companyname", &value, &length));

  EXPECT_FALSE(VerQueryValue(block.data(), "\\StringFileInfo\\040904E4\\ProductName", &value, &length));
  EXPECT_FALSE(VerQueryValue(block.data(), "\\StringFileInfo\\040704E4\\NoSuchName", &value, &length));
  EXPECT_FALSE(VerQueryValue(block.data(), "\\StringFileInfo\\040704E4\\ProductName\\more", &value, &length));
  const std::string foreign(16, 'x');
  EXPECT_FALSE(VerQueryValue(foreign.data(), "\\VarFileInfo\\Translation", &value, &length));

  EXPECT_EQ(GetFileVersionInfoSize("/etc/hostname", &handle), 0u);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
  EXPECT_EQ(GetFileVersionInfoSize(nullptr, &handle), 0u);
}

TEST(Modules, NothingLoadsAndTheFailuresSaySo) {
  SetLastError(0);
  const HMODULE library = LoadLibrary("RSRC32.DLL");
  EXPECT_EQ(library, nullptr);  // also below 32, the old success test
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  EXPECT_EQ(GetProcAddress(library, "_MyGetFreeSystemResources32@4"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetProcAddress(HInstance, "anything"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_FALSE(FreeLibrary(library));
  EXPECT_NE(HInstance, nullptr);
  EXPECT_EQ(GetModuleHandle(nullptr), HInstance);
}

TEST(Shutdown, RefusesAndDoesNothing) {
  HANDLE token = INVALID_HANDLE_VALUE;
  EXPECT_FALSE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
  EXPECT_EQ(token, nullptr);
  LUID luid;
  EXPECT_FALSE(LookupPrivilegeValue(nullptr, SE_SHUTDOWN_NAME, &luid));
  TOKEN_PRIVILEGES privileges;
  EXPECT_FALSE(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr));
  EXPECT_FALSE(ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0));
  EXPECT_EQ(GetLastError(), ERROR_CALL_NOT_IMPLEMENTED);
}
