#include "memory.h"

#include <cstdlib>

void* GetMem(Integer size) {
  if (size <= 0) return nullptr;
  return std::malloc(static_cast<std::size_t>(size));
}

void FreeMem(void* block) { std::free(block); }
