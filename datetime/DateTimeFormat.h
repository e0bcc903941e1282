// Date-time values to text by pattern, under the settings of Formats().
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "datetime/DateTime.h"

namespace datetime {

// The longest text RenderDateTime gives; longer output is cut here.
inline constexpr std::size_t kMaxRenderedLength = 256;

// Expands the pattern's tokens (an empty pattern means "C"). Never fails.
std::string RenderDateTime(std::string_view pattern, DateTime value);
// The value in the short date pattern.
std::string DateText(DateTime value);
// The value in the long time pattern.
std::string TimeText(DateTime value);

}  // namespace datetime
