// Critical sections: the kernel's CRITICAL_SECTION functions and the class
// library's TCriticalSection. Both are recursive, as on the original: the
// owning thread may enter again and must leave as often.
#pragma once

#include <mutex>

#include "tobject.h"

// Must be initialised before use and deleted after, as on the original.
struct CRITICAL_SECTION {
  std::recursive_mutex* mutex = nullptr;
};
using LPCRITICAL_SECTION = CRITICAL_SECTION*;

void InitializeCriticalSection(LPCRITICAL_SECTION cs);
void DeleteCriticalSection(LPCRITICAL_SECTION cs);
void EnterCriticalSection(LPCRITICAL_SECTION cs);
void LeaveCriticalSection(LPCRITICAL_SECTION cs);

class TCriticalSection : public TObject {
  MORVANT_CLASS(TCriticalSection, TObject)
 public:
  void Acquire() { mutex_.lock(); }
  void Release() { mutex_.unlock(); }
  void Enter() { Acquire(); }
  void Leave() { Release(); }

 private:
  std::recursive_mutex mutex_;
};
