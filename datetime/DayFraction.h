// Exact conversions between milliseconds of a day and the fraction of a day
// held in a DateTime. Integer arithmetic only, so every compiler and FPU
// setting gives the same bits.
#pragma once

#include <bit>
#include <cstdint>

namespace datetime {

inline constexpr std::int64_t kMillisPerDay = 86400000;

// The time of day of ms milliseconds: ms times 1/86,400,000 held with a 64-bit
// significand, the product rounded to a 64-bit significand and then to
// double, both to nearest-even. This is what an x87 unit computes in extended
// precision; emulated here because long double is only 64 bits wide elsewhere.
double MillisToDayFraction(std::uint32_t ms);

// whole + fraction rounded once to the nearest double (ties to even), for a
// whole number of days 1 <= whole < 2^52 and 0 < fraction < 1, in integer
// arithmetic: an x87 unit adding in extended precision rounds twice.
double AddWholeAndFraction(std::uint64_t whole, double fraction);

// The 64-bit significand of 1/86,400,000: the value is kInverseDaySignificand * 2^-90.
std::uint64_t InverseDaySignificand();

// f times 86,400,000 rounded to the nearest integer (ties to even) from the
// exact product, for 0 <= f < 1. Result in [0, 86,400,000]. Inline: every
// split of a value goes through it.
inline std::int64_t DayFractionToMillis(double f) {
    if (!(f > 0.0)) return 0;
    if (f >= 1.0) return kMillisPerDay;  // outside the contract: a whole day at most
    const auto bits = std::bit_cast<std::uint64_t>(f);
    const int biased = static_cast<int>(bits >> 52);  // the sign is clear
    if (biased == 0) return 0;                        // subnormal: far below half a millisecond
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    // f * 86,400,000 = m * 84375 * 2^-s. The product is below 2^70, so a
    // shift over 71 leaves less than one half.
    const int s = 1065 - biased;  // >= 43 because f < 1
    if (s > 71) return 0;
    // The product as a * 2^32 + l; every bit at or above the rounding bit is in a.
    const std::uint64_t low = (m & 0xFFFFFFFFu) * 84375u;
    const std::uint64_t a = (m >> 32) * 84375u + (low >> 32);  // < 2^38
    const std::uint64_t l = low & 0xFFFFFFFFu;
    const int t = s - 32;  // [11, 39]
    std::uint64_t q = a >> t;
    const std::uint64_t dropped = a & ((std::uint64_t{1} << t) - 1);
    const std::uint64_t half = std::uint64_t{1} << (t - 1);
    if (dropped > half || (dropped == half && (l != 0 || (q & 1u)))) ++q;
    return static_cast<std::int64_t>(q);
}

}  // namespace datetime
