#include "shell.h"

#include <cstdint>
#include <cstring>

#include "host.h"

HINSTANCE ShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, int) {
  bool open = !verb || std::strcmp(verb, "open") == 0;
  if (!open || !file || !*file || !Backend::HostInstalled())
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(SE_ERR_NOASSOC));
  // Values above 32 mean success; a desktop that refused gets the
  // no-association answer so callers can tell.
  bool handedOn = Backend::CurrentHost().OpenUrl(file);
  return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(handedOn ? 42 : SE_ERR_NOASSOC));
}

BOOL MessageBeep(UINT) { return TRUE; }
