// Clock readers: every reading goes through platform::Sys() so that tests can
// set the time.
#include "datetime/LocalClock.h"

#include "platform/Platform.h"

namespace datetime {

DateTime CurrentDate() {
    const platform::LocalTime now = platform::Sys().GetLocalTime();
    return MakeDate(now.year, now.month, now.day);
}

DateTime CurrentTime() {
    const platform::LocalTime now = platform::Sys().GetLocalTime();
    return MakeTime(now.hour, now.minute, now.second, now.milliseconds);
}

DateTime CurrentDateTime() {
    const DateTime date = CurrentDate();  // read first, as documented
    return CombineDateTime(date, CurrentTime());
}

std::uint16_t ThisYear() { return platform::Sys().GetLocalTime().year; }

}  // namespace datetime
