// Thread identities. The user-interface thread is the process's main thread:
// on Linux its id equals the process id, which is how MainThreadID knows it
// without any start-up code.
#pragma once

#include "wintypes.h"

DWORD GetCurrentThreadId();

struct MainThreadIdValue {
  operator DWORD() const;
};
// Reads like the class library's variable: GetCurrentThreadId() == MainThreadID.
inline constexpr MainThreadIdValue MainThreadID{};

bool IsMainThread();
