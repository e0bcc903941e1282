// Text to date-time values, under the settings of Formats(). Blanks may
// surround every part; seconds and the am/pm designator are optional.
#pragma once

#include <string_view>

#include "datetime/DateTime.h"

namespace datetime {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The order of the date fields by the first d, m or y of the pattern.
DateOrder DateFieldOrder(std::string_view pattern);

// A time of day alone; raises EConvertError "'<text>' is not a valid time".
DateTime ParseTime(std::string_view text);
// A date, optionally followed by a time (anything after the time is ignored);
// raises EConvertError "'<text>' is not a valid date and time".
DateTime ParseDateTime(std::string_view text);

}  // namespace datetime
