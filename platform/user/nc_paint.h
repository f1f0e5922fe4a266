// Painting the non-client area in the classic look: raised 3-D frames, the
// caption bar in the active or inactive caption colours (a gradient to the
// gradient colour), the caption text in bold, the system-menu icon, the
// caption buttons, the menu bar and the sunken client edge.
#pragma once

#include "gdi_handles.h"
#include "hwnd.h"

class Region;

namespace NonClient {

void PaintFrame(HWND hwnd, HDC windowDC, const Region& update);
// Parts of it, on a window DC.
void PaintCaption(HWND hwnd, HDC windowDC);
void PaintMenuBarOf(HWND hwnd, HDC windowDC);

}  // namespace NonClient
