// The desktop: the union of the host's displays, and its monitors, for the
// class library's Screen object.
#pragma once

#include <vector>

#include "rect.h"

TRect DesktopRect();
std::vector<TRect> MonitorRects();
inline int DesktopWidth() { return DesktopRect().Width(); }
inline int DesktopHeight() { return DesktopRect().Height(); }
inline int DesktopLeft() { return DesktopRect().left; }
inline int DesktopTop() { return DesktopRect().top; }
