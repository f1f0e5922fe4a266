#include "paths.h"

#include <unistd.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

#include "drives.h"
#include "lasterror.h"
#include "module.h"

namespace {

struct ProgramPath {
  std::mutex mutex;
  std::string injected;
};

ProgramPath& TheProgramPath() {
  static ProgramPath path;
  return path;
}

std::string RealProgramPath() {
  std::vector<char> buf(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  return n > 0 ? std::string(buf.data(), static_cast<std::size_t>(n)) : std::string();
}

// The arguments as the kernel keeps them, zero-separated.
std::vector<std::string> CommandLine() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> args;
  std::size_t start = 0;
  while (start < all.size()) {
    const std::size_t end = all.find('\0', start);
    args.push_back(all.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return args;
}

// Index of the last separator, or npos.
std::size_t LastDelimiter(std::string_view s) { return s.find_last_of("/\\"); }

// Index of the extension's dot in the name part, or npos.
std::size_t ExtensionDot(std::string_view s) {
  const std::size_t dot = s.find_last_of("./\\");
  return dot != std::string_view::npos && s[dot] == '.' ? dot : std::string_view::npos;
}

}  // namespace

bool IsPathDelimiter(char c) { return c == '/' || c == '\\'; }

std::string NativePath(const AnsiString& name) {
  std::string path = name.str();
  for (char& c : path)
    if (c == '\\') c = '/';
  const bool drivePrefix = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                           (path.size() == 2 || path[2] == '/');
  if (drivePrefix) {
    const std::string root = VolumeRootOfDrive(path[0]);
    if (!root.empty()) {
      std::string rest = path.substr(path.size() > 2 ? 3 : 2);
      path = root + (root.back() == '/' || rest.empty() ? "" : "/") + rest;
    }
  }
  return path;
}

AnsiString ExtractFilePath(const AnsiString& fileName) {
  const std::size_t at = LastDelimiter(fileName.str());
  return at == std::string::npos ? AnsiString() : AnsiString(fileName.str().substr(0, at + 1));
}

AnsiString ExtractFileName(const AnsiString& fileName) {
  const std::size_t at = LastDelimiter(fileName.str());
  return at == std::string::npos ? fileName : AnsiString(fileName.str().substr(at + 1));
}

AnsiString ExtractFileExt(const AnsiString& fileName) {
  const std::size_t dot = ExtensionDot(fileName.str());
  return dot == std::string::npos ? AnsiString() : AnsiString(fileName.str().substr(dot));
}

AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension) {
  const std::size_t dot = ExtensionDot(fileName.str());
  return AnsiString(fileName.str().substr(0, dot)) + extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path) {
  if (!path.IsEmpty() && IsPathDelimiter(path.str().back())) return path;
  return path + PathDelim;
}

AnsiString ProgramFilePath() {
  ProgramPath& p = TheProgramPath();
  {
    std::lock_guard lock(p.mutex);
    if (!p.injected.empty()) return AnsiString(p.injected);
  }
  return AnsiString(RealProgramPath());
}

void SetProgramPathForTesting(const AnsiString& path) {
  ProgramPath& p = TheProgramPath();
  std::lock_guard lock(p.mutex);
  p.injected = path.str();
}

DWORD GetModuleFileName(HMODULE module, LPSTR fileName, DWORD size) {
  if (module != nullptr && module != HInstance) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (!fileName || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::string path = ProgramFilePath().str();
  if (path.size() >= size) {
    std::memcpy(fileName, path.data(), size - 1);
    fileName[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::memcpy(fileName, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

AnsiString ParamStr(int index) {
  if (index == 0) return ProgramFilePath();
  const std::vector<std::string> args = CommandLine();
  return index > 0 && static_cast<std::size_t>(index) < args.size() ? AnsiString(args[index]) : AnsiString();
}

int ParamCount() {
  const std::size_t n = CommandLine().size();
  return n > 0 ? static_cast<int>(n - 1) : 0;
}

DWORD CopyToBuffer(const std::string& text, LPSTR buffer, DWORD size) {
  if (!buffer || text.size() >= size) return static_cast<DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<DWORD>(text.size());
}
