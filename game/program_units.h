// The game's start-up table: the class library's units, then the component
// library's, run in this order at start and in reverse at exit.
#pragma once

#include "unitstartup.h"

TUnitRows ProgramUnits();
