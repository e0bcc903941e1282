// Calendar arithmetic: known dates, rejected fields, the sign rule for dates
// before 1899-12-30, rounding at midnight, and exhaustive round trips over
// every day of years 1 to 9999 and every millisecond of a day.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "datetime/DateTime.h"
#include "datetime/DayFraction.h"
#include "datetime/LocalClock.h"
#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"

using namespace datetime;

namespace {

struct Ymd {
    int y, m, d;
    bool operator==(const Ymd&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ymd& v) { return os << v.y << '-' << v.m << '-' << v.d; }

Ymd Split(DateTime v) {
    std::uint16_t y, m, d;
    SplitDate(v, y, m, d);
    return {y, m, d};
}

std::string Clock(DateTime v) {
    std::uint16_t h, n, s, ms;
    SplitTime(v, h, n, s, ms);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u:%02u:%02u.%03u", h, n, s, ms);
    return buf;
}

std::string ConvertMessage(void (*f)()) {
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "no error";
}

TEST(MakeDate, KnownDays) {
    EXPECT_EQ(0, MakeDate(1899, 12, 30));
    EXPECT_EQ(1, MakeDate(1899, 12, 31));
    EXPECT_EQ(2, MakeDate(1900, 1, 1));
    EXPECT_EQ(36526, MakeDate(2000, 1, 1));
    EXPECT_EQ(-693593, MakeDate(1, 1, 1));
    EXPECT_EQ(2958465, MakeDate(9999, 12, 31));
    EXPECT_EQ(Ymd({1992, 6, 19}), Split(MakeDate(1992, 6, 19)));
}

TEST(MakeDate, RejectsFieldsOutsideTheCalendar) {
    EXPECT_NO_THROW(MakeDate(2000, 2, 29));
    const std::uint16_t bad[][3] = {{1900, 2, 29}, {2100, 2, 29}, {0, 1, 1},  {10000, 1, 1},
                                    {2026, 0, 1},  {2026, 13, 1}, {2026, 1, 0}, {2026, 4, 31}};
    for (const auto& f : bad) {
        DateTime out = 42.5;
        EXPECT_FALSE(TryMakeDate(f[0], f[1], f[2], out)) << f[0] << '-' << f[1] << '-' << f[2];
        EXPECT_EQ(42.5, out) << "out value must stay untouched";
    }
    EXPECT_EQ("Invalid argument to date encode", ConvertMessage([] { MakeDate(1900, 2, 29); }));
}

TEST(MakeTime, AcceptsTheLastMillisecondAndRejectsOverflowingFields) {
    EXPECT_EQ("23:59:59.999", Clock(MakeTime(23, 59, 59, 999)));
    EXPECT_EQ(0.25, MakeTime(6, 0, 0, 0));
    EXPECT_EQ(0.5, MakeTime(12, 0, 0, 0));
    const std::uint16_t bad[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}};
    for (const auto& f : bad) {
        DateTime out = 7;
        EXPECT_FALSE(TryMakeTime(f[0], f[1], f[2], f[3], out));
        EXPECT_EQ(7, out);
    }
    EXPECT_EQ("Invalid argument to time encode", ConvertMessage([] { MakeTime(24, 0, 0, 0); }));
}

TEST(LeapYear, CenturiesAreLeapOnlyEveryFourHundredYears) {
    EXPECT_TRUE(LeapYear(2000));
    EXPECT_TRUE(LeapYear(1996));
    EXPECT_TRUE(LeapYear(2024));
    EXPECT_FALSE(LeapYear(1900));
    EXPECT_FALSE(LeapYear(2100));
    EXPECT_FALSE(LeapYear(2026));
    EXPECT_EQ(29, MonthLengths(2000)[1]);
    EXPECT_EQ(28, MonthLengths(1900)[1]);
    EXPECT_EQ(31, MonthLengths(1900)[11]);
}

TEST(SplitDate, EndsOfCyclesAndYears) {
    EXPECT_EQ(Ymd({2000, 12, 31}), Split(MakeDate(2000, 12, 31)));  // last day of a 400-year cycle
    EXPECT_EQ(Ymd({2001, 1, 1}), Split(MakeDate(2000, 12, 31) + 1));
    EXPECT_EQ(Ymd({1996, 12, 31}), Split(MakeDate(1996, 12, 31)));  // 31 December of a leap year
    EXPECT_EQ(Ymd({1600, 12, 31}), Split(MakeDate(1600, 12, 31)));
    EXPECT_EQ(Ymd({1, 1, 1}), Split(-693593));
}

TEST(SplitDate, DaysBeforeYearOneAreZeros) {
    EXPECT_EQ(Ymd({0, 0, 0}), Split(-693594));
    EXPECT_EQ(Ymd({0, 0, 0}), Split(-1e9));
    EXPECT_EQ(Ymd({0, 0, 0}), Split(-std::numeric_limits<double>::infinity()));
}

TEST(SignConvention, NegativeValuesKeepThePositiveTimeOfDay) {
    EXPECT_EQ(Ymd({1899, 12, 29}), Split(-1.25));
    EXPECT_EQ("06:00:00.000", Clock(-1.25));
    EXPECT_EQ(Ymd({1899, 12, 30}), Split(-0.25));
    EXPECT_EQ("06:00:00.000", Clock(-0.25));
    EXPECT_EQ(Clock(0.25), Clock(-0.25));
    EXPECT_EQ(Ymd({1899, 12, 29}), Split(-1.75));
    EXPECT_EQ("18:00:00.000", Clock(-1.75));
}

TEST(ToDayStamp, LessThanHalfAMillisecondBeforeMidnightIsTheNextDay) {
    const double almost = 1.0 - 0.4 / kMillisPerDay;
    const double notQuite = 1.0 - 0.6 / kMillisPerDay;
    // After 1899-12-30 ...
    EXPECT_EQ(Ymd({1899, 12, 31}), Split(almost));
    EXPECT_EQ("00:00:00.000", Clock(almost));
    EXPECT_EQ("23:59:59.999", Clock(notQuite));
    EXPECT_EQ(Ymd({2026, 6, 21}), Split(MakeDate(2026, 6, 20) + almost));
    // ... and before it, where the time of day runs the same way.
    EXPECT_EQ(Ymd({1899, 12, 31}), Split(-almost));
    EXPECT_EQ(Ymd({1899, 12, 30}), Split(-1 - almost));
    EXPECT_EQ("00:00:00.000", Clock(-1 - almost));
    EXPECT_EQ(Ymd({1899, 12, 29}), Split(-1 - notQuite));
    EXPECT_EQ("23:59:59.999", Clock(-1 - notQuite));
}

TEST(ToDayStamp, ValuesFarOutsideTheRangeSaturate) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(INT32_MAX, ToDayStamp(inf).DayNumber);
    EXPECT_EQ(INT32_MIN, ToDayStamp(-inf).DayNumber);
    EXPECT_EQ(INT32_MAX, ToDayStamp(1e300).DayNumber);
    EXPECT_EQ(kDayNumberOfZero, ToDayStamp(std::nan("")).DayNumber);
    EXPECT_EQ(INT32_MAX, ToDayStamp(2147483647.0).DayNumber);
    for (double v : {inf, -inf, 1e300, -3e9, -1e6, 3e9}) {
        const int w = Weekday(v);
        EXPECT_TRUE(w >= 1 && w <= 7) << v;
    }
}

TEST(Weekday, CountsFromSunday) {
    EXPECT_EQ(7, Weekday(0));  // Saturday 30 December 1899
    EXPECT_EQ(1, Weekday(1));
    EXPECT_EQ(2, Weekday(2));  // Monday 1 January 1900
    EXPECT_EQ(6, Weekday(MakeDate(1992, 6, 19)));  // a Friday
    EXPECT_EQ(2, Weekday(MakeDate(1, 1, 1)));  // proleptic Monday
}

TEST(CombineDateTime, AddsByTheSignRuleWithOneRounding) {
    const DateTime six = MakeTime(6, 0, 0, 0);
    EXPECT_EQ(-1.25, CombineDateTime(-1, six));
    EXPECT_EQ(2.25, CombineDateTime(2, six));
    EXPECT_EQ(six, CombineDateTime(0, six));
    EXPECT_EQ(-5.0, CombineDateTime(-5, 0));
    EXPECT_EQ(3.5, CombineDateTime(3.25, 0.25));  // not a whole date: plain arithmetic
    // 8 days and 179 ms: rounding to extended first, then to double, would
    // give 8.0000020717592584.
    const DateTime t179 = MakeTime(0, 0, 0, 179);
    EXPECT_EQ(8.0000020717592601, CombineDateTime(8, t179));
    EXPECT_EQ(-8.0000020717592601, CombineDateTime(-8, t179));
    EXPECT_EQ(131072.00000311344, CombineDateTime(131072, MakeTime(0, 0, 0, 269)));
}

// Every day of years 1 to 9999: the successor of the previous day, the same
// value when made again, the next weekday, and a time of day that comes back.
TEST(Exhaustive, EveryDayOfYearsOneTo9999) {
    const DateTime first = MakeDate(1, 1, 1), last = MakeDate(9999, 12, 31);
    Ymd prev{1, 1, 0};
    int prevWeekday = 1;  // the day before 1 January 0001 was a Sunday
    long failures = 0;
    std::string firstFailure;
    for (DateTime v = first; v <= last; v += 1) {
        Ymd expect = prev;
        if (++expect.d > MonthLengths(static_cast<std::uint16_t>(expect.y))[expect.m - 1]) {
            expect.d = 1;
            if (++expect.m > 12) expect.m = 1, ++expect.y;
        }
        const Ymd got = Split(v);
        DateTime again = -1e9;
        TryMakeDate(static_cast<std::uint16_t>(got.y), static_cast<std::uint16_t>(got.m),
                    static_cast<std::uint16_t>(got.d), again);
        const int weekday = Weekday(v);
        // A different millisecond each day, combined by the sign rule.
        const auto ms = static_cast<std::uint32_t>(static_cast<std::int64_t>(v - first) * 7919 % kMillisPerDay);
        const double time = MillisToDayFraction(ms);
        const DayStamp stamp = ToDayStamp(CombineDateTime(v, time));
        if (!(got == expect) || again != v || weekday != prevWeekday % 7 + 1 ||
            stamp.Millis != static_cast<std::int32_t>(ms) || stamp.DayNumber != static_cast<std::int32_t>(v) + kDayNumberOfZero) {
            if (failures++ == 0) firstFailure = "value " + std::to_string(v);
        }
        prev = got;
        prevWeekday = weekday;
    }
    EXPECT_EQ(0, failures) << "first at " << firstFailure;
    EXPECT_EQ(Ymd({9999, 12, 31}), prev);
}

// Every millisecond of a day through MakeTime and back through ToDayStamp.
// Where the host has an x87 unit, MakeTime must also give the very bits of
// its extended-precision product. In four parts of six hours, which ctest
// runs side by side.
class EveryMillisecond : public ::testing::TestWithParam<int> {};

TEST_P(EveryMillisecond, MakeTimeIsTheExtendedProductAndComesBack) {
    constexpr bool kX87 = std::numeric_limits<long double>::digits == 64;
    volatile long double inverse = 1.0L / 86400000.0L;  // computed at run time
    const long double c = inverse;
    const auto firstHour = static_cast<std::uint16_t>(GetParam() * 6);
    long failures = 0, notX87 = 0, notDivision = 0;
    std::int32_t firstFailure = -1, firstNotX87 = -1;
    std::int32_t ms = firstHour * 3600000;
    for (std::uint16_t h = firstHour; h < firstHour + 6; ++h)
        for (std::uint16_t n = 0; n < 60; ++n)
            for (std::uint16_t s = 0; s < 60; ++s)
                for (std::uint16_t milli = 0; milli < 1000; ++milli, ++ms) {
                    const DateTime t = MakeTime(h, n, s, milli);
                    const DayStamp stamp = ToDayStamp(t);
                    if ((stamp.Millis != ms || stamp.DayNumber != kDayNumberOfZero) && failures++ == 0)
                        firstFailure = ms;
                    if (kX87 && t != static_cast<double>(static_cast<long double>(ms) * c) && notX87++ == 0)
                        firstNotX87 = ms;
                    if (t != ms / 86400000.0) ++notDivision;
                }
    EXPECT_EQ(0, failures) << "first at " << firstFailure << " ms";
    EXPECT_EQ(0, notX87) << "first at " << firstNotX87 << " ms";
    // Double rounding makes MakeTime a different function from a plain
    // double division, which is why it is emulated rather than approximated.
    if (kX87) {
        EXPECT_GT(notDivision, 0);
    }
    RecordProperty("differs_from_division", static_cast<int>(notDivision));
}

INSTANTIATE_TEST_SUITE_P(SixHours, EveryMillisecond, ::testing::Range(0, 4));

// Every second of a day, at its first and last millisecond, into fields.
TEST(Exhaustive, EverySecondOfADaySplitsIntoItsFields) {
    long failures = 0;
    for (std::uint16_t h = 0; h < 24; ++h)
        for (std::uint16_t n = 0; n < 60; ++n)
            for (std::uint16_t s = 0; s < 60; ++s)
                for (std::uint16_t milli : {0, 1, 500, 999}) {
                    std::uint16_t h2, n2, s2, milli2;
                    SplitTime(MakeDate(2026, 6, 20) + MakeTime(h, n, s, milli), h2, n2, s2, milli2);
                    if (h2 != h || n2 != n || s2 != s || milli2 != milli) ++failures;
                }
    EXPECT_EQ(0, failures);
}

TEST(ClockReaders, ReadTheLocalClockThroughThePlatform) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    fake.SetNow(2026, 6, 20, 7, 5, 30, 250);
    EXPECT_EQ(MakeDate(2026, 6, 20), CurrentDate());
    EXPECT_EQ(MakeTime(7, 5, 30, 250), CurrentTime());
    EXPECT_EQ(MakeDate(2026, 6, 20) + MakeTime(7, 5, 30, 250), CurrentDateTime());
    EXPECT_EQ(2026, ThisYear());
    fake.SetNow(1999, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ("23:59:59.999", Clock(CurrentDateTime()));
    EXPECT_EQ(Ymd({1999, 12, 31}), Split(CurrentDateTime()));
}

}  // namespace
