#include "textfile.h"

#include <cerrno>

#include "paths.h"

namespace {

thread_local int pending_error = 0;

constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kDiskWriteError = 101;
constexpr int kFileNotAssigned = 102;
constexpr int kFileNotOpen = 103;

int CodeForOpenError(int error, bool mustExist) {
  switch (error) {
    case ENOENT: return mustExist ? kFileNotFound : kPathNotFound;
    case ENOTDIR: return kPathNotFound;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    default: return kAccessDenied;
  }
}

}  // namespace

// Shared by Rewrite and Append: the two differ only in the mode.
void OpenText(TextFile& f, const char* mode, int mustExist) {
  if (pending_error != 0) return;
  if (f.name_.IsEmpty()) {
    pending_error = kFileNotAssigned;
    return;
  }
  f.file_.reset();
  f.file_.reset(std::fopen(NativePath(f.name_).c_str(), mode));
  if (!f.file_) pending_error = CodeForOpenError(errno, mustExist != 0);
}

void AssignFile(TextFile& f, const AnsiString& fileName) {
  if (pending_error != 0) return;
  f.file_.reset();
  f.name_ = fileName;
}

void Rewrite(TextFile& f) { OpenText(f, "wbe", 0); }

void Append(TextFile& f) {
  // "a" would create a missing file; the runtime's Append does not.
  OpenText(f, "r+be", 1);
  if (f.file_ && std::fseek(f.file_.get(), 0, SEEK_END) != 0) {
    f.file_.reset();
    pending_error = kAccessDenied;
  }
}

void Write(TextFile& f, const AnsiString& text) {
  if (pending_error != 0) return;
  if (!f.file_) {
    pending_error = kFileNotOpen;
    return;
  }
  const std::size_t n = static_cast<std::size_t>(text.Length());
  if ((n && std::fwrite(text.data(), 1, n, f.file_.get()) != n) || std::fflush(f.file_.get()) != 0)
    pending_error = kDiskWriteError;
}

void Writeln(TextFile& f, const AnsiString& text) { Write(f, text + "\r\n"); }

void CloseFile(TextFile& f) {
  if (pending_error != 0) return;
  if (!f.file_) {
    pending_error = kFileNotOpen;
    return;
  }
  if (std::fclose(f.file_.release()) != 0) pending_error = kDiskWriteError;
}

int IOResult() {
  const int code = pending_error;
  pending_error = 0;
  return code;
}
