// The alarm's life: arming with "Set !", the check at every tick of Clock,
// the firing with its actions and the "Awake yet ?" question, snoozing,
// re-arming a daily alarm, cancelling, and the guard against quitting while
// an alarm is set.
#include <windows.h>

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
    if (AlarmDue()) Fire();
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
    PlayWave();
    PlayCD();
    RunProgram();

    // No ticks while the question is open.
    Clock->SetInterval(0);
    SnoozeFrm->ShowModal();
    const bool snooze = SnoozeFrm->SnoozeChosen;
    StopSound();
    if (snooze) {
        // Nothing of the due test changes, so the same alarm fires again.
        Clock->SetInterval(kSnoozeInterval);
        return;
    }
    const bool daily = UseDailyChk->Checked();
    if (daily) Clock->SetInterval(kWatchInterval);
    else ShowIdle();
    HandOverReminders();
    if (daily) LastFired = datetime::CurrentDate();
}

void TTimerFrm::PlayWave() {
    if (!UseWavChk->Checked()) return;
    try {
        // Rewind leaves the one-shot Wait alone, so it is set after it: a
        // missing device then leaves no Wait behind for a later command.
        WavPlayer->Rewind();
        // With the CD to follow, the wave plays to its end first.
        WavPlayer->SetWait(UseCDChk->Checked());
        WavPlayer->Play();
    } catch (const Exception& e) {
        ReportError(e);
    }
}

void TTimerFrm::PlayCD() {
    // A failed check has told the user and unchecked "Use CD".
    if (!UseCDChk->Checked() || !CheckCD()) return;
    try {
        const std::int32_t track = StrToInt(StartingTrackEdt->GetText());
        CDPlayer->Rewind();
        // Next on the last track stays there, so steps beyond the disc's
        // tracks change nothing; a huge number must not hang the program.
        const std::int64_t steps = std::min<std::int64_t>(std::int64_t{track} - 1, StartingTrackBar->Max() - 1);
        for (std::int64_t i = 0; i < steps; ++i) CDPlayer->Next();
        CDPlayer->Play();  // to the end of the disc; returns at once
    } catch (const Exception& e) {
        ReportError(e);
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
        widgets::ModalCancel)
        action = TCloseAction::caNone;
}
