// The non-client engine: frames, captions, caption buttons, the menu bar and
// the default handling of the non-client messages, plugged into the window
// manager's hooks (metrics, painter, hit tester, DefWindowProc extension).
#pragma once

#include "hwnd.h"

// Installs the hooks; harmless to call again. The first use of a metric, a
// menu, a message box or a cursor installs them too.
void InstallNonClientEngine();
void EnsureNonClientEngine();

// Draws the menu bar (or the caption buttons) of a window now, outside the
// paint cycle.
void RepaintMenuBar(HWND hwnd);
void RepaintCaption(HWND hwnd);
