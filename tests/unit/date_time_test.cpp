#include "desktop/date_time.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace ondrave {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr DateTime k20130912 = 41529.0;  // 2013-09-12 00:00:00
constexpr DateTime k20200102 = 43832.0;  // 2020-01-02 00:00:00
constexpr double kInfinity = std::numeric_limits<double>::infinity();

DateTime At(DateTime day, int hour, int minute, int second) {
  return day + (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
}

struct TextCase {
  DateTime d;
  std::string_view text;
};

TEST(DateTimeToText, LeavesOutTheTrailingZeroPartsOfTheTime) {
  const TextCase cases[] = {
      {At(k20130912, 14, 5, 3), "2013年9月12日14时5分3秒"},
      {At(k20130912, 14, 5, 0), "2013年9月12日14时5分"},
      {At(k20130912, 14, 0, 0), "2013年9月12日14时"},
      {k20130912, "2013年9月12日"},
      {At(k20130912, 0, 0, 7), "2013年9月12日0时0分7秒"},
      {At(k20130912, 0, 30, 0), "2013年9月12日0时30分"},
      {At(k20200102, 8, 5, 3), "2020年1月2日8时5分3秒"},
      {At(k20130912, 23, 59, 59), "2013年9月12日23时59分59秒"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.d), c.text) << "d = " << c.d;
  }
}

TEST(DateTimeToText, RoundsToTheNearestSecond) {
  const TextCase cases[] = {
      {At(k20130912, 14, 5, 3) + 0.4 / kSecondsPerDay, "2013年9月12日14时5分3秒"},
      {At(k20130912, 14, 5, 3) + 0.6 / kSecondsPerDay, "2013年9月12日14时5分4秒"},
      {At(k20130912, 23, 59, 59) + 0.6 / kSecondsPerDay, "2013年9月13日"},
      {k20130912 - 0.4 / kSecondsPerDay, "2013年9月12日"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.d), c.text) << "d = " << c.d;
  }
}

TEST(DateTimeToText, ReadsTheTimeOfANegativeValueFromItsAbsoluteFraction) {
  const TextCase cases[] = {
      {0.0, "1899年12月30日"},
      {0.25, "1899年12月30日6时"},
      {-0.25, "1899年12月30日6时"},
      {-(0.25 + 0.6 / kSecondsPerDay), "1899年12月30日6时0分1秒"},  // away from zero
      {-1.0, "1899年12月29日"},
      {-1.25, "1899年12月29日6时"},
      {-1.75, "1899年12月29日18时"},
      {-365.5, "1898年12月30日12时"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.d), c.text) << "d = " << c.d;
  }
}

TEST(DateTimeToText, BringsValuesOutsideTheRangeToTheNearerEnd) {
  const TextCase cases[] = {
      {-657434.0, "100年1月1日"},
      {2958465.0, "9999年12月31日"},
      {2958465.75, "9999年12月31日"},
      {1e300, "9999年12月31日"},
      {kInfinity, "9999年12月31日"},
      {-657434.5, "100年1月1日"},
      {-1e300, "100年1月1日"},
      {-kInfinity, "100年1月1日"},
      // NaN has no date; it reads as day 0 rather than crashing.
      {std::numeric_limits<double>::quiet_NaN(), "1899年12月30日"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(DateTimeToText(c.d), c.text) << "d = " << c.d;
  }
}

TEST(TimePart, GivesEachNumberedPart) {
  const DateTime d = At(k20130912, 14, 5, 3);  // a Thursday
  const std::int32_t expected[] = {2013, 3, 9, 37, 12, 14, 5, 3, 5, 255};
  for (std::int32_t n = 1; n <= 10; ++n) {
    EXPECT_EQ(TimePart(d, n), expected[n - 1]) << "part " << n;
  }
}

TEST(TimePart, BringsThePartNumberIntoOneToTen) {
  const DateTime d = At(k20130912, 14, 5, 3);
  EXPECT_EQ(TimePart(d, 0), 2013);
  EXPECT_EQ(TimePart(d, std::numeric_limits<std::int32_t>::min()), 2013);
  EXPECT_EQ(TimePart(d, 11), 255);
  EXPECT_EQ(TimePart(d, std::numeric_limits<std::int32_t>::max()), 255);
}

struct PartCase {
  DateTime d;
  std::int32_t part;
  std::int32_t value;
};

TEST(TimePart, CountsWeeksDaysAndQuartersAtTheirEdges) {
  const PartCase cases[] = {
      {0.0, 9, 7},                                   // day 0 is a Saturday
      {1.0, 9, 1},                                   // then a Sunday
      {-1.0, 9, 6},                                  // a Friday before it
      {-1.0, 10, 363},
      {-657434.0, 9, 6},                             // 0100-01-01, a Friday
      {2958465.0, 9, 6},                             // 9999-12-31, a Friday
      {2958465.0, 10, 365},
      {MakeDateTime(2000, 2, 29, 0, 0, 0), 10, 60},  // 2000 is a leap year
      {MakeDateTime(1900, 3, 1, 0, 0, 0), 10, 60},   // 1900 is not
      {MakeDateTime(2000, 12, 31, 0, 0, 0), 10, 366},
      {MakeDateTime(2000, 12, 31, 0, 0, 0), 4, 53},
      {MakeDateTime(2013, 1, 7, 0, 0, 0), 4, 1},
      {MakeDateTime(2013, 1, 8, 0, 0, 0), 4, 2},
      {MakeDateTime(2013, 3, 31, 0, 0, 0), 2, 1},
      {MakeDateTime(2013, 4, 1, 0, 0, 0), 2, 2},
      {MakeDateTime(2013, 12, 31, 23, 59, 59), 2, 4},
      {kInfinity, 1, 9999},
      {-kInfinity, 1, 100},
      {std::numeric_limits<double>::quiet_NaN(), 1, 1899},
      {std::numeric_limits<double>::quiet_NaN(), 6, 0},
  };
  for (const PartCase& c : cases) {
    EXPECT_EQ(TimePart(c.d, c.part), c.value) << "d = " << c.d << ", part " << c.part;
  }
}

TEST(TimePart, MatchesTheCalendarOverTheWholeRange) {
  using namespace std::chrono;
  const sys_days dayZero = year{1899} / December / 30;
  // A step prime to 7 and to the lengths of months and years meets every
  // weekday, month end and leap day pattern along the way.
  for (std::int64_t day = -657434; day <= 2958465; day += 97) {
    const sys_days date = dayZero + days{day};
    const year_month_day ymd{date};
    // Noon, written as the value reads: away from zero before day 0.
    const DateTime d = static_cast<double>(day) + (day < 0 ? -0.5 : 0.5);
    ASSERT_EQ(TimePart(d, 1), static_cast<int>(ymd.year())) << "day " << day;
    ASSERT_EQ(TimePart(d, 3), static_cast<int>(static_cast<unsigned>(ymd.month()))) << "day " << day;
    ASSERT_EQ(TimePart(d, 5), static_cast<int>(static_cast<unsigned>(ymd.day()))) << "day " << day;
    ASSERT_EQ(TimePart(d, 9), static_cast<int>(weekday{date}.c_encoding()) + 1) << "day " << day;
    const sys_days firstOfYear = ymd.year() / January / 1;
    ASSERT_EQ(TimePart(d, 10), (date - firstOfYear).count() + 1) << "day " << day;
    ASSERT_EQ(MakeDateTime(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                           static_cast<int>(static_cast<unsigned>(ymd.day())), 0, 0, 0),
              static_cast<double>(day));
  }
}

struct MakeCase {
  int year, month, day, hour, minute, second;
  DateTime d;
};

TEST(MakeDateTime, CountsDaysFromDayZeroWithTheTimeAsFraction) {
  const MakeCase cases[] = {
      {1899, 12, 30, 0, 0, 0, 0.0},
      {1899, 12, 30, 6, 0, 0, 0.25},
      {1900, 1, 1, 12, 0, 0, 2.5},
      {2013, 9, 12, 14, 5, 3, At(k20130912, 14, 5, 3)},
      {100, 1, 1, 0, 0, 0, -657434.0},
      {9999, 12, 31, 0, 0, 0, 2958465.0},
      {1899, 12, 29, 6, 0, 0, -1.25},  // before day 0 the time counts away from zero
  };
  for (const MakeCase& c : cases) {
    EXPECT_EQ(MakeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.d)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(MakeDateTime, IsReadBackPartForPart) {
  const MakeCase cases[] = {
      {2024, 2, 29, 23, 59, 59, 0.0},
      {1850, 7, 4, 13, 14, 15, 0.0},
      {100, 1, 2, 0, 0, 1, 0.0},
  };
  for (const MakeCase& c : cases) {
    const DateTime d = MakeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second);
    const int expected[] = {c.year, c.month, c.day, c.hour, c.minute, c.second};
    const std::int32_t parts[] = {1, 3, 5, 6, 7, 8};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(TimePart(d, parts[i]), expected[i]) << c.year << "-" << c.month << "-" << c.day << " part "
                                                    << parts[i];
    }
  }
}

TEST(LocalDateTimeNow, HoldsWholeSecondsOfTheCurrentYear) {
  const DateTime now = LocalDateTimeNow();
  const double seconds = now * kSecondsPerDay;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-3);
  const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  // Local and universal time differ by less than a day, but may fall in
  // different years around New Year.
  EXPECT_LE(std::abs(TimePart(now, 1) - static_cast<int>(today.year())), 1);
}

}  // namespace
}  // namespace ondrave
