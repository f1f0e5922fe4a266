#include "critsec.h"

void InitializeCriticalSection(LPCRITICAL_SECTION cs) {
  if (cs && !cs->mutex) cs->mutex = new std::recursive_mutex;
}

void DeleteCriticalSection(LPCRITICAL_SECTION cs) {
  if (!cs) return;
  delete cs->mutex;
  cs->mutex = nullptr;
}

void EnterCriticalSection(LPCRITICAL_SECTION cs) {
  if (cs && cs->mutex) cs->mutex->lock();
}

void LeaveCriticalSection(LPCRITICAL_SECTION cs) {
  if (cs && cs->mutex) cs->mutex->unlock();
}
