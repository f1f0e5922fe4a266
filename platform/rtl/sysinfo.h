// System information as the original's kernel reports it, with the Linux
// meaning given at each routine. The version, memory and time-zone queries
// have headers of their own, included here.
#pragma once

#include <vector>

#include "ansistring.h"
#include "memorystatus.h"
#include "osversion.h"
#include "timezoneinfo.h"
#include "wintypes.h"

constexpr WORD PROCESSOR_ARCHITECTURE_INTEL = 0;
constexpr DWORD PROCESSOR_INTEL_386 = 386;
constexpr DWORD PROCESSOR_INTEL_486 = 486;
constexpr DWORD PROCESSOR_INTEL_PENTIUM = 586;
constexpr DWORD PROCESSOR_MIPS_R4000 = 4000;
constexpr DWORD PROCESSOR_ALPHA_21064 = 21064;

struct SYSTEM_INFO {
  WORD wProcessorArchitecture = 0;
  WORD wReserved = 0;
  DWORD dwPageSize = 0;
  LPVOID lpMinimumApplicationAddress = nullptr;
  LPVOID lpMaximumApplicationAddress = nullptr;
  DWORD_PTR dwActiveProcessorMask = 0;
  DWORD dwNumberOfProcessors = 0;
  DWORD dwProcessorType = 0;
  DWORD dwAllocationGranularity = 0;
  WORD wProcessorLevel = 0;
  WORD wProcessorRevision = 0;
};
using LPSYSTEM_INFO = SYSTEM_INFO*;

// The online processors and the page size of the host; the processor type is
// always PROCESSOR_INTEL_PENTIUM, the newest kind the callers name.
void GetSystemInfo(LPSYSTEM_INFO info);

constexpr DWORD ERROR_BUFFER_OVERFLOW = 111;
constexpr DWORD MAX_COMPUTERNAME_LENGTH = 15;

// The host name. size: in, the buffer's length in chars; out, the name's
// length without the terminating zero. Too small a buffer: FALSE,
// ERROR_BUFFER_OVERFLOW and *size = the length needed with the zero.
BOOL GetComputerName(LPSTR buffer, LPDWORD size);
// The login name of the effective user (the password database, else $USER).
// size: in, the buffer's length; out, the length written including the zero.
// Too small: FALSE, ERROR_INSUFFICIENT_BUFFER and *size = the length needed.
BOOL GetUserName(LPSTR buffer, LPDWORD size);

using LANGID = WORD;
constexpr LANGID MAKELANGID(WORD primary, WORD sub) { return static_cast<LANGID>((sub << 10) | primary); }
// From the locale of the environment (LC_ALL, LC_MESSAGES, LANG): "de_DE"
// gives 0x0407, "de_AT" 0x0C07, "en_US" 0x0409 ...; a language without a
// known country gives its default sub-language, an unknown or "C" locale
// US English, 0x0409.
LANGID GetSystemDefaultLangID();

// Every environment string, "NAME=value", in the order of the environment.
// The original hands out one block of zero-terminated strings; every caller
// turns it into a list, so this gives the list.
std::vector<AnsiString> GetEnvironmentStrings();
