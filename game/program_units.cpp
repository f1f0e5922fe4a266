#include "program_units.h"

#include "component_units.h"
#include "library_units.h"

TUnitRows ProgramUnits() {
  // The game's own units hold no start-up work: the class library's rows,
  // then the component library's.
  return ConcatUnitRows(ClassLibraryUnits(), ComponentLibraryUnits());
}
