#include "timezoneinfo.h"

#include <ctime>
#include <iterator>
#include <string_view>

#include "lasterror.h"

namespace {

struct ZoneSample {
  long offsetSeconds = 0;  // east of UTC
  bool daylight = false;
  const char* name = "";
};

ZoneSample SampleAt(std::time_t when) {
  std::tm local{};
  ZoneSample s;
  if (!localtime_r(&when, &local)) return s;
  s.offsetSeconds = local.tm_gmtoff;
  s.daylight = local.tm_isdst > 0;
  s.name = local.tm_zone ? local.tm_zone : "";
  return s;
}

// Zone abbreviations are ASCII; anything else becomes '?'.
void CopyName(WCHAR (&target)[32], std::string_view name) {
  std::size_t i = 0;
  for (; i < name.size() && i + 1 < std::size(target); ++i)
    target[i] = static_cast<unsigned char>(name[i]) < 0x80 ? static_cast<WCHAR>(name[i]) : u'?';
  target[i] = 0;
}

}  // namespace

DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION info) {
  if (!info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return TIME_ZONE_ID_INVALID;
  }
  tzset();
  const std::time_t now = std::time(nullptr);
  // Mid-January and mid-July of this year: one of them lies in standard time
  // on either hemisphere, the other in daylight saving time where there is any.
  std::tm year{};
  localtime_r(&now, &year);
  std::tm probe{};
  probe.tm_year = year.tm_year;
  probe.tm_mday = 15;
  probe.tm_hour = 12;
  probe.tm_isdst = -1;
  probe.tm_mon = 0;
  std::tm july = probe;
  july.tm_mon = 6;
  const ZoneSample winter = SampleAt(std::mktime(&probe));
  const ZoneSample summer = SampleAt(std::mktime(&july));
  const ZoneSample& standard = winter.daylight ? summer : winter;
  const ZoneSample& daylight = winter.daylight ? winter : summer;
  const bool hasDaylight = standard.daylight != daylight.daylight;

  *info = TIME_ZONE_INFORMATION{};
  info->Bias = static_cast<LONG>(-standard.offsetSeconds / 60);
  CopyName(info->StandardName, standard.name);
  if (hasDaylight) {
    CopyName(info->DaylightName, daylight.name);
    info->DaylightBias = static_cast<LONG>(-(daylight.offsetSeconds - standard.offsetSeconds) / 60);
  } else {
    CopyName(info->DaylightName, standard.name);
  }
  if (!hasDaylight) return TIME_ZONE_ID_UNKNOWN;
  return SampleAt(now).daylight ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}
