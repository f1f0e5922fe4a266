// The drawing pieces menu bars and popups share: measuring and drawing item
// text in the menu font (grey items embossed, as the classic look has them),
// the check mark and the submenu arrow.
#pragma once

#include "ansistring.h"
#include "gdi_handles.h"
#include "rect.h"

namespace Menus {

// Width and height of a text in the menu font; '&' marks count as nothing
// when `prefixes` is set.
SIZE MenuTextSize(const AnsiString& text, bool prefixes);

enum class TextLook { Normal, Selected, Grayed, GrayedSelected };
// One line, vertically centred in r; `format` adds DT_LEFT/DT_CENTER/DT_RIGHT
// and DT_NOPREFIX.
void DrawMenuText(HDC dc, const AnsiString& text, const TRect& r, UINT format, TextLook look);

// A 7 x 7 check mark and a 4 x 7 right arrow centred in r, in a system colour.
void DrawCheckMark(HDC dc, const TRect& r, int colorIndex);
void DrawSubmenuArrow(HDC dc, const TRect& r, int colorIndex);

}  // namespace Menus
