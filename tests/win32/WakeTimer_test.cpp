// The real system's side of waking and ringing: local times converted to the
// absolute UTC due time, the waitable timer set, moved and cancelled and
// falling due when it should, the execution state, and the built-in alarm
// sound as the system reads and plays it.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/Platform.h"
#include "platform/SystemTime.h"
#include "platform/WakeTimer.h"
#include "win32/WaveCapture.h"

namespace {

std::int64_t ValueOf(const FILETIME& ft) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

std::int64_t UtcNow() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return ValueOf(ft);
}

// The local time this many milliseconds from now.
platform::LocalTime LocalIn(std::int64_t millis) {
    FILETIME utc;
    const std::int64_t when = UtcNow() + millis * 10000;
    utc.dwLowDateTime = static_cast<DWORD>(when);
    utc.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(when) >> 32);
    SYSTEMTIME su, sl;
    FileTimeToSystemTime(&utc, &su);
    SystemTimeToTzSpecificLocalTime(nullptr, &su, &sl);
    return platform::FromSystemTime(sl);
}

constexpr std::int64_t kSecond = 10000000;  // in 100-nanosecond units

TEST(WakeTimerTest, LocalTimesConvertToTheirUtcMoment) {
    // Now, read as local wall-clock time, is now in UTC.
    SYSTEMTIME st;
    GetLocalTime(&st);
    const std::int64_t before = UtcNow();
    std::int64_t utc = 0;
    ASSERT_TRUE(platform::LocalTimeToUtc(platform::FromSystemTime(st), utc));
    EXPECT_LE(std::llabs(utc - before), 2 * kSecond) << (utc - before) / kSecond << " s off";

    // A winter and a summer day: each back to its own local time by the
    // system's rules (an offset taken from today would be an hour off in
    // one of them wherever clocks change).
    for (int month : {1, 7}) {
        platform::LocalTime t{2027, static_cast<std::uint16_t>(month), 0, 15, 6, 30, 0, 0};
        ASSERT_TRUE(platform::LocalTimeToUtc(t, utc));
        FILETIME ft;
        ft.dwLowDateTime = static_cast<DWORD>(utc);
        ft.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(utc) >> 32);
        SYSTEMTIME su, back;
        ASSERT_TRUE(FileTimeToSystemTime(&ft, &su));
        ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &su, &back));
        EXPECT_EQ(15, back.wDay) << month;
        EXPECT_EQ(6, back.wHour) << month;
        EXPECT_EQ(30, back.wMinute) << month;
    }

    // Times the system cannot hold are refused.
    platform::LocalTime early{1600, 12, 0, 31, 23, 0, 0, 0};
    EXPECT_FALSE(platform::LocalTimeToUtc(early, utc));
    platform::LocalTime badMonth{2027, 13, 0, 1, 0, 0, 0, 0};
    EXPECT_FALSE(platform::LocalTimeToUtc(badMonth, utc));
}

TEST(WakeTimerTest, TheTimerFallsDueAtItsLocalTimeAndFollowsMovesAndCancels) {
    platform::WakeTimer timer;
    EXPECT_EQ(nullptr, timer.Handle());
    timer.Cancel();  // none yet: nothing happens

    // Due well after the first wait ends, so that a loaded machine pausing
    // this thread between the two calls cannot make the timer look early.
    ASSERT_TRUE(timer.Set(LocalIn(3000)));
    ASSERT_NE(nullptr, timer.Handle());
    const DWORD start = GetTickCount();
    // Not due at once (a time taken for the past would be), due soon after.
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(timer.Handle(), 700));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(timer.Handle(), 8000));
    EXPECT_GE(GetTickCount() - start, 2500u);

    // Moved from an hour away to a second away: due at the new time.
    ASSERT_TRUE(timer.Set(LocalIn(3600 * 1000)));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(timer.Handle(), 300));
    ASSERT_TRUE(timer.Set(LocalIn(1000)));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(timer.Handle(), 5000));

    // Cancelled before its time: never due.
    ASSERT_TRUE(timer.Set(LocalIn(800)));
    timer.Cancel();
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(timer.Handle(), 2000));

    // A time that cannot be converted leaves it alone.
    EXPECT_FALSE(timer.Set(platform::LocalTime{1500, 1, 0, 1, 0, 0, 0, 0}));
}

TEST(WakeTimerTest, TheRealPlatformSetsTheTimerAndTheExecutionState) {
    platform::Platform& sys = platform::Sys();
    EXPECT_TRUE(sys.SetWakeTimer(LocalIn(3600 * 1000)));
    EXPECT_TRUE(sys.SetWakeTimer(LocalIn(7200 * 1000)));
    sys.CancelWakeTimer();
    sys.CancelWakeTimer();

    const std::uint32_t awake = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;
    const std::uint32_t first = sys.SetThreadExecutionState(awake);
    EXPECT_NE(0u, first);
    EXPECT_EQ(awake, sys.SetThreadExecutionState(ES_CONTINUOUS));
    EXPECT_EQ(static_cast<std::uint32_t>(ES_CONTINUOUS), sys.SetThreadExecutionState(ES_CONTINUOUS));
}

TEST(WakeTimerTest, TheBuiltinSoundIsAShortLoopableWaveThatTheSystemPlays) {
    HRSRC found = FindResourceA(nullptr, "ALARMSOUND", "WAVE");
    ASSERT_NE(nullptr, found);
    const DWORD size = SizeofResource(nullptr, found);
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(nullptr, data);
    ASSERT_GE(size, 44u);
    ASSERT_EQ(0, std::memcmp(data, "RIFF", 4));
    ASSERT_EQ(0, std::memcmp(data + 8, "WAVEfmt ", 8));
    auto u16 = [&](DWORD at) { return static_cast<unsigned>(data[at] | (data[at + 1] << 8)); };
    auto u32 = [&](DWORD at) { return static_cast<DWORD>(u16(at) | (u16(at + 2) << 16)); };
    EXPECT_EQ(size - 8, u32(4));
    EXPECT_EQ(1u, u16(20));      // PCM
    EXPECT_EQ(1u, u16(22));      // mono
    EXPECT_EQ(8000u, u32(24));   // samples a second
    EXPECT_EQ(8u, u16(34));      // bits a sample
    ASSERT_EQ(0, std::memcmp(data + 36, "data", 4));
    const DWORD samples = u32(40);
    ASSERT_LE(44 + samples, size);
    // About a second, small, and it begins and ends in silence so the loop
    // joins without a click; loud in between.
    EXPECT_GE(samples, 4000u);
    EXPECT_LE(samples, 16000u);
    const unsigned char* wave = data + 44;
    EXPECT_EQ(128, wave[0]);
    EXPECT_EQ(128, wave[samples - 1]);
    int peak = 0;
    for (DWORD i = 0; i < samples; ++i) peak = std::max(peak, std::abs(wave[i] - 128));
    EXPECT_GE(peak, 64);

    // Played by the real platform from the program's resources, looped, and
    // stopped: what reaches the wave device is captured.
    if (!wavetest::capture.underWine) GTEST_SKIP() << "the capture needs Wine";
    ASSERT_TRUE(wavetest::capture.problem.empty()) << wavetest::capture.problem;
    const wavetest::Bytes pcm(data + 44, data + 44 + samples);
    // An earlier play's capture stays until the device opens again: gone
    // first, so that only this play's sound is counted below.
    DeleteFileA(wavetest::capture.file.c_str());
    ASSERT_TRUE(platform::Sys().PlaySystemSound("ALARMSOUND", SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT));
    // Played on while the program goes on: more than two passes of the loop,
    // however fast or slow the test's audio output plays them.
    for (DWORD start = GetTickCount();
         wavetest::CapturedSamples(wavetest::capture.file).size() < 2 * pcm.size() + 800 &&
         GetTickCount() - start < 20000;)
        Sleep(50);
    EXPECT_TRUE(platform::Sys().PlaySystemSound(nullptr, 0));
    Sleep(300);
    const std::size_t stopped = wavetest::CapturedSamples(wavetest::capture.file).size();
    Sleep(500);
    const wavetest::Bytes heard = wavetest::CapturedSamples(wavetest::capture.file);
    EXPECT_EQ(stopped, heard.size()) << "still playing after the stop";
    ASSERT_GE(heard.size(), 2 * pcm.size()) << "captured " << heard.size() << " bytes";
    // The device takes the sound as it is (8 kHz, 8 bits, mono): the whole
    // sound, then again after at most a tenth of a second of silence between
    // the passes.
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), heard.begin()));
    auto second = std::search(heard.begin() + static_cast<std::ptrdiff_t>(pcm.size()), heard.end(), pcm.begin(),
                              pcm.end());
    ASSERT_NE(heard.end(), second) << "played once only";
    const auto gap = second - heard.begin() - static_cast<std::ptrdiff_t>(pcm.size());
    EXPECT_LE(gap, 800);
    EXPECT_TRUE(std::all_of(heard.begin() + static_cast<std::ptrdiff_t>(pcm.size()), second,
                            [](unsigned char b) { return b == 128; }));

    // A name that is not there plays nothing, not the system's default.
    EXPECT_FALSE(platform::Sys().PlaySystemSound("NOSUCHSOUND", SND_RESOURCE | SND_SYNC | SND_NODEFAULT));
}

}  // namespace
