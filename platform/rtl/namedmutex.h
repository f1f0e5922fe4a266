// Named mutexes, used to find a previous instance of the program.
//
// CreateMutex(nullptr, FALSE, name) takes an flock on the lock file
// "morvant2-<name>.lock" in $XDG_RUNTIME_DIR (the temporary folder when that
// is not set). When another holder has it, in this or another process, the
// handle is still returned and GetLastError() is ERROR_ALREADY_EXISTS (183),
// as on the original; otherwise the last error is 0. CloseHandle gives the
// lock up, and the kernel does so when the process ends, however it ends.
//
// Unlike a kernel mutex, the name lives only as long as its first holder:
// once that holder closes, a new CreateMutex succeeds even while other
// handles to the name are open.
#pragma once

#include "kernelobject.h"
#include "wintypes.h"

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// nullptr on failure (the lock folder cannot be written), the last error
// then says why. Names are sanitised into file names: characters other than
// letters, digits, '.', '-' and '_' become '_'.
HANDLE CreateMutex(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name);
