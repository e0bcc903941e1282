// The platform's MulDiv, computed portably so that layout arithmetic gives the
// same pixels on the host as on Windows.
#pragma once

namespace widgets {

// number * numerator / denominator through a 64-bit product, rounded half away
// from zero. -1 when denominator is 0 or the result does not fit in an int.
int MulDiv(int number, int numerator, int denominator);

}  // namespace widgets
