// The class library's string and number routines (its SysUtils unit), on the
// UTF-8 AnsiString. Conversions never depend on the user's locale: numbers are
// read and written with "." so that stored values read back anywhere.
#pragma once

#include <concepts>
#include <type_traits>

#include "ansistring.h"
#include "format.h"
#include "numbers.h"

// Decimal text, "-" for negatives, no leading zeros.
template <std::integral T>
  requires(!std::is_same_v<T, bool> && !std::is_same_v<T, char>)
AnsiString IntToStr(T value) {
  if constexpr (std::is_signed_v<T>) return AnsiString(static_cast<long long>(value));
  else return AnsiString(static_cast<unsigned long long>(value));
}

// Decimal with optional sign, or "$" hexadecimal; bad text raises EConvertError.
int StrToInt(const AnsiString& text);
int StrToIntDef(const AnsiString& text, int defaultValue);

// The shortest text that reads back to the same value, laid out as the class
// library does ("0.5", "100000", "1E20"); infinities and NaN read "INF", "NAN".
AnsiString FloatToStr(double value);
// Reads what FloatToStr writes (and "1.5e-3" and the like); blanks around the
// number are allowed; anything else, a "," too, raises EConvertError.
double StrToFloat(const AnsiString& text);

// count copies of c; empty for count <= 0.
AnsiString StringOfChar(char c, int count);

// Remove leading and/or trailing characters up to and including the blank
// (control characters too), as the class library does.
AnsiString Trim(const AnsiString& s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);

// ASCII letters only.
AnsiString UpperCase(const AnsiString& s);
AnsiString LowerCase(const AnsiString& s);
// Also the letters of the Windows-1252 code page (ä <-> Ä, ö <-> Ö, ü <-> Ü,
// é <-> É ...); ß has no capital and stays. Byte lengths never change.
AnsiString AnsiUpperCase(const AnsiString& s);
AnsiString AnsiLowerCase(const AnsiString& s);

// < 0, 0, > 0 without regard to the case of ASCII letters, byte by byte.
int CompareText(const AnsiString& a, const AnsiString& b);
bool SameText(const AnsiString& a, const AnsiString& b);
// Without regard to case, in dictionary order: accented letters sort with
// their base letter ("Äpfel" < "Birne", ß as "ss"), and an accent decides only
// between texts that are otherwise equal ("Apfel" < "Äpfel").
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
// Equal but for the case of letters, the code page's included (ä = Ä, a != ä).
bool AnsiSameText(const AnsiString& a, const AnsiString& b);
