// Access keys: the letter after a single '&' in a caption ("&Datei" -> 'D',
// "&&" is a literal ampersand).
#pragma once

#include "ansistring.h"
#include "wintypes.h"

// The access key's letter (upper-cased for ASCII), or 0 when there is none.
char AccessKeyOf(const AnsiString& Caption);
// Whether the typed key (a character code) is the caption's access key;
// letters ignore case, also the umlauts.
bool IsAccel(WORD Key, const AnsiString& Caption);
// The caption as text without its marks: each single '&' dropped, "&&" one
// '&' ("&Weiter" -> "Weiter", "Z&&B" -> "Z&B"). What hints and reports show.
AnsiString StripHotkey(const AnsiString& Text);
