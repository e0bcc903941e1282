// The real platform: every call forwards to the Win32 function of its name.
#include <windows.h>
#include <mmsystem.h>

#include "platform/Platform.h"
#include "platform/SystemLibraries.h"
#include "platform/SystemTime.h"
#include "platform/WakeTimer.h"

namespace platform {
namespace {

class Win32Platform final : public Platform {
public:
    LocalTime GetLocalTime() override {
        SYSTEMTIME st;
        ::GetLocalTime(&st);
        return FromSystemTime(st);
    }
    LCID GetSystemDefaultLCID() override { return ::GetSystemDefaultLCID(); }
    int LocaleInfo(LCID locale, LCTYPE item, char* buf, int size) override {
        return ::GetLocaleInfoA(locale, item, buf, size);
    }
    int CompareText(LCID locale, std::uint32_t flags, const char* a, int lenA, const char* b, int lenB) override {
        return ::CompareStringA(locale, flags, a, lenA, b, lenB);
    }
    int LoadResourceString(unsigned id, char* buf, int size) override {
        return ::LoadStringA(::GetModuleHandleA(nullptr), id, buf, size);
    }
    unsigned WinExec(const char* commandLine, unsigned showCommand) override {
        return ::WinExec(commandLine, showCommand);
    }
    std::string CommandLine() override { return ::GetCommandLineA(); }
    std::string ModulePath() override {
        // Grow the buffer until the whole path fits.
        std::string path(MAX_PATH, '\0');
        for (;;) {
            DWORD n = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
            if (n == 0) return std::string();
            if (n < path.size()) {
                path.resize(n);
                return path;
            }
            path.resize(path.size() * 2);
        }
    }
    MciError MciSendCommand(MciDevice device, std::uint32_t message, std::uintptr_t flags, void* params) override {
        return LateMciSendCommandA(device, message, flags, reinterpret_cast<DWORD_PTR>(params));
    }
    bool MciGetErrorString(MciError error, char* buf, unsigned size) override {
        return LateMciGetErrorStringA(error, buf, size) != FALSE;
    }
    int SystemMessageBox(void* owner, const char* text, const char* caption, unsigned flags) override {
        return ::MessageBoxA(static_cast<HWND>(owner), text, caption, flags);
    }
    bool PlaySystemSound(const char* sound, std::uint32_t flags) override {
        return LatePlaySoundA(sound, ::GetModuleHandleA(nullptr), flags) != FALSE;
    }
    bool SetWakeTimer(const LocalTime& due) override { return wakeTimer_.Set(due); }
    void CancelWakeTimer() override { wakeTimer_.Cancel(); }
    std::uint32_t SetThreadExecutionState(std::uint32_t flags) override { return ::SetThreadExecutionState(flags); }

private:
    WakeTimer wakeTimer_;
};

}  // namespace

Platform& DefaultPlatform() {
    static Win32Platform instance;
    return instance;
}

}  // namespace platform
