// The program's start-up table: one row per unit, {name, Initialize,
// Finalize}, as the units of the class library have an initialization and a
// finalization section. TUnitStartup runs the rows' Initialize in the order
// of the table and, when it goes, their Finalize in exactly the reverse
// order. A unit registers its own classes from its own row and nothing
// else, so that each is started once.
//
// Rows are counted: a row whose unit is already running (named earlier in
// the table, or started by another TUnitStartup, nested or not) only counts
// once more, and a unit is finalised when the last table holding it goes.
// So of any number of tables naming a unit the first Initialize and the last
// Finalize act, whatever order the tables end in.
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
  void ReleaseHeld();

  // The rows this object holds a count of, in the order it took them.
  TUnitRows held_;
};

// Whether a unit of this name is running now.
bool UnitRunning(const char* Name);
// The name of the unit whose Initialize runs now (the innermost, should one
// start another table), nullptr outside them: the class registry notes it
// beside each class registered.
const char* StartingUnit();
