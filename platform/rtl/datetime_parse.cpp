#include <cctype>
#include <string>
#include <string_view>

#include "datetime.h"
#include "exceptions.h"

namespace {

// Reads the text left to right; every Read* leaves the position unchanged
// when it fails.
struct Scanner {
  std::string_view s;
  std::size_t at = 0;

  void SkipBlanks() {
    while (at < s.size() && s[at] == ' ') ++at;
  }
  bool AtEnd() const { return at >= s.size(); }
  bool Read(char c) {
    if (at < s.size() && s[at] == c) {
      ++at;
      return true;
    }
    return false;
  }
  // Up to `maxDigits` decimal digits; `digits` says how many were read.
  bool ReadNumber(unsigned& value, int& digits, int maxDigits = 4) {
    value = 0;
    digits = 0;
    while (at < s.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(s[at]))) {
      value = value * 10 + static_cast<unsigned>(s[at++] - '0');
      ++digits;
    }
    return digits > 0;
  }
  bool ReadWordNoCase(std::string_view word) {
    if (word.empty() || s.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(s[at + i])) != std::tolower(static_cast<unsigned char>(word[i])))
        return false;
    at += word.size();
    return true;
  }
};

enum class DateOrder { DMY, MDY, YMD };

DateOrder OrderOf(const AnsiString& format) {
  for (char c : format.str()) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
      case 'd': return DateOrder::DMY;
      case 'm': return DateOrder::MDY;
      case 'y': return DateOrder::YMD;
    }
  }
  return DateOrder::DMY;
}

unsigned ThisYear() {
  Word y, m, d;
  DecodeDate(Now(), y, m, d);
  return y;
}

// Two-digit years land within 50 years of today.
unsigned ExpandYear(unsigned year, int digits) {
  if (digits > 2) return year;
  const unsigned pivot = ThisYear() - 50;
  unsigned full = pivot / 100 * 100 + year;
  if (full < pivot) full += 100;
  return full;
}

bool ScanDate(Scanner& in, TDateTime& result) {
  const Scanner start = in;
  unsigned n[3];
  int digits[3];
  int count = 0;
  in.SkipBlanks();
  while (count < 3 && in.ReadNumber(n[count], digits[count])) {
    ++count;
    if (count < 3 && !in.Read(DateSeparator)) break;
  }
  // A separator after the last number is what the writer may leave behind
  // ("1.2." with the year omitted); more numbers than three are not a date.
  if (count < 2) {
    in = start;
    return false;
  }
  unsigned y = ThisYear(), m, d;
  int yearDigits = 4;
  switch (OrderOf(ShortDateFormat)) {
    case DateOrder::DMY:
      d = n[0], m = n[1];
      if (count == 3) y = n[2], yearDigits = digits[2];
      break;
    case DateOrder::MDY:
      m = n[0], d = n[1];
      if (count == 3) y = n[2], yearDigits = digits[2];
      break;
    case DateOrder::YMD:
      if (count == 3)
        y = n[0], yearDigits = digits[0], m = n[1], d = n[2];
      else
        m = n[0], d = n[1];
      break;
  }
  y = ExpandYear(y, yearDigits);
  if (y > 9999 || m > 0xFFFF || d > 0xFFFF ||
      !TryEncodeDate(static_cast<Word>(y), static_cast<Word>(m), static_cast<Word>(d), result)) {
    in = start;
    return false;
  }
  return true;
}

bool ScanTime(Scanner& in, TDateTime& result) {
  const Scanner start = in;
  unsigned h, n = 0, s = 0, ms = 0;
  int digits;
  in.SkipBlanks();
  bool ok = in.ReadNumber(h, digits, 2) && in.Read(TimeSeparator) && in.ReadNumber(n, digits, 2);
  if (ok && in.Read(TimeSeparator)) {
    ok = in.ReadNumber(s, digits, 2);
    if (ok && (in.Read('.') || in.Read(','))) {
      ok = in.ReadNumber(ms, digits, 3);
      if (ok && digits < 3) ms *= digits == 1 ? 100 : 10;
    }
  }
  if (ok) {
    in.SkipBlanks();
    const AnsiString am = TimeAMString, pm = TimePMString;
    const bool isPm = in.ReadWordNoCase(pm.str()) || in.ReadWordNoCase("pm") || in.ReadWordNoCase("p");
    const bool isAm = !isPm && (in.ReadWordNoCase(am.str()) || in.ReadWordNoCase("am") || in.ReadWordNoCase("a"));
    if (isPm || isAm) {
      ok = h >= 1 && h <= 12;
      h = h % 12 + (isPm ? 12 : 0);
    }
  }
  if (!ok || !TryEncodeTime(static_cast<Word>(h), static_cast<Word>(n), static_cast<Word>(s),
                            static_cast<Word>(ms), result)) {
    in = start;
    return false;
  }
  return true;
}

bool AtEndAfterBlanks(Scanner& in) {
  in.SkipBlanks();
  return in.AtEnd();
}

[[noreturn]] void Reject(const AnsiString& text, const char* what) {
  throw EConvertError("'" + text + "' ist " + what);
}

}  // namespace

TDateTime StrToDate(const AnsiString& text) {
  Scanner in{text.str()};
  TDateTime date;
  if (!ScanDate(in, date) || !AtEndAfterBlanks(in)) Reject(text, "kein gültiges Datum");
  return date;
}

TDateTime StrToTime(const AnsiString& text) {
  Scanner in{text.str()};
  TDateTime time;
  if (!ScanTime(in, time) || !AtEndAfterBlanks(in)) Reject(text, "keine gültige Zeit");
  return time;
}

TDateTime StrToDateTime(const AnsiString& text) {
  Scanner in{text.str()};
  TDateTime date = 0, time = 0;
  const bool hasDate = ScanDate(in, date);
  const bool hasTime = ScanTime(in, time);
  if ((!hasDate && !hasTime) || !AtEndAfterBlanks(in)) Reject(text, "kein gültiges Datum und Zeit");
  // Before 1899-12-30 the time still counts forward from midnight.
  return date >= 0 ? date + time : date - time;
}
