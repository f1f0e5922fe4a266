#include "datetime.h"
#include "drives.h"
#include "folders.h"
#include "resourcestrings.h"
#include "sysutils.h"
#include "vyrconst.h"
#include "vyrsysin.h"

namespace Vyrsysin {

namespace {

using namespace Vyrconst;

// Captions in the order of TVyrInfoType.
constexpr int kCaptionIds[VyrInfoTypeCount] = {
    IDS_USERNAME,          IDS_WINDOWSDIR,         IDS_CURRDIR,           IDS_FREESPACE,
    IDS_DISKSIZE,          IDS_SYSTEMDIR,          IDS_REGISTEREDOWNER,   IDS_REGISTEREDCOMPANY,
    IDS_VERSION,           IDS_COLORDEPTH,         IDS_SCREENSAVERDELAY,  IDS_MEMORYSIZE,
    IDS_FREESYSTEMRESOURCES, IDS_FREEGDIRES,       IDS_FREEUSERRES,       IDS_COMPUTERNAME,
    IDS_MAJORVERSION,      IDS_BUILD,              IDS_MEMORYLOADED,      IDS_MEMORYFREE,
    IDS_MEMORYFREEPAGES,   IDS_MEMORYTOTALPAGES,   IDS_MEMORYVIRTUALFREE, IDS_MEMORYVIRTUALTOTAL,
    IDS_PLATFORMID,        IDS_PLATFORM,           IDS_PROCESSORNUMBER,   IDS_PROCESSOR,
    IDS_TEMPPATH,          IDS_DOSVERSION,         IDS_NUMLOCK,           IDS_CAPSLOCK,
    IDS_SCROLL,            IDS_DATETIME,           IDS_COMPANYNAME,       IDS_PRODUCTNAME,
    IDS_PRODUCTVERSION,    IDS_LEGALCOPYRIGHT,     IDS_TRADEMARK,         IDS_FILEDESCRIPTION,
    IDS_COMMENTS,
};

AnsiString OnOff(bool on) { return on ? "On" : "Off"; }

// The current drive in full 64-bit bytes: the 32-bit geometry of
// GetDiskFreeSpace saturates at 4 GiB, which says nothing on today's disks.
AnsiString CurrentDiskBytes(bool total) {
  ULARGE_INTEGER avail{}, size{};
  if (!GetDiskFreeSpaceEx(nullptr, &avail, &size, nullptr)) return "0";
  return IntToStr(total ? size.QuadPart : avail.QuadPart);
}

}  // namespace

AnsiString VyrSIInfoToString(TVyrInfoType Item) {
  const int index = static_cast<int>(Item);
  return index >= 0 && index < VyrInfoTypeCount ? LoadStr(kCaptionIds[index]) : AnsiString();
}

AnsiString GetSystemInfoString(TVyrInfoType Item) {
  using enum TVyrInfoType;
  switch (Item) {
    case itUser:
      return VyrSIUserName();
    case itWinDir:
      return VyrSIWindowsDirectory();
    case itCurrentDir32:
      return GetCurrentDir();
    case itCurrentDiskFree32:
      return CurrentDiskBytes(false);
    case itCurrentDiskSize32:
      return CurrentDiskBytes(true);
    case itSystemDir:
      return VyrSISystemDirectory();
    case itReg_Owner32:
      return VyrSIRegisteredOwner();
    case itReg_Company32:
      return VyrSIRegisteredCompany();
    case itVersion:
      return VyrSIVersionStr();
    case itColorDepth:
      return IntToStr(VyrSIColorDepth());
    case itScreenSaverDelay:
      return IntToStr(VyrSIScreenSaverDelay());
    case itMemSize:
      return IntToStr(VyrSIMemTotal());
    case itFreeSysRes:
      return IntToStr(VyrSIFreeSysRes());
    case itFreeGDIRes:
      return IntToStr(VyrSIFreeGDIRes());
    case itFreeUserRes:
      return IntToStr(VyrSIFreeUserRes());
    case itComputerName32:
      return VyrSIComputerName();
    case itMajorVerNr32:
      return IntToStr(VyrSIMajorVersionNr());
    case itBuildNr32:
      return IntToStr(VyrSIBuildNr());
    case itMemLoaded32:
      return IntToStr(VyrSIMemLoaded());
    case itMemFree32:
      return IntToStr(VyrSIMemFree());
    case itMemPageFree32:
      return IntToStr(VyrSIMemPageFree());
    case itMemPageTotal32:
      return IntToStr(VyrSIMemPageTotal());
    case itMemVirtFree32:
      return IntToStr(VyrSIMemVirtFree());
    case itMemVirtTotal32:
      return IntToStr(VyrSIMemVirtTotal());
    case itPlatformID32:
      return IntToStr(VyrSIPlatformID());
    case itPlatform32:
      return VyrSIPlatformStr();
    case itProcessorCont32:
      return IntToStr(VyrSIProcessorCount());
    case itProcessor32:
      return VyrSIProcessorTypeStr();
    case itTempPath32:
      return VyrSITempPath();
    case itDOSVersion:
      return "Win32";
    case itNumLock:
      return OnOff(VyrSINumLock());
    case itCapsLock:
      return OnOff(VyrSICapsLock());
    case itScroll:
      return OnOff(VyrSIScrollLock());
    case itCurrentDateTime:
      return DateTimeToStr(Now());
    case itProgCompany:
    case itProgName:
    case itProgVersion:
    case itProgCopyright:
    case itProgTrademark:
    case itProgDescription:
    case itProgComments:
      return VyrSIVersionInfo(
          static_cast<TVyrVersionInfoType>(static_cast<int>(Item) - static_cast<int>(itProgCompany)));
  }
  return AnsiString();
}

}  // namespace Vyrsysin
