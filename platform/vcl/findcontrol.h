// From a window or a screen point to the control: what the application's
// loop needs to route access keys, hints and cursors.
#pragma once

#include "hwnd.h"
#include "rect.h"

class TControl;
class TWinControl;

// The windowed control of the program's forms whose window Handle is;
// nullptr for a window that is none of theirs.
TWinControl* FindControl(HWND Handle);
// The deepest control at a screen point: the windowed control there, or a
// window-less child of it under the point.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
