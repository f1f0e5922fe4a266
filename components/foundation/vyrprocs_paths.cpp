#include "folders.h"
#include "paths.h"
#include "vyrprocs.h"

namespace Vyrprocs {

namespace {
AnsiString FolderFrom(UINT (*get)(LPSTR, UINT)) {
  char buffer[MAX_PATH] = {};
  const UINT n = get(buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? AnsiString(buffer, n) : AnsiString();
}

AnsiString WithoutTrailingDelim(AnsiString S) {
  while (!S.IsEmpty() && IsPathDelimiter(S.str().back())) S.SetLength(S.Length() - 1);
  return S;
}
}  // namespace

AnsiString VyrAppPath() { return ExtractFilePath(ProgramFilePath()); }

AnsiString VyrAppIniName() { return "SOFTWARE\\" + VyrExtractFileName(ProgramFilePath()); }

AnsiString VyrExtractFileName(const AnsiString& S) { return ChangeFileExt(ExtractFileName(S), ""); }

AnsiString VyrSystemDirectory() { return FolderFrom(&GetSystemDirectory); }
AnsiString VyrWindowsDirectory() { return FolderFrom(&GetWindowsDirectory); }

AnsiString VyrCreatePathPrefix(TVyrPathPrefix Prefix, bool WithSlash) {
  AnsiString folder;
  switch (Prefix) {
    case TVyrPathPrefix::ppWindows: folder = VyrWindowsDirectory(); break;
    case TVyrPathPrefix::ppSystem: folder = VyrSystemDirectory(); break;
    case TVyrPathPrefix::ppProgram: folder = VyrAppPath(); break;
    case TVyrPathPrefix::ppFixed: return AnsiString();
  }
  folder = WithoutTrailingDelim(folder);
  return WithSlash ? folder + AnsiString(PathDelim) : folder;
}

// Drive, folder path and file name; the folders go one by one from the
// front, each step leaving the marker "...\" in their place.
AnsiString VyrShrunkFileName(const AnsiString& S, int MaxLen) {
  const std::string& s = S.str();
  const char delim = s.find('\\') == std::string::npos && s.find('/') != std::string::npos ? '/' : '\\';
  const std::string marker = std::string("...") + delim;

  std::string drive, path, file;
  const std::size_t driveLength = s.size() >= 2 && s[1] == ':' ? 2 : 0;
  drive = s.substr(0, driveLength);
  const std::size_t lastDelim = s.rfind(delim);
  if (lastDelim == std::string::npos || lastDelim < driveLength) {
    file = s.substr(driveLength);
  } else {
    path = s.substr(driveLength, lastDelim + 1 - driveLength);
    file = s.substr(lastDelim + 1);
  }

  auto length = [&] { return static_cast<int>(drive.size() + path.size() + file.size()); };
  while (length() > MaxLen && !(drive.empty() && path.empty())) {
    if (path == delim + marker) {
      drive.clear();
      path = marker;
    } else if (path.empty()) {
      drive.clear();
    } else if (path.size() == 1 && path[0] == delim) {
      path.clear();
    } else {
      const bool rooted = path[0] == delim;
      if (rooted) path.erase(0, 1);
      if (path.starts_with(marker)) path.erase(0, marker.size());
      const std::size_t next = path.find(delim);
      if (next == std::string::npos) {
        path.clear();
      } else {
        path = marker + path.substr(next + 1);
        if (rooted) path.insert(path.begin(), delim);
      }
    }
  }
  return drive + path + file;
}

}  // namespace Vyrprocs
