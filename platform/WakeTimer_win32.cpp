#include "platform/WakeTimer.h"

#include <windows.h>

#include "platform/SystemTime.h"

namespace platform {

bool LocalTimeToUtc(const LocalTime& local, std::int64_t& utc) {
    SYSTEMTIME st = ToSystemTime(local);
    SYSTEMTIME universal{};
    FILETIME ft{};
    if (::TzSpecificLocalTimeToSystemTime(nullptr, &st, &universal)) {
        if (!::SystemTimeToFileTime(&universal, &ft)) return false;
    } else {
        // Without the zone's rules for that date: today's offset.
        FILETIME localFt{};
        if (!::SystemTimeToFileTime(&st, &localFt) || !::LocalFileTimeToFileTime(&localFt, &ft)) return false;
    }
    utc = static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    return true;
}

WakeTimer::~WakeTimer() {
    if (!handle_) return;
    ::CancelWaitableTimer(handle_);
    ::CloseHandle(handle_);
}

bool WakeTimer::Set(const LocalTime& due) {
    std::int64_t utc = 0;
    if (!LocalTimeToUtc(due, utc)) return false;
    if (!handle_) {
        handle_ = ::CreateWaitableTimerA(nullptr, TRUE, nullptr);
        if (!handle_) return false;
    }
    // A positive due time is absolute: it follows changes of the clock.
    LARGE_INTEGER when;
    when.QuadPart = utc;
    // Resume allowed. Where the machine cannot be woken the timer is set
    // all the same (the call succeeds and says so in the last error).
    return ::SetWaitableTimer(handle_, &when, 0, nullptr, nullptr, TRUE) != FALSE;
}

void WakeTimer::Cancel() {
    if (handle_) ::CancelWaitableTimer(handle_);
}

}  // namespace platform
