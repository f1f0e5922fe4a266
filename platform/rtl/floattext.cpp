#include "floattext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

bool NonFiniteText(double value, std::string& out) {
  if (std::isnan(value)) {
    out = "NAN";
  } else if (std::isinf(value)) {
    out = value < 0 ? "-INF" : "INF";
  } else {
    return false;
  }
  return true;
}

struct DecimalDigits {
  bool negative = false;
  std::string digits;  // without the point; first digit non-zero unless the value is 0
  int exponent = 0;    // of the first digit
};

// Rounds to `decimals` digits after the first (-1: the shortest that reads
// back) and splits the scientific text "-d.ddde+XX" into its parts.
DecimalDigits ScientificDigits(double value, int decimals) {
  char buf[64];
  const auto result = decimals < 0
                          ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific)
                          : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, decimals);
  std::string_view text(buf, static_cast<std::size_t>(result.ptr - buf));
  DecimalDigits d;
  if (!text.empty() && text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c != '.') d.digits += c;
  std::string_view exponent = text.substr(e + 1);
  const bool negativeExponent = !exponent.empty() && exponent.front() == '-';
  if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
  if (negativeExponent) d.exponent = -d.exponent;
  return d;
}

bool AllZero(std::string_view digits) { return digits.find_first_not_of("0.,") == std::string_view::npos; }

std::string LayOutGeneral(DecimalDigits d, int threshold) {
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  if (AllZero(d.digits)) return "0";
  std::string out = d.negative ? "-" : "";
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent < -5 || d.exponent >= threshold) {
    out += d.digits[0];
    if (count > 1) out.append(".").append(d.digits, 1);
    out += 'E';
    if (d.exponent < 0) out += '-';
    out += std::to_string(std::abs(d.exponent));
  } else if (d.exponent < 0) {
    out.append("0.").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(d.digits);
  } else if (count <= d.exponent + 1) {
    out.append(d.digits).append(static_cast<std::size_t>(d.exponent + 1 - count), '0');
  } else {
    const auto point = static_cast<std::size_t>(d.exponent + 1);
    out.append(d.digits, 0, point).append(".").append(d.digits, point);
  }
  return out;
}

}  // namespace

std::string FloatToGeneralText(double value, int precision) {
  std::string out;
  if (NonFiniteText(value, out)) return out;
  if (precision <= 0) return LayOutGeneral(ScientificDigits(value, -1), 15);
  return LayOutGeneral(ScientificDigits(value, precision - 1), precision);
}

std::string FloatToScientificText(double value, int precision) {
  std::string out;
  if (NonFiniteText(value, out)) return out;
  const DecimalDigits d = ScientificDigits(value, precision - 1);
  const bool zero = AllZero(d.digits);
  if (d.negative && !zero) out += '-';
  out += d.digits[0];
  if (d.digits.size() > 1) out.append(".").append(d.digits, 1);
  out += d.exponent < 0 ? "E-" : "E+";
  const std::string exponent = std::to_string(std::abs(d.exponent));
  out.append(exponent.size() < 3 ? 3 - exponent.size() : 0, '0').append(exponent);
  return out;
}

std::string FloatToFixedText(double value, int decimals, bool thousands) {
  std::string out;
  if (NonFiniteText(value, out)) return out;
  char buf[512];  // the largest double has 309 integer digits
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string_view text(buf, static_cast<std::size_t>(result.ptr - buf));
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  // "-0.00" for a small negative value says nothing the reader can use.
  if (negative && !AllZero(text)) out += '-';
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::string_view integral = text.substr(0, point);
  for (std::size_t i = 0; i < integral.size(); ++i) {
    if (thousands && i > 0 && (integral.size() - i) % 3 == 0) out += ',';
    out += integral[i];
  }
  out += text.substr(point);
  return out;
}
