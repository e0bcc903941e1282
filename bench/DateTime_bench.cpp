// Date and time text and calendar splitting against the C and C++ standard
// libraries, measured side by side in one run:
//   DateText + " " + TimeText   vs  strftime of the same fields (and of a
//                                   time_t split by gmtime_r)
//   ParseDateTime of an alarm   vs  strptime of the same text (ParseDateTime
//                                   with the clock stopped and with the
//                                   host's clock, which it reads for the
//                                   two-digit year)
//   SplitDate                   vs  sys_days -> year_month_day
// Allocations are counted through a replaced operator new and reported per
// iteration, so the render path can be seen to allocate nothing beyond its
// result (none at all while the result fits the string's own buffer).
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <new>
#include <string>

#include "datetime/DateTime.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/DateTimeParse.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleSettings.h"
#include "platform/Platform.h"

namespace {
std::atomic<long> g_allocations{0};
}

// GCC 12 takes the std::free below for a mismatch once it inlines the
// replaced pair into callers; the pair is matched.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t n) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using namespace datetime;

namespace {

// The program's settings at run time: locale fallbacks, then "HH:MM".
void StartUpSettings() {
    LoadCalendarNames();
    LoadFormatSettings();
    Formats().TimePatternLong = "HH:MM";
}

void ReportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/iter"] =
        static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations());
}

// 20 June 2026 07:05 and the days after it.
const DateTime kAlarm = 46193.0 + 7.0 / 24 + 5.0 / 1440;

void BM_Format_DateTextTimeText(benchmark::State& state) {
    StartUpSettings();
    DateTime v = kAlarm;
    const long before = g_allocations.load();
    for (auto _ : state) {
        std::string text = DateText(v) + " " + TimeText(v);
        benchmark::DoNotOptimize(text);
        v += 1.0009;  // another day and minute each time
        if (v > 50000) v = kAlarm;
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_Format_DateTextTimeText);

void BM_Format_Strftime(benchmark::State& state) {
    std::tm tm{};
    tm.tm_year = 126, tm.tm_mon = 5, tm.tm_mday = 20, tm.tm_hour = 7, tm.tm_min = 5;
    const long before = g_allocations.load();
    for (auto _ : state) {
        char buf[64];
        const std::size_t n = std::strftime(buf, sizeof buf, "%m/%d/%y %H:%M", &tm);
        std::string text(buf, n);
        benchmark::DoNotOptimize(text);
        tm.tm_mday = tm.tm_mday % 28 + 1;
        tm.tm_min = (tm.tm_min + 1) % 60;
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_Format_Strftime);

// The C library's own road from a value to text: gmtime_r splits a time_t
// into fields, as DateText and TimeText split their DateTime.
void BM_Format_GmtimeStrftime(benchmark::State& state) {
    std::time_t t = 1781939100;  // 20 June 2026 07:05 UTC
    const long before = g_allocations.load();
    for (auto _ : state) {
        std::tm tm{};
        gmtime_r(&t, &tm);
        char buf[64];
        const std::size_t n = std::strftime(buf, sizeof buf, "%m/%d/%y %H:%M", &tm);
        std::string text(buf, n);
        benchmark::DoNotOptimize(text);
        t += 86460;
        if (t > 2500000000) t = 1781939100;
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_Format_GmtimeStrftime);

// The host platform with its clock stopped: the two-digit year rule reads the
// clock on every parse, and the host's local time (localtime_r) costs more
// than the whole parse; the Win32 clock is a cheap read.
class StoppedClock final : public platform::Platform {
public:
    explicit StoppedClock(platform::Platform& inner) : inner_(inner) {}
    platform::LocalTime GetLocalTime() override { return {2026, 6, 6, 20, 7, 5, 0, 0}; }
    platform::LCID GetSystemDefaultLCID() override { return inner_.GetSystemDefaultLCID(); }
    int LocaleInfo(platform::LCID l, platform::LCTYPE t, char* b, int n) override {
        return inner_.LocaleInfo(l, t, b, n);
    }
    int CompareText(platform::LCID l, std::uint32_t f, const char* a, int la, const char* b, int lb) override {
        return inner_.CompareText(l, f, a, la, b, lb);
    }
    int LoadResourceString(unsigned id, char* b, int n) override { return inner_.LoadResourceString(id, b, n); }
    unsigned WinExec(const char* c, unsigned s) override { return inner_.WinExec(c, s); }
    std::string CommandLine() override { return inner_.CommandLine(); }
    std::string ModulePath() override { return inner_.ModulePath(); }
    platform::MciError MciSendCommand(platform::MciDevice d, std::uint32_t m, std::uintptr_t f, void* p) override {
        return inner_.MciSendCommand(d, m, f, p);
    }
    bool MciGetErrorString(platform::MciError e, char* b, unsigned n) override {
        return inner_.MciGetErrorString(e, b, n);
    }
    int SystemMessageBox(void* o, const char* t, const char* c, unsigned f) override {
        return inner_.SystemMessageBox(o, t, c, f);
    }

private:
    platform::Platform& inner_;
};

const char* const kAlarmTexts[] = {"6/20/26 07:05", "12/31/26 23:59", "1/2/27 00:01", "7/4/26 12:30"};

void ParseAlarms(benchmark::State& state) {
    StartUpSettings();
    unsigned i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ParseDateTime(kAlarmTexts[i++ & 3]));
}

void BM_Parse_ParseDateTime(benchmark::State& state) {
    StoppedClock stopped(platform::Sys());
    platform::Platform* previous = platform::SetPlatform(&stopped);
    ParseAlarms(state);
    platform::SetPlatform(previous);
}
BENCHMARK(BM_Parse_ParseDateTime);

void BM_Parse_ParseDateTimeHostClock(benchmark::State& state) { ParseAlarms(state); }
BENCHMARK(BM_Parse_ParseDateTimeHostClock);

void BM_Clock_HostLocalTime(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(platform::Sys().GetLocalTime());
}
BENCHMARK(BM_Clock_HostLocalTime);

void BM_Parse_Strptime(benchmark::State& state) {
    unsigned i = 0;
    for (auto _ : state) {
        std::tm tm{};
        benchmark::DoNotOptimize(strptime(kAlarmTexts[i++ & 3], "%m/%d/%y %H:%M", &tm));
        benchmark::DoNotOptimize(tm);
    }
}
BENCHMARK(BM_Parse_Strptime);

void BM_Split_SplitDate(benchmark::State& state) {
    DateTime v = -693593;  // 1 January 0001
    for (auto _ : state) {
        std::uint16_t y, m, d;
        SplitDate(v, y, m, d);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(d);
        v += 997;
        if (v > 2958465) v -= 3652059;
    }
}
BENCHMARK(BM_Split_SplitDate);

void BM_Split_ChronoYearMonthDay(benchmark::State& state) {
    using namespace std::chrono;
    int n = -719162;  // 1 January 0001 in days since 1970
    for (auto _ : state) {
        const year_month_day ymd{sys_days{days{n}}};
        benchmark::DoNotOptimize(ymd);
        n += 997;
        if (n > 2932896) n -= 3652059;
    }
}
BENCHMARK(BM_Split_ChronoYearMonthDay);

}  // namespace
