// Floating-point values as the class library lays them out, always with "."
// (and "," between thousands), never the locale's separators. Shared by
// Format and FloatToStr. Infinities and NaN read "INF", "-INF", "NAN".
#pragma once

#include <string>

// General layout: fixed when the decimal exponent lies in -5 .. precision - 1,
// else scientific ("1E20", "1.5E-7"); no trailing zeros. precision 0 means the
// shortest digits that read back to the same value, laid out as for 15.
std::string FloatToGeneralText(double value, int precision);
// "d.dddE+ddd" with precision significant digits and at least three exponent digits.
std::string FloatToScientificText(double value, int precision);
// Fixed with the given number of decimals, optionally with thousands separators.
std::string FloatToFixedText(double value, int decimals, bool thousands);
