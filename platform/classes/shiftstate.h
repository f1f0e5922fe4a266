// The state of the modifier keys and mouse buttons that key and mouse events
// carry, in the class library's order.
#pragma once

#include "sets.h"

enum TShiftStateMember { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateMember>;
