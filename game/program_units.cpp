#include "program_units.h"

#include "library_units.h"

TUnitRows ProgramUnits() {
  const TUnitRows components = {
      // The component library's units, one row each, after the units they need.
  };
  return ConcatUnitRows(ClassLibraryUnits(), components);
}
