#include "osversion.h"

#include <cstring>

#include "lasterror.h"

BOOL GetVersionEx(LPOSVERSIONINFO info) {
  if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  info->dwMajorVersion = Win32MajorVersion;
  info->dwMinorVersion = Win32MinorVersion;
  info->dwBuildNumber = Win32BuildNumber;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::strncpy(info->szCSDVersion, Win32CSDVersion, sizeof info->szCSDVersion - 1);
  info->szCSDVersion[sizeof info->szCSDVersion - 1] = '\0';
  return TRUE;
}
