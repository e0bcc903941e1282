// Fuzz target for the date and time text functions: arbitrary patterns,
// values (every bit pattern of a double), texts and locale settings.
//
// Input: byte 0 is the date separator, byte 1 the time separator, bytes 2-9
// the value; the rest is split at zero bytes into the pattern, the text to
// parse, then the short and long date patterns, the short and long time
// patterns and the two designators (fields not given keep their fallbacks).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "datetime/DateTime.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/DateTimeParse.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleSettings.h"
#include "platform/Exceptions.h"

using namespace datetime;

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Whatever the settings: the text stays within its bound.
void RenderAnything(std::string_view pattern, DateTime value) {
    Check(RenderDateTime(pattern, value).size() <= kMaxRenderedLength, "render bound");
    Check(DateText(value).size() <= kMaxRenderedLength, "DateText bound");
    Check(TimeText(value).size() <= kMaxRenderedLength, "TimeText bound");
}

// Whatever parses is in range, and under plain settings it survives being
// written out in full and read back.
void ParseAnything(std::string_view text) {
    try {
        const DateTime t = ParseTime(text);
        Check(t >= 0 && t < 1, "ParseTime range");
        ScopedFormatSettings plain{FormatSettings{}};
        Check(ParseTime(RenderDateTime("hh:nn:ss", t)) == t, "time round trip");
    } catch (const EConvertError&) {
    }
    try {
        const DateTime v = ParseDateTime(text);
        const std::int32_t day = ToDayStamp(v).DayNumber;
        Check(day >= 1 && day <= kDayNumberOfLastDay, "ParseDateTime range");
        ScopedFormatSettings plain{FormatSettings{}};
        Check(ParseDateTime(RenderDateTime("m/d/yyyy hh:nn:ss", v)) == v, "date round trip");
    } catch (const EConvertError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    LoadCalendarNames();
    LoadFormatSettings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    ScopedFormatSettings settings;
    settings->DateSepChar = static_cast<char>(data[0]);
    settings->TimeSepChar = static_cast<char>(data[1]);
    double value;
    std::memcpy(&value, data + 2, sizeof value);

    std::string_view rest(reinterpret_cast<const char*>(data + 10), size - 10);
    std::string_view fields[8];
    for (std::string_view& field : fields) {
        const std::size_t end = rest.find('\0');
        field = rest.substr(0, end);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    std::string* const named[] = {&settings->DatePatternShort, &settings->DatePatternLong,
                                  &settings->TimePatternShort, &settings->TimePatternLong,
                                  &settings->AmSymbol,         &settings->PmSymbol};
    for (int i = 0; i < 6; ++i)
        if (!fields[2 + i].empty()) named[i]->assign(fields[2 + i]);

    RenderAnything(fields[0], value);
    ParseAnything(fields[1]);
    return 0;
}
