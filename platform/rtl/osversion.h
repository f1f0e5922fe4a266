// The version of "Windows" the program reports: always NT 5.1, build 2600,
// so that every caller takes its modern path (version-4 look, any brush size,
// the NT branch of the shut-down routine). Linux has no such number to map.
#pragma once

#include "wintypes.h"

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
  DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  CHAR szCSDVersion[128] = {};
};
using LPOSVERSIONINFO = OSVERSIONINFO*;

// FALSE with ERROR_INVALID_PARAMETER unless dwOSVersionInfoSize is set to the
// structure's size, as the platform checks.
BOOL GetVersionEx(LPOSVERSIONINFO info);

// The class library's copies of the same numbers.
constexpr int Win32Platform = static_cast<int>(VER_PLATFORM_WIN32_NT);
constexpr int Win32MajorVersion = 5;
constexpr int Win32MinorVersion = 1;
constexpr int Win32BuildNumber = 2600;
constexpr const char* Win32CSDVersion = "";

// The class library's flag for the version-4 look; true on every system we
// report. A variable, as in the original, so that a test can reach the
// branches for the old look.
inline bool NewStyleControls = true;
