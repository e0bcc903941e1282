// The alarm's life: arming with "Set !", the check at every tick of Clock,
// the firing with its actions and the "Awake yet ?" question, snoozing,
// re-arming a daily alarm, cancelling, the guard against quitting while an
// alarm is set, the built-in sound and the wake-up timer.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/StrToInt.h"
#include "app/timer.h"
#include "datetime/DateTime.h"
#include "datetime/DateTimeParse.h"
#include "datetime/LocalClock.h"
#include "media/MPlayer.h"
#include "media/Timer.h"
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Graphics.h"
#include "toolkit/Memo.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TrackBar.h"
#include "widgets/Dialogs.h"

namespace {

constexpr std::uint32_t kWatchInterval = 3000;
constexpr std::uint32_t kSnoozeInterval = 300000;

const char kIdleTitle[] = "Dawnbell";
const char kInvalidAlarm[] = "Invalid Date/Time";
const char kErrorCaption[] = "Error";
const char kArmedText[] = "Click on the \"Properties\" Tab to set Sound Properties for Alarm.";
const char kSilentWarning[] =
    "You have not set any sound properties for the alarm.  Click the Properties Tab, if you wish to have sound.";
const char kWarningCaption[] = "Warning";
const char kQuitQuestion[] = "An alarm has been set.  Are you sure you want to quit ?";
// The wave resource of the built-in alarm sound.
const char kBuiltinSound[] = "ALARMSOUND";
constexpr std::int64_t kMillisPerDay = 86400000;

// Whether a is at or after b in time. The values' own order is not enough:
// before 30 December 1899 the time of day counts backwards from the day.
bool AtOrAfter(datetime::DateTime a, datetime::DateTime b) {
    datetime::DayStamp x = datetime::ToDayStamp(a), y = datetime::ToDayStamp(b);
    return x.DayNumber != y.DayNumber ? x.DayNumber > y.DayNumber : x.Millis >= y.Millis;
}

// Sets a flag for the life of the object, also when an error leaves early.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// Runs a clean-up when it goes, also when an error leaves early.
template <class F>
class AtExit {
public:
    explicit AtExit(F f) : f_(f) {}
    ~AtExit() { f_(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

private:
    F f_;
};

// A moment as whole milliseconds since 1 January 0001 00:00, and back as the
// system's local time fields.
std::int64_t MillisOf(datetime::DateTime value) {
    const datetime::DayStamp s = datetime::ToDayStamp(value);
    return std::int64_t{s.DayNumber} * kMillisPerDay + s.Millis;
}

platform::LocalTime LocalTimeOf(std::int64_t millis) {
    datetime::DayStamp s;
    s.DayNumber = static_cast<std::int32_t>(millis / kMillisPerDay);
    s.Millis = static_cast<std::int32_t>(millis % kMillisPerDay);
    platform::LocalTime t;
    datetime::SplitDate(s, t.year, t.month, t.day);
    datetime::SplitTime(s, t.hour, t.minute, t.second, t.milliseconds);
    t.dayOfWeek = static_cast<std::uint16_t>(datetime::Weekday(s) - 1);
    return t;
}

// Nothing plays on a device that is not open, so there is nothing to stop
// (and its error was reported when the firing tried to play it).
void StopPlayer(TMediaPlayer& player) {
    if (player.DeviceID() != 0) player.Stop();
}

}  // namespace

void TTimerFrm::SetBtnClick(TComponent*) {
    const bool daily = UseDailyChk->Checked();
    // The moment is read once, here: locale settings changed while armed (a
    // new date order or separator) must not move the alarm or stop it.
    datetime::DateTime at = 0;
    try {
        at = daily ? datetime::ParseTime(CurrentEdt->GetText()) : datetime::ParseDateTime(CurrentEdt->GetText());
    } catch (const EConvertError&) {
        // An alarm armed before stays armed as it was.
        ShowMessageBox(kInvalidAlarm, kErrorCaption, MB_ICONERROR);
        return;
    }
    AlarmAt = at;

    // The interval already in force keeps its countdown: Set while watching
    // does not postpone the next check.
    Clock->SetInterval(kWatchInterval);
    CurrentEdt->SetEnabled(false);
    CurrentEdt->SetColor(clAqua);
    if (daily) {
        SetCaption("Daily Alarm: " + CurrentEdt->GetText());
        // Today's time already passed: the first firing is tomorrow.
        LastFired = datetime::CurrentTime() > at ? datetime::CurrentDate() : 0;
    } else {
        SetCaption("Alarm: " + CurrentEdt->GetText());
    }
    Application->SetTitle(Caption());
    StatusBar->SetSimpleText(kArmedText);
    cdLost_ = false;
    UpdateWakeTimer();

    // Armed all the same; the watch runs while the box is open.
    if (!UseCDChk->Checked() && !UseWavChk->Checked() && !UseExeChk->Checked())
        ShowMessageBox(kSilentWarning, kWarningCaption, MB_ICONEXCLAMATION);
}

void TTimerFrm::CancelBtnClick(TComponent*) {
    // The sound has stopped already: the firing stops it before the main
    // window can take input again.
    Clock->SetInterval(0);
    ShowIdle();
    LastFired = 0;
    cdLost_ = false;
    UpdateWakeTimer();
}

void TTimerFrm::ShowIdle() {
    // The text stays: it is the alarm just ended until a control changes.
    CurrentEdt->SetEnabled(true);
    CurrentEdt->SetColor(clWhite);
    SetCaption(kIdleTitle);
    Application->SetTitle(kIdleTitle);
}

void TTimerFrm::ClockTimer(TComponent*) {
    // One firing at a time: dialogs of the firing (a missing CD, an error
    // report) run nested message loops in which the watch's ticks still
    // arrive, and each would otherwise start a firing of its own.
    if (firing_) return;
    // A tick already queued when the timer stopped may still come: idle and
    // asking have no ticks.
    if (Clock->Interval() == 0) return;
    FlagScope busy(firing_);
    const datetime::DateTime lastFired = LastFired;
    if (AlarmDue()) Fire();
    // A snoozed alarm no longer due (a daily one snoozed past midnight)
    // waits for its time again (these ticks come every five minutes), and a
    // daily alarm armed afresh after the clock went back has a new next day.
    else if (Clock->Interval() == kSnoozeInterval || LastFired != lastFired) UpdateWakeTimer();
}

bool TTimerFrm::AlarmDue() {
    if (UseDailyChk->Checked()) {
        const datetime::DateTime today = datetime::CurrentDate();
        // The clock was set back before the day of the last firing: that
        // day is no reason to stay silent now, so count as armed afresh.
        if (today < LastFired) LastFired = datetime::CurrentTime() > AlarmAt ? today : 0;
        if (!(today > LastFired)) return false;  // fired today already
        return datetime::CurrentTime() >= AlarmAt;
    }
    return AtOrAfter(datetime::CurrentDateTime(), AlarmAt);
}

void TTimerFrm::Fire() {
    // An action that cannot start is reported and skipped: the question
    // must come all the same, or the alarm would stay at 3000 ms meeting the
    // same error at every tick.
    //
    // Whether a sound is wanted is read before the actions run: a failed
    // disc check unchecks "Use CD".
    soundChosen_ = UseWavChk->Checked() || UseCDChk->Checked() || cdLost_;
    waveStarted_ = cdStarted_ = false;
    {
        // From the first action to the answer the machine and its display
        // stay awake, and the built-in sound may ring: the reports of actions
        // that cannot start wait for an answer just as the question does.
        platform::Sys().SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
        AtExit release([this] {
            StopBuiltinSound();
            platform::Sys().SetThreadExecutionState(ES_CONTINUOUS);
        });
        FlagScope ringing(ringing_);
        waveStarted_ = PlayWave();
        cdStarted_ = PlayCD();
        // The disc plays: the built-in sound only covered the wave's report.
        if (cdStarted_) StopBuiltinSound();
        RunProgram();

        // No ticks while the question is open.
        Clock->SetInterval(0);
        RingIfSilent();
        SnoozeFrm->ShowModal();
    }
    const bool snooze = SnoozeFrm->SnoozeChosen;
    StopSound();
    if (snooze) {
        // Nothing of the due test changes, so the same alarm fires again.
        Clock->SetInterval(kSnoozeInterval);
        UpdateWakeTimer();
        return;
    }
    const bool daily = UseDailyChk->Checked();
    if (daily) {
        Clock->SetInterval(kWatchInterval);
    } else {
        ShowIdle();
        cdLost_ = false;
    }
    HandOverReminders();
    if (daily) LastFired = datetime::CurrentDate();
    UpdateWakeTimer();
}

void TTimerFrm::RingIfSilent() {
    if (ringing_ && soundChosen_ && !waveStarted_ && !cdStarted_) StartBuiltinSound();
}

void TTimerFrm::StartBuiltinSound() {
    if (builtinPlaying_) return;
    // Looped from the program's own resources; never the system's default
    // sound in its place. Nothing more can be done when even this fails.
    builtinPlaying_ =
        platform::Sys().PlaySound(kBuiltinSound, SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT);
}

void TTimerFrm::StopBuiltinSound() {
    if (!builtinPlaying_) return;
    platform::Sys().PlaySound(nullptr, 0);
    builtinPlaying_ = false;
}

void TTimerFrm::UpdateWakeTimer() {
    const std::uint32_t interval = Clock->Interval();
    if (interval == 0) {
        platform::Sys().CancelWakeTimer();
        return;
    }
    std::int64_t due = 0;
    if (UseDailyChk->Checked()) {
        // Today at its time, or tomorrow when it fired today already.
        const std::int64_t today = MillisOf(datetime::CurrentDate());
        const std::int64_t day = datetime::CurrentDate() > LastFired ? today : today + kMillisPerDay;
        due = day + MillisOf(AlarmAt) % kMillisPerDay;
    } else {
        due = MillisOf(AlarmAt);
    }
    if (interval == kSnoozeInterval) due = std::max(due, MillisOf(datetime::CurrentDateTime()) + kSnoozeInterval);
    if (due >= (std::int64_t{datetime::kDayNumberOfLastDay} + 1) * kMillisPerDay) {
        platform::Sys().CancelWakeTimer();  // beyond the calendar
        return;
    }
    // A refused timer only means the machine is not woken: the alarm itself
    // does not depend on it.
    platform::Sys().SetWakeTimer(LocalTimeOf(due));
}

bool TTimerFrm::PlayWave() {
    if (!UseWavChk->Checked()) return false;
    try {
        // Rewind leaves the one-shot Wait alone, so it is set after it: a
        // missing device then leaves no Wait behind for a later command.
        WavPlayer->Rewind();
        // With the CD to follow, the wave plays to its end first.
        WavPlayer->SetWait(UseCDChk->Checked());
        WavPlayer->Play();
        // The player keeps a refused play to itself; here it is an action
        // that cannot start.
        if (WavPlayer->ErrorCode() != 0) throw EMCIDeviceError(WavPlayer->ErrorMessage());
        return true;
    } catch (const Exception& e) {
        RingIfSilent();
        ReportError(e);
        return false;
    }
}

bool TTimerFrm::PlayCD() {
    if (!UseCDChk->Checked()) return false;
    if (!CheckCD()) {
        // The check has told the user and unchecked "Use CD".
        cdLost_ = true;
        return false;
    }
    try {
        const std::int32_t track = StrToInt(StartingTrackEdt->GetText());
        CDPlayer->Rewind();
        // Next on the last track stays there, so steps beyond the disc's
        // tracks change nothing; a huge number must not hang the program.
        const std::int64_t steps = std::min<std::int64_t>(std::int64_t{track} - 1, StartingTrackBar->Max() - 1);
        for (std::int64_t i = 0; i < steps; ++i) CDPlayer->Next();
        CDPlayer->Play();  // to the end of the disc; returns at once
        if (CDPlayer->ErrorCode() != 0) throw EMCIDeviceError(CDPlayer->ErrorMessage());
        return true;
    } catch (const Exception& e) {
        RingIfSilent();
        ReportError(e);
        return false;
    }
}

void TTimerFrm::RunProgram() {
    if (UseExeChk->Checked() && !ExeEdt->GetText().empty()) LaunchProgram();
}

void TTimerFrm::StopSound() {
    if (UseWavChk->Checked()) StopPlayer(*WavPlayer);
    if (UseCDChk->Checked()) StopPlayer(*CDPlayer);
}

void TTimerFrm::HandOverReminders() {
    if (RemindersMmo->Lines().Count() < 1 || !RemindersFrm) return;
    // A copy: edits in the reminders window stay there.
    RemindersFrm->Find<TMemo>("RemindersMmo")->Lines().Assign(RemindersMmo->Lines());
    RemindersFrm->Show();  // modeless; to the front when open already
}

void TTimerFrm::FormClose(TComponent*, TCloseAction& action) {
    if (CurrentEdt->Enabled()) return;  // idle: nothing to lose
    if (MessageDialog(kQuitQuestion, widgets::MessageKind::Confirmation, widgets::ButtonsOKCancel) ==
        widgets::ModalCancel) {
        action = TCloseAction::caNone;
        return;
    }
    // Quitting ends the alarm: the machine is no longer woken for it.
    platform::Sys().CancelWakeTimer();
}
