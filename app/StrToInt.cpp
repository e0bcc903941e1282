#include "app/StrToInt.h"

#include <string>

#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& out) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == text.size()) return false;
    // The magnitude may reach 2^31 only for a negative number.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int d = DigitValue(text[i], base);
        if (d < 0) return false;
        magnitude = magnitude * base + d;
        if (magnitude > limit) return false;  // stops before the product can overflow
    }
    out = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t value = 0;
    if (TryStrToInt(text, value)) return value;
    std::string message = platform::LoadStr(res::SInvalidInteger);
    std::size_t at = message.find("%s");
    if (at != std::string::npos) message.replace(at, 2, text);
    throw EConvertError(std::move(message));
}
