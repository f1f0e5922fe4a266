// The four classic message-box icons, drawn 32 x 32: the red stop circle
// with a white cross, the question and information bubbles, the yellow
// warning triangle.
#pragma once

#include "gdi_handles.h"
#include "rect.h"

// `iconFlags` is MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION or
// MB_ICONASTERISK; anything else draws nothing.
void DrawMessageBoxIcon(HDC dc, const TRect& r, UINT iconFlags);
