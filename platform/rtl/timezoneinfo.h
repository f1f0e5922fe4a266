// GetTimeZoneInformation from the C library's idea of the local zone (TZ,
// /etc/localtime). Bias is minutes west of UTC in standard time, as on the
// original (CET: -60); the names are the zone's abbreviations ("CET",
// "CEST"). The dates of the change-overs are left zero: no caller reads them.
#pragma once

#include "wintypes.h"

constexpr DWORD TIME_ZONE_ID_UNKNOWN = 0;  // the zone has no daylight saving time
constexpr DWORD TIME_ZONE_ID_STANDARD = 1;
constexpr DWORD TIME_ZONE_ID_DAYLIGHT = 2;
constexpr DWORD TIME_ZONE_ID_INVALID = 0xFFFFFFFF;

struct TIME_ZONE_INFORMATION {
  LONG Bias = 0;
  WCHAR StandardName[32] = {};
  SYSTEMTIME StandardDate;
  LONG StandardBias = 0;
  WCHAR DaylightName[32] = {};
  SYSTEMTIME DaylightDate;
  LONG DaylightBias = 0;
};
using LPTIME_ZONE_INFORMATION = TIME_ZONE_INFORMATION*;

DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION info);
