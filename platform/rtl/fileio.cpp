#include "fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "lasterror.h"
#include "paths.h"

namespace {

int AccessFlags(LongWord mode) {
  switch (mode & 0x3) {
    case fmOpenWrite: return O_WRONLY;
    case fmOpenReadWrite: return O_RDWR;
    default: return O_RDONLY;
  }
}

int Fail() {
  SetLastErrorFromErrno(errno);
  return -1;
}

// One read or write may transfer less than asked; go on until done, the end
// of the file, or an error.
template <class Transfer>
int TransferAll(LongWord count, Transfer transfer) {
  const LongWord limit = count > INT_MAX ? INT_MAX : count;
  LongWord done = 0;
  while (done < limit) {
    ssize_t n = transfer(done, limit - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (done > 0) break;
      return Fail();
    }
    if (n == 0) break;
    done += static_cast<LongWord>(n);
  }
  return static_cast<int>(done);
}

}  // namespace

void SetLastErrorFromErrno(int error) {
  switch (error) {
    case 0: SetLastError(ERROR_SUCCESS); break;
    case ENOENT: SetLastError(ERROR_FILE_NOT_FOUND); break;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: SetLastError(ERROR_PATH_NOT_FOUND); break;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY: SetLastError(ERROR_ACCESS_DENIED); break;
    case EBADF: SetLastError(ERROR_INVALID_HANDLE); break;
    case ENOMEM: SetLastError(ERROR_NOT_ENOUGH_MEMORY); break;
    case EEXIST: SetLastError(ERROR_ALREADY_EXISTS); break;
    default: SetLastError(ERROR_INVALID_PARAMETER); break;
  }
}

int FileOpen(const AnsiString& FileName, LongWord Mode) {
  const int fd = ::open(NativePath(FileName).c_str(), AccessFlags(Mode) | O_CLOEXEC);
  if (fd < 0) return Fail();
  struct stat st {};
  const int error = ::fstat(fd, &st) != 0 ? errno : (S_ISDIR(st.st_mode) ? EISDIR : 0);
  if (error != 0) {
    ::close(fd);
    SetLastErrorFromErrno(error);
    return -1;
  }
  return fd;
}

int FileCreate(const AnsiString& FileName) {
  const int fd = ::open(NativePath(FileName).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? Fail() : fd;
}

int FileRead(int Handle, void* Buffer, LongWord Count) {
  auto* bytes = static_cast<char*>(Buffer);
  return TransferAll(Count, [&](LongWord done, LongWord left) { return ::read(Handle, bytes + done, left); });
}

int FileWrite(int Handle, const void* Buffer, LongWord Count) {
  const auto* bytes = static_cast<const char*>(Buffer);
  return TransferAll(Count, [&](LongWord done, LongWord left) { return ::write(Handle, bytes + done, left); });
}

Int64 FileSeek(int Handle, Int64 Offset, int Origin) {
  int whence = SEEK_SET;
  if (Origin == soFromCurrent) whence = SEEK_CUR;
  else if (Origin == soFromEnd) whence = SEEK_END;
  else if (Origin != soFromBeginning) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  const off_t pos = ::lseek(Handle, static_cast<off_t>(Offset), whence);
  return pos < 0 ? Fail() : static_cast<Int64>(pos);
}

bool FileSetSize(int Handle, Int64 Size) {
  if (Size < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (::ftruncate(Handle, static_cast<off_t>(Size)) != 0) return Fail() == 0;
  return true;
}

Int64 FileGetSize(int Handle) {
  struct stat st;
  if (::fstat(Handle, &st) != 0) return Fail();
  return static_cast<Int64>(st.st_size);
}

void FileClose(int Handle) {
  if (Handle >= 0) ::close(Handle);
}
