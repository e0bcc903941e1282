// Calendar arithmetic on DateTime values, in closed form over day numbers.
#include "datetime/DateTime.h"

#include <cfloat>
#include <limits>

#include "datetime/DayFraction.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"

namespace datetime {
namespace {

constexpr MonthRow kMonthLengths[2] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Days before the first of each month, per row of kMonthLengths.
constexpr std::array<std::uint16_t, 12> DaysBefore(const MonthRow& lengths) {
    std::array<std::uint16_t, 12> before{};
    for (std::size_t i = 1; i < 12; ++i) before[i] = static_cast<std::uint16_t>(before[i - 1] + lengths[i - 1]);
    return before;
}
constexpr std::array<std::uint16_t, 12> kDaysBefore[2] = {DaysBefore(kMonthLengths[0]), DaysBefore(kMonthLengths[1])};

constexpr std::int32_t DayNumberOf(int year, int month, int day) {
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const std::int32_t y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + kDaysBefore[leap ? 1 : 0][static_cast<std::size_t>(month - 1)] + day;
}
static_assert(DayNumberOf(1, 1, 1) == 1);
static_assert(DayNumberOf(1899, 12, 30) == kDayNumberOfZero);
static_assert(DayNumberOf(2000, 1, 1) - kDayNumberOfZero == 36526);
static_assert(DayNumberOf(9999, 12, 31) == kDayNumberOfLastDay);

constexpr std::uint32_t kDaysPer400Years = 146097;

}  // namespace

bool LeapYear(std::uint16_t year) {
    // For multiples of 4: divisible by 100 means by 25, and by 400 means also by 16.
    return (year & 3) == 0 && (year % 25 != 0 || (year & 15) == 0);
}

const MonthRow& MonthLengths(std::uint16_t year) { return kMonthLengths[LeapYear(year) ? 1 : 0]; }

bool TryMakeDate(std::uint16_t year, std::uint16_t month, std::uint16_t day, DateTime& out) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    if (day > MonthLengths(year)[month - 1]) return false;
    out = static_cast<double>(DayNumberOf(year, month, day) - kDayNumberOfZero);
    return true;
}

DateTime MakeDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    DateTime value = 0;
    if (!TryMakeDate(year, month, day, value)) throw EConvertError(platform::LoadStr(res::SDateEncodeError));
    return value;
}

bool TryMakeTime(std::uint16_t hour, std::uint16_t minute, std::uint16_t second, std::uint16_t millisecond,
                 DateTime& out) {
    if (hour > 23 || minute > 59 || second > 59 || millisecond > 999) return false;
    const std::uint32_t ms = hour * 3600000u + minute * 60000u + second * 1000u + millisecond;
    out = MillisToDayFraction(ms);
    return true;
}

DateTime MakeTime(std::uint16_t hour, std::uint16_t minute, std::uint16_t second, std::uint16_t millisecond) {
    DateTime value = 0;
    if (!TryMakeTime(hour, minute, second, millisecond, value))
        throw EConvertError(platform::LoadStr(res::STimeEncodeError));
    return value;
}

DateTime CombineDateTime(DateTime date, DateTime time) {
    const double magnitude = date < 0 ? -date : date;
#if FLT_EVAL_METHOD != 0
    // This compiler keeps doubles in wider registers (x87) and would round
    // the sum twice; do it by hand.
    if (time > 0 && time < 1 && magnitude >= 1 && magnitude < 4503599627370496.0 &&
        magnitude == static_cast<double>(static_cast<std::uint64_t>(magnitude))) {
        const double sum = AddWholeAndFraction(static_cast<std::uint64_t>(magnitude), time);
        return date >= 0 ? sum : -sum;
    }
#endif
    // Here a double sum is rounded once, as it should be.
    return date >= 0 ? date + time : -(magnitude + time);
}

namespace {

// Whole days toward zero and the time of day without sign: the sign rule for
// dates before 1899-12-30 lives here and nowhere else. withMillis false
// rounds the time only where it may carry into the next day.
DayStamp Stamp(DateTime value, bool withMillis) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // Far outside years 1 to 9999 the day number saturates instead of
    // overflowing; NaN counts as 0.
    if (!(value > -2147483648.0 && value < 2147483648.0)) {
        if (value != value) return {0, kDayNumberOfZero};
        return {0, value < 0 ? kMin : kMax};
    }
    const auto whole = static_cast<std::int64_t>(value);
    double fraction = value - static_cast<double>(whole);  // exact
    if (fraction < 0) fraction = -fraction;
    std::int64_t day = whole + kDayNumberOfZero;
    // Rounding can only carry from within half a millisecond of midnight
    // (0.99999999 is 0.86 ms before it).
    std::int64_t ms = withMillis || fraction > 0.99999999 ? DayFractionToMillis(fraction) : 0;
    // Less than half a millisecond before midnight is the next day's 00:00.
    if (ms == kMillisPerDay) {
        ms = 0;
        ++day;
    }
    if (day > kMax) day = kMax;  // only from the last whole days below 2^31
    return {static_cast<std::int32_t>(ms), static_cast<std::int32_t>(day)};
}

}  // namespace

DayStamp ToDayStamp(DateTime value) { return Stamp(value, true); }

void SplitDate(DateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
    SplitDate(Stamp(value, false), year, month, day);
}

void SplitDate(const DayStamp& stamp, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
    if (stamp.DayNumber <= 0) {
        year = month = day = 0;
        return;
    }
    // Counted from 1 March of year 0, so that each counted year ends with its
    // leap day; 1 January 0001 is day 306. A century has 146097 / 4 days, so
    // counting in quarter days makes it whole. 32 bits hold 4n + 3 up to day
    // numbers of about 2^30; beyond that the year wraps (never in range).
    const std::uint32_t n = static_cast<std::uint32_t>(stamp.DayNumber) + 305;
    const std::uint32_t n1 = 4 * n + 3;
    const std::uint32_t century = n1 / kDaysPer400Years;           // [0, 29398]
    const std::uint32_t dayOfCentury = n1 % kDaysPer400Years / 4;  // [0, 36524]
    // Year of the century and day of the year from one multiplication: the
    // high half is the year, the low half scaled down is the day.
    const std::uint64_t p = std::uint64_t{2939745} * (4 * dayOfCentury + 3);
    const auto yearOfCentury = static_cast<std::uint32_t>(p >> 32);                 // [0, 99]
    const auto dayOfYear = static_cast<std::uint32_t>(p & 0xFFFFFFFFu) / 11758980;  // [0, 365]
    // Months of 30.6 days from March, as a 16-bit fixed-point line.
    const std::uint32_t q = 2141 * dayOfYear + 197913;
    const std::uint32_t m = q >> 16;               // [3, 14]
    const std::uint32_t d = (q & 0xFFFFu) / 2141;  // [0, 30]
    const bool janFeb = dayOfYear >= 306;
    year = static_cast<std::uint16_t>(100 * century + yearOfCentury + (janFeb ? 1 : 0));
    month = static_cast<std::uint16_t>(janFeb ? m - 12 : m);
    day = static_cast<std::uint16_t>(d + 1);
}

void SplitTime(DateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond) {
    SplitTime(ToDayStamp(value), hour, minute, second, millisecond);
}

void SplitTime(const DayStamp& stamp, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
               std::uint16_t& millisecond) {
    // Unsigned: a stamp's Millis is never negative, and the divisions get cheaper.
    const auto ms = static_cast<std::uint32_t>(stamp.Millis);
    const std::uint32_t minutes = ms / 60000, rest = ms % 60000;
    hour = static_cast<std::uint16_t>(minutes / 60);
    minute = static_cast<std::uint16_t>(minutes % 60);
    second = static_cast<std::uint16_t>(rest / 1000);
    millisecond = static_cast<std::uint16_t>(rest % 1000);
}

int Weekday(DateTime value) { return Weekday(Stamp(value, false)); }

int Weekday(const DayStamp& stamp) {
    // A floor modulus keeps days before year 1 in 1 to 7 as well.
    const int r = stamp.DayNumber % 7;
    return (r < 0 ? r + 7 : r) + 1;
}

}  // namespace datetime
