// The process-wide locale settings read by every date and time text
// operation: separators, patterns, designators and name tables. One object,
// reached through Formats(); tests put their own in place with
// ScopedFormatSettings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace datetime {

struct FormatSettings {
    // Loaded with the others; no date or time operation reads these six.
    std::string CurrencySymbol;
    std::uint8_t CurrencyPlacement = 0;
    std::uint8_t NegCurrencyPlacement = 0;
    char ThousandsChar = ',';
    char DecimalChar = '.';
    std::uint8_t CurrencyDigits = 0;

    char DateSepChar = '/';
    std::string DatePatternShort = "m/d/yy";
    std::string DatePatternLong = "mmmm d, yyyy";
    char TimeSepChar = ':';
    std::string AmSymbol = "am";
    std::string PmSymbol = "pm";
    std::string TimePatternShort = "h:mm AMPM";
    std::string TimePatternLong = "h:mm:ss AMPM";

    // Numbered from 1 (entry 0 stays empty); days from Sunday.
    std::array<std::string, 13> MonthShortNames;
    std::array<std::string, 13> MonthLongNames;
    std::array<std::string, 8> DayShortNames;
    std::array<std::string, 8> DayLongNames;
};

// The settings in force. Starts with the fallback values and empty name
// tables until LoadCalendarNames and LoadFormatSettings run.
FormatSettings& Formats();

// Puts a private copy of the settings in force in place for the life of the
// object (tests change it freely), then restores the previous one.
class ScopedFormatSettings {
public:
    ScopedFormatSettings();
    explicit ScopedFormatSettings(const FormatSettings& settings);
    ~ScopedFormatSettings();
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

    FormatSettings& operator*() { return own_; }
    FormatSettings* operator->() { return &own_; }

private:
    FormatSettings own_;
    FormatSettings* previous_;
};

}  // namespace datetime
