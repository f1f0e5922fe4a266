#include "threadid.h"

#include <unistd.h>

DWORD GetCurrentThreadId() { return static_cast<DWORD>(gettid()); }

MainThreadIdValue::operator DWORD() const { return static_cast<DWORD>(getpid()); }

bool IsMainThread() { return gettid() == getpid(); }
