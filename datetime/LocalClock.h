// Readers of the local wall clock, through the platform seam.
#pragma once

#include <cstdint>

#include "datetime/DateTime.h"

namespace datetime {

// Today at 00:00.
DateTime CurrentDate();
// The time of day now, to the millisecond, whole part 0.
DateTime CurrentTime();
// CurrentDate() plus CurrentTime() (CombineDateTime), each from its own
// reading of the clock.
DateTime CurrentDateTime();
std::uint16_t ThisYear();

}  // namespace datetime
