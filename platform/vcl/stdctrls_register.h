// The standard controls' start-up, StdCtrls::Initialize: their row of the
// start-up table (library_units.h) registers their classes, so that form
// resources can create them by name.
#pragma once

#include "library_units.h"
