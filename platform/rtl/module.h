// The program's module handle and the loading of further modules.
//
// The program is one executable with everything linked in; there are no
// modules to load. LoadLibrary therefore always fails cleanly (nullptr, last
// error ERROR_MOD_NOT_FOUND), and so do GetProcAddress and FreeLibrary, so
// that the callers' fallbacks run: the optional free-resources library, for
// one, gives its documented 100 %.
#pragma once

#include "wintypes.h"

using FARPROC = INT_PTR (*)();

// The program itself; stands wherever the original passes its instance handle.
extern const HINSTANCE HInstance;

// nullptr: the program's own handle; any name: nullptr with ERROR_MOD_NOT_FOUND.
HMODULE GetModuleHandle(LPCSTR moduleName);
HMODULE LoadLibrary(LPCSTR fileName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);
