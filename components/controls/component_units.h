// The component library's units in the start-up table, foundation before
// controls, each after the units it needs. A program runs them after the
// class library's (ClassLibraryUnits()), as the game's ProgramUnits() does;
// the resource compiler and the tests run the same rows.
#pragma once

#include "unitstartup.h"

const TUnitRows& ComponentLibraryUnits();
