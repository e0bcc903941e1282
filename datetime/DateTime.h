// The date-time value of the program and its calendar arithmetic: building a
// value from calendar fields, taking it apart, leap years and weekdays.
// Proleptic Gregorian, years 1 to 9999, local wall-clock time.
#pragma once

#include <array>
#include <cstdint>

namespace datetime {

// Days since 30 December 1899; the fraction is the time of day. Negative
// values count days backwards and keep the time of day as a positive
// fraction: -1.25 is 29 December 1899 06:00.
using DateTime = double;

// The split form of a value.
struct DayStamp {
    std::int32_t Millis = 0;     // since midnight, 0 to 86,399,999
    std::int32_t DayNumber = 0;  // 1 January 0001 is day 1
};

inline constexpr std::int32_t kDayNumberOfZero = 693594;      // 30 December 1899
inline constexpr std::int32_t kDayNumberOfLastDay = 3652059;  // 31 December 9999

using MonthRow = std::array<std::uint16_t, 12>;

bool LeapYear(std::uint16_t year);
// Lengths of January to December (index 0 to 11) in that year.
const MonthRow& MonthLengths(std::uint16_t year);

// False (and out untouched) unless 1 <= year <= 9999 and the month and day exist.
bool TryMakeDate(std::uint16_t year, std::uint16_t month, std::uint16_t day, DateTime& out);
// Raises EConvertError "Invalid argument to date encode".
DateTime MakeDate(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// False (and out untouched) unless hour <= 23, minute <= 59, second <= 59, millisecond <= 999.
bool TryMakeTime(std::uint16_t hour, std::uint16_t minute, std::uint16_t second, std::uint16_t millisecond,
                 DateTime& out);
// Raises EConvertError "Invalid argument to time encode".
DateTime MakeTime(std::uint16_t hour, std::uint16_t minute, std::uint16_t second, std::uint16_t millisecond);

// A date plus a time of day by the sign rule: date + time from 30 December
// 1899 on, date - time before it, rounded once to the nearest double on every
// target (an x87 build would round twice, to extended and then to double, and
// so differ in the last bit now and then).
DateTime CombineDateTime(DateTime date, DateTime time);

// Rounds to whole milliseconds before splitting, so no time reads 24:00.
// Non-finite or huge values give the nearest representable day number (NaN
// is taken as 0).
DayStamp ToDayStamp(DateTime value);

// Zeros for days before 1 January 0001.
void SplitDate(DateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);
void SplitTime(DateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond);

// 1 (Sunday) to 7 (Saturday).
int Weekday(DateTime value);

// The same, from a stamp already made (one rounding serves all three).
void SplitDate(const DayStamp& stamp, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);
void SplitTime(const DayStamp& stamp, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond);
int Weekday(const DayStamp& stamp);

}  // namespace datetime
