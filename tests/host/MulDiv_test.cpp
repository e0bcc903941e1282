#include <gtest/gtest.h>

#include <climits>

#include "widgets/MulDiv.h"

namespace {

using widgets::MulDiv;

TEST(MulDiv, RoundsHalfAwayFromZeroWhateverTheSigns) {
    EXPECT_EQ(16, MulDiv(10, 13, 8));  // 16.25
    EXPECT_EQ(23, MulDiv(14, 13, 8));  // 22.75
    EXPECT_EQ(1, MulDiv(4, 1, 3));
    EXPECT_EQ(1, MulDiv(1, 1, 2));
    EXPECT_EQ(-1, MulDiv(-1, 1, 2));
    EXPECT_EQ(-1, MulDiv(1, 1, -2));
    EXPECT_EQ(1, MulDiv(-1, -1, 2));
    EXPECT_EQ(-2, MulDiv(3, 1, -2));  // -1.5
    EXPECT_EQ(-2, MulDiv(-5, 1, 3));
}

TEST(MulDiv, UsesAWideProductAndFlagsZeroDivisorAndOverflow) {
    EXPECT_EQ(INT_MAX, MulDiv(INT_MAX, INT_MAX, INT_MAX));
    EXPECT_EQ(INT_MIN, MulDiv(INT_MIN, INT_MIN, INT_MIN));
    EXPECT_EQ(-1, MulDiv(INT_MIN, INT_MIN, INT_MAX));  // just over 2^31
    EXPECT_EQ(-1, MulDiv(7, 3, 0));
    EXPECT_EQ(-1, MulDiv(INT_MIN, -1, 1));
}

}  // namespace
