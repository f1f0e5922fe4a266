#include "numbers.h"

#include <cmath>
#include <cstdlib>

#include "exceptions.h"
#include "resourcestrings.h"

namespace {

// 2^63 as a double: values at or beyond it do not fit Int64.
constexpr double kInt64Limit = 9223372036854775808.0;

void CheckRepresentable(double value, double integral) {
  if (!std::isfinite(value) || integral >= kInt64Limit || integral < -kInt64Limit)
    throw EInvalidOp(LoadStr(SInvalidOp));
}

}  // namespace

Int64 Round(double value) {
  // Explicit rather than nearbyint, which follows whatever rounding mode a
  // library may have left behind.
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  CheckRepresentable(value, whole);
  return static_cast<Int64>(whole);
}

Int64 Trunc(double value) {
  const double whole = std::trunc(value);
  CheckRepresentable(value, whole);
  return static_cast<Int64>(whole);
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const Int64 product = static_cast<Int64>(a) * b;  // at most 2^62 in magnitude
  const bool negative = (product < 0) != (c < 0);
  const std::uint64_t magnitude = static_cast<std::uint64_t>(product < 0 ? -product : product);
  const std::uint64_t divisor = static_cast<std::uint64_t>(std::llabs(c));
  const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
  if (quotient > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return -1;
  return negative ? static_cast<int>(-static_cast<Int64>(quotient)) : static_cast<int>(quotient);
}
