// Dates as days since 1899-12-30 00:00, the fraction being the time of day,
// and their Chinese text.
#pragma once

#include <cstdint>
#include <string>

namespace ondrave {

using DateTime = double;

// The DateTime of a local calendar date and time (Gregorian, any year 100..9999).
DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second);

// Part n of a DateTime (n below 1 counts as 1, above 10 as 10): 1 year,
// 2 quarter, 3 month, 4 week of the year, 5 day, 6 hour, 7 minute, 8 second,
// 9 day of the week (1 Sunday .. 7 Saturday), 10 day of the year.
std::int32_t TimePart(DateTime d, std::int32_t n);

// "2013年9月12日14时5分3秒"; trailing zero parts of the time are left out.
std::string DateTimeToText(DateTime d);

// The system clock's local date and time, to the whole second.
DateTime LocalDateTimeNow();

}  // namespace ondrave
