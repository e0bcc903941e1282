// A daily alarm left armed for a simulated year and a bit, under the settable
// clock: ticks through every day, clock changes forward and back (as a
// daylight-saving change or a user setting the clock would make them), and a
// machine asleep through the alarm time. Every calendar day that reaches the
// alarm time must fire exactly once.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/Startup.h"
#include "app/timer.h"
#include "datetime/DateTime.h"
#include "datetime/FormatSettings.h"
#include "fakes/FakePlatform.h"
#include "toolkit/Application.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Timer.h"
#include "win32/AlarmFixture.h"

namespace {

const UINT kPoke = WM_APP + 77;

// Answers the snooze question "awake" from inside its modal loop. Before each
// tick the test leaves one thread message in the queue (if none is still
// waiting); the modal loop picks it up at once, so no real wait is needed. A
// slow thread timer stands by in case the message is not seen.
class AwakeAnswerer {
public:
    std::function<void()> whileAsking;
    int questions = 0;

    AwakeAnswerer() {
        timer_ = SetTimer(nullptr, 0, 200, nullptr);
        filter_ = Application->AddMessageFilter([this](MSG& m) {
            if (m.hwnd != nullptr || (m.message != kPoke && m.message != WM_TIMER)) return false;
            if (m.message == kPoke) pending_ = false;
            if (Application->ModalLevel() > 0 && SnoozeFrm->Modal() && SnoozeFrm->Visible()) {
                ++questions;
                if (whileAsking) whileAsking();
                static_cast<TControl*>(SnoozeFrm->Find<TBitBtn>("AwakeBtn"))->Click();
            }
            return true;
        });
    }
    ~AwakeAnswerer() {
        KillTimer(nullptr, timer_);
        Application->RemoveMessageFilter(filter_);
    }
    AwakeAnswerer(const AwakeAnswerer&) = delete;
    AwakeAnswerer& operator=(const AwakeAnswerer&) = delete;

    void Prime() {
        if (pending_) return;
        pending_ = PostThreadMessageA(GetCurrentThreadId(), kPoke, 0, 0) != 0;
    }

private:
    UINT_PTR timer_ = 0;
    int filter_ = 0;
    bool pending_ = false;
};

struct Ymd {
    int y, m, d;
    bool operator<(const Ymd& o) const { return y != o.y ? y < o.y : m != o.m ? m < o.m : d < o.d; }
};

Ymd DayAfterStart(int offset) {
    std::uint16_t y, m, d;
    datetime::SplitDate(datetime::MakeDate(2026, 1, 1) + offset, y, m, d);
    return {y, m, d};
}

constexpr int Sec(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

// The readings of the clock through one ordinary day, in seconds since
// midnight: every 3 minutes, and every 3 seconds (the watch's own period)
// from 07:00 to 07:10.
std::vector<int> OrdinaryDay() {
    std::vector<int> t;
    for (int s = 0; s < 86400; s += 180) t.push_back(s);
    for (int s = Sec(7, 0); s <= Sec(7, 10); s += 3) t.push_back(s);
    std::sort(t.begin(), t.end());
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

// The readings of a day whose clock is set from `from` to `to` when it
// reaches `from`: forward skips the readings between, back repeats them.
std::vector<int> DayWithJump(int from, int to) {
    std::vector<int> all = OrdinaryDay(), out;
    for (int s : all)
        if (s < from) out.push_back(s);
    for (int s : all)
        if (s >= to) out.push_back(s);
    return out;
}

TEST(AlarmYearTest, ADailyAlarmFiresOncePerDayThroughAYearOfClockChanges) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope{fake};
    datetime::ScopedFormatSettings settings;
    fake.SetNow(2026, 1, 1, 0, 0, 0);
    PrepareLocaleSettings();
    EnsureSecondaryWindows();
    auto* form = new TTimerFrm(Application);
    form->InitializeForm();
    HWND clockWindow = form->Clock->WindowHandle();

    AwakeAnswerer answerer;
    std::map<Ymd, std::vector<int>> firings;  // the clock reading of each firing, by date
    answerer.whileAsking = [&] {
        firings[{fake.now.year, fake.now.month, fake.now.day}].push_back(
            Sec(fake.now.hour, fake.now.minute, fake.now.second));
    };

    form->UseExeChk->SetChecked(true);
    form->ExeEdt->SetText("C:\\WAKE\\UP.EXE");
    form->UseDailyChk->SetChecked(true);
    form->CurrentEdt->SetText("07:05");
    form->SetBtnClick(form->SetBtn);
    ASSERT_EQ(3000u, form->Clock->Interval());
    ASSERT_EQ("Daily Alarm: 07:05", form->Caption());
    ASSERT_TRUE(fake.boxes.empty());

    const int kDays = 400;
    const int kSpringForward = 80, kFallBack = 300;  // 02:00 -> 03:00, 02:00 -> 01:00
    const int kSetBackAfterFiring = 150;              // 07:30 -> 06:30
    const int kAsleep = 200;                          // 06:00 -> 09:00
    const int kSkipsTheAlarm = 100;                   // 07:00 -> 08:00
    const int kRepeatsTheAlarm = 320;                 // 07:10 -> 06:10
    const int kAlarm = Sec(7, 5);

    auto started = std::chrono::steady_clock::now();
    long ticks = 0;
    for (int day = 0; day < kDays; ++day) {
        std::vector<int> readings;
        switch (day) {
            case kSpringForward: readings = DayWithJump(Sec(2, 0), Sec(3, 0)); break;
            case kFallBack: readings = DayWithJump(Sec(2, 0), Sec(1, 0)); break;
            case kSetBackAfterFiring: readings = DayWithJump(Sec(7, 30), Sec(6, 30)); break;
            case kAsleep: readings = DayWithJump(Sec(6, 0), Sec(9, 0)); break;
            case kSkipsTheAlarm: readings = DayWithJump(Sec(7, 0), Sec(8, 0)); break;
            case kRepeatsTheAlarm: readings = DayWithJump(Sec(7, 10), Sec(6, 10)); break;
            default: readings = OrdinaryDay();
        }
        Ymd date = DayAfterStart(day);
        for (int s : readings) {
            fake.SetNow(date.y, date.m, date.d, s / 3600, s / 60 % 60, s % 60);
            answerer.Prime();
            SendMessageA(clockWindow, WM_TIMER, 1, 0);
            ++ticks;
            ASSERT_EQ(3000u, form->Clock->Interval()) << "day " << day << " at " << s;
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%ld ticks, %d questions in %.2f s\n", ticks, answerer.questions, seconds);

    // Every day reached 07:05 (the sleeping day late, at 09:00, the day
    // whose clock skipped the hour at 08:00): one firing each.
    EXPECT_EQ(kDays, answerer.questions);
    EXPECT_EQ(static_cast<std::size_t>(kDays), fake.launched.size());
    EXPECT_EQ(static_cast<std::size_t>(kDays), firings.size());
    for (int day = 0; day < kDays; ++day) {
        Ymd date = DayAfterStart(day);
        auto it = firings.find(date);
        if (it == firings.end()) {
            ADD_FAILURE() << "no firing on day " << day << " (" << date.m << "/" << date.d << "/" << date.y << ")";
            continue;
        }
        int expectedAt = day == kAsleep ? Sec(9, 0) : day == kSkipsTheAlarm ? Sec(8, 0) : kAlarm;
        EXPECT_EQ(std::vector<int>{expectedAt}, it->second)
            << "firings on day " << day << " (" << date.m << "/" << date.d << "/" << date.y << ")";
    }
    EXPECT_EQ(datetime::MakeDate(2026, 1, 1) + (kDays - 1), form->Alarm().LastFired());
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_FALSE(SnoozeFrm->Visible());
    EXPECT_EQ("Daily Alarm: 07:05", form->Caption());

    delete form;
    RemindersFrm->Hide();
    SnoozeFrm->SnoozeChosen = false;
    Application->SetTitle("DawnbellTests");
}

}  // namespace
