// Kernel handles (HANDLE) for the objects the program opens through the
// kernel functions (named mutexes so far). A handle is a serial number, never
// reused, so closing a stale or foreign handle fails cleanly instead of
// touching freed memory.
#pragma once

#include <memory>

#include "wintypes.h"

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

HANDLE RegisterKernelObject(std::unique_ptr<KernelObject> object);
// nullptr for an unknown handle.
KernelObject* FindKernelObject(HANDLE handle);
// FALSE with ERROR_INVALID_HANDLE for an unknown handle.
BOOL CloseHandle(HANDLE handle);
