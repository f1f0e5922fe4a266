#include <vector>

#include "drives.h"
#include "resourcestrings.h"
#include "tstrings.h"
#include "vyrconst.h"
#include "vyrsysin.h"

namespace Vyrsysin {

void VyrSIDriveInfo(const AnsiString& Root, TVyrDriveInfo& Info) {
  Info = TVyrDriveInfo();
  const AnsiString root = Root.SubString(1, 3);
  Info.DriveType = GetDriveType(root.c_str());
  if (Info.DriveType <= DRIVE_NO_ROOT_DIR) return;
  if (!GetDiskFreeSpace(root.c_str(), &Info.SectorsPerCluster, &Info.BytesPerSector, &Info.FreeClusters,
                        &Info.TotalClusters))
    return;
  // 32-bit products, as the record holds them; the platform keeps the
  // cluster counts small enough that they do not wrap.
  const DWORD cluster = Info.SectorsPerCluster * Info.BytesPerSector;
  Info.FreeSpace = cluster * Info.FreeClusters;
  Info.TotalSpace = cluster * Info.TotalClusters;
}

void VyrSIDriveList(TStrings* List) {
  List->Clear();
  const DWORD size = GetLogicalDriveStrings(0, nullptr);
  std::vector<char> buffer(size + 1, '\0');
  if (GetLogicalDriveStrings(static_cast<DWORD>(buffer.size()), buffer.data()) == 0) return;
  for (const char* root = buffer.data(); *root; root += AnsiString(root).Length() + 1)
    List->Add(AnsiString(root, 3));
}

AnsiString VyrSIDriveTypeStr(UINT Type) {
  using namespace Vyrconst;
  static const int kIds[] = {IDS_NOROOTDIR, IDS_REMOVABLE, IDS_FIXEDDRIVE, IDS_REMOTE, IDS_CDROM, IDS_RAMDISK};
  if (Type >= DRIVE_NO_ROOT_DIR && Type <= DRIVE_RAMDISK) return LoadStr(kIds[Type - DRIVE_NO_ROOT_DIR]);
  return LoadStr(SUnknown);
}

}  // namespace Vyrsysin
