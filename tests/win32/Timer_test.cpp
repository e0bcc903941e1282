// The interval timer with real system timers: when ticks start, stop and
// restart, what a failing handler does, and how the timer goes away. Periods
// are measured coarsely; a restart is told from no restart by a margin of a
// half period.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "fakes/FakePlatform.h"
#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/DescriptionReader.h"
#include "toolkit/Timer.h"

namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// Runs the event loop for ms milliseconds, or until done() holds.
template <class Pred>
bool PumpUntil(Pred done, int ms) {
    Clock::time_point start = Clock::now();
    for (;;) {
        Application->ProcessMessages();
        if (done()) return true;
        long long left = ms - MsSince(start);
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

// Whether the system timer 1 runs on the timer's window. Asking kills it, so
// this is the last look at a timer in a test step.
bool ArmedAndKill(TTimer& t) { return KillTimer(t.WindowHandle(), 1) != FALSE; }

// Records the moment of every tick.
struct TickLog {
    Clock::time_point start = Clock::now();
    std::vector<long long> at;
    TNotifyEvent Handler() {
        return [this](TComponent*) { at.push_back(MsSince(start)); };
    }
    int Count() const { return static_cast<int>(at.size()); }
};

TEST(Timer, ArmsOnlyOnceAHandlerIsAssigned) {
    TTimer t(nullptr);
    EXPECT_TRUE(t.Enabled());
    EXPECT_EQ(1000u, t.Interval());
    t.SetInterval(10);
    EXPECT_FALSE(ArmedAndKill(t));  // enabled, interval set, but no OnTimer

    TickLog log;
    t.SetOnTimer(log.Handler());
    EXPECT_TRUE(PumpUntil([&] { return log.Count() >= 2; }, 2000));
}

TEST(Timer, IntervalZeroStopsTheTicksAtOnce) {
    TTimer t(nullptr);
    TickLog log;
    t.SetInterval(10);
    t.SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count() >= 1; }, 2000));
    Sleep(40);  // the period has run out again: a tick is due
    t.SetInterval(0);
    int seen = log.Count();
    Pump(100);
    EXPECT_EQ(seen, log.Count());
    EXPECT_FALSE(ArmedAndKill(t));
}

TEST(Timer, ANewIntervalStartsAFullPeriodFromTheChange) {
    TTimer t(nullptr);
    TickLog log;
    t.SetInterval(300);
    t.SetOnTimer(log.Handler());
    Pump(150);
    Clock::time_point changed = Clock::now();
    t.SetInterval(310);
    ASSERT_TRUE(PumpUntil([&] { return log.Count() >= 1; }, 2000));
    // Without the restart the first tick would come 150 ms after the change.
    EXPECT_GE(MsSince(changed), 290);

    // Stopped, then started again: again a whole period.
    t.SetInterval(0);
    Pump(50);
    int seen = log.Count();
    changed = Clock::now();
    t.SetInterval(200);
    ASSERT_TRUE(PumpUntil([&] { return log.Count() > seen; }, 2000));
    EXPECT_GE(MsSince(changed), 190);
}

TEST(Timer, SettingTheValuesItHoldsKeepsThePeriod) {
    TTimer t(nullptr);
    TickLog log;
    t.SetInterval(300);
    t.SetOnTimer(log.Handler());
    Clock::time_point armed = Clock::now();
    Pump(150);
    t.SetInterval(300);
    t.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return log.Count() >= 1; }, 2000));
    // A restart would have put the first tick at about 450 ms.
    EXPECT_LT(MsSince(armed), 400);
}

TEST(Timer, AssigningTheHandlerAgainRestartsThePeriod) {
    TTimer t(nullptr);
    TickLog log;
    TNotifyEvent handler = log.Handler();
    t.SetInterval(300);
    t.SetOnTimer(handler);
    Pump(150);
    Clock::time_point again = Clock::now();
    t.SetOnTimer(handler);
    ASSERT_TRUE(PumpUntil([&] { return log.Count() >= 1; }, 2000));
    EXPECT_GE(MsSince(again), 290);
}

TEST(Timer, DisabledItHasNoSystemTimerAndEnabledItTicksAgain) {
    TTimer t(nullptr);
    TickLog log;
    t.SetInterval(10);
    t.SetOnTimer(log.Handler());
    t.SetEnabled(false);
    EXPECT_FALSE(ArmedAndKill(t));
    t.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return log.Count() >= 1; }, 2000));
    t.SetOnTimer(nullptr);  // no handler: disarmed again
    EXPECT_FALSE(ArmedAndKill(t));
}

TEST(Timer, AnErrorInTheHandlerIsReportedOncePerTickAndTheTicksGoOn) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    TTimer t(nullptr);
    int ticks = 0;
    TComponent* sender = nullptr;
    t.SetInterval(15);
    t.SetOnTimer([&](TComponent* s) {
        ++ticks;
        sender = s;
        throw EConvertError("'25:99' is not a valid time");
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));
    t.SetInterval(0);
    EXPECT_EQ(&t, sender);
    ASSERT_EQ(static_cast<std::size_t>(ticks), fake.boxes.size());
    for (const auto& box : fake.boxes) {
        EXPECT_EQ("'25:99' is not a valid time.", box.text);
        EXPECT_EQ("DawnbellTests", box.caption);
    }
}

// Sees the timer's window being destroyed, and whether its system timer
// still ran at that moment.
HWND g_watched = nullptr;
int g_destroySeen = 0;
BOOL g_timerAtDestroy = TRUE;

LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam) {
    auto* m = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->hwnd == g_watched && m->message == WM_DESTROY) {
        ++g_destroySeen;
        g_timerAtDestroy = KillTimer(m->hwnd, 1);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Timer, DestroyingAnArmedTimerKillsItsSystemTimerBeforeItsWindowGoes) {
    auto* t = new TTimer(nullptr);
    TickLog log;
    t->SetInterval(5);
    t->SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count() >= 1; }, 2000));
    Sleep(30);  // a tick is due when the timer goes

    HWND window = t->WindowHandle();
    g_watched = window;
    g_destroySeen = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchDestroy, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    delete t;
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(1, g_destroySeen);
    EXPECT_FALSE(g_timerAtDestroy);
    EXPECT_FALSE(IsWindow(window));
    int seen = log.Count();
    Pump(50);
    EXPECT_EQ(seen, log.Count());
}

TEST(Timer, ARefusedSystemTimerRaisesOutOfResourcesAndStaysDisarmed) {
    TTimer t(nullptr);
    TickLog log;
    t.SetInterval(10);
    // Without its window the system has nowhere to put the timer.
    DestroyWindow(t.WindowHandle());
    try {
        t.SetOnTimer(log.Handler());
        ADD_FAILURE() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ("Not enough timers available", e.Message());
    }
    // The setter kept its value even though arming failed.
    EXPECT_TRUE(static_cast<bool>(t.OnTimer()));
    EXPECT_THROW(t.SetInterval(20), EOutOfResources);
    EXPECT_EQ(20u, t.Interval());
    EXPECT_NO_THROW(t.SetInterval(0));  // disarming asks nothing of the system
    Pump(30);
    EXPECT_EQ(0, log.Count());
}

TEST(Timer, ReadFromADescriptionWithIntervalZeroItStaysDisarmed) {
    TickLog log;
    HandlerTable handlers;
    handlers.Add<void(TComponent*)>("ClockTimer", log.Handler());
    DescriptionBinder binder(handlers);
    TTimer t(nullptr);
    EXPECT_TRUE(t.SetProperty("Interval", PropertyValue::Integer(0), binder));
    EXPECT_TRUE(t.SetProperty("OnTimer", PropertyValue::Identifier("ClockTimer"), binder));
    EXPECT_EQ(0u, t.Interval());
    EXPECT_FALSE(ArmedAndKill(t));

    // Out of the 0 to 2147483647 range: refused, not wrapped.
    EXPECT_THROW(t.SetProperty("Interval", PropertyValue::Integer(-1), binder), EReadError);
    EXPECT_THROW(t.SetProperty("Interval", PropertyValue::Integer(2147483648LL), binder), EReadError);
    EXPECT_EQ(0u, t.Interval());
    EXPECT_TRUE(t.SetProperty("Interval", PropertyValue::Integer(3000), binder));
    EXPECT_TRUE(t.SetProperty("Enabled", PropertyValue::Identifier("true"), binder));
    EXPECT_EQ(3000u, t.Interval());
    EXPECT_TRUE(ArmedAndKill(t));
}

}  // namespace
