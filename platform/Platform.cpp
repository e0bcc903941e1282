#include "platform/Platform.h"

namespace platform {

Platform& DefaultPlatform();  // Platform_win32.cpp or Platform_host.cpp

namespace {
Platform* g_current = nullptr;
}

Platform& Sys() { return g_current ? *g_current : DefaultPlatform(); }

Platform* SetPlatform(Platform* p) {
    Platform* previous = g_current ? g_current : &DefaultPlatform();
    g_current = p;
    return previous;
}

bool Platform::PlaySystemSound(const char*, std::uint32_t) { return false; }
bool Platform::SetWakeTimer(const LocalTime&) { return false; }
void Platform::CancelWakeTimer() {}
std::uint32_t Platform::SetThreadExecutionState(std::uint32_t) { return 0; }

std::string LoadStr(unsigned id) {
    char buf[1024];
    int n = Sys().LoadResourceString(id, buf, sizeof buf);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace platform
