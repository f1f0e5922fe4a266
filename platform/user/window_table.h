// The slot table behind HWND values: allocation and retirement of window
// records. Used by creation and destruction only; everyone else calls
// WindowManager::Find.
#pragma once

#include <memory>

#include "window_internal.h"

namespace WindowManager {

// A record in a fresh slot with its handle set; null when the table is full.
WindowRecord* AllocateWindow();
// Frees the slot; the handle never resolves again.
void RetireWindow(HWND hwnd);

}  // namespace WindowManager
