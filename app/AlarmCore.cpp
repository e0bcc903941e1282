#include "app/AlarmCore.h"

#include <algorithm>

namespace alarmcore {

namespace {

const char kIdleCaption[] = "Dawnbell";
// The first moment after the calendar's last day: a wake-up time there or
// later cannot be given to the system.
constexpr Moment kEndOfCalendar = (Moment{datetime::kDayNumberOfLastDay} + 1) * kDay;

// The whole day of a moment as a date value.
datetime::DateTime DateOf(Moment m) {
    const Moment day = m / kDay;
    return static_cast<datetime::DateTime>(day - datetime::kDayNumberOfZero);
}

}  // namespace

Moment MomentOf(datetime::DateTime value) {
    const datetime::DayStamp s = datetime::ToDayStamp(value);
    return Moment{s.DayNumber} * kDay + s.Millis;
}

std::uint32_t AlarmCore::Interval() const {
    switch (state_) {
        case State::Watching: return kWatchInterval;
        case State::Snoozing: return kSnoozeInterval;
        default: return 0;
    }
}

Moment AlarmCore::LatestDue(Moment now) const {
    const Moment today = now / kDay * kDay;
    return now % kDay >= timeOfDay_ ? today + timeOfDay_ : today - kDay + timeOfDay_;
}

Moment AlarmCore::FirstDue(Moment now) const {
    const Moment today = now / kDay * kDay;
    return now % kDay <= timeOfDay_ ? today + timeOfDay_ : today + kDay + timeOfDay_;
}

Effects AlarmCore::Set(bool daily, datetime::DateTime at, const std::string& text, datetime::DateTime now) {
    const Moment n = MomentOf(now);
    daily_ = daily;
    at_ = at;
    if (daily) {
        timeOfDay_ = MomentOf(at) % kDay;
        due_ = FirstDue(n);
        // Today's time already passed: the first ringing is tomorrow's.
        lastFired_ = due_ / kDay > n / kDay ? DateOf(n) : 0;
        caption_ = "Daily Alarm: " + text;
    } else {
        due_ = MomentOf(at);
        caption_ = "Alarm: " + text;
    }
    state_ = State::Watching;
    cdLost_ = false;
    return WakeEffect(true);
}

Effects AlarmCore::Cancel() {
    state_ = State::Idle;
    caption_ = kIdleCaption;
    lastFired_ = 0;
    cdLost_ = false;
    return WakeEffect(true);
}

Effects AlarmCore::Tick(datetime::DateTime now) { return Check(MomentOf(now)); }

Effects AlarmCore::Resume(datetime::DateTime now) {
    const Moment n = MomentOf(now);
    // Woken early (by hand, or by another program): the snooze runs on.
    if (state_ == State::Snoozing && n < snoozeEnd_) return {};
    return Check(n);
}

Effects AlarmCore::Check(Moment now) {
    // Idle has no ticks, and a tick that was queued before the question
    // (or arrives in a dialog's loop during the firing) must not start a
    // second firing.
    if (state_ != State::Watching && state_ != State::Snoozing) return {};
    if (state_ == State::Watching && daily_ && now / kDay < due_ / kDay - 1) {
        // The clock went back before the day the alarm last rang for (a
        // date corrected): that day is no reason to stay silent, so the
        // alarm counts as armed afresh.
        due_ = FirstDue(now);
        lastFired_ = due_ / kDay > now / kDay ? DateOf(now) : 0;
    }
    // A snooze rings for the same due moment again; a clock set back before
    // it makes the snooze wait for it.
    const Moment due = state_ == State::Snoozing ? firingDue_ : due_;
    if (now < due) {
        // A snooze tick restarts the five minutes.
        if (state_ == State::Snoozing) snoozeEnd_ = now + kSnoozeInterval;
        return WakeEffect(false);
    }
    if (state_ == State::Watching) {
        firingDue_ = due_;
        covered_ = daily_ ? LatestDue(now) : due_;
    } else if (daily_) {
        covered_ = std::max(covered_, LatestDue(now));
    }
    askedFrom_ = state_;
    state_ = State::Asking;
    Effects e;
    e.fire = true;
    return e;
}

void AlarmCore::StartActions(bool waveChosen, bool cdChosen) {
    soundChosen_ = waveChosen || cdChosen || cdLost_;
    waveStarted_ = cdStarted_ = false;
    ringing_ = true;
}

Effects AlarmCore::RingIfSilent() {
    Effects e;
    if (ringing_ && soundChosen_ && !waveStarted_ && !cdStarted_ && !builtinPlaying_) e.builtin = Builtin::Start;
    return e;
}

Effects AlarmCore::CdStarted() {
    cdStarted_ = true;
    // The disc plays: the built-in sound only covered an earlier report.
    Effects e;
    if (builtinPlaying_) e.builtin = Builtin::Stop;
    return e;
}

Effects AlarmCore::WaveLost() {
    waveStarted_ = false;
    return RingIfSilent();
}

Effects AlarmCore::CdLostWhilePlaying() {
    cdStarted_ = false;
    return RingIfSilent();
}

Effects AlarmCore::Ask() { return RingIfSilent(); }

Effects AlarmCore::EndRinging() {
    ringing_ = false;
    Effects e;
    if (builtinPlaying_) e.builtin = Builtin::Stop;
    return e;
}

Effects AlarmCore::Answer(bool snooze, datetime::DateTime now) {
    ringing_ = false;
    if (state_ != State::Asking) return {};
    const Moment n = MomentOf(now);
    if (snooze) {
        state_ = State::Snoozing;
        snoozeEnd_ = n + kSnoozeInterval;
        return WakeEffect(true);
    }
    if (daily_) {
        // The day it rang for, whenever the answer comes; a ringing late
        // for several days covers them all.
        lastFired_ = DateOf(covered_);
        due_ = covered_ + kDay;
        state_ = State::Watching;
    } else {
        state_ = State::Idle;
        caption_ = kIdleCaption;
        cdLost_ = false;
    }
    Effects e = WakeEffect(true);
    e.showReminders = true;
    return e;
}

void AlarmCore::Abandon() {
    ringing_ = false;
    if (state_ == State::Asking) state_ = askedFrom_;
}

Effects AlarmCore::WakeEffect(bool forced) {
    bool set = false;
    Moment due = 0;
    if (state_ == State::Watching) {
        set = true;
        due = due_;
    } else if (state_ == State::Snoozing) {
        set = true;
        due = std::max(firingDue_, snoozeEnd_);
    }
    if (due >= kEndOfCalendar) set = false;
    if (!forced && set == wakeSet_ && (!set || due == wakeDue_)) return {};
    wakeSet_ = set;
    wakeDue_ = set ? due : 0;
    Effects e;
    e.wake = set ? Wake::Set : Wake::Cancel;
    e.wakeDue = wakeDue_;
    return e;
}

}  // namespace alarmcore
