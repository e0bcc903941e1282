// The pattern interpreter behind RenderDateTime: a fixed 256-character buffer,
// patterns nested at most two deep, and the value rounded and split lazily,
// at most once per call.
#include "datetime/DateTimeFormat.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "datetime/FormatSettings.h"

namespace datetime {
namespace {

constexpr char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Does text start with word (an upper-case literal), ignoring ASCII case?
bool StartsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Upper(text[i]) != word[i]) return false;
    return true;
}

// After a run of "h": is an "a" ahead, outside quotes, before the next "h"?
bool TwelveHourClock(std::string_view rest) {
    bool quoted = false;
    for (char c : rest) {
        if (c == 'h' || c == 'H') break;
        if (c == '\'' || c == '"') quoted = !quoted;
        else if (!quoted && (c == 'a' || c == 'A')) return true;
    }
    return false;
}

// Appending to the output. The count is a local of the caller, passed by
// reference only into these inline helpers: kept in a member, it would be
// reloaded after every character stored (a char store may alias anything).
inline void Put(char* buf, std::size_t& len, char c) {
    if (len < kMaxRenderedLength) buf[len++] = c;
}
inline void Put(char* buf, std::size_t& len, std::string_view text) {
    const std::size_t n = std::min(text.size(), kMaxRenderedLength - len);
    for (std::size_t i = 0; i < n; ++i) buf[len + i] = text[i];  // pieces are short
    len += n;
}
// At least `digits` digits, never cut.
inline void PutNumber(char* buf, std::size_t& len, unsigned value, std::size_t digits) {
    if (value < 100 && digits <= 2) {  // nearly every field
        if (value >= 10 || digits == 2) Put(buf, len, static_cast<char>('0' + value / 10));
        Put(buf, len, static_cast<char>('0' + value % 10));
        return;
    }
    char text[12];
    std::size_t n = 0;
    do {
        text[sizeof text - 1 - n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n < digits && n < sizeof text) text[sizeof text - 1 - n++] = '0';
    Put(buf, len, std::string_view(text + sizeof text - n, n));
}

// Consumes the run of p[i] starting at i (exact, case-sensitive) and gives
// its length.
inline std::size_t Run(std::string_view p, std::size_t& i) {
    const char c = p[i];
    const std::size_t start = i;
    while (i < p.size() && p[i] == c) ++i;
    return i - start;
}

class Renderer {
public:
    // The suppression stays on the line it names: not laid out.
    // clang-format off
    explicit Renderer(DateTime value) : value_(value), fs_(Formats()) {}  // cppcheck-suppress uninitMemberVar ; buf_ is scratch space: only characters written are read
    // clang-format on

    // Appends the expansion of the pattern after the first len characters
    // and gives the new count.
    std::size_t AppendPattern(std::string_view pattern, std::size_t len);
    std::string Result(std::size_t len) const { return std::string(buf_, len); }

private:
    // One pattern letter each: consume the letter's run at p[i] and append
    // its expansion.
    void PutYear(std::string_view p, std::size_t& i, std::size_t& len);
    void PutMonth(std::string_view p, std::size_t& i, std::size_t& len);
    void PutDay(std::string_view p, std::size_t& i, std::size_t& len);
    void PutHour(std::string_view p, std::size_t& i, std::size_t& len);
    void PutAmPm(std::string_view p, std::size_t& i, std::size_t& len);
    void PutDateAndTime(std::string_view p, std::size_t& i, std::size_t& len);
    void PutQuoted(std::string_view p, std::size_t& i, std::size_t& len);

    // Name tables are read only for days in years 1 to 9999.
    template <std::size_t N>
    void PutName(std::size_t& len, const std::array<std::string, N>& table, unsigned index) {
        if (dateInRange_ && index >= 1 && index < N) Put(buf_, len, table[index]);
    }
    // One rounding of the value serves both its date and its time.
    const DayStamp& Stamp() {
        if (!haveStamp_) {
            stamp_ = ToDayStamp(value_);
            haveStamp_ = true;
        }
        return stamp_;
    }
    void NeedDate() {
        if (haveDate_) return;
        SplitDate(Stamp(), year_, month_, day_);
        dateInRange_ = stamp_.DayNumber >= 1 && stamp_.DayNumber <= kDayNumberOfLastDay;
        haveDate_ = true;
    }
    void NeedTime() {
        if (haveTime_) return;
        SplitTime(Stamp(), hour_, minute_, second_, millis_);
        haveTime_ = true;
    }

    char buf_[kMaxRenderedLength];
    int nesting_ = 0;
    DateTime value_;
    const FormatSettings& fs_;
    DayStamp stamp_;
    bool haveStamp_ = false, haveDate_ = false, haveTime_ = false, dateInRange_ = false;
    std::uint16_t year_ = 0, month_ = 0, day_ = 0;
    std::uint16_t hour_ = 0, minute_ = 0, second_ = 0, millis_ = 0;
};

void Renderer::PutYear(std::string_view p, std::size_t& i, std::size_t& len) {
    const std::size_t n = Run(p, i);
    NeedDate();
    if (n <= 2) PutNumber(buf_, len, year_ % 100u, 2);
    else PutNumber(buf_, len, year_, 4);
}

void Renderer::PutMonth(std::string_view p, std::size_t& i, std::size_t& len) {
    const std::size_t n = Run(p, i);
    NeedDate();
    if (n <= 2) PutNumber(buf_, len, month_, n);
    else if (n == 3) PutName(len, fs_.MonthShortNames, month_);
    else PutName(len, fs_.MonthLongNames, month_);
}

void Renderer::PutDay(std::string_view p, std::size_t& i, std::size_t& len) {
    const std::size_t n = Run(p, i);
    NeedDate();
    if (n <= 2) PutNumber(buf_, len, day_, n);
    else if (n == 3) PutName(len, fs_.DayShortNames, static_cast<unsigned>(Weekday(stamp_)));
    else if (n == 4) PutName(len, fs_.DayLongNames, static_cast<unsigned>(Weekday(stamp_)));
    else if (n == 5) len = AppendPattern(fs_.DatePatternShort, len);
    else len = AppendPattern(fs_.DatePatternLong, len);
}

void Renderer::PutHour(std::string_view p, std::size_t& i, std::size_t& len) {
    const std::size_t n = Run(p, i);
    NeedTime();
    unsigned hour = hour_;
    if (TwelveHourClock(p.substr(i))) {
        hour %= 12;
        if (hour == 0) hour = 12;
    }
    PutNumber(buf_, len, hour, std::min<std::size_t>(n, 2));
}

void Renderer::PutAmPm(std::string_view p, std::size_t& i, std::size_t& len) {
    NeedTime();
    const bool morning = hour_ < 12;
    const std::string_view rest = p.substr(i);
    if (StartsWithNoCase(rest, "AM/PM")) {
        Put(buf_, len, morning ? rest.substr(0, 2) : rest.substr(3, 2));
        i += 5;
    } else if (StartsWithNoCase(rest, "A/P")) {
        Put(buf_, len, morning ? rest[0] : rest[2]);
        i += 3;
    } else if (StartsWithNoCase(rest, "AMPM")) {
        Put(buf_, len, morning ? fs_.AmSymbol : fs_.PmSymbol);
        i += 4;
    } else {
        Put(buf_, len, p[i]);
        ++i;
    }
}

void Renderer::PutDateAndTime(std::string_view p, std::size_t& i, std::size_t& len) {
    Run(p, i);
    len = AppendPattern(fs_.DatePatternShort, len);
    NeedTime();
    // Milliseconds alone do not make a time worth showing.
    if (hour_ != 0 || minute_ != 0 || second_ != 0) {
        Put(buf_, len, ' ');
        len = AppendPattern(fs_.TimePatternLong, len);
    }
}

void Renderer::PutQuoted(std::string_view p, std::size_t& i, std::size_t& len) {
    // Verbatim up to the matching quote, or to the end without one.
    const std::size_t close = p.find(p[i], i + 1);
    const std::size_t end = close == std::string_view::npos ? p.size() : close;
    Put(buf_, len, p.substr(i + 1, end - i - 1));
    i = close == std::string_view::npos ? p.size() : close + 1;
}

std::size_t Renderer::AppendPattern(std::string_view p, std::size_t len) {
    // Named patterns nest once; a pattern named inside those is dropped.
    if (p.empty() || nesting_ >= 2) return len;
    ++nesting_;
    char lastLetter = ' ';
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        char token = Upper(c);
        if (token >= 'A' && token <= 'Z') {
            // "m" right after an hour is the minute.
            if (token == 'M' && lastLetter == 'H') token = 'N';
            lastLetter = token;
        }
        switch (token) {
            case 'Y': PutYear(p, i, len); break;
            case 'M': PutMonth(p, i, len); break;
            case 'D': PutDay(p, i, len); break;
            case 'H': PutHour(p, i, len); break;
            case 'N':
                NeedTime();
                PutNumber(buf_, len, minute_, std::min<std::size_t>(Run(p, i), 2));
                break;
            case 'S':
                NeedTime();
                PutNumber(buf_, len, second_, std::min<std::size_t>(Run(p, i), 2));
                break;
            case 'T': len = AppendPattern(Run(p, i) == 1 ? fs_.TimePatternShort : fs_.TimePatternLong, len); break;
            case 'A': PutAmPm(p, i, len); break;
            case 'C': PutDateAndTime(p, i, len); break;
            case '/':
                Put(buf_, len, fs_.DateSepChar);
                ++i;
                break;
            case ':':
                Put(buf_, len, fs_.TimeSepChar);
                ++i;
                break;
            case '\'':
            case '"': PutQuoted(p, i, len); break;
            default:
                Put(buf_, len, c);
                ++i;
                break;
        }
    }
    --nesting_;
    return len;
}

}  // namespace

std::string RenderDateTime(std::string_view pattern, DateTime value) {
    Renderer renderer(value);
    return renderer.Result(renderer.AppendPattern(pattern.empty() ? std::string_view("C") : pattern, 0));
}

std::string DateText(DateTime value) { return RenderDateTime(Formats().DatePatternShort, value); }

std::string TimeText(DateTime value) { return RenderDateTime(Formats().TimePatternLong, value); }

}  // namespace datetime
