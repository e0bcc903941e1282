// The exact millisecond <-> day-fraction conversions: the extended-precision
// constant of MakeTime (its product is checked against the x87 unit for a
// whole day in DateTime_test), and the rounding of ToDayStamp at and around
// ties against an fma oracle.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "datetime/DayFraction.h"

using namespace datetime;

namespace {

constexpr bool kHostHasExtended = std::numeric_limits<long double>::digits == 64;

TEST(DayFraction, ConstantIsOneOverMillisPerDayInExtendedPrecision) {
    if (!kHostHasExtended) GTEST_SKIP() << "long double is not the 80-bit format here";
    int exp = 0;
    const long double m = std::frexp(1.0L / 86400000.0L, &exp);  // m in [0.5, 1)
    EXPECT_EQ(-26, exp);
    EXPECT_EQ(static_cast<std::uint64_t>(std::ldexp(m, 64)), InverseDaySignificand());
}

TEST(DayFraction, WholeAndLargeMillisecondCounts) {
    EXPECT_EQ(0.0, MillisToDayFraction(0));
    EXPECT_EQ(1.0, MillisToDayFraction(86400000u));
    EXPECT_EQ(0.5, MillisToDayFraction(43200000u));
    EXPECT_EQ(2.0, MillisToDayFraction(172800000u));
    // The largest count still rounds to the nearest representable value.
    EXPECT_NEAR(4294967295.0 / 86400000.0, MillisToDayFraction(UINT32_MAX), 1e-12);
}

// Reference rounding of f * 86,400,000: the sign of an fma is exact.
std::int64_t RoundByFma(double f) {
    const double below = std::floor(f * 86400000.0) - 1;  // start safely under the product
    for (double k = below;; ++k) {
        const double side = std::fma(f, 86400000.0, -(k + 0.5));  // exact sign of f*86.4M - (k+0.5)
        if (side < 0) return static_cast<std::int64_t>(k);
        if (side == 0) return static_cast<std::int64_t>(std::fmod(k, 2) == 0 ? k : k + 1);
    }
}

TEST(DayFraction, RoundsTheExactProductAtAndAroundTies) {
    long checked = 0;
    for (std::int64_t k : {std::int64_t{0}, std::int64_t{1}, std::int64_t{2}, std::int64_t{12345},
                           std::int64_t{43199999}, std::int64_t{86399998}, std::int64_t{86399999}}) {
        const double tie = (static_cast<double>(k) + 0.5) / 86400000.0;
        double f = tie;
        for (int i = 0; i < 4; ++i) f = std::nextafter(f, 0.0);
        for (int i = 0; i < 9; ++i, f = std::nextafter(f, 1.0)) {
            if (f >= 1.0) break;
            EXPECT_EQ(RoundByFma(f), DayFractionToMillis(f)) << "f = " << f << " near " << k << ".5";
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
    // Exact ties: 0.5 ms and 1.5 ms are representable multiples of 2^-n only
    // through their doubles; the boundary cases stay within the day.
    EXPECT_EQ(0, DayFractionToMillis(0.0));
    EXPECT_EQ(0, DayFractionToMillis(DBL_TRUE_MIN));
    EXPECT_EQ(0, DayFractionToMillis(std::ldexp(1.0, -30)));  // 0.08 ms
    EXPECT_EQ(86400000, DayFractionToMillis(std::nextafter(1.0, 0.0)));
}

// Where this build's own adder rounds once, it is the reference.
TEST(DayFraction, WholeAndFractionAddWithOneRounding) {
    if (FLT_EVAL_METHOD != 0) GTEST_SKIP() << "this build's additions round twice";
    long failures = 0;
    for (int e = 0; e <= 51; e += (e < 22 ? 1 : 10)) {
        const std::uint64_t whole = (std::uint64_t{1} << e) + static_cast<unsigned>(e);
        for (std::uint32_t ms = 1; ms < 86400000u; ms += 1009) {
            const double f = MillisToDayFraction(ms);
            if (AddWholeAndFraction(whole, f) != static_cast<double>(whole) + f) ++failures;
        }
    }
    EXPECT_EQ(0, failures);
    // Rounding up into the next power of two, and a subnormal fraction.
    EXPECT_EQ(4.0, AddWholeAndFraction(3, std::nextafter(1.0, 0.0)));
    EXPECT_EQ(1.0, AddWholeAndFraction(1, DBL_TRUE_MIN));
    EXPECT_EQ(1.5, AddWholeAndFraction(1, 0.5));
}

// Double rounding gets these wrong: 8 days and 179 ms, 131072 days and 269 ms.
TEST(DayFraction, WholeAndFractionWhereExtendedPrecisionRoundsTwice) {
    const double t179 = MillisToDayFraction(179), t269 = MillisToDayFraction(269);
    EXPECT_EQ(8.0000020717592601, AddWholeAndFraction(8, t179));
    EXPECT_EQ(131072.00000311344, AddWholeAndFraction(131072, t269));
    if (kHostHasExtended) {
        volatile long double eight = 8;
        EXPECT_EQ(8.0000020717592584, static_cast<double>(eight + t179));
    }
}

TEST(DayFraction, EveryMillisecondComesBack) {
    long failures = 0;
    for (std::uint32_t ms = 0; ms < 86400000u; ms += 997)
        if (DayFractionToMillis(MillisToDayFraction(ms)) != ms) ++failures;
    EXPECT_EQ(0, failures);
}

}  // namespace
