// Drives. Linux has one tree, not lettered drives, so the program sees a
// volume table: by default one fixed pseudo drive "c:\" whose root is "/".
// Tests put in their own table (removable, remote, CD-ROM drives ...).
//
// Roots are spelt "x:\" (three characters), as the callers cut them; a Linux
// path names the volume whose root is its longest leading part.
#pragma once

#include <string>
#include <vector>

#include "ansistring.h"
#include "wintypes.h"

constexpr UINT DRIVE_UNKNOWN = 0;
constexpr UINT DRIVE_NO_ROOT_DIR = 1;
constexpr UINT DRIVE_REMOVABLE = 2;
constexpr UINT DRIVE_FIXED = 3;
constexpr UINT DRIVE_REMOTE = 4;
constexpr UINT DRIVE_CDROM = 5;
constexpr UINT DRIVE_RAMDISK = 6;

struct Volume {
  char Letter = 'c';                // a..z
  std::string Root = "/";           // the host folder behind the drive
  UINT Type = DRIVE_FIXED;
  std::string Label;                // GetVolumeInformation's volume name
  std::string FileSystem = "ext4";  // GetVolumeInformation's file-system name
  std::string RemoteName;           // WNetGetConnection's answer; "" = local
  bool Ready = true;                // false: a drive without a medium
};

// The default table again with an empty list.
void SetVolumeTableForTesting(const std::vector<Volume>& volumes);
std::vector<Volume> VolumeTable();
// The host root behind drive `letter`, "" when there is no such drive.
std::string VolumeRootOfDrive(char letter);

// "c:\<0>d:\<0><0>": the length without the final zero, or the size needed
// (with it) when the buffer is too small.
DWORD GetLogicalDriveStrings(DWORD size, LPSTR buffer);
// Bit 0 for a:, bit 2 for c: ...
DWORD GetLogicalDrives();
// root: "x:\", "x:" or a Linux path; nullptr means the current folder's drive.
UINT GetDriveType(LPCSTR root);

// statvfs of the volume's root. The products clusters × sectors per cluster ×
// bytes per sector are what callers compute in 32 bits, so the cluster
// counts are cut down until those products stay below 4 GiB.
BOOL GetDiskFreeSpace(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                      LPDWORD totalClusters);

// The same figures in full 64-bit bytes, for any folder on the volume:
// the free bytes this user may take (statvfs f_bavail), the volume's size
// and all its free bytes (f_bfree). Null pointers are skipped.
BOOL GetDiskFreeSpaceEx(LPCSTR directory, PULARGE_INTEGER freeBytesAvailable, PULARGE_INTEGER totalBytes,
                        PULARGE_INTEGER totalFreeBytes);

// Label and file-system name from the volume table; the serial number from
// the host's file-system id. FALSE (ERROR_NOT_READY / ERROR_PATH_NOT_FOUND)
// for a drive without medium or no such drive.
BOOL GetVolumeInformation(LPCSTR root, LPSTR volumeName, DWORD volumeNameSize, LPDWORD serialNumber,
                          LPDWORD maxComponentLength, LPDWORD fileSystemFlags, LPSTR fileSystemName,
                          DWORD fileSystemNameSize);

// No system message boxes for a missing medium exist here; the mode is kept
// so that the callers' save-and-restore pairs read back what they set.
constexpr UINT SEM_FAILCRITICALERRORS = 0x0001;
UINT SetErrorMode(UINT mode);

constexpr DWORD NO_ERROR = 0;
constexpr DWORD ERROR_BAD_DEVICE = 1200;
// localName "x:"; the table's remote name. ERROR_NOT_CONNECTED for a local
// drive, ERROR_BAD_DEVICE for no drive, ERROR_MORE_DATA (with the size
// needed in *length) for a short buffer.
DWORD WNetGetConnection(LPCSTR localName, LPSTR remoteName, LPDWORD length);
