// Dates and times of the class library. A TDateTime is the number of days
// since 1899-12-30 with the time of day as the fraction; before that day the
// fraction still counts forward from midnight (-1.25 is 1899-12-29 06:00).
//
// Now/Date/Time read the platform clock (clock.h), so they move with a
// virtual clock as well. Texts follow the German settings below; each parser
// accepts what its writer produces, and bad text raises EConvertError.
#pragma once

#include <optional>

#include "ansistring.h"
#include "wintypes.h"

using TDateTime = double;

constexpr Integer HoursPerDay = 24;
constexpr Integer MinsPerDay = HoursPerDay * 60;
constexpr Integer SecsPerDay = MinsPerDay * 60;
constexpr Integer MSecsPerDay = SecsPerDay * 1000;

// A format setting that can be read and assigned like the class library's
// global string, without a constructor at start-up: it reads its built-in
// text until something is assigned. Assign at start-up, before other threads
// read it.
class FormatSettingText {
 public:
  constexpr explicit FormatSettingText(const char* initial) : initial_(initial) {}
  AnsiString Get() const { return value_ ? *value_ : AnsiString(initial_); }
  operator AnsiString() const { return Get(); }
  FormatSettingText& operator=(const AnsiString& value) {
    value_ = value;
    return *this;
  }

 private:
  const char* initial_;
  std::optional<AnsiString> value_;
};

extern constinit FormatSettingText ShortDateFormat;  // "dd.mm.yyyy"
extern constinit FormatSettingText LongDateFormat;   // "dddd, d. mmmm yyyy"
extern constinit FormatSettingText ShortTimeFormat;  // "hh:nn"
extern constinit FormatSettingText LongTimeFormat;   // "hh:nn:ss"
extern constinit FormatSettingText TimeAMString;     // "" (24-hour clock)
extern constinit FormatSettingText TimePMString;     // ""
extern constinit char DateSeparator;                 // '.'
extern constinit char TimeSeparator;                 // ':'

TDateTime Now();
TDateTime Date();
TDateTime Time();

// EConvertError for a day that does not exist (or years outside 1..9999).
TDateTime EncodeDate(Word year, Word month, Word day);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& result);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& result);
// Values outside years 1..9999 (or not a number) decode as all zeros.
void DecodeDate(TDateTime dateTime, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime dateTime, Word& hour, Word& min, Word& sec, Word& msec);
// 1 = Sunday ... 7 = Saturday.
Integer DayOfWeek(TDateTime dateTime);

// The class library's pattern letters, case-insensitive:
//   c          ShortDateFormat, then LongTimeFormat unless the time is 0:00
//   d dd       day; ddd dddd day name; ddddd ShortDateFormat; dddddd LongDateFormat
//   m mm       month; mmm mmmm month name; m mm right after h/hh: minutes
//   yy yyyy    year in two / four digits
//   h hh  n nn  s ss  z zzz   hour, minute, second, millisecond
//   t tt       ShortTimeFormat / LongTimeFormat
//   am/pm a/p ampm   12-hour clock with these markers
//   / :        DateSeparator / TimeSeparator
//   "..." '...'   literal text; any other character stands for itself
AnsiString FormatDateTime(const AnsiString& format, TDateTime dateTime);
AnsiString DateToStr(TDateTime date);
AnsiString TimeToStr(TDateTime time);
AnsiString DateTimeToStr(TDateTime dateTime);

// Day, month and year in ShortDateFormat's order, split by DateSeparator; a
// missing year is this year's, a two-digit year the one within 50 years of
// today.
TDateTime StrToDate(const AnsiString& text);
// Hours, minutes, optional seconds and milliseconds, split by TimeSeparator,
// optionally followed by am/pm.
TDateTime StrToTime(const AnsiString& text);
// A date, a time, or a date, blanks and a time.
TDateTime StrToDateTime(const AnsiString& text);
