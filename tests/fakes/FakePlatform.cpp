#include "fakes/FakePlatform.h"

#include <cstring>

#include "platform/BuiltinStrings.h"

namespace fakes {

void FakePlatform::SetNow(int y, int mo, int d, int h, int mi, int s, int ms) {
    now.year = static_cast<std::uint16_t>(y);
    now.month = static_cast<std::uint16_t>(mo);
    now.day = static_cast<std::uint16_t>(d);
    now.hour = static_cast<std::uint16_t>(h);
    now.minute = static_cast<std::uint16_t>(mi);
    now.second = static_cast<std::uint16_t>(s);
    now.milliseconds = static_cast<std::uint16_t>(ms);
    // Day of week by Sakamoto's method (0 = Sunday), as the system fills it.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int yy = mo < 3 ? y - 1 : y;
    now.dayOfWeek = static_cast<std::uint16_t>((yy + yy / 4 - yy / 100 + yy / 400 + t[mo - 1] + d) % 7);
}

int FakePlatform::LocaleInfo(platform::LCID, platform::LCTYPE item, char* buf, int size) {
    auto it = locale.find(item);
    if (it == locale.end()) return 0;
    int need = static_cast<int>(it->second.size()) + 1;
    if (size < need || !buf) return 0;  // does not fit: the call fails
    std::memcpy(buf, it->second.c_str(), static_cast<std::size_t>(need));
    return need;
}

int FakePlatform::CompareText(platform::LCID, std::uint32_t flags, const char* a, int lenA,
                              const char* b, int lenB) {
    std::size_t la = lenA < 0 ? std::strlen(a) : static_cast<std::size_t>(lenA);
    std::size_t lb = lenB < 0 ? std::strlen(b) : static_cast<std::size_t>(lenB);
    for (std::size_t i = 0; i < la && i < lb; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (flags & 1) {  // NORM_IGNORECASE
            if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca + 32);
            if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb + 32);
        }
        if (ca != cb) return ca < cb ? 1 : 3;
    }
    return la < lb ? 1 : (la > lb ? 3 : 2);
}

int FakePlatform::LoadResourceString(unsigned id, char* buf, int size) {
    auto it = strings.find(id);
    if (it == strings.end()) return platform::LoadBuiltinString(id, buf, size);
    if (!buf || size <= 0) return 0;
    std::size_t n = it->second.size();
    if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
    std::memcpy(buf, it->second.data(), n);
    buf[n] = '\0';
    return static_cast<int>(n);
}

unsigned FakePlatform::WinExec(const char* cmd, unsigned show) {
    launched.emplace_back(cmd ? cmd : "", show);
    return exec ? exec(cmd, show) : execResult;
}

platform::MciError FakePlatform::MciSendCommand(platform::MciDevice device, std::uint32_t message,
                                                std::uintptr_t flags, void* params) {
    return mci ? mci(device, message, flags, params) : 263;  // MCIERR_INVALID_DEVICE_NAME
}

bool FakePlatform::MciGetErrorString(platform::MciError error, char* buf, unsigned size) {
    auto it = mciErrors.find(error);
    if (it == mciErrors.end() || !buf || size == 0) return false;
    std::size_t n = it->second.size();
    if (n > size - 1) n = size - 1;
    std::memcpy(buf, it->second.data(), n);
    buf[n] = '\0';
    return true;
}

int FakePlatform::SystemMessageBox(void* owner, const char* text, const char* caption, unsigned flags) {
    boxes.push_back({owner, text ? text : "", caption ? caption : "", flags});
    if (onMessageBox) onMessageBox();
    return messageBoxAnswer;
}

bool FakePlatform::PlaySystemSound(const char* sound, std::uint32_t flags) {
    sounds.push_back({sound ? sound : "", flags});
    return playSoundResult;
}

bool FakePlatform::SetWakeTimer(const platform::LocalTime& due) {
    ++wakeTimerSets;
    if (!setWakeTimerResult) return false;
    wakeTimerSet = true;
    wakeDue = due;
    return true;
}

std::uint32_t FakePlatform::SetThreadExecutionState(std::uint32_t flags) {
    executionStates.push_back(flags);
    const std::uint32_t previous = executionState;
    // Without ES_CONTINUOUS a request lasts one moment: nothing stays.
    if (flags & 0x80000000u) executionState = flags;
    return previous;
}

}  // namespace fakes
