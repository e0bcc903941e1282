// The extended-precision time-of-day product. Products of up to 96 bits are
// held as a * 2^32 + l with a and l in 64-bit words (no compiler extension),
// and both roundings are done by hand, to nearest, ties to even.
#include "datetime/DayFraction.h"

#include <bit>
#include <cassert>

namespace datetime {
namespace {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;

// round(2^80 / 84375): 86,400,000 is 84,375 * 2^10 and its inverse lies in
// [2^-27, 2^-26), so a 64-bit significand m gives the value m * 2^-90.
constexpr std::uint64_t ComputeInverseDay() {
    std::uint64_t q = 0, r = 0;
    for (int bit = 80; bit >= 0; --bit) {
        r = r * 2 + (bit == 80 ? 1 : 0);
        q = q * 2 + (r >= 84375 ? 1 : 0);
        if (r >= 84375) r -= 84375;
    }
    return 2 * r >= 84375 ? q + 1 : q;  // 84375 is odd: no tie
}
constexpr std::uint64_t kInverseDay = ComputeInverseDay();
static_assert(kInverseDay >> 63 == 1, "significand must be normalised");

}  // namespace

std::uint64_t InverseDaySignificand() { return kInverseDay; }

double MillisToDayFraction(std::uint32_t ms) {
    if (ms == 0) return 0.0;
    // The product ms * kInverseDay, at least 2^63 and below 2^96, as a * 2^32 + l.
    const std::uint64_t high = ms * (kInverseDay >> 32);  // < 2^64
    const std::uint64_t low = ms * (kInverseDay & kLow32);
    const std::uint64_t a = high + (low >> 32);  // no overflow: high <= 2^64 - 2^33 + 1
    const std::uint64_t l = low & kLow32;
    // First rounding, to the 64-bit significand of the extended product: s
    // bits (0 to 32) are dropped, all of them from l.
    const int s = static_cast<int>(std::bit_width(a)) - 32;
    assert(s >= 0 && s <= 32);  // 2^31 <= a < 2^64
    int scale = -90 + s;
    std::uint64_t m64 = a << (32 - s) | l >> s;
    if (s > 0) {
        const std::uint64_t dropped = l & ((std::uint64_t{1} << s) - 1);
        const std::uint64_t half = std::uint64_t{1} << (s - 1);
        if ((dropped > half || (dropped == half && (m64 & 1u))) && ++m64 == 0) {  // carried out
            m64 = std::uint64_t{1} << 63;
            ++scale;
        }
    }
    // Second rounding, to the 53 bits of a double (m64 >= 2^63).
    std::uint64_t m53 = m64 >> 11;
    const std::uint64_t rest = m64 & 0x7FFu;
    if (rest > 0x400u || (rest == 0x400u && (m53 & 1u))) ++m53;
    // m53 * 2^(scale + 11) built from its fields; m53 == 2^53 carries into the
    // exponent field, which is exactly right.
    const int biasedExponent = scale + 11 + 52 + 1023;
    const auto biased = static_cast<std::uint64_t>(biasedExponent);
    return std::bit_cast<double>((biased << 52) + (m53 - (std::uint64_t{1} << 52)));
}

double AddWholeAndFraction(std::uint64_t whole, double fraction) {
    // whole is in [2^e, 2^(e+1)) and whole + fraction stays below 2^(e+1), so
    // the sum is counted in units of its last bit, 2^(e - 52).
    const int e = static_cast<int>(std::bit_width(whole)) - 1;
    // fraction = m * 2^(biased - 1075), or m * 2^-1074 when subnormal.
    const auto bits = std::bit_cast<std::uint64_t>(fraction);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (biased ? std::uint64_t{1} << 52 : 0);
    const int shift = e - 52 - (biased ? biased : 1) + 1075;  // units to drop from m, >= e + 1
    std::uint64_t sum = whole << (52 - e);                    // [2^52, 2^53)
    if (shift < 64) {
        sum += m >> shift;
        const std::uint64_t rest = m & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (sum & 1u))) ++sum;  // may reach 2^53: still exact
    }                                                            // else all of m lies below half a unit
    // Scaling by a power of two is exact; 2^(e - 52) is built from its fields.
    const double unit = std::bit_cast<double>(static_cast<std::uint64_t>(1023 + e - 52) << 52);
    return static_cast<double>(sum) * unit;
}

}  // namespace datetime
