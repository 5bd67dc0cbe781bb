// DateTimeToText and TimePart over every double: 8 bytes of input are the
// DateTime (NaN, infinities and subnormals included), the next 4 the part
// number. The parts are checked against their ranges, against each other and
// against calendar facts computed here in other ways.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "desktop/date_time.h"
#include "fuzz_support.h"

namespace {

using ondrave::DateTime;
using ondrave::TimePart;

struct PartRange {
  std::int32_t low, high;
};
// Parts 1..10: year, quarter, month, week, day, hour, minute, second, weekday, day of the year.
constexpr PartRange kPartRanges[] = {{100, 9999}, {1, 4}, {1, 12}, {1, 53}, {1, 31},
                                     {0, 23},     {0, 59}, {0, 59}, {1, 7},  {1, 366}};

bool IsLeapYear(std::int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

std::int32_t DaysInMonth(std::int32_t y, std::int32_t m) {
  constexpr std::int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[m - 1] + (m == 2 && IsLeapYear(y) ? 1 : 0);
}

std::int32_t DayOfYear(std::int32_t y, std::int32_t m, std::int32_t d) {
  std::int32_t days = d;
  for (std::int32_t month = 1; month < m; ++month) days += DaysInMonth(y, month);
  return days;
}

// Sakamoto's day of the week, 0 Sunday .. 6 Saturday.
std::int32_t Weekday(std::int32_t y, std::int32_t m, std::int32_t d) {
  constexpr std::int32_t kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (m < 3) y -= 1;
  return (y + y / 4 - y / 100 + y / 400 + kMonthOffsets[m - 1] + d) % 7;
}

// Reads the decimal number at the front of `text` and the unit after it.
bool TakeNumberAndUnit(std::string_view& text, std::string_view unit, std::int32_t& number) {
  std::size_t digits = 0;
  while (digits < text.size() && digits < 5 && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0 || (digits > 1 && text[0] == '0')) return false;
  if (!text.substr(digits).starts_with(unit)) return false;
  number = 0;
  for (std::size_t i = 0; i < digits; ++i) number = number * 10 + (text[i] - '0');
  text.remove_prefix(digits + unit.size());
  return true;
}

void CheckText(DateTime d) {
  const std::string text = ondrave::DateTimeToText(d);
  std::string_view rest = text;
  std::int32_t year = 0, month = 0, day = 0;
  fuzz::Require(TakeNumberAndUnit(rest, "年", year) && TakeNumberAndUnit(rest, "月", month) &&
                    TakeNumberAndUnit(rest, "日", day),
                "the text starts with the date in digits and 年月日");
  fuzz::Require(year == TimePart(d, 1) && month == TimePart(d, 3) && day == TimePart(d, 5),
                "the text's date is the date of the parts");

  // The time runs up to its last part that is not zero.
  const std::int32_t time[] = {TimePart(d, 6), TimePart(d, 7), TimePart(d, 8)};
  constexpr std::string_view kTimeUnits[] = {"时", "分", "秒"};
  std::size_t shown = 3;
  while (shown > 0 && time[shown - 1] == 0) --shown;
  for (std::size_t i = 0; i < shown; ++i) {
    std::int32_t value = 0;
    fuzz::Require(TakeNumberAndUnit(rest, kTimeUnits[i], value) && value == time[i],
                  "the text's time is the time of the parts, up to the last part that is not zero");
  }
  fuzz::Require(rest.empty(), "the text holds nothing else");
}

void CheckCalendar(DateTime d) {
  const std::int32_t y = TimePart(d, 1), m = TimePart(d, 3), day = TimePart(d, 5);
  fuzz::Require(day <= DaysInMonth(y, m), "the day lies in its month");
  fuzz::Require(TimePart(d, 2) == (m - 1) / 3 + 1, "the quarter is the month's");
  fuzz::Require(TimePart(d, 10) == DayOfYear(y, m, day), "the day of the year counts from 1 January");
  fuzz::Require(TimePart(d, 4) == (TimePart(d, 10) - 1) / 7 + 1, "weeks count from 1 January");
  fuzz::Require(TimePart(d, 9) == Weekday(y, m, day) + 1, "the day of the week is the calendar's");

  // Back to a DateTime, the parts give the value brought into range and to
  // the nearest second. Between -1 and 0 the whole part is day 0 with the
  // time counted backwards, a value MakeDateTime never writes.
  if (std::isnan(d)) d = 0.0;
  const DateTime clamped = std::fmin(std::fmax(d, -657434.0), 2958465.0);
  if (clamped > -1.0 && clamped < 0.0) return;
  const DateTime rebuilt = ondrave::MakeDateTime(y, m, day, TimePart(d, 6), TimePart(d, 7), TimePart(d, 8));
  fuzz::Require(std::fabs(rebuilt - clamped) <= 0.5001 / 86400.0, "the parts name the nearest second");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint8_t bytes[12] = {};
  std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
  DateTime d;
  std::int32_t part;
  std::memcpy(&d, bytes, sizeof d);
  std::memcpy(&part, bytes + sizeof d, sizeof part);

  const std::int32_t n = part < 1 ? 1 : part > 10 ? 10 : part;
  const std::int32_t value = TimePart(d, part);
  fuzz::Require(value == TimePart(d, n), "a part number out of range counts as the nearer end");
  fuzz::Require(value >= kPartRanges[n - 1].low && value <= kPartRanges[n - 1].high,
                "each part keeps its range");

  CheckText(d);
  CheckCalendar(d);

  // NaN has no date and reads as day 0; the infinities lie beyond either end.
  if (std::isnan(d)) fuzz::Require(ondrave::DateTimeToText(d) == "1899年12月30日", "NaN reads as day 0");
  if (std::isinf(d)) {
    fuzz::Require(ondrave::DateTimeToText(d) == (d > 0 ? "9999年12月31日" : "100年1月1日"),
                  "the infinities read as the ends of the range");
  }
  return 0;
}
