#include "unitstartup.h"

#include <algorithm>
#include <cstring>

namespace {

// Every unit running in the process, whichever TUnitStartup started it.
std::vector<const char*>& Running() {
  static std::vector<const char*> running;
  return running;
}

}  // namespace

bool UnitRunning(const char* Name) {
  const std::vector<const char*>& running = Running();
  return std::any_of(running.begin(), running.end(), [&](const char* n) { return std::strcmp(n, Name) == 0; });
}

TUnitRows ConcatUnitRows(const TUnitRows& First, const TUnitRows& Then) {
  TUnitRows rows = First;
  rows.insert(rows.end(), Then.begin(), Then.end());
  return rows;
}

TUnitStartup::TUnitStartup(const TUnitRows& Rows) {
  for (const TUnitRow& row : Rows) {
    if (UnitRunning(row.Name)) continue;
    try {
      if (row.Initialize) row.Initialize();
    } catch (...) {
      FinalizeStarted();
      throw;
    }
    Running().push_back(row.Name);
    started_.push_back(row);
  }
}

TUnitStartup::~TUnitStartup() { FinalizeStarted(); }

void TUnitStartup::FinalizeStarted() {
  while (!started_.empty()) {
    const TUnitRow row = started_.back();
    started_.pop_back();
    std::vector<const char*>& running = Running();
    running.erase(std::find(running.begin(), running.end(), row.Name));
    if (row.Finalize) row.Finalize();
  }
}
