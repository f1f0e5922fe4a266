// The 10-byte extended floating-point values of the form format (vaExtended):
// sign and 15-bit exponent, then a 64-bit mantissa with its leading bit
// explicit, little-endian. Converted by hand so that no host's long double
// is assumed.
#pragma once

#include <array>
#include <cstdint>

std::array<std::uint8_t, 10> DoubleToExtended(double Value);
// Values beyond a double's range become infinities, tiny ones zero; the
// encodings that stand for no number (unnormal) read as NaN.
double ExtendedToDouble(const std::array<std::uint8_t, 10>& Bytes);
