// The machine's wake-up timer (Win32 build only): a waitable timer due at an
// absolute time, allowed to resume the system from sleep. Nothing waits on
// it: its only effect is that the machine is awake when it falls due.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace platform {

// A local wall-clock time as UTC in 100-nanosecond units since 1601 (the
// value of a FILETIME), by the time zone's rules for that date (daylight
// saving included). False for a time the system cannot convert (before 1601,
// fields out of range).
bool LocalTimeToUtc(const LocalTime& local, std::int64_t& utc);

class WakeTimer {
public:
    WakeTimer() = default;
    ~WakeTimer();
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;

    // Sets (or moves) the timer to the local time due, making it on first
    // use. False when the time cannot be converted or the system refuses.
    bool Set(const LocalTime& due);
    // Stops the timer; it stays made for the next Set.
    void Cancel();
    // The timer's handle (a HANDLE), null before the first Set.
    void* Handle() const { return handle_; }

private:
    void* handle_ = nullptr;
};

}  // namespace platform
