// The calling thread's last error code, as the kernel functions leave it.
#pragma once

#include "wintypes.h"

DWORD GetLastError();
void SetLastError(DWORD code);
