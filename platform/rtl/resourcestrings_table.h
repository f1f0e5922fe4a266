// The string table behind LoadStr: one entry per id, in ascending order.
#pragma once

#include <span>

struct ResourceStringEntry {
  int Id;
  const char* Text;
};

std::span<const ResourceStringEntry> ResourceStringTable();
