// Caption text of the standard controls: drawn in the control's font and
// colour, or, when the control is disabled, in the classic embossed grey (a
// highlight copy one pixel down and right under the shadow-coloured text).
#pragma once

#include "ansistring.h"
#include "font_class.h"
#include "gdi_handles.h"
#include "rect.h"

// Draws Text with DrawText's Flags into Rect (DT_CALCRECT measures into it).
void DrawCaptionText(HDC DC, TFont* Font, const AnsiString& Text, RECT& Rect, UINT Flags, bool Enabled);
