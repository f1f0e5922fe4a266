// System information: the non-client metrics that custom captions paint
// with, and the VyrSI* queries behind an information label's keyed texts.
// Where the platform has no such service (free resources, the shell's image
// list) the routine gives the documented fallback.
#pragma once

#include "ansistring.h"
#include "hwnd.h"
#include "rect.h"
#include "wintypes.h"
#include "unitstartup.h"

class TStrings;

namespace Vyrsysin {

// ---- non-client metrics ----
int VyrNCBITMAPHEIGHT();
int VyrNCBITMAPWIDTH();
int VyrNCCAPTIONHEIGHT();
int VyrNCDLGBORDERWIDTH();
int VyrNCDLGBORDERHEIGHT();
int VyrNCFIXBORDERWIDTH();
int VyrNCFIXBORDERHEIGHT();
int VyrNCSIZEBORDERWIDTH();
int VyrNCSIZEBORDERHEIGHT();
int VyrNCBORDERWIDTH();
int VyrNCBORDERHEIGHT();
int VyrNCSMALLCAPTIONHEIGHT();
int VyrNCSMALLBITMAPHEIGHT();
int VyrNCSMALLBITMAPWIDTH();
int VyrNCCAPTIONICONHEIGHT();
int VyrNCCAPTIONICONWIDTH();

// Bits of VyrNCCalcDrawingArea's Flags.
constexpr Word ncfSmallCaption = 4;
constexpr Word ncfSystemIcon = 8;
constexpr Word ncfMinimized = 16;

// In window coordinates: CaptionRect the caption strip inside the frame,
// DrawRect what of it the system icon and the caption buttons leave free.
void VyrNCCalcDrawingArea(HWND Wnd, TRect& CaptionRect, TRect& DrawRect, Word& Flags);

// ---- system information ----
enum class TVyrInfoType {
  itUser,
  itWinDir,
  itCurrentDir32,
  itCurrentDiskFree32,
  itCurrentDiskSize32,
  itSystemDir,
  itReg_Owner32,
  itReg_Company32,
  itVersion,
  itColorDepth,
  itScreenSaverDelay,
  itMemSize,
  itFreeSysRes,
  itFreeGDIRes,
  itFreeUserRes,
  itComputerName32,
  itMajorVerNr32,
  itBuildNr32,
  itMemLoaded32,
  itMemFree32,
  itMemPageFree32,
  itMemPageTotal32,
  itMemVirtFree32,
  itMemVirtTotal32,
  itPlatformID32,
  itPlatform32,
  itProcessorCont32,
  itProcessor32,
  itTempPath32,
  itDOSVersion,
  itNumLock,
  itCapsLock,
  itScroll,
  itCurrentDateTime,
  itProgCompany,
  itProgName,
  itProgVersion,
  itProgCopyright,
  itProgTrademark,
  itProgDescription,
  itProgComments,
};
constexpr int VyrInfoTypeCount = static_cast<int>(TVyrInfoType::itProgComments) + 1;

// The strings of the program's version resource, in the order of the
// itProg* items.
enum class TVyrVersionInfoType {
  vtCompanyName,
  vtProductName,
  vtProductVersion,
  vtLegalCopyright,
  vtLegalTrademark,
  vtFileDescription,
  vtComments,
};

// A drive's type and, for types above DRIVE_NO_ROOT_DIR, its geometry. The
// byte counts are the 32-bit products of the geometry, which the platform
// keeps at or below 0xFFFFFFFF.
struct TVyrDriveInfo {
  UINT DriveType = 0;
  DWORD FreeSpace = 0;
  DWORD TotalSpace = 0;
  DWORD SectorsPerCluster = 0;
  DWORD BytesPerSector = 0;
  DWORD FreeClusters = 0;
  DWORD TotalClusters = 0;
};

bool VyrSIStretchBltPossible();
Byte VyrSIColorDepth();
int VyrSIScreenSaverDelay();
bool VyrSINumLock();
bool VyrSICapsLock();
bool VyrSIScrollLock();

DWORD VyrSIMemTotal();
DWORD VyrSIMemLoaded();
DWORD VyrSIMemFree();
DWORD VyrSIMemPageFree();
DWORD VyrSIMemPageTotal();
DWORD VyrSIMemVirtFree();
DWORD VyrSIMemVirtTotal();

DWORD VyrSIMajorVersionNr();
DWORD VyrSIMinorVersionNr();
DWORD VyrSIBuildNr();
AnsiString VyrSIVersionString();
AnsiString VyrSIVersionStr();
double VyrSIVersionNr();
bool VyrSIOLDWindowsNT();
DWORD VyrSIPlatformID();
AnsiString VyrSIPlatformStr();
DWORD VyrSIProcessorCount();
AnsiString VyrSIProcessorTypeStr();

int VyrSIFreeSysRes();
int VyrSIFreeGDIRes();
int VyrSIFreeUserRes();

void VyrSIDriveInfo(const AnsiString& Root, TVyrDriveInfo& Info);
void VyrSIDriveList(TStrings* List);
AnsiString VyrSIDriveTypeStr(UINT Type);

AnsiString VyrSITempPath();
AnsiString VyrSITempFile();
void VyrSIEnvironment(TStrings* List);
AnsiString VyrSIWindowsDirectory();
AnsiString VyrSISystemDirectory();
AnsiString VyrSIRegisteredOwner();
AnsiString VyrSIRegisteredCompany();
AnsiString VyrSIComputerName();
AnsiString VyrSIUserName();
WORD VyrSISystemDefaultLanguageID();
AnsiString VyrSIGetTimeZone();
LONG VyrSIGetTimeZoneBias();

int VyrSIIconHeight();
int VyrSIIconWidth();
int VyrSISmallIconHeight();
int VyrSISmallIconWidth();
// There is no shell image list: always 0.
HANDLE VyrSISystemIconListHandle();

AnsiString VyrSIVersionInfo(TVyrVersionInfoType Kind);

// The item's value as text, and its caption.
AnsiString GetSystemInfoString(TVyrInfoType Item);
AnsiString VyrSIInfoToString(TVyrInfoType Item);

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrsysin", &Initialize, &Finalize};

}  // namespace Vyrsysin
