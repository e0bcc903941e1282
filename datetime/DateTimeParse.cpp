// The date and time reader: a position that only moves forward over the
// text, and small steps that each report success.
#include "datetime/DateTimeParse.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "datetime/FormatSettings.h"
#include "datetime/LocalClock.h"
#include "datetime/LocaleItems.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "res/StringIds.h"

namespace datetime {
namespace {

class Scanner {
public:
    Scanner(std::string_view text, const FormatSettings& settings) : text_(text), fs_(settings) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    void SkipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    // Reads while the value is below 1000: at most four significant digits.
    bool ReadNumber(std::uint16_t& number) {
        SkipSpaces();
        const std::size_t start = pos_;
        unsigned value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && value < 1000) {
            value = value * 10 + static_cast<unsigned>(text_[pos_] - '0');
            ++pos_;
        }
        if (pos_ == start) return false;
        // A fifth significant digit makes no field of a date or time: left
        // over, it would be read as the next field (1/1/10000 as year 1000
        // at hour 0).
        if (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') return false;
        number = static_cast<std::uint16_t>(value);  // at most 9999
        return true;
    }

    bool ReadChar(char expected) {
        SkipSpaces();
        if (pos_ >= text_.size() || text_[pos_] != expected) return false;
        ++pos_;
        return true;
    }

    // Compares by the user's locale, ignoring case. Where no text is left
    // there is no word to read, so the platform is not asked.
    bool ReadWord(std::string_view word) {
        if (word.empty() || word.size() > INT_MAX) return false;
        SkipSpaces();
        if (pos_ >= text_.size()) return false;
        const std::size_t n = std::min(word.size(), text_.size() - pos_);
        const int result =
            platform::Sys().CompareText(localeitems::kUserDefault, localeitems::kNormIgnoreCase, text_.data() + pos_,
                                        static_cast<int>(n), word.data(), static_cast<int>(word.size()));
        if (result != localeitems::kCstrEqual) return false;
        pos_ += n;
        return true;
    }

    bool ReadDate(DateTime& date);
    bool ReadTime(DateTime& time);

private:
    std::string_view text_;
    const FormatSettings& fs_;
    std::size_t pos_ = 0;
};

bool Scanner::ReadDate(DateTime& date) {
    const FormatSettings& fs = fs_;
    const DateOrder order = DateFieldOrder(fs.DatePatternShort);
    std::uint16_t first = 0, second = 0, third = 0;
    if (!ReadNumber(first) || !ReadChar(fs.DateSepChar) || !ReadNumber(second)) return false;
    std::uint16_t year = 0, month = 0, day = 0;
    if (ReadChar(fs.DateSepChar)) {
        if (!ReadNumber(third)) return false;
        switch (order) {
            case DateOrder::MonthDayYear: month = first, day = second, year = third; break;
            case DateOrder::DayMonthYear: day = first, month = second, year = third; break;
            case DateOrder::YearMonthDay: year = first, month = second, day = third; break;
        }
        // A two-digit year always falls in the current century.
        if (year <= 99) year = static_cast<std::uint16_t>(year + ThisYear() / 100 * 100);
    } else {
        year = ThisYear();
        if (order == DateOrder::DayMonthYear) day = first, month = second;
        else month = first, day = second;
    }
    ReadChar(fs.DateSepChar);  // a trailing separator is allowed
    SkipSpaces();
    return TryMakeDate(year, month, day, date);
}

bool Scanner::ReadTime(DateTime& time) {
    const FormatSettings& fs = fs_;
    std::uint16_t hour = 0, minute = 0, second = 0;
    if (!ReadNumber(hour)) return false;
    if (ReadChar(fs.TimeSepChar) && !ReadNumber(minute)) return false;
    if (ReadChar(fs.TimeSepChar) && !ReadNumber(second)) return false;
    int offset = -1;  // no designator
    if (ReadWord(fs.AmSymbol) || ReadWord("AM")) offset = 0;
    else if (ReadWord(fs.PmSymbol) || ReadWord("PM")) offset = 12;
    if (offset >= 0) {
        if (hour < 1 || hour > 12) return false;
        hour = static_cast<std::uint16_t>(hour % 12 + offset);
    }
    SkipSpaces();
    return TryMakeTime(hour, minute, second, 0, time);
}

// The string-table message with the whole input in place of its "%s".
[[noreturn]] void Fail(unsigned messageId, std::string_view text) {
    std::string message = platform::LoadStr(messageId);
    const std::size_t at = message.find("%s");
    if (at != std::string::npos) message.replace(at, 2, text);
    throw EConvertError(std::move(message));
}

}  // namespace

DateOrder DateFieldOrder(std::string_view pattern) {
    for (char c : pattern) {
        switch (c) {
            case 'd':
            case 'D': return DateOrder::DayMonthYear;
            case 'm':
            case 'M': return DateOrder::MonthDayYear;
            case 'y':
            case 'Y': return DateOrder::YearMonthDay;
            default: break;
        }
    }
    return DateOrder::MonthDayYear;
}

DateTime ParseTime(std::string_view text) {
    Scanner scanner(text, Formats());
    DateTime time = 0;
    if (!scanner.ReadTime(time) || !scanner.AtEnd()) Fail(res::SInvalidTime, text);
    return time;
}

DateTime ParseDateTime(std::string_view text) {
    Scanner scanner(text, Formats());
    DateTime date = 0, time = 0;
    if (!scanner.ReadDate(date)) Fail(res::SInvalidDateTime, text);
    if (!scanner.AtEnd() && !scanner.ReadTime(time)) Fail(res::SInvalidDateTime, text);
    // Dates before 1899-12-30 carry the time of day as a positive fraction.
    return CombineDateTime(date, time);
}

}  // namespace datetime
