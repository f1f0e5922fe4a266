#include "kernelobject.h"

#include <cstdint>
#include <map>
#include <mutex>

#include "lasterror.h"

namespace {

struct HandleTable {
  std::mutex mutex;
  std::map<std::uintptr_t, std::unique_ptr<KernelObject>> objects;
  // Multiples of 4 from 0x1000, as handles look elsewhere; far from the
  // failure values 0 and -1.
  std::uintptr_t next = 0x1000;
};

HandleTable& Table() {
  static HandleTable table;
  return table;
}

}  // namespace

HANDLE RegisterKernelObject(std::unique_ptr<KernelObject> object) {
  HandleTable& t = Table();
  std::lock_guard lock(t.mutex);
  const std::uintptr_t id = t.next;
  t.next += 4;
  t.objects.emplace(id, std::move(object));
  return reinterpret_cast<HANDLE>(id);
}

KernelObject* FindKernelObject(HANDLE handle) {
  HandleTable& t = Table();
  std::lock_guard lock(t.mutex);
  const auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == t.objects.end() ? nullptr : it->second.get();
}

BOOL CloseHandle(HANDLE handle) {
  std::unique_ptr<KernelObject> closing;
  {
    HandleTable& t = Table();
    std::lock_guard lock(t.mutex);
    const auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.objects.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    closing = std::move(it->second);
    t.objects.erase(it);
  }
  // Destroyed outside the lock: closing may do I/O.
  closing.reset();
  return TRUE;
}
