// Shutting down or restarting the machine, which a library routine offers.
// The program never shuts down a Linux host: every call here does nothing,
// answers FALSE and leaves ERROR_CALL_NOT_IMPLEMENTED, so the caller takes
// its failure path (and the program keeps running).
#pragma once

#include "wintypes.h"

struct LUID {
  DWORD LowPart = 0;
  LONG HighPart = 0;
};

struct LUID_AND_ATTRIBUTES {
  LUID Luid;
  DWORD Attributes = 0;
};

struct TOKEN_PRIVILEGES {
  DWORD PrivilegeCount = 0;
  LUID_AND_ATTRIBUTES Privileges[1];
};
using PTOKEN_PRIVILEGES = TOKEN_PRIVILEGES*;

constexpr DWORD TOKEN_QUERY = 0x0008;
constexpr DWORD TOKEN_ADJUST_PRIVILEGES = 0x0020;
constexpr DWORD SE_PRIVILEGE_ENABLED = 0x00000002;
#define SE_SHUTDOWN_NAME "SeShutdownPrivilege"

constexpr UINT EWX_LOGOFF = 0;
constexpr UINT EWX_SHUTDOWN = 1;
constexpr UINT EWX_REBOOT = 2;
constexpr UINT EWX_FORCE = 4;
constexpr UINT EWX_POWEROFF = 8;

// The pseudo handle of the calling process, as the platform gives it.
HANDLE GetCurrentProcess();
BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, HANDLE* token);
BOOL LookupPrivilegeValue(LPCSTR systemName, LPCSTR name, LUID* luid);
BOOL AdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES newState, DWORD bufferLength,
                           PTOKEN_PRIVILEGES previousState, DWORD* returnLength);
BOOL ExitWindowsEx(UINT flags, DWORD reason);
