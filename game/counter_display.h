// The four counters beside the view. They show their value with as many
// digits as the counter has places, led by zeros, like a digital display.
#pragma once

#include "stdctrls_label.h"

namespace Game {

void ShowCounter(TLabel* counter, int value, int digits);

}  // namespace Game
