#include "desktop/date_time.h"

#include <cmath>
#include <ctime>

namespace ondrave {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kEarliest = -657434.0;  // 0100-01-01 00:00:00
constexpr double kLatest = 2958465.0;    // 9999-12-31 00:00:00

// Day numbers of the proleptic Gregorian calendar, counted from 1970-01-01
// (H. Hinnant's days_from_civil / civil_from_days): exact integer arithmetic
// over eras of 400 years, valid for any year an int holds.
constexpr std::int64_t kDayZeroFromUnixEpoch = -25569;  // 1899-12-30

std::int64_t DaysFromUnixEpoch(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfMarchYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfMarchYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CalendarDate {
  std::int32_t year;
  std::int32_t month;
  std::int32_t day;
};

CalendarDate DateFromUnixEpoch(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfMarchYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t marchMonth = (5 * dayOfMarchYear + 2) / 153;
  const std::int64_t day = dayOfMarchYear - (153 * marchMonth + 2) / 5 + 1;
  const std::int64_t month = marchMonth < 10 ? marchMonth + 3 : marchMonth - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<std::int32_t>(year), static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)};
}

struct DateTimeParts {
  CalendarDate date;
  std::int32_t hour;
  std::int32_t minute;
  std::int32_t second;
  std::int32_t dayOfWeek;  // 1 Sunday .. 7 Saturday
  std::int32_t dayOfYear;  // 1 on 1 January
};

DateTimeParts Split(DateTime d) {
  // NaN has no date at all; reading it as day 0 keeps the clock text and the
  // parts well defined instead of feeding NaN into the integer conversions.
  if (std::isnan(d)) d = 0.0;
  d = std::fmin(std::fmax(d, kEarliest), kLatest);

  // Whole seconds from here on, so that no floating rounding can split a date
  // at 23:59:59.9999 or give a 60th second. llround rounds a half away from
  // zero: half a second is added with the sign before the seconds are cut off.
  const long long seconds = std::llround(d * static_cast<double>(kSecondsPerDay));
  // The whole part is the day, cut toward zero; the time of day is the
  // fraction of the absolute value, so -1.25 is day -1 at 06:00.
  const std::int64_t dayNumber = seconds / kSecondsPerDay;
  const std::int64_t secondOfDay = (seconds < 0 ? -seconds : seconds) % kSecondsPerDay;

  DateTimeParts parts{};
  parts.date = DateFromUnixEpoch(dayNumber + kDayZeroFromUnixEpoch);
  parts.hour = static_cast<std::int32_t>(secondOfDay / 3600);
  parts.minute = static_cast<std::int32_t>(secondOfDay / 60 % 60);
  parts.second = static_cast<std::int32_t>(secondOfDay % 60);
  // Day 0 is a Saturday (7), day 1 a Sunday (1).
  const std::int64_t weekdayFromSaturday = ((dayNumber % 7) + 7) % 7;
  parts.dayOfWeek = static_cast<std::int32_t>((weekdayFromSaturday + 6) % 7 + 1);
  parts.dayOfYear = static_cast<std::int32_t>(dayNumber + kDayZeroFromUnixEpoch -
                                              DaysFromUnixEpoch(parts.date.year, 1, 1) + 1);
  return parts;
}

constexpr std::int32_t kFirstPart = 1;
constexpr std::int32_t kLastPart = 10;

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const std::int64_t dayNumber = DaysFromUnixEpoch(year, month, day) - kDayZeroFromUnixEpoch;
  const double timeOfDay =
      static_cast<double>(std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second) /
      static_cast<double>(kSecondsPerDay);
  // Before day 0 the time of day counts away from zero, the way the split
  // reads it back: 1899-12-29 06:00 is -1.25.
  const auto days = static_cast<double>(dayNumber);
  return dayNumber < 0 ? days - timeOfDay : days + timeOfDay;
}

std::int32_t TimePart(DateTime d, std::int32_t n) {
  const DateTimeParts parts = Split(d);
  switch (n < kFirstPart ? kFirstPart : n > kLastPart ? kLastPart : n) {
    case 1: return parts.date.year;
    case 2: return (parts.date.month - 1) / 3 + 1;
    case 3: return parts.date.month;
    case 4: return (parts.dayOfYear - 1) / 7 + 1;
    case 5: return parts.date.day;
    case 6: return parts.hour;
    case 7: return parts.minute;
    case 8: return parts.second;
    case 9: return parts.dayOfWeek;
    default: return parts.dayOfYear;
  }
}

std::string DateTimeToText(DateTime d) {
  const DateTimeParts parts = Split(d);
  std::string text = std::to_string(parts.date.year) + "年" + std::to_string(parts.date.month) + "月" +
                     std::to_string(parts.date.day) + "日";
  // The time is left out from its last non-zero part on.
  if (parts.second != 0) {
    text += std::to_string(parts.hour) + "时" + std::to_string(parts.minute) + "分" +
            std::to_string(parts.second) + "秒";
  } else if (parts.minute != 0) {
    text += std::to_string(parts.hour) + "时" + std::to_string(parts.minute) + "分";
  } else if (parts.hour != 0) {
    text += std::to_string(parts.hour) + "时";
  }
  return text;
}

DateTime LocalDateTimeNow() {
  // time() counts whole seconds, so the milliseconds are dropped, not rounded.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  const bool read = now != static_cast<std::time_t>(-1) && localtime_s(&local, &now) == 0;
#else
  const bool read = now != static_cast<std::time_t>(-1) && localtime_r(&now, &local) != nullptr;
#endif
  // With no readable clock, day 0 (1899-12-30 00:00) shows plainly that the
  // clock is wrong rather than passing off a made-up time as the real one.
  if (!read) return 0.0;
  return MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                      local.tm_sec);
}

}  // namespace ondrave
