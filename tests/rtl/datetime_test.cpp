#include "datetime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "exceptions.h"

namespace {

TEST(DateTime, EncodeAndDecodeAroundTheEpoch) {
  struct Case {
    Word y, m, d;
    double serial;
  };
  const Case cases[] = {
      {1899, 12, 30, 0},     {1899, 12, 31, 1},     {1900, 1, 1, 2},      {1899, 12, 29, -1},
      {2000, 1, 1, 36526},   {2000, 2, 29, 36585},  {2026, 12, 10, 46366}, {1, 1, 1, -693593},
      {9999, 12, 31, 2958465},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.serial);
    EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial);
    Word y, m, d;
    DecodeDate(c.serial, y, m, d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
  }
  EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2000, 13, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_EQ(DayOfWeek(0), 7) << "1899-12-30 was a Saturday";
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 13)), 1);
}

TEST(DateTime, TimeOfDayIncludingBeforeTheEpoch) {
  Word h, n, s, ms;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ((h * 100 + n) * 100 + s, 235959);
  EXPECT_EQ(ms, 999);
  // -1.25: the day before the epoch, six in the morning.
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(h, 6);
  Word y, m, d;
  DecodeDate(-1.25, y, m, d);
  EXPECT_EQ(d, 29);
  // Just below the next day rounds into it rather than showing 24:00.
  DecodeTime(1.0 - 1e-12, h, n, s, ms);
  EXPECT_EQ(h, 0);
  DecodeDate(1.0 - 1e-12, y, m, d);
  EXPECT_EQ(d, 31);
}

TEST(DateTime, ValuesOutsideTheCalendarDecodeAsZeros) {
  Word y = 1, m = 1, d = 1;
  for (double bad : {1e300, -1e300, 3e6, -7e5}) {
    DecodeDate(bad, y, m, d);
    EXPECT_EQ(y + m + d, 0);
  }
  DecodeDate(std::nan(""), y, m, d);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(FormatDateTime("dd.mm.yyyy mmm dddd", 1e300), "00.00.0000 Jan Sonntag");
}

TEST(DateTime, FormatPatterns) {
  const TDateTime t = EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 42);
  struct Case {
    const char* pattern;
    const char* text;
  };
  const Case cases[] = {
      {"dd.mm.yyyy", "07.03.2026"},
      {"d.m.yy", "7.3.26"},
      {"ddd, dddd", "Sa, Samstag"},
      {"mmm mmmm", "Mrz März"},
      {"hh:nn:ss.zzz", "14:05:09.042"},
      {"h:mm", "14:05"},
      {"hh:mm", "14:05"},
      {"H:N:S z", "14:5:9 42"},
      {"ddddd", "07.03.2026"},
      {"dddddd", "Samstag, 7. März 2026"},
      {"c", "07.03.2026 14:05:09"},
      {"t | tt", "14:05 | 14:05:09"},
      {"h:nn am/pm", "2:05 pm"},
      {"h:nn AM/PM", "2:05 PM"},
      {"h a/p", "2 p"},
      {"\"Stand:\" dd 'mm'", "Stand: 07 mm"},
      {"yyyy/mm/dd", "2026.03.07"},
      {"Größe x", "Größe x"},
      {"\"open", "open"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, t), c.text) << c.pattern;
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2026, 3, 7)), "07.03.2026") << "midnight shows no time";
  EXPECT_EQ(FormatDateTime("h am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
}

TEST(DateTime, SelfReferringFormatsStop) {
  ShortDateFormat = "c";
  const AnsiString text = DateToStr(EncodeDate(2026, 3, 7));
  ShortDateFormat = "dd.mm.yyyy";
  EXPECT_TRUE(text.IsEmpty() || text.Length() < 100);
}

TEST(DateTime, EachParserReadsWhatItsWriterWrote) {
  for (double serial : {0.0, 1.0, 36526.0, 46366.0, 2958465.0, -1.0, -693593.0}) {
    const TDateTime date = serial;
    EXPECT_EQ(StrToDate(DateToStr(date)), date) << DateToStr(date).c_str();
  }
  for (int sec = 0; sec < SecsPerDay; sec += 3607) {
    const TDateTime time = EncodeTime(static_cast<Word>(sec / 3600), static_cast<Word>(sec / 60 % 60),
                                      static_cast<Word>(sec % 60), 0);
    EXPECT_DOUBLE_EQ(StrToTime(TimeToStr(time)), time) << TimeToStr(time).c_str();
    const TDateTime both = 46366.0 + time;
    EXPECT_NEAR(StrToDateTime(DateTimeToStr(both)), both, 1e-9) << DateTimeToStr(both).c_str();
    const TDateTime early = -10.0 - time;
    EXPECT_NEAR(StrToDateTime(DateTimeToStr(early)), early, 1e-9) << DateTimeToStr(early).c_str();
  }
}

TEST(DateTime, ParsersAcceptTheShortFormsAndRejectTheRest) {
  EXPECT_EQ(StrToDate(" 7.3.2026 "), EncodeDate(2026, 3, 7));
  Word y, m, d;
  DecodeDate(StrToDate("7.3.26"), y, m, d);
  EXPECT_EQ(y, 2026);
  EXPECT_EQ(StrToTime("14:05"), EncodeTime(14, 5, 0, 0));
  EXPECT_EQ(StrToTime("2:05:00 pm"), EncodeTime(14, 5, 0, 0));
  EXPECT_EQ(StrToTime("12:00:00.5"), EncodeTime(12, 0, 0, 500));
  EXPECT_EQ(StrToDateTime("12:30"), EncodeTime(12, 30, 0, 0));
  for (const char* bad : {"", "abc", "31.2.2026", "7.3.2026x", "1.2.3.4", "7-3-2026", "99999.1.1"})
    EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
  for (const char* bad : {"", "25:00", "12", "12:60", "12:00:00 xx", "13:00 pm"})
    EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
  for (const char* bad : {"", "7.3.2026 25:00", "7.3.2026 12:00 rest"})
    EXPECT_THROW(StrToDateTime(bad), EConvertError) << bad;
  try {
    StrToDate("kaputt");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'kaputt' ist kein gültiges Datum");
  }
}

TEST(DateTime, NowIsTodayAndSplitsIntoDateAndTime) {
  const TDateTime date = Date();
  const TDateTime time = Time();
  EXPECT_EQ(date, static_cast<double>(static_cast<long long>(date)));
  EXPECT_GE(time, 0.0);
  EXPECT_LT(time, 1.0);
  EXPECT_GT(date, EncodeDate(2020, 1, 1));
}

}  // namespace
