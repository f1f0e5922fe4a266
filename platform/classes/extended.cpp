#include "extended.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kBias = 16383;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

std::array<std::uint8_t, 10> Pack(bool negative, int exponent, std::uint64_t mantissa) {
  std::array<std::uint8_t, 10> bytes{};
  for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<std::uint8_t>(exponent & 0xFF);
  bytes[9] = static_cast<std::uint8_t>(((exponent >> 8) & 0x7F) | (negative ? 0x80 : 0));
  return bytes;
}

}  // namespace

std::array<std::uint8_t, 10> DoubleToExtended(double Value) {
  const bool negative = std::signbit(Value);
  if (std::isnan(Value)) return Pack(negative, 0x7FFF, kIntegerBit | (kIntegerBit >> 1));
  if (std::isinf(Value)) return Pack(negative, 0x7FFF, kIntegerBit);
  if (Value == 0) return Pack(negative, 0, 0);
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(Value), &exponent);  // in [0.5, 1)
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  return Pack(negative, exponent - 1 + kBias, mantissa);
}

double ExtendedToDouble(const std::array<std::uint8_t, 10>& Bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | Bytes[static_cast<std::size_t>(i)];
  const int exponent = ((Bytes[9] & 0x7F) << 8) | Bytes[8];
  const double sign = (Bytes[9] & 0x80) ? -1.0 : 1.0;
  if (exponent == 0x7FFF) {
    if ((mantissa << 1) == 0) return sign * std::numeric_limits<double>::infinity();
    return std::numeric_limits<double>::quiet_NaN();
  }
  if (exponent == 0) return sign * std::ldexp(static_cast<double>(mantissa), 1 - kBias - 63);
  if (!(mantissa & kIntegerBit)) return std::numeric_limits<double>::quiet_NaN();
  return sign * std::ldexp(static_cast<double>(mantissa), exponent - kBias - 63);
}
