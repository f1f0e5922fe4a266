// GlobalMemoryStatus with its 32-bit fields. On Linux: physical memory is
// MemTotal / MemAvailable of /proc/meminfo (sysinfo(2) when that cannot be
// read), the "page file" is RAM plus swap (MemAvailable plus SwapFree free),
// and the virtual address space, which a 64-bit process does not run short
// of, is reported as the largest 32-bit value for both total and free.
// Values above 4 GB saturate at 0xFFFFFFFF, as the original's fields did.
#pragma once

#include <cstdint>
#include <string_view>

#include "wintypes.h"

struct MEMORYSTATUS {
  DWORD dwLength = sizeof(MEMORYSTATUS);
  DWORD dwMemoryLoad = 0;  // percent of physical memory in use
  DWORD dwTotalPhys = 0;
  DWORD dwAvailPhys = 0;
  DWORD dwTotalPageFile = 0;
  DWORD dwAvailPageFile = 0;
  DWORD dwTotalVirtual = 0;
  DWORD dwAvailVirtual = 0;
};
using LPMEMORYSTATUS = MEMORYSTATUS*;

void GlobalMemoryStatus(LPMEMORYSTATUS status);

// The memory figures in bytes, before they are squeezed into 32 bits.
struct MemoryFigures {
  std::uint64_t TotalPhys = 0, AvailPhys = 0, TotalSwap = 0, FreeSwap = 0;
};

// Reads the text of /proc/meminfo ("MemTotal:  16318748 kB" lines). False
// when MemTotal is missing; unknown lines and garbage are skipped, and a
// missing MemAvailable falls back to MemFree.
bool ParseMemInfo(std::string_view text, MemoryFigures& figures);
// The structure as GlobalMemoryStatus fills it from those figures.
MEMORYSTATUS MemoryStatusFromFigures(const MemoryFigures& figures);
