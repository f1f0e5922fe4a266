#include <memory>

#include "dc.h"
#include "folders.h"
#include "keyboard.h"
#include "metrics.h"
#include "module.h"
#include "paint.h"
#include "paths.h"
#include "sysinfo.h"
#include "sysutils.h"
#include "tregistry.h"
#include "tstrings.h"
#include "versioninfo.h"
#include "vyrprocs.h"
#include "vyrsysin.h"

namespace Vyrsysin {

namespace {

int ScreenCaps(int index) {
  HDC dc = GetDC(nullptr);
  const int value = GetDeviceCaps(dc, index);
  ReleaseDC(nullptr, dc);
  return value;
}

bool Toggled(int vk) { return (GetKeyState(vk) & 1) != 0; }

MEMORYSTATUS MemoryStatus() {
  MEMORYSTATUS status;
  GlobalMemoryStatus(&status);
  return status;
}

OSVERSIONINFO VersionInfo() {
  OSVERSIONINFO info;
  GetVersionEx(&info);
  return info;
}

SYSTEM_INFO SystemInfo() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info;
}

// The entry of the optional free-resources library; 100 % without it, as
// on every system that lacks the library.
int FreeResources(int kind) {
  HMODULE library = LoadLibrary("RSRC32.DLL");
  if (!library) return 100;
  int result = 100;
  using FreeResourcesProc = int (*)(int);
  if (FARPROC proc = GetProcAddress(library, "_MyGetFreeSystemResources32@4"))
    result = reinterpret_cast<FreeResourcesProc>(reinterpret_cast<void (*)()>(proc))(kind);
  FreeLibrary(library);
  return result;
}

AnsiString CurrentVersionValue(const AnsiString& name) {
  const AnsiString key = AnsiString("\\SOFTWARE\\Microsoft\\") +
                         (VyrSIPlatformID() == VER_PLATFORM_WIN32_NT ? "Windows NT" : "Windows") + "\\CurrentVersion";
  auto registry = std::make_unique<TRegistry>(KEY_READ);
  registry->SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry->OpenKeyReadOnly(key)) return AnsiString();
  return registry->ReadString(name);
}

// The zone's abbreviations are plain ASCII.
AnsiString NarrowName(const WCHAR* name) {
  AnsiString out;
  for (; *name; ++name) out += *name < 0x80 ? static_cast<char>(*name) : '?';
  return out;
}

}  // namespace

bool VyrSIStretchBltPossible() { return (ScreenCaps(RASTERCAPS) & RC_STRETCHBLT) != 0; }
Byte VyrSIColorDepth() { return static_cast<Byte>(ScreenCaps(BITSPIXEL) * ScreenCaps(PLANES)); }

int VyrSIScreenSaverDelay() {
  int seconds = 0;
  if (!SystemParametersInfo(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0)) return 0;
  return seconds / 60;
}

bool VyrSINumLock() { return Toggled(VK_NUMLOCK); }
bool VyrSICapsLock() { return Toggled(VK_CAPITAL); }
bool VyrSIScrollLock() { return Toggled(VK_SCROLL); }

DWORD VyrSIMemTotal() { return MemoryStatus().dwTotalPhys; }
DWORD VyrSIMemLoaded() { return MemoryStatus().dwMemoryLoad; }
DWORD VyrSIMemFree() { return MemoryStatus().dwAvailPhys; }
DWORD VyrSIMemPageFree() { return MemoryStatus().dwAvailPageFile; }
DWORD VyrSIMemPageTotal() { return MemoryStatus().dwTotalPageFile; }
DWORD VyrSIMemVirtFree() { return MemoryStatus().dwAvailVirtual; }
DWORD VyrSIMemVirtTotal() { return MemoryStatus().dwTotalVirtual; }

DWORD VyrSIMajorVersionNr() { return VersionInfo().dwMajorVersion; }
DWORD VyrSIMinorVersionNr() { return VersionInfo().dwMinorVersion; }
DWORD VyrSIBuildNr() { return VersionInfo().dwBuildNumber; }
AnsiString VyrSIVersionString() { return AnsiString(VersionInfo().szCSDVersion); }
AnsiString VyrSIVersionStr() { return Format("%d.%d", VyrSIMajorVersionNr(), VyrSIMinorVersionNr()); }

double VyrSIVersionNr() {
  const DWORD minor = VyrSIMinorVersionNr();
  double fraction = minor;
  while (fraction >= 1) fraction /= 10;
  return VyrSIMajorVersionNr() + fraction;
}

bool VyrSIOLDWindowsNT() { return VyrSIPlatformID() == VER_PLATFORM_WIN32_NT && VyrSIMajorVersionNr() < 4; }
DWORD VyrSIPlatformID() { return VersionInfo().dwPlatformId; }

AnsiString VyrSIPlatformStr() {
  switch (VyrSIPlatformID()) {
    case VER_PLATFORM_WIN32s:
      return "Win32s";
    case VER_PLATFORM_WIN32_WINDOWS:
      return "Windows 95";
    default:
      return "Windows NT";
  }
}

DWORD VyrSIProcessorCount() { return SystemInfo().dwNumberOfProcessors; }

AnsiString VyrSIProcessorTypeStr() {
  const DWORD type = SystemInfo().dwProcessorType;
  switch (type) {
    case PROCESSOR_INTEL_386:
      return "Intel 386";
    case PROCESSOR_INTEL_486:
      return "Intel 486";
    case PROCESSOR_INTEL_PENTIUM:
      return "Intel Pentium";
    case PROCESSOR_ALPHA_21064:
      return "Alpha 21064";
    default:
      return "Mips R" + IntToStr(type);
  }
}

int VyrSIFreeSysRes() { return FreeResources(0); }
int VyrSIFreeGDIRes() { return FreeResources(1); }
int VyrSIFreeUserRes() { return FreeResources(2); }

AnsiString VyrSITempPath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPath(sizeof buffer, buffer);
  return length > 0 && length < sizeof buffer ? AnsiString(buffer, length) : AnsiString();
}

AnsiString VyrSITempFile() {
  char name[MAX_PATH] = {};
  if (GetTempFileName(VyrSITempPath().c_str(), "DEL", 0, name) == 0) return AnsiString();
  return AnsiString(name);
}

void VyrSIEnvironment(TStrings* List) {
  List->Clear();
  for (const AnsiString& entry : GetEnvironmentStrings()) List->Add(entry);
}

AnsiString VyrSIWindowsDirectory() { return Vyrprocs::VyrWindowsDirectory(); }
AnsiString VyrSISystemDirectory() { return Vyrprocs::VyrSystemDirectory(); }
AnsiString VyrSIRegisteredOwner() { return CurrentVersionValue("RegisteredOwner"); }
AnsiString VyrSIRegisteredCompany() { return CurrentVersionValue("RegisteredOrganization"); }

AnsiString VyrSIComputerName() {
  char buffer[256] = {};
  DWORD size = sizeof buffer;
  return GetComputerName(buffer, &size) ? AnsiString(buffer, size) : AnsiString();
}

AnsiString VyrSIUserName() {
  char buffer[256] = {};
  DWORD size = sizeof buffer;
  return GetUserName(buffer, &size) ? AnsiString(buffer) : AnsiString();
}

WORD VyrSISystemDefaultLanguageID() { return GetSystemDefaultLangID(); }

AnsiString VyrSIGetTimeZone() {
  TIME_ZONE_INFORMATION zone;
  if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return AnsiString();
  return NarrowName(zone.StandardName);
}

LONG VyrSIGetTimeZoneBias() {
  TIME_ZONE_INFORMATION zone;
  if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return 0;
  return zone.Bias;
}

int VyrSIIconHeight() { return GetSystemMetrics(SM_CYICON); }
int VyrSIIconWidth() { return GetSystemMetrics(SM_CXICON); }
int VyrSISmallIconHeight() { return GetSystemMetrics(SM_CYSMICON); }
int VyrSISmallIconWidth() { return GetSystemMetrics(SM_CXSMICON); }
HANDLE VyrSISystemIconListHandle() { return nullptr; }

AnsiString VyrSIVersionInfo(TVyrVersionInfoType Kind) {
  static const char* const kNames[] = {"CompanyName",    "ProductName",     "ProductVersion", "LegalCopyright",
                                       "LegalTrademark", "FileDescription", "Comments"};
  const AnsiString file = ProgramFilePath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSize(file.c_str(), &handle);
  if (size == 0) return AnsiString();
  std::unique_ptr<char[]> block(new char[size]);
  if (!GetFileVersionInfo(file.c_str(), handle, size, block.get())) return AnsiString();

  AnsiString translation = "040904E4";
  void* value = nullptr;
  UINT length = 0;
  if (VerQueryValue(block.get(), "\\VarFileInfo\\Translation", &value, &length) && length >= 4) {
    const auto* words = static_cast<const WORD*>(value);
    translation = Format("%.4x%.4x", words[0], words[1]);
  }
  const AnsiString path =
      "\\StringFileInfo\\" + translation + "\\" + kNames[static_cast<int>(Kind)];
  if (!VerQueryValue(block.get(), path.c_str(), &value, &length) || length == 0) return AnsiString();
  return AnsiString(static_cast<const char*>(value));
}

}  // namespace Vyrsysin
