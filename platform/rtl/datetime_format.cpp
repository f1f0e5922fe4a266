#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "datetime.h"

namespace {

constexpr const char* kShortDayNames[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr const char* kLongDayNames[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                          "Donnerstag", "Freitag", "Samstag"};
constexpr const char* kShortMonthNames[12] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                              "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr const char* kLongMonthNames[12] = {"Januar", "Februar", "März",     "April",   "Mai",      "Juni",
                                             "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// A format that names another (ShortDateFormat = "c") must not recurse for
// ever; nested formats go two levels deep.
constexpr int kMaxNesting = 2;

struct Fields {
  TDateTime value;
  Word year, month, day, hour, minute, second, msec;
  Integer dayOfWeek;  // 1 = Sunday
};

// A value out of range decodes as zeros; its names are then the first ones.
int NameIndex(int oneBased) { return oneBased > 0 ? oneBased - 1 : 0; }

void AppendNumber(std::string& out, unsigned value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*u", digits, value);
  out += buf;
}

bool StartsWithNoCase(std::string_view s, std::size_t at, std::string_view word) {
  if (s.size() - at < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[at + i])) != word[i]) return false;
  return true;
}

// Whether the format asks for the 12-hour clock anywhere outside quotes.
bool UsesTwelveHours(std::string_view f) {
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] == '"' || f[i] == '\'') {
      const std::size_t close = f.find(f[i], i + 1);
      if (close == std::string_view::npos) return false;
      i = close;
    } else if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") || StartsWithNoCase(f, i, "ampm")) {
      return true;
    }
  }
  return false;
}

// Length of the run of letter `lower` at `at`, at most `max`.
std::size_t RunLength(std::string_view f, std::size_t at, char lower, std::size_t max) {
  std::size_t n = 0;
  while (at + n < f.size() && n < max && std::tolower(static_cast<unsigned char>(f[at + n])) == lower) ++n;
  return n;
}

// The marker with the case of the pattern: "AM/PM" gives "PM", "am/pm" "pm".
void AppendMarker(std::string& out, std::string_view pattern, bool pm) {
  const std::size_t slash = pattern.find('/');
  out += pm ? pattern.substr(slash + 1) : pattern.substr(0, slash);
}

void Append(std::string& out, std::string_view f, const Fields& t, int depth);

void AppendNested(std::string& out, const AnsiString& format, const Fields& t, int depth) {
  if (depth < kMaxNesting) Append(out, format.str(), t, depth + 1);
}

void Append(std::string& out, std::string_view f, const Fields& t, int depth) {
  const bool twelveHours = UsesTwelveHours(f);
  char lastLetter = 0;
  std::size_t i = 0;
  while (i < f.size()) {
    const char c = f[i];
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '"' || c == '\'') {
      const std::size_t close = f.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? f.size() : close;
      out += f.substr(i + 1, end - i - 1);
      i = close == std::string_view::npos ? f.size() : close + 1;
      continue;
    }
    std::size_t n = 1;
    switch (lower) {
      case 'c':
        AppendNested(out, ShortDateFormat, t, depth);
        if (t.hour || t.minute || t.second || t.msec) {
          out += ' ';
          AppendNested(out, LongTimeFormat, t, depth);
        }
        break;
      case 'd':
        n = RunLength(f, i, 'd', 6);
        if (n <= 2) AppendNumber(out, t.day, static_cast<int>(n));
        if (n == 3) out += kShortDayNames[NameIndex(t.dayOfWeek)];
        if (n == 4) out += kLongDayNames[NameIndex(t.dayOfWeek)];
        if (n == 5) AppendNested(out, ShortDateFormat, t, depth);
        if (n == 6) AppendNested(out, LongDateFormat, t, depth);
        break;
      case 'm':
        if (lastLetter == 'h') {
          n = RunLength(f, i, 'm', 2);
          AppendNumber(out, t.minute, static_cast<int>(n));
          break;
        }
        n = RunLength(f, i, 'm', 4);
        if (n <= 2) AppendNumber(out, t.month, static_cast<int>(n));
        if (n == 3) out += kShortMonthNames[NameIndex(t.month)];
        if (n == 4) out += kLongMonthNames[NameIndex(t.month)];
        break;
      case 'y':
        n = RunLength(f, i, 'y', 4);
        if (n <= 2)
          AppendNumber(out, t.year % 100, 2);
        else
          AppendNumber(out, t.year, 4);
        break;
      case 'h': {
        n = RunLength(f, i, 'h', 2);
        unsigned hour = t.hour;
        if (twelveHours) hour = hour % 12 == 0 ? 12 : hour % 12;
        AppendNumber(out, hour, static_cast<int>(n));
        break;
      }
      case 'n':
        n = RunLength(f, i, 'n', 2);
        AppendNumber(out, t.minute, static_cast<int>(n));
        break;
      case 's':
        n = RunLength(f, i, 's', 2);
        AppendNumber(out, t.second, static_cast<int>(n));
        break;
      case 'z':
        n = RunLength(f, i, 'z', 3);
        AppendNumber(out, t.msec, n == 3 ? 3 : 1);
        break;
      case 't':
        n = RunLength(f, i, 't', 2);
        AppendNested(out, n == 1 ? ShortTimeFormat : LongTimeFormat, t, depth);
        break;
      case 'a':
        if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p")) {
          n = StartsWithNoCase(f, i, "am/pm") ? 5 : 3;
          AppendMarker(out, f.substr(i, n), t.hour >= 12);
        } else if (StartsWithNoCase(f, i, "ampm")) {
          n = 4;
          out += (t.hour >= 12 ? TimePMString : TimeAMString).Get().str();
        } else {
          out += c;
        }
        break;
      case '/':
        out += DateSeparator;
        break;
      case ':':
        out += TimeSeparator;
        break;
      default:
        out += c;
    }
    if (std::isalpha(static_cast<unsigned char>(c))) lastLetter = lower == 'm' && lastLetter == 'h' ? 'n' : lower;
    i += n;
  }
}

}  // namespace

AnsiString FormatDateTime(const AnsiString& format, TDateTime dateTime) {
  Fields t{};
  t.value = dateTime;
  DecodeDate(dateTime, t.year, t.month, t.day);
  DecodeTime(dateTime, t.hour, t.minute, t.second, t.msec);
  t.dayOfWeek = DayOfWeek(dateTime);
  std::string out;
  Append(out, format.str(), t, 0);
  return AnsiString(out);
}

AnsiString DateToStr(TDateTime date) { return FormatDateTime("ddddd", date); }
AnsiString TimeToStr(TDateTime time) { return FormatDateTime("tt", time); }
AnsiString DateTimeToStr(TDateTime dateTime) { return FormatDateTime("c", dateTime); }
