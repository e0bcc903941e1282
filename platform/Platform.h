// The seam between the program and the operating system's services other than
// windowing: clock, locale, string table, launching, process information, the
// media control interface, the system message box, sounds, the wake-up timer
// and power requests. The Win32 build forwards to the real calls; tests
// install fakes with SetPlatform.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The fields of the system's local time structure, in its order.
struct LocalTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;
using MciDevice = std::uint32_t;
using MciError = std::uint32_t;

// The methods are named for what they do, never after the Win32 calls they
// forward to: windows.h defines those names as macros for their ...A forms,
// which would rename the methods wherever it happens to be included first.
class Platform {
public:
    virtual ~Platform() = default;

    // GetLocalTime.
    virtual LocalTime GetLocalTime() = 0;

    // GetSystemDefaultLCID.
    virtual LCID GetSystemDefaultLCID() = 0;
    // GetLocaleInfoA: copies the item with its terminating zero into buf and
    // returns the count including the zero; 0 on failure (also when it does
    // not fit in size characters).
    virtual int LocaleInfo(LCID locale, LCTYPE item, char* buf, int size) = 0;
    // CompareStringA: 1 less, 2 equal, 3 greater, 0 on failure. Lengths of -1
    // mean zero-terminated.
    virtual int CompareText(LCID locale, std::uint32_t flags, const char* a, int lenA, const char* b, int lenB) = 0;

    // LoadStringA from the program's string table: copies at most size - 1
    // characters and a zero, returns the count copied (0 when absent).
    virtual int LoadResourceString(unsigned id, char* buf, int size) = 0;

    // WinExec: a result of 31 or less is a failure.
    virtual unsigned WinExec(const char* commandLine, unsigned showCommand) = 0;
    // GetCommandLineA.
    virtual std::string CommandLine() = 0;
    // GetModuleFileNameA of the program itself.
    virtual std::string ModulePath() = 0;

    // mciSendCommandA; params points at the command's parameter block.
    virtual MciError MciSendCommand(MciDevice device, std::uint32_t message, std::uintptr_t flags, void* params) = 0;
    // mciGetErrorStringA: false when the code has no text.
    virtual bool MciGetErrorString(MciError error, char* buf, unsigned size) = 0;

    // MessageBoxA; owner is an HWND (or null).
    virtual int SystemMessageBox(void* owner, const char* text, const char* caption, unsigned flags) = 0;

    // The calls below do nothing by default (no sound, no timer, no power
    // requests), so that a platform need not provide them.

    // PlaySoundA; resource names are looked up in the program itself. A null
    // sound stops the sound playing. False when the sound cannot start.
    virtual bool PlaySystemSound(const char* sound, std::uint32_t flags);

    // The program's one wake-up timer: a waitable timer due at the given
    // local time, allowed to resume a sleeping machine. Setting it again
    // moves it. False when the system refuses it (the time cannot be
    // converted, or the timer cannot be made or set).
    virtual bool SetWakeTimer(const LocalTime& due);
    // Drops the wake-up timer; nothing when none is set.
    virtual void CancelWakeTimer();

    // SetThreadExecutionState: the previous state, 0 on failure.
    virtual std::uint32_t SetThreadExecutionState(std::uint32_t flags);
};

// The platform in force. The Win32 build starts with the real one; the host
// build starts with a portable one (clock from the C library, no locale data,
// the built-in string table, nothing can be launched, no media devices).
Platform& Sys();

// Installs p (not owned) and returns the previous platform; null restores the
// default.
Platform* SetPlatform(Platform* p);

// Loads a string of the program's string table through the platform (empty
// when absent).
std::string LoadStr(unsigned id);

}  // namespace platform
