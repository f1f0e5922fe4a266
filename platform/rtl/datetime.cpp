#include "datetime.h"

#include <time.h>

#include <cmath>

#include "clock.h"
#include "exceptions.h"

constinit FormatSettingText ShortDateFormat{"dd.mm.yyyy"};
constinit FormatSettingText LongDateFormat{"dddd, d. mmmm yyyy"};
constinit FormatSettingText ShortTimeFormat{"hh:nn"};
constinit FormatSettingText LongTimeFormat{"hh:nn:ss"};
constinit FormatSettingText TimeAMString{""};
constinit FormatSettingText TimePMString{""};
constinit char DateSeparator = '.';
constinit char TimeSeparator = ':';

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

constexpr long long kDaysFrom1970To1899 = 25569;  // 1899-12-30 is day -25569
constexpr double kFirstDay = -693593.0;           // 0001-01-01
constexpr double kEndDay = 2958466.0;             // 10000-01-01

bool IsLeapYear(unsigned y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(unsigned y, unsigned m) {
  static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// The day number and the milliseconds into it; false outside years 1..9999.
bool SplitDateTime(TDateTime dt, long long& day, long long& ms) {
  if (!(dt > kFirstDay - 1.0 && dt < kEndDay)) return false;
  if (dt >= 0) {
    const long long all = std::llround(dt * MSecsPerDay);
    day = all / MSecsPerDay;
    ms = all % MSecsPerDay;
  } else {
    day = static_cast<long long>(dt);  // toward zero
    ms = std::llround((static_cast<double>(day) - dt) * MSecsPerDay);
    if (ms >= MSecsPerDay) {
      day -= 1;
      ms = 0;
    }
  }
  return day >= static_cast<long long>(kFirstDay);
}

}  // namespace

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& result) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  result = static_cast<double>(DaysFromCivil(year, month, day) + kDaysFrom1970To1899);
  return true;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& result) {
  if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) return false;
  result = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
  TDateTime result;
  if (!TryEncodeDate(year, month, day, result)) throw EConvertError("Ungültiges Argument zum Codieren des Datums");
  return result;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
  TDateTime result;
  if (!TryEncodeTime(hour, min, sec, msec, result)) throw EConvertError("Ungültiges Argument zum Codieren der Uhrzeit");
  return result;
}

void DecodeDate(TDateTime dateTime, Word& year, Word& month, Word& day) {
  long long days, ms;
  year = month = day = 0;
  if (!SplitDateTime(dateTime, days, ms)) return;
  long long y;
  unsigned m, d;
  CivilFromDays(days - kDaysFrom1970To1899, y, m, d);
  year = static_cast<Word>(y);
  month = static_cast<Word>(m);
  day = static_cast<Word>(d);
}

void DecodeTime(TDateTime dateTime, Word& hour, Word& min, Word& sec, Word& msec) {
  long long days, ms;
  hour = min = sec = msec = 0;
  if (!SplitDateTime(dateTime, days, ms)) return;
  hour = static_cast<Word>(ms / 3600000);
  min = static_cast<Word>(ms / 60000 % 60);
  sec = static_cast<Word>(ms / 1000 % 60);
  msec = static_cast<Word>(ms % 1000);
}

Integer DayOfWeek(TDateTime dateTime) {
  long long days, ms;
  if (!SplitDateTime(dateTime, days, ms)) return 0;
  // Day 0 was a Saturday.
  return static_cast<Integer>(((days % 7 + 7) % 7 + 6) % 7) + 1;
}

TDateTime Now() {
  const std::int64_t wallMs = ClockWallMs();
  const time_t seconds = static_cast<time_t>(wallMs / 1000);
  tm local{};
  localtime_r(&seconds, &local);
  const TDateTime date = EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                                    static_cast<Word>(local.tm_mday));
  // A leap second (tm_sec 60) counts as the last second of its minute.
  const Word sec = static_cast<Word>(local.tm_sec > 59 ? 59 : local.tm_sec);
  return date + EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min), sec,
                           static_cast<Word>(wallMs % 1000));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return now - std::trunc(now);
}
