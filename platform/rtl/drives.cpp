#include "drives.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <mutex>
#include <optional>

#include "lasterror.h"
#include "paths.h"

namespace {

struct Table {
  std::mutex mutex;
  std::vector<Volume> volumes{Volume{}};
};

Table& TheTable() {
  static Table table;
  return table;
}

bool IsDriveSpec(LPCSTR root) {
  return root && std::isalpha(static_cast<unsigned char>(root[0])) && root[1] == ':';
}

// The volume named by "x:..." or holding a Linux path.
std::optional<Volume> FindVolume(LPCSTR root) {
  const std::vector<Volume> volumes = VolumeTable();
  if (IsDriveSpec(root)) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(root[0])));
    for (const Volume& v : volumes)
      if (v.Letter == letter) return v;
    return std::nullopt;
  }
  std::string path;
  if (root && root[0]) {
    path = NativePath(root);
  } else {
    char cwd[4096];
    path = ::getcwd(cwd, sizeof cwd) ? cwd : "/";
  }
  const Volume* best = nullptr;
  for (const Volume& v : volumes) {
    const bool contains = path.compare(0, v.Root.size(), v.Root) == 0 &&
                          (path.size() == v.Root.size() || v.Root.back() == '/' || path[v.Root.size()] == '/');
    if (contains && (!best || v.Root.size() > best->Root.size())) best = &v;
  }
  return best ? std::optional<Volume>(*best) : std::nullopt;
}

// statvfs of the volume that holds root; FALSE with the last error set for
// no such volume or one without a medium.
std::optional<Volume> StatVolume(LPCSTR root, struct statvfs& st) {
  const std::optional<Volume> v = FindVolume(root);
  if (!v) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return std::nullopt;
  }
  if (!v->Ready || ::statvfs(v->Root.c_str(), &st) != 0) {
    SetLastError(ERROR_NOT_READY);
    return std::nullopt;
  }
  return v;
}

DWORD Saturated(unsigned long long v) { return v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(v); }

std::atomic<UINT> error_mode{0};

}  // namespace

void SetVolumeTableForTesting(const std::vector<Volume>& volumes) {
  Table& t = TheTable();
  std::lock_guard lock(t.mutex);
  t.volumes = volumes.empty() ? std::vector<Volume>{Volume{}} : volumes;
}

std::vector<Volume> VolumeTable() {
  Table& t = TheTable();
  std::lock_guard lock(t.mutex);
  return t.volumes;
}

std::string VolumeRootOfDrive(char letter) {
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  for (const Volume& v : VolumeTable())
    if (v.Letter == lower) return v.Root;
  return std::string();
}

DWORD GetLogicalDriveStrings(DWORD size, LPSTR buffer) {
  std::string all;
  for (const Volume& v : VolumeTable()) {
    all += v.Letter;
    all += ":\\";
    all += '\0';
  }
  if (!buffer || all.size() + 1 > size) return static_cast<DWORD>(all.size() + 1);
  std::memcpy(buffer, all.data(), all.size());
  buffer[all.size()] = '\0';
  return static_cast<DWORD>(all.size());
}

DWORD GetLogicalDrives() {
  DWORD mask = 0;
  for (const Volume& v : VolumeTable())
    if (v.Letter >= 'a' && v.Letter <= 'z') mask |= 1u << (v.Letter - 'a');
  return mask;
}

UINT GetDriveType(LPCSTR root) {
  const std::optional<Volume> v = FindVolume(root);
  return v ? v->Type : DRIVE_NO_ROOT_DIR;
}

BOOL GetDiskFreeSpace(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                      LPDWORD totalClusters) {
  struct statvfs st {};
  if (!StatVolume(root, st)) return FALSE;
  constexpr unsigned long long kSector = 512;
  const unsigned long long unit = st.f_frsize ? st.f_frsize : st.f_bsize;
  const unsigned long long sectors = unit >= kSector ? unit / kSector : 1;
  const unsigned long long clusterBytes = sectors * kSector;
  const unsigned long long maxClusters = 0xFFFFFFFFull / clusterBytes;
  const unsigned long long freeBytes = static_cast<unsigned long long>(st.f_bavail) * unit;
  const unsigned long long totalBytes = static_cast<unsigned long long>(st.f_blocks) * unit;
  if (sectorsPerCluster) *sectorsPerCluster = Saturated(sectors);
  if (bytesPerSector) *bytesPerSector = static_cast<DWORD>(kSector);
  if (freeClusters) *freeClusters = static_cast<DWORD>(std::min(freeBytes / clusterBytes, maxClusters));
  if (totalClusters) *totalClusters = static_cast<DWORD>(std::min(totalBytes / clusterBytes, maxClusters));
  return TRUE;
}

BOOL GetDiskFreeSpaceEx(LPCSTR directory, PULARGE_INTEGER freeBytesAvailable, PULARGE_INTEGER totalBytes,
                        PULARGE_INTEGER totalFreeBytes) {
  struct statvfs st {};
  if (!StatVolume(directory, st)) return FALSE;
  const unsigned long long unit = st.f_frsize ? st.f_frsize : st.f_bsize;
  if (freeBytesAvailable) freeBytesAvailable->QuadPart = static_cast<ULONGLONG>(st.f_bavail) * unit;
  if (totalBytes) totalBytes->QuadPart = static_cast<ULONGLONG>(st.f_blocks) * unit;
  if (totalFreeBytes) totalFreeBytes->QuadPart = static_cast<ULONGLONG>(st.f_bfree) * unit;
  return TRUE;
}

BOOL GetVolumeInformation(LPCSTR root, LPSTR volumeName, DWORD volumeNameSize, LPDWORD serialNumber,
                          LPDWORD maxComponentLength, LPDWORD fileSystemFlags, LPSTR fileSystemName,
                          DWORD fileSystemNameSize) {
  struct statvfs st {};
  const std::optional<Volume> v = StatVolume(root, st);
  if (!v) return FALSE;
  if ((volumeName && CopyToBuffer(v->Label, volumeName, volumeNameSize) > v->Label.size()) ||
      (fileSystemName && CopyToBuffer(v->FileSystem, fileSystemName, fileSystemNameSize) > v->FileSystem.size())) {
    SetLastError(ERROR_MORE_DATA);
    return FALSE;
  }
  if (serialNumber) *serialNumber = static_cast<DWORD>(st.f_fsid);
  if (maxComponentLength) *maxComponentLength = static_cast<DWORD>(st.f_namemax);
  if (fileSystemFlags) *fileSystemFlags = 0;
  return TRUE;
}

UINT SetErrorMode(UINT mode) { return error_mode.exchange(mode); }

DWORD WNetGetConnection(LPCSTR localName, LPSTR remoteName, LPDWORD length) {
  const std::optional<Volume> v = IsDriveSpec(localName) ? FindVolume(localName) : std::nullopt;
  if (!v) return ERROR_BAD_DEVICE;
  if (v->RemoteName.empty()) return ERROR_NOT_CONNECTED;
  if (!length) return ERROR_INVALID_PARAMETER;
  const DWORD copied = CopyToBuffer(v->RemoteName, remoteName, *length);
  if (copied > v->RemoteName.size()) {
    *length = copied;
    return ERROR_MORE_DATA;
  }
  return NO_ERROR;
}
