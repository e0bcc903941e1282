// The alarm's life with the clock given as values: arming, the check at each
// tick or resume, the firing and its answers, daily alarms across midnight
// and clock changes, the built-in sound's bookkeeping and the wake-up timer.
#include <gtest/gtest.h>

#include "app/AlarmCore.h"

namespace {

using alarmcore::AlarmCore;
using alarmcore::Builtin;
using alarmcore::Effects;
using alarmcore::MomentOf;
using alarmcore::State;
using alarmcore::Wake;
using datetime::DateTime;

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return datetime::MakeDate(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(mo),
                              static_cast<std::uint16_t>(d)) +
           datetime::MakeTime(static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(mi),
                              static_cast<std::uint16_t>(s), 0);
}
DateTime Day(int y, int mo, int d) { return At(y, mo, d); }
DateTime TimeOf(int h, int mi) { return datetime::MakeTime(static_cast<std::uint16_t>(h), static_cast<std::uint16_t>(mi), 0, 0); }

class AlarmCoreTest : public testing::Test {
protected:
    void ArmDaily(int h, int mi, DateTime now) { core.Set(true, TimeOf(h, mi), "text", now); }
    // A tick; when it fires, the question is answered at `answeredAt`.
    bool TickAndAnswer(DateTime now, bool snooze = false, DateTime answeredAt = 0) {
        if (!core.Tick(now).fire) return false;
        core.StartActions(false, false);
        core.Ask();
        core.EndRinging();
        core.Answer(snooze, answeredAt != 0 ? answeredAt : now);
        return true;
    }
    AlarmCore core;
};

TEST_F(AlarmCoreTest, ArmingAndCancellingShowTheirStateAndMoveTheWakeTimer) {
    EXPECT_EQ(State::Idle, core.GetState());
    EXPECT_EQ("Dawnbell", core.Caption());
    Effects e = core.Set(false, At(2026, 12, 8, 6, 30), "12/8/26 06:30", At(2026, 12, 7, 7, 5));
    EXPECT_EQ(State::Watching, core.GetState());
    EXPECT_EQ(3000u, core.Interval());
    EXPECT_TRUE(core.Armed());
    EXPECT_EQ("Alarm: 12/8/26 06:30", core.Caption());
    EXPECT_EQ(Wake::Set, e.wake);
    EXPECT_EQ(MomentOf(At(2026, 12, 8, 6, 30)), e.wakeDue);

    // Daily: today at its time, or tomorrow (LastFired today) when it passed.
    e = core.Set(true, TimeOf(7, 5), "07:05", At(2026, 12, 7, 7, 5));
    EXPECT_EQ("Daily Alarm: 07:05", core.Caption());
    EXPECT_EQ(0.0, core.LastFired());
    EXPECT_EQ(MomentOf(At(2026, 12, 7, 7, 5)), e.wakeDue);
    e = core.Set(true, TimeOf(7, 5), "07:05", At(2026, 12, 31, 7, 5, 1));
    EXPECT_EQ(Day(2026, 12, 31), core.LastFired());
    EXPECT_EQ(MomentOf(At(2027, 1, 1, 7, 5)), e.wakeDue);

    e = core.Cancel();
    EXPECT_EQ(State::Idle, core.GetState());
    EXPECT_EQ(0u, core.Interval());
    EXPECT_EQ("Dawnbell", core.Caption());
    EXPECT_EQ(0.0, core.LastFired());
    EXPECT_EQ(Wake::Cancel, e.wake);
    EXPECT_FALSE(core.Tick(At(2027, 1, 2, 7, 5)).fire);
}

TEST_F(AlarmCoreTest, AOneShotFiresAsksSnoozesAndEnds) {
    core.Set(false, At(2026, 12, 7, 7, 5), "x", At(2026, 12, 7, 7, 0));
    Effects e = core.Tick(At(2026, 12, 7, 7, 4, 59));
    EXPECT_FALSE(e.fire);
    EXPECT_EQ(Wake::Keep, e.wake);  // watching ticks leave the timer alone
    EXPECT_TRUE(core.Tick(At(2026, 12, 7, 7, 5)).fire);
    EXPECT_EQ(State::Asking, core.GetState());
    EXPECT_EQ(0u, core.Interval());
    EXPECT_TRUE(core.Armed());
    // Only one firing at a time, and no resume starts another.
    EXPECT_FALSE(core.Tick(At(2026, 12, 7, 7, 5, 3)).fire);
    EXPECT_FALSE(core.Resume(At(2026, 12, 7, 7, 5, 3)).fire);
    // An error that leaves the firing early returns to the watch.
    core.Abandon();
    EXPECT_EQ(State::Watching, core.GetState());
    ASSERT_TRUE(core.Tick(At(2026, 12, 7, 7, 5, 3)).fire);

    e = core.Answer(true, At(2026, 12, 7, 7, 6));
    EXPECT_EQ(State::Snoozing, core.GetState());
    EXPECT_EQ(300000u, core.Interval());
    EXPECT_FALSE(e.showReminders);
    EXPECT_EQ(MomentOf(At(2026, 12, 7, 7, 11)), core.SnoozeEnd());
    EXPECT_EQ(MomentOf(At(2026, 12, 7, 7, 11)), e.wakeDue);
    // The clock set back before the alarm: the snooze waits for its time,
    // five minutes at a time.
    e = core.Tick(At(2026, 12, 7, 6, 0));
    EXPECT_FALSE(e.fire);
    EXPECT_EQ(MomentOf(At(2026, 12, 7, 7, 5)), e.wakeDue);
    EXPECT_TRUE(core.Tick(At(2026, 12, 7, 7, 12)).fire);
    e = core.Answer(false, At(2026, 12, 7, 7, 13));
    EXPECT_EQ(State::Idle, core.GetState());
    EXPECT_EQ("Dawnbell", core.Caption());
    EXPECT_TRUE(e.showReminders);
    EXPECT_EQ(Wake::Cancel, e.wake);
    EXPECT_FALSE(core.Tick(At(2026, 12, 7, 7, 14)).fire);
}

// A daily alarm's day is the day it rang for, however late the answer.
TEST_F(AlarmCoreTest, ADailyAlarmAnsweredLaterKeepsTheDayItRangFor) {
    struct Case {
        const char* what;
        DateTime answeredAt;
        bool snoozeFirst;
    } cases[] = {{"seconds later", At(2026, 12, 7, 23, 59, 5), false},
                 {"after midnight", At(2026, 12, 8, 0, 0, 30), false},
                 {"hours later", At(2026, 12, 8, 9, 0), false},
                 {"after a snooze across midnight", At(2026, 12, 8, 0, 4, 30), true}};
    for (const Case& c : cases) {
        AlarmCore fresh;
        core = fresh;
        ArmDaily(23, 59, At(2026, 12, 7, 12, 0));
        if (c.snoozeFirst) {
            ASSERT_TRUE(TickAndAnswer(At(2026, 12, 7, 23, 59), true)) << c.what;
            ASSERT_TRUE(TickAndAnswer(At(2026, 12, 8, 0, 4), false, c.answeredAt)) << c.what;
        } else {
            ASSERT_TRUE(TickAndAnswer(At(2026, 12, 7, 23, 59), false, c.answeredAt)) << c.what;
        }
        EXPECT_EQ(Day(2026, 12, 7), core.LastFired()) << c.what;
        EXPECT_EQ(MomentOf(At(2026, 12, 8, 23, 59)), core.NextDue()) << c.what;
        EXPECT_FALSE(TickAndAnswer(At(2026, 12, 8, 23, 58, 59))) << c.what;
        EXPECT_TRUE(TickAndAnswer(At(2026, 12, 8, 23, 59))) << c.what;
        EXPECT_EQ(Day(2026, 12, 8), core.LastFired()) << c.what;
    }
}

TEST_F(AlarmCoreTest, ADailySnoozeBeforeMidnightRingsAtItsEndOnce) {
    ArmDaily(23, 58, At(2026, 12, 7, 23, 57));
    ASSERT_TRUE(TickAndAnswer(At(2026, 12, 7, 23, 58), true));
    EXPECT_EQ(MomentOf(At(2026, 12, 8, 0, 3)), core.SnoozeEnd());
    // The snooze's tick after midnight rings; awake then rests until the
    // new day's time.
    EXPECT_TRUE(TickAndAnswer(At(2026, 12, 8, 0, 3)));
    EXPECT_EQ(Day(2026, 12, 7), core.LastFired());
    EXPECT_EQ(State::Watching, core.GetState());
    EXPECT_FALSE(TickAndAnswer(At(2026, 12, 8, 0, 3, 3)));
    EXPECT_FALSE(TickAndAnswer(At(2026, 12, 8, 23, 57, 59)));
    EXPECT_TRUE(TickAndAnswer(At(2026, 12, 8, 23, 58)));
}

TEST_F(AlarmCoreTest, ADailyTimeSleptThroughRingsLateOnce) {
    // Asleep from before 23:59 to after midnight.
    ArmDaily(23, 59, At(2026, 12, 4, 12, 0));
    EXPECT_FALSE(TickAndAnswer(At(2026, 12, 4, 23, 58)));
    EXPECT_TRUE(TickAndAnswer(At(2026, 12, 5, 0, 5)));
    EXPECT_EQ(Day(2026, 12, 4), core.LastFired());
    EXPECT_FALSE(TickAndAnswer(At(2026, 12, 5, 0, 5, 3)));
    EXPECT_TRUE(TickAndAnswer(At(2026, 12, 5, 23, 59)));
    // Several days gone (or the clock set forward): one ringing covers them.
    EXPECT_TRUE(TickAndAnswer(At(2026, 12, 9, 23, 59, 30)));
    EXPECT_EQ(Day(2026, 12, 9), core.LastFired());
    EXPECT_FALSE(TickAndAnswer(At(2026, 12, 10, 0, 0)));
}

TEST_F(AlarmCoreTest, ClockChangesAroundTheAlarm) {
    // An hour skipped over the alarm's time: the first check after it rings.
    ArmDaily(2, 30, At(2027, 3, 14, 0, 0));
    EXPECT_FALSE(TickAndAnswer(At(2027, 3, 14, 1, 59, 59)));
    EXPECT_TRUE(TickAndAnswer(At(2027, 3, 14, 3, 0)));
    EXPECT_FALSE(TickAndAnswer(At(2027, 3, 14, 3, 0, 3)));
    // An hour repeated over it: once that day, and the next day as usual.
    EXPECT_TRUE(TickAndAnswer(At(2027, 11, 7, 2, 30)));
    EXPECT_FALSE(TickAndAnswer(At(2027, 11, 7, 2, 30, 3)));
    EXPECT_FALSE(TickAndAnswer(At(2027, 11, 7, 2, 0)));  // 03:00 back to 02:00
    EXPECT_FALSE(TickAndAnswer(At(2027, 11, 7, 2, 30)));
    EXPECT_TRUE(TickAndAnswer(At(2027, 11, 8, 2, 30)));
    // A one-shot inside the repeated hour rings once.
    core.Set(false, At(2027, 11, 7, 2, 30), "x", At(2027, 11, 7, 1, 0));
    EXPECT_TRUE(TickAndAnswer(At(2027, 11, 7, 2, 30)));
    EXPECT_FALSE(TickAndAnswer(At(2027, 11, 7, 2, 30, 3)));
    EXPECT_EQ(State::Idle, core.GetState());

    // The clock set back a day after the ringing (a date corrected): armed
    // afresh, so the next morning rings.
    ArmDaily(7, 5, At(2026, 12, 7, 6, 0));
    ASSERT_TRUE(TickAndAnswer(At(2026, 12, 7, 7, 5)));
    Effects e = core.Tick(At(2026, 12, 6, 8, 0));
    EXPECT_FALSE(e.fire);
    EXPECT_EQ(Day(2026, 12, 6), core.LastFired());
    EXPECT_EQ(MomentOf(At(2026, 12, 7, 7, 5)), e.wakeDue);
    EXPECT_TRUE(TickAndAnswer(At(2026, 12, 7, 7, 5)));
}

TEST_F(AlarmCoreTest, AResumeChecksAtOnceButASnoozeRunsItsFiveMinutes) {
    core.Set(false, At(2026, 12, 7, 7, 5), "x", At(2026, 12, 7, 6, 0));
    EXPECT_FALSE(core.Resume(At(2026, 12, 7, 7, 0)).fire);
    EXPECT_TRUE(core.Resume(At(2026, 12, 7, 8, 0)).fire);
    core.Answer(true, At(2026, 12, 7, 8, 1));
    EXPECT_FALSE(core.Resume(At(2026, 12, 7, 8, 5, 59)).fire);
    EXPECT_TRUE(core.Resume(At(2026, 12, 7, 8, 6)).fire);
    core.Answer(false, At(2026, 12, 7, 8, 6));
    EXPECT_FALSE(core.Resume(At(2026, 12, 7, 9, 0)).fire);
}

TEST_F(AlarmCoreTest, TheBuiltinSoundRingsWhileAChosenSoundIsSilent) {
    core.Set(false, At(2026, 12, 7, 7, 5), "x", At(2026, 12, 7, 7, 0));
    // Nothing chosen: never.
    ASSERT_TRUE(core.Tick(At(2026, 12, 7, 7, 5)).fire);
    core.StartActions(false, false);
    EXPECT_EQ(Builtin::Keep, core.SoundFailed().builtin);
    EXPECT_EQ(Builtin::Keep, core.Ask().builtin);
    core.EndRinging();
    core.Answer(true, At(2026, 12, 7, 7, 5));

    // The wave fails to start: rings from its report; the disc starting
    // after all stops it; the disc failing during the question rings again.
    ASSERT_TRUE(core.Tick(At(2026, 12, 7, 7, 10)).fire);
    core.StartActions(true, true);
    EXPECT_EQ(Builtin::Start, core.SoundFailed().builtin);
    core.BuiltinPlaying(true);
    EXPECT_EQ(Builtin::Keep, core.SoundFailed().builtin);  // rings already
    EXPECT_EQ(Builtin::Stop, core.CdStarted().builtin);
    core.BuiltinPlaying(false);
    EXPECT_EQ(Builtin::Keep, core.Ask().builtin);
    EXPECT_EQ(Builtin::Start, core.CdLostWhilePlaying().builtin);
    core.BuiltinPlaying(true);
    EXPECT_EQ(Builtin::Stop, core.EndRinging().builtin);
    core.BuiltinPlaying(false);
    core.Answer(true, At(2026, 12, 7, 7, 11));
    // After the answer a failure rings nothing.
    EXPECT_EQ(Builtin::Keep, core.CdLostWhilePlaying().builtin);

    // A wave alone that fails while the question is up; a refused start is
    // tried again.
    ASSERT_TRUE(core.Tick(At(2026, 12, 7, 7, 16)).fire);
    core.StartActions(true, false);
    core.WaveStarted();
    EXPECT_EQ(Builtin::Keep, core.Ask().builtin);
    EXPECT_EQ(Builtin::Start, core.WaveLost().builtin);
    core.BuiltinPlaying(false);
    EXPECT_EQ(Builtin::Start, core.SoundFailed().builtin);
    EXPECT_EQ(Builtin::Keep, core.EndRinging().builtin);
    core.Answer(true, At(2026, 12, 7, 7, 17));

    // A disc lost at a firing still counts as a chosen sound after a snooze,
    // until "Use CD" is changed by hand.
    ASSERT_TRUE(core.Tick(At(2026, 12, 7, 7, 22)).fire);
    core.StartActions(false, true);
    core.CdLost();
    EXPECT_EQ(Builtin::Start, core.Ask().builtin);
    core.EndRinging();
    core.Answer(true, At(2026, 12, 7, 7, 23));
    ASSERT_TRUE(core.Tick(At(2026, 12, 7, 7, 28)).fire);
    core.StartActions(false, false);
    EXPECT_TRUE(core.SoundChosen());
    core.ForgetLostCd();
    core.StartActions(false, false);
    EXPECT_FALSE(core.SoundChosen());
}

TEST_F(AlarmCoreTest, NoWakeTimerBeyondTheCalendar) {
    core.Set(false, At(9999, 12, 31, 23, 56), "x", At(9999, 12, 31, 23, 50));
    ASSERT_TRUE(core.Tick(At(9999, 12, 31, 23, 56)).fire);
    EXPECT_EQ(Wake::Cancel, core.Answer(true, At(9999, 12, 31, 23, 56)).wake);
    ArmDaily(7, 5, At(9999, 12, 31, 7, 0));
    ASSERT_TRUE(core.Tick(At(9999, 12, 31, 7, 5)).fire);
    EXPECT_EQ(Wake::Cancel, core.Answer(false, At(9999, 12, 31, 7, 5)).wake);
    EXPECT_EQ(State::Watching, core.GetState());
}

}  // namespace
