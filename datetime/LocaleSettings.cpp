// Locale loaders: every item is read independently and falls back on its own.
#include "datetime/LocaleSettings.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "datetime/FormatSettings.h"
#include "datetime/LocaleItems.h"
#include "res/StringIds.h"

namespace datetime {
namespace {

namespace li = localeitems;

// Numeric items: decimal text, anything else reads as 0.
int LocaleNumber(platform::LCID locale, platform::LCTYPE item) {
    const std::string text = LocaleText(locale, item, "0");
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    int value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last ? value : 0;
}

std::uint8_t LocaleByte(platform::LCID locale, platform::LCTYPE item) {
    return static_cast<std::uint8_t>(LocaleNumber(locale, item));
}

// The date and time separators: the first character that is not a blank,
// also of a longer separator (". " reads "."), so that the parser's
// separator matches what the locale's own date pattern writes.
char LocaleSeparator(platform::LCID locale, platform::LCTYPE item, char fallback) {
    const std::string text = LocaleText(locale, item, "");
    const std::size_t at = text.find_first_not_of(' ');
    return at == std::string::npos ? fallback : text[at];
}

}  // namespace

std::string LocaleText(platform::LCID locale, platform::LCTYPE item, const std::string& fallback) {
    char buf[256] = {};
    const int n = platform::Sys().LocaleInfo(locale, item, buf, static_cast<int>(sizeof buf));
    if (n <= 0) return fallback;
    // n counts the terminating zero; never trust it beyond the buffer.
    const std::size_t len = std::min(static_cast<std::size_t>(n) - 1, sizeof buf - 1);
    return std::string(buf, len);
}

char LocaleChar(platform::LCID locale, platform::LCTYPE item, char fallback) {
    char buf[2];
    return platform::Sys().LocaleInfo(locale, item, buf, static_cast<int>(sizeof buf)) > 0 ? buf[0] : fallback;
}

void LoadCalendarNames() {
    FormatSettings& fs = Formats();
    const platform::LCID id = platform::Sys().GetSystemDefaultLCID();
    for (unsigned i = 1; i <= 12; ++i) {
        fs.MonthShortNames[i] =
            LocaleText(id, li::kSAbbrevMonthName1 + i - 1, platform::LoadStr(res::SShortMonthNameJan + i - 1));
        fs.MonthLongNames[i] =
            LocaleText(id, li::kSMonthName1 + i - 1, platform::LoadStr(res::SLongMonthNameJan + i - 1));
    }
    // The platform numbers its days from Monday (1) to Sunday (7).
    for (unsigned i = 1; i <= 7; ++i) {
        const unsigned platformDay = (i + 5) % 7 + 1;
        fs.DayShortNames[i] =
            LocaleText(id, li::kSAbbrevDayName1 + platformDay - 1, platform::LoadStr(res::SShortDayNameSun + i - 1));
        fs.DayLongNames[i] =
            LocaleText(id, li::kSDayName1 + platformDay - 1, platform::LoadStr(res::SLongDayNameSun + i - 1));
    }
}

void LoadFormatSettings() {
    FormatSettings& fs = Formats();
    const platform::LCID id = platform::Sys().GetSystemDefaultLCID();
    fs.CurrencySymbol = LocaleText(id, li::kSCurrency, "");
    fs.CurrencyPlacement = LocaleByte(id, li::kICurrency);
    fs.NegCurrencyPlacement = LocaleByte(id, li::kINegCurr);
    fs.ThousandsChar = LocaleChar(id, li::kSThousand, ',');
    fs.DecimalChar = LocaleChar(id, li::kSDecimal, '.');
    fs.CurrencyDigits = LocaleByte(id, li::kICurrDigits);
    fs.DateSepChar = LocaleSeparator(id, li::kSDate, '/');
    fs.DatePatternShort = LocaleText(id, li::kSShortDate, "m/d/yy");
    fs.DatePatternLong = LocaleText(id, li::kSLongDate, "mmmm d, yyyy");
    fs.TimeSepChar = LocaleSeparator(id, li::kSTime, ':');
    fs.AmSymbol = LocaleText(id, li::kS1159, "am");
    fs.PmSymbol = LocaleText(id, li::kS2359, "pm");

    // The locale's own time pattern is not read: hours with or without a
    // leading zero, then the 12- or 24-hour suffix.
    const std::string hour = LocaleNumber(id, li::kITLZero) != 0 ? "hh" : "h";
    const std::string suffix = LocaleNumber(id, li::kITime) != 0 ? "" : " AMPM";
    fs.TimePatternShort = hour + ":mm" + suffix;
    fs.TimePatternLong = hour + ":mm:ss" + suffix;
}

}  // namespace datetime
