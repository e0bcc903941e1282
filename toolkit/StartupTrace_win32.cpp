#include "toolkit/StartupTrace.h"

#ifdef DAWNBELL_STARTUP_TRACE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

struct Bucket {
    double ms = 0;
    long blocks = 0;
    int calls = 0;
    int order = 0;
};

std::map<std::string, Bucket>& Buckets() {
    static std::map<std::string, Bucket> buckets;
    return buckets;
}

long long Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Ms(long long ticks) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

// The Wine server's voluntary switches (the server opened the file, so
// "thread-self" is its thread); the file stays open, so a reading is one read
// of /proc and no request to the server.
long Switches() {
    static HANDLE file =
        CreateFileA("Z:\\proc\\thread-self\\status", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    char buf[4096];
    DWORD n = 0;
    OVERLAPPED at{};
    if (!ReadFile(file, buf, sizeof buf - 1, &n, &at)) return 0;
    buf[n] = 0;
    const char* p = std::strstr(buf, "\nvoluntary_ctxt_switches:");
    return p ? std::strtol(p + 25, nullptr, 10) : 0;
}

}  // namespace

double SinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& f) {
        return (static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

void StartupMilestone(const char* name) {
    Bucket& b = Buckets()[name];
    b.order = static_cast<int>(Buckets().size());
    b.ms = SinceProcessStart();
    b.blocks = Switches();
    b.calls = 1;
}

StartupProbe::StartupProbe(const char* name) : name_(name), start_(Now()), switches_(Switches()) {}

StartupProbe::~StartupProbe() {
    long blocks = Switches() - switches_;
    Bucket& b = Buckets()[name_];
    if (b.calls == 0) b.order = static_cast<int>(Buckets().size());
    b.ms += Ms(Now() - start_);
    b.blocks += blocks;
    ++b.calls;
}

void WriteStartupTrace() {
    double sinceStart = SinceProcessStart();
    std::FILE* out = std::fopen("startup-trace.txt", "w");
    if (!out) return;
    std::fprintf(out, "process start to now\t%.2f ms\t%ld blocks\t1\n", sinceStart, Switches());
    std::map<int, std::pair<std::string, Bucket>> ordered;
    for (auto& [name, b] : Buckets()) ordered[b.order] = {name, b};
    for (auto& [order, entry] : ordered)
        std::fprintf(out, "%s\t%.2f ms\t%ld blocks\t%d\n", entry.first.c_str(), entry.second.ms, entry.second.blocks,
                     entry.second.calls);
    std::fclose(out);
}
#endif
