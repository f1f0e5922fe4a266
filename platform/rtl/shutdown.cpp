#include "shutdown.h"

#include "lasterror.h"

namespace {
BOOL Refuse() {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}
}  // namespace

HANDLE GetCurrentProcess() { return INVALID_HANDLE_VALUE; }

BOOL OpenProcessToken(HANDLE, DWORD, HANDLE* token) {
  if (token) *token = nullptr;
  return Refuse();
}

BOOL LookupPrivilegeValue(LPCSTR, LPCSTR, LUID* luid) {
  if (luid) *luid = LUID{};
  return Refuse();
}

BOOL AdjustTokenPrivileges(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, DWORD* returnLength) {
  if (returnLength) *returnLength = 0;
  return Refuse();
}

BOOL ExitWindowsEx(UINT, DWORD) { return Refuse(); }
