// The values of the program's version resource.
#pragma once

#include <span>

#include "wintypes.h"

struct VersionString {
  const char* Name;
  const char* Value;
};

struct VersionTable {
  WORD Language;   // 0x0407 German
  WORD CodePage;   // 1252, the code page the original declared
  std::span<const VersionString> Strings;
};

const VersionTable& ProgramVersionTable();
