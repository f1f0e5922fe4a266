// The class library's numeric rules, one helper each, so that every caller
// rounds the same way: Round halves to even, Trunc cuts toward zero, MulDiv
// rounds halves away from zero over a 64-bit product.
#pragma once

#include "wintypes.h"

// Nearest integer, halves to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2), whatever
// the floating-point rounding mode. NaN, infinities and values outside the
// 64-bit range raise EInvalidOp, as the class library does.
Int64 Round(double value);
// Toward zero; the same errors as Round.
Int64 Trunc(double value);

// a * b / c over a 64-bit product, rounded to nearest with halves away from
// zero. -1 when c is 0 or the result does not fit 32 bits, as the platform's
// MulDiv answers.
int MulDiv(int a, int b, int c);

// Both arguments of one type, so that a mix of signed and unsigned does not
// compile silently.
template <class T>
constexpr T Min(T a, T b) {
  return b < a ? b : a;
}
template <class T>
constexpr T Max(T a, T b) {
  return a < b ? b : a;
}
