// Waiting on the platform clock from a worker thread.
#pragma once

#include <cstdint>

#include "event.h"

// Returns true once the platform clock reads dueMs or later, false as soon
// as `stop` is set (checked first; give a manual-reset event, which the
// wait leaves set). Under the virtual clock it follows the time others move
// and never moves it itself, so a test decides when the due time comes.
bool ClockWaitUntil(std::uint64_t dueMs, TEvent& stop);
