// Portable MulDiv with the platform's rounding.
#include "widgets/MulDiv.h"

#include <climits>
#include <cstdint>

namespace widgets {

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;  // |.| <= 2^62
    std::int64_t divisor = denominator;
    // Work with a positive divisor; negating in 64 bits is safe even for INT_MIN.
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (result > INT_MAX || result < INT_MIN) return -1;
    return static_cast<int>(result);
}

}  // namespace widgets
