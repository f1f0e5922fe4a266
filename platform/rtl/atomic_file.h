// Whole-file reads and crash-safe rewrites for the settings files (the
// registry's user.reg, ini files), and the advisory lock that serialises their
// read-modify-write cycles between processes.
//
// A rewrite goes to a temporary file in the same folder, is flushed to disk,
// renamed over the target and the folder flushed too: at every moment the
// target holds either the old or the new text, never a mixture.
#pragma once

#include <string>
#include <string_view>

enum class FileReadResult { Read, Missing, Failed };

// The file's bytes; Missing when there is no such file.
FileReadResult ReadWholeFile(const std::string& path, std::string& bytes);

// Steps of a rewrite at which a test may stop the process.
enum class AtomicWriteStep { TempWritten, BeforeRename, Renamed };
using AtomicWriteHook = void (*)(AtomicWriteStep);

// False (with errno set) when the text could not be stored; the old file is
// then untouched. The temporary file is `path` + ".tmp." + process id, so
// writers in different processes never share one; those of processes that
// are gone are removed after a write. A replaced file keeps its mode, and a
// file without any write permission is not replaced (EACCES).
bool WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteHook hook = nullptr);

// mkdir -p with mode 0700 for the parts that are missing.
bool MakeFolders(const std::string& path);

// An exclusive flock on a lock file (created when missing), held until
// destruction. Locked() is false when the lock file could not be opened.
class ExclusiveFileLock {
 public:
  explicit ExclusiveFileLock(const std::string& lockPath);
  ~ExclusiveFileLock();
  ExclusiveFileLock(const ExclusiveFileLock&) = delete;
  ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
  bool Locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};
