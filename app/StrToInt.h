// Text to a whole number, as the starting-track box is read at firing.
#pragma once

#include <cstdint>
#include <string_view>

// Leading blanks, then an optional sign, then decimal digits, or "$" and
// hexadecimal digits; nothing may follow. False (out untouched) for any
// other text and for a value outside the 32-bit signed range.
bool TryStrToInt(std::string_view text, std::int32_t& out);
// The same; raises EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);
