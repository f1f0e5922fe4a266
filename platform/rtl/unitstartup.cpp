#include "unitstartup.h"

#include <algorithm>
#include <cstring>

namespace {

struct RunningUnit {
  const char* Name;
  int Holders;
};

// Every unit running in the process, whichever TUnitStartup started it, with
// the number of tables holding it.
std::vector<RunningUnit>& Running() {
  static std::vector<RunningUnit> running;
  return running;
}

std::vector<RunningUnit>::iterator FindRunning(const char* Name) {
  std::vector<RunningUnit>& running = Running();
  return std::find_if(running.begin(), running.end(),
                      [&](const RunningUnit& u) { return std::strcmp(u.Name, Name) == 0; });
}

const char* starting = nullptr;

// Names the unit being started for the time its Initialize runs.
class StartingScope {
 public:
  explicit StartingScope(const char* Name) : outer_(starting) { starting = Name; }
  ~StartingScope() { starting = outer_; }
  StartingScope(const StartingScope&) = delete;
  StartingScope& operator=(const StartingScope&) = delete;

 private:
  const char* outer_;
};

}  // namespace

bool UnitRunning(const char* Name) { return FindRunning(Name) != Running().end(); }

const char* StartingUnit() { return starting; }

TUnitRows ConcatUnitRows(const TUnitRows& First, const TUnitRows& Then) {
  TUnitRows rows = First;
  rows.insert(rows.end(), Then.begin(), Then.end());
  return rows;
}

TUnitStartup::TUnitStartup(const TUnitRows& Rows) {
  for (const TUnitRow& row : Rows) {
    const auto found = FindRunning(row.Name);
    if (found != Running().end()) {
      ++found->Holders;
    } else {
      try {
        const StartingScope scope(row.Name);
        if (row.Initialize) row.Initialize();
      } catch (...) {
        ReleaseHeld();
        throw;
      }
      Running().push_back({row.Name, 1});
    }
    held_.push_back(row);
  }
}

TUnitStartup::~TUnitStartup() { ReleaseHeld(); }

void TUnitStartup::ReleaseHeld() {
  while (!held_.empty()) {
    const TUnitRow row = held_.back();
    held_.pop_back();
    const auto found = FindRunning(row.Name);
    if (found == Running().end() || --found->Holders > 0) continue;
    Running().erase(found);
    if (row.Finalize) row.Finalize();
  }
}
