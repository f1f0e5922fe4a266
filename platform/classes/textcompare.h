// Case-insensitive comparison for the lists and component names: ASCII
// letters fold, other bytes compare as they are (so UTF-8 keeps code point
// order). < 0, 0, > 0.
#pragma once

#include "ansistring.h"

int CompareTextIgnoringCase(const AnsiString& S1, const AnsiString& S2);
