// Shortcut values: a virtual key in the low byte with scShift, scCtrl and
// scAlt above it. Menus and actions both carry them, so they stand apart
// from either.
#pragma once

#include "ansistring.h"
#include "shiftstate.h"
#include "wintypes.h"

using TShortCut = WORD;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The shortcut of a key with modifiers; scNone for a key beyond 255.
TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut Value, WORD& Key, TShiftState& Shift);
// "Strg+S", "Umsch+Entf", "Alt+F4"; empty for a key without a name.
AnsiString ShortCutToText(TShortCut Value);
// The reverse, in any letter case; scNone for a text it does not know.
TShortCut TextToShortCut(const AnsiString& Text);
