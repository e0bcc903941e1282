// Locale item numbers and compare flags of the platform's locale database,
// as plain constants so that portable code can name them. The Win32 build
// checks each against the system headers (LocaleItems_win32.cpp).
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace datetime::localeitems {

inline constexpr platform::LCID kUserDefault = 0x0400;  // LOCALE_USER_DEFAULT
inline constexpr std::uint32_t kNormIgnoreCase = 0x00000001;
inline constexpr int kCstrEqual = 2;

inline constexpr platform::LCTYPE kSDecimal = 0x0E;
inline constexpr platform::LCTYPE kSThousand = 0x0F;
inline constexpr platform::LCTYPE kSCurrency = 0x14;
inline constexpr platform::LCTYPE kICurrDigits = 0x19;
inline constexpr platform::LCTYPE kICurrency = 0x1B;
inline constexpr platform::LCTYPE kINegCurr = 0x1C;
inline constexpr platform::LCTYPE kSDate = 0x1D;
inline constexpr platform::LCTYPE kSTime = 0x1E;
inline constexpr platform::LCTYPE kSShortDate = 0x1F;
inline constexpr platform::LCTYPE kSLongDate = 0x20;
inline constexpr platform::LCTYPE kITime = 0x23;
inline constexpr platform::LCTYPE kITLZero = 0x25;
inline constexpr platform::LCTYPE kS1159 = 0x28;
inline constexpr platform::LCTYPE kS2359 = 0x29;
// First of seven (Monday to Sunday) or twelve consecutive items.
inline constexpr platform::LCTYPE kSDayName1 = 0x2A;
inline constexpr platform::LCTYPE kSAbbrevDayName1 = 0x31;
inline constexpr platform::LCTYPE kSMonthName1 = 0x38;
inline constexpr platform::LCTYPE kSAbbrevMonthName1 = 0x44;

}  // namespace datetime::localeitems
