// The default platform of the host build: the local clock from the C library
// and the built-in string table; no locale data, nothing to launch, no media
// devices, no message boxes.
#include <chrono>
#include <cstring>
#include <ctime>

#include "platform/BuiltinStrings.h"
#include "platform/Platform.h"

namespace platform {
namespace {

class HostPlatform final : public Platform {
public:
    LocalTime GetLocalTime() override {
        using namespace std::chrono;
        auto now = system_clock::now();
        std::time_t t = system_clock::to_time_t(now);
        std::tm tm{};
        localtime_r(&t, &tm);
        LocalTime lt;
        lt.year = static_cast<std::uint16_t>(tm.tm_year + 1900);
        lt.month = static_cast<std::uint16_t>(tm.tm_mon + 1);
        lt.dayOfWeek = static_cast<std::uint16_t>(tm.tm_wday);
        lt.day = static_cast<std::uint16_t>(tm.tm_mday);
        lt.hour = static_cast<std::uint16_t>(tm.tm_hour);
        lt.minute = static_cast<std::uint16_t>(tm.tm_min);
        lt.second = static_cast<std::uint16_t>(tm.tm_sec);
        lt.milliseconds =
            static_cast<std::uint16_t>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        return lt;
    }
    LCID GetSystemDefaultLCID() override { return 0x0409; }
    int LocaleInfo(LCID, LCTYPE, char* buf, int size) override {
        if (buf && size > 0) buf[0] = '\0';
        return 0;
    }
    // Byte order, with NORM_IGNORECASE (1) folding ASCII letters.
    int CompareText(LCID, std::uint32_t flags, const char* a, int lenA, const char* b, int lenB) override {
        std::size_t la = lenA < 0 ? std::strlen(a) : static_cast<std::size_t>(lenA);
        std::size_t lb = lenB < 0 ? std::strlen(b) : static_cast<std::size_t>(lenB);
        for (std::size_t i = 0; i < la && i < lb; ++i) {
            unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
            if (flags & 1) {
                if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca + 32);
                if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb + 32);
            }
            if (ca != cb) return ca < cb ? 1 : 3;
        }
        return la < lb ? 1 : (la > lb ? 3 : 2);
    }
    int LoadResourceString(unsigned id, char* buf, int size) override { return LoadBuiltinString(id, buf, size); }
    unsigned WinExec(const char*, unsigned) override { return 2; }  // file not found
    std::string CommandLine() override { return "Dawnbell.exe"; }
    std::string ModulePath() override { return "Dawnbell.exe"; }
    MciError MciSendCommand(MciDevice, std::uint32_t, std::uintptr_t, void*) override { return 263; }
    bool MciGetErrorString(MciError, char* buf, unsigned size) override {
        if (buf && size > 0) buf[0] = '\0';
        return false;
    }
    int SystemMessageBox(void*, const char*, const char*, unsigned) override { return 1; }
};

}  // namespace

Platform& DefaultPlatform() {
    static HostPlatform instance;
    return instance;
}

}  // namespace platform
