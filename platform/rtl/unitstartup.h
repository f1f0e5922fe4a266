// The program's start-up table: one row per unit, {name, Initialize,
// Finalize}, as the units of the class library have an initialization and a
// finalization section. TUnitStartup runs the rows' Initialize in the order
// of the table and, when it goes, their Finalize in exactly the reverse
// order. A unit registers its own classes from its own row and nothing
// else, so that each is started once: a row whose unit is already running
// (named earlier in the table, or started by an outer TUnitStartup) is left
// out, and its Finalize is not run a second time either.
#pragma once

#include <vector>

struct TUnitRow {
  const char* Name;
  // Either may be nullptr for a unit with nothing to do at that end.
  void (*Initialize)();
  void (*Finalize)();
};
using TUnitRows = std::vector<TUnitRow>;

// First's rows followed by Then's, for a table built on another one.
TUnitRows ConcatUnitRows(const TUnitRows& First, const TUnitRows& Then);

class TUnitStartup {
 public:
  // When an Initialize throws, the units started before it are finalised in
  // reverse and the exception passes on; the failed unit's Finalize is not
  // run.
  explicit TUnitStartup(const TUnitRows& Rows);
  ~TUnitStartup();
  TUnitStartup(const TUnitStartup&) = delete;
  TUnitStartup& operator=(const TUnitStartup&) = delete;

 private:
  void FinalizeStarted();

  // The rows this object started, in the order they ran.
  TUnitRows started_;
};

// Whether a unit of this name is running now.
bool UnitRunning(const char* Name);
