// Colour names for the form streams ("clBtnFace"). The names live with the
// graphics module, above this one; it registers its lookups here, and until
// it does, colours stream as numbers only.
#pragma once

#include "ansistring.h"
#include "wintypes.h"

using TColorToIdent = bool (*)(LongInt Color, AnsiString& Ident);
using TIdentToColor = bool (*)(const AnsiString& Ident, LongInt& Color);

void RegisterColorIdents(TColorToIdent ToIdent, TIdentToColor ToColor);
// False when no name is known (or no lookup registered).
bool StreamColorToIdent(LongInt Color, AnsiString& Ident);
bool StreamIdentToColor(const AnsiString& Ident, LongInt& Color);
