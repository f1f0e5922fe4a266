#include "atomic_file.h"

#include <cerrno>
#include <csignal>
#include <mutex>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Temporaries of this target left by writers killed mid-write. Only dead
// processes' files go: a live one may be writing its own right now.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path);
  const auto slash = path.find_last_of('/');
  const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp.";
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (!name.starts_with(prefix)) continue;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
      continue;
    const pid_t pid = static_cast<pid_t>(std::stol(std::string(digits)));
    if (pid != ::getpid() && ProcessIsGone(pid)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileReadResult::Missing : FileReadResult::Failed;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int saved = errno;
      ::close(fd);
      errno = saved;
      return FileReadResult::Failed;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return FileReadResult::Read;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteHook hook) {
  // The temporary name is per process; this keeps two threads apart.
  static std::mutex writing;
  std::lock_guard<std::mutex> hold(writing);
  // The replacement keeps the file's mode; a file made read-only is not
  // replaced at all (checked by hand: root could write it anyway).
  struct stat old;
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing && (old.st_mode & 0222) == 0) {
    errno = EACCES;
    return false;
  }
  const std::string temp = path + ".tmp." + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = !replacing || ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes);
  if (ok && hook) hook(AtomicWriteStep::TempWritten);
  ok = ok && ::fsync(fd) == 0;
  const int saved = errno;
  ::close(fd);
  if (!ok) {
    ::unlink(temp.c_str());
    errno = saved;
    return false;
  }
  if (hook) hook(AtomicWriteStep::BeforeRename);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return false;
  }
  if (hook) hook(AtomicWriteStep::Renamed);
  // Without this the rename itself may be lost in a power cut.
  SyncFolder(FolderOf(path));
  RemoveStaleTemporaries(path);
  return true;
}

bool MakeFolders(const std::string& path) {
  if (path.empty()) return false;
  std::size_t pos = 0;
  while (pos != std::string::npos) {
    pos = path.find('/', pos + 1);
    const std::string part = path.substr(0, pos);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

ExclusiveFileLock::ExclusiveFileLock(const std::string& lockPath) {
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    ::close(fd_);
    fd_ = -1;
    return;
  }
}

ExclusiveFileLock::~ExclusiveFileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the flock
}
