#include "fileops.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "fileio.h"
#include "lasterror.h"
#include "paths.h"

namespace {

bool StatIs(const AnsiString& name, mode_t type) {
  struct stat st {};
  return !name.IsEmpty() && ::stat(NativePath(name).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
}

bool Fail() {
  SetLastErrorFromErrno(errno);
  return false;
}

// rename that refuses to replace. RENAME_NOREPLACE where the file system has
// it; elsewhere link + unlink, which refuses too (for files).
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool FileExists(const AnsiString& fileName) { return StatIs(fileName, S_IFREG); }

bool DirectoryExists(const AnsiString& directory) { return StatIs(directory, S_IFDIR); }

bool ForceDirectories(const AnsiString& directory) {
  std::string path = NativePath(directory);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  if (DirectoryExists(AnsiString(path))) return true;
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !ForceDirectories(AnsiString(path.substr(0, slash)))) return false;
  if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return Fail();
  return DirectoryExists(AnsiString(path)) || Fail();
}

bool CreateDir(const AnsiString& directory) {
  return ::mkdir(NativePath(directory).c_str(), 0777) == 0 || Fail();
}

bool RemoveDir(const AnsiString& directory) { return ::rmdir(NativePath(directory).c_str()) == 0 || Fail(); }

bool DeleteFile(const AnsiString& fileName) {
  if (DirectoryExists(fileName)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return ::unlink(NativePath(fileName).c_str()) == 0 || Fail();
}

bool RenameFile(const AnsiString& oldName, const AnsiString& newName) {
  if (RenameNoReplace(NativePath(oldName), NativePath(newName))) return true;
  if (errno == EEXIST) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return false;
  }
  return Fail();
}

BOOL MoveFileEx(LPCSTR existingName, LPCSTR newName, DWORD flags) {
  if (!existingName || !newName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string from = NativePath(existingName);
  const std::string to = NativePath(newName);
  const bool moved = (flags & MOVEFILE_REPLACE_EXISTING) ? ::rename(from.c_str(), to.c_str()) == 0
                                                         : RenameNoReplace(from, to);
  if (!moved) {
    if (errno == EEXIST)
      SetLastError(ERROR_ALREADY_EXISTS);
    else if (errno == EXDEV)
      SetLastError(ERROR_NOT_SAME_DEVICE);
    else
      SetLastErrorFromErrno(errno);
    return FALSE;
  }
  if (flags & MOVEFILE_WRITE_THROUGH) SyncFolderOf(to);
  return TRUE;
}
