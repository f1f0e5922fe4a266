#include "folders.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fileio.h"
#include "fileops.h"
#include "lasterror.h"
#include "paths.h"

namespace {

std::string ConfigHome() {
  // A relative XDG_CONFIG_HOME is ignored, as the base-directory rules say.
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.config";
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
    return std::string(pw->pw_dir) + "/.config";
  return "/tmp";
}

UINT ConfigSubfolder(const char* name, LPSTR buffer, UINT size) {
  const AnsiString folder = UserConfigFolder() + "/" + name;
  if (!ForceDirectories(folder)) return 0;
  return CopyToBuffer(folder.str(), buffer, size);
}

}  // namespace

AnsiString UserConfigFolder() { return AnsiString(ConfigHome() + "/morvant2"); }

AnsiString TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = tmp && tmp[0] == '/' ? tmp : "/tmp";
  if (folder.back() != '/') folder += '/';
  return AnsiString(folder);
}

AnsiString GetCurrentDir() {
  std::string buf(4096, '\0');
  while (!::getcwd(buf.data(), buf.size())) {
    if (errno != ERANGE) return AnsiString();
    buf.resize(buf.size() * 2);
  }
  buf.resize(buf.find('\0'));
  return AnsiString(buf);
}

bool SetCurrentDir(const AnsiString& directory) {
  if (::chdir(NativePath(directory).c_str()) == 0) return true;
  SetLastErrorFromErrno(errno);
  return false;
}

DWORD GetCurrentDirectory(DWORD size, LPSTR buffer) {
  const AnsiString dir = GetCurrentDir();
  if (dir.IsEmpty()) {
    SetLastErrorFromErrno(errno);
    return 0;
  }
  return CopyToBuffer(dir.str(), buffer, size);
}

DWORD GetTempPath(DWORD size, LPSTR buffer) { return CopyToBuffer(TempFolder().str(), buffer, size); }

UINT GetWindowsDirectory(LPSTR buffer, UINT size) { return ConfigSubfolder("windows", buffer, size); }

UINT GetSystemDirectory(LPSTR buffer, UINT size) { return ConfigSubfolder("system", buffer, size); }

UINT GetTempFileName(LPCSTR pathName, LPCSTR prefix, UINT unique, LPSTR tempFileName) {
  if (!pathName || !tempFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::string folder = IncludeTrailingPathDelimiter(AnsiString(NativePath(pathName))).str();
  const std::string stem = std::string(prefix ? prefix : "").substr(0, 3);
  const auto nameFor = [&](UINT number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", number & 0xFFFF);
    return folder + stem + digits + ".TMP";
  };
  const auto deliver = [&](const std::string& name, UINT number) -> UINT {
    if (name.size() >= MAX_PATH) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return 0;
    }
    CopyToBuffer(name, tempFileName, MAX_PATH);
    return number;
  };
  if (unique != 0) return deliver(nameFor(unique), unique & 0xFFFF);

  // Start from a number that differs between processes and calls, then walk
  // the 65535 possible names; O_EXCL makes the claim atomic.
  static std::atomic<UINT> counter{0};
  const UINT start = static_cast<UINT>(::getpid()) * 7919u + counter.fetch_add(1) * 104729u;
  for (UINT step = 0; step < 0xFFFF; ++step) {
    const UINT number = (start + step) % 0xFFFF + 1;
    const std::string name = nameFor(number);
    if (name.size() >= MAX_PATH) return deliver(name, number);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      return deliver(name, number);
    }
    if (errno != EEXIST) {
      SetLastErrorFromErrno(errno);
      return 0;
    }
  }
  SetLastError(ERROR_ALREADY_EXISTS);
  return 0;
}
