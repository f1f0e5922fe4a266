#include "namedmutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "fileio.h"
#include "folders.h"
#include "lasterror.h"

namespace {

class NamedMutex : public KernelObject {
 public:
  explicit NamedMutex(int fd) : fd_(fd) {}
  ~NamedMutex() override { ::close(fd_); }  // closing drops the flock

 private:
  int fd_;
};

std::string LockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return std::string(runtime) + "/";
  return TempFolder().str();
}

std::string FileNameFor(const std::string& name) {
  std::string safe = name;
  for (char& c : safe)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '_') c = '_';
  return "morvant2-" + safe + ".lock";
}

}  // namespace

HANDLE CreateMutex(LPSECURITY_ATTRIBUTES /*attributes*/, BOOL /*initialOwner*/, LPCSTR name) {
  // An unnamed mutex is private to the process: nobody else can hold it.
  if (!name || !name[0]) {
    const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      SetLastErrorFromErrno(errno);
      return nullptr;
    }
    SetLastError(ERROR_SUCCESS);
    return RegisterKernelObject(std::make_unique<NamedMutex>(fd));
  }
  const std::string path = LockFolder() + FileNameFor(name);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    SetLastErrorFromErrno(errno);
    return nullptr;
  }
  int locked;
  while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  const DWORD outcome = locked == 0 ? ERROR_SUCCESS : (errno == EWOULDBLOCK ? ERROR_ALREADY_EXISTS : 0);
  if (locked != 0 && outcome == 0) {
    SetLastErrorFromErrno(errno);
    ::close(fd);
    return nullptr;
  }
  HANDLE handle = RegisterKernelObject(std::make_unique<NamedMutex>(fd));
  SetLastError(outcome);
  return handle;
}
