#include "module.h"

#include "lasterror.h"

namespace {
// The instance handle only has to be non-null and unique; an address is both
// and needs no start-up work.
char program_module;
}  // namespace

const HINSTANCE HInstance = &program_module;

HMODULE GetModuleHandle(LPCSTR moduleName) {
  if (moduleName == nullptr) return HInstance;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

HMODULE LoadLibrary(LPCSTR) {
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR) {
  SetLastError(module == HInstance ? ERROR_PROC_NOT_FOUND : ERROR_INVALID_HANDLE);
  return nullptr;
}

BOOL FreeLibrary(HMODULE) {
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}
