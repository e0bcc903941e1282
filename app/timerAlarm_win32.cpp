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
#include "platform/Exceptions.h"
#include "platform/Platform.h"
#include "platform/ScopeExit.h"
#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Graphics.h"
#include "toolkit/Memo.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "widgets/Dialogs.h"

namespace {

const char kInvalidAlarm[] = "Invalid Date/Time";
const char kErrorCaption[] = "Error";
const char kArmedText[] = "Click on the \"Properties\" Tab to set Sound Properties for Alarm.";
const char kSilentWarning[] =
    "You have not set any sound properties for the alarm.  Click the Properties Tab, if you wish to have sound.";
const char kWarningCaption[] = "Warning";
const char kQuitQuestion[] = "An alarm has been set.  Are you sure you want to quit ?";
// The wave resource of the built-in alarm sound.
const char kBuiltinSound[] = "ALARMSOUND";

// A moment of the alarm as the system's local time fields.
platform::LocalTime LocalTimeOf(alarmcore::Moment millis) {
    datetime::DayStamp s;
    s.DayNumber = static_cast<std::int32_t>(millis / alarmcore::kDay);
    s.Millis = static_cast<std::int32_t>(millis % alarmcore::kDay);
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
    const alarmcore::Effects effects = alarm_.Set(daily, at, CurrentEdt->GetText(), datetime::CurrentDateTime());
    // The interval already in force keeps its countdown: Set while watching
    // does not postpone the next check.
    ShowState();
    StatusBar->SetSimpleText(kArmedText);
    Apply(effects);

    // Armed all the same; the watch runs while the box is open.
    if (!UseCDChk->Checked() && !UseWavChk->Checked() && !UseExeChk->Checked())
        ShowMessageBox(kSilentWarning, kWarningCaption, MB_ICONEXCLAMATION);
}

void TTimerFrm::CancelBtnClick(TComponent*) {
    // The sound has stopped already: the firing stops it before the main
    // window can take input again. The text stays: it is the alarm just
    // ended until a control changes.
    const alarmcore::Effects effects = alarm_.Cancel();
    ShowState();
    Apply(effects);
}

void TTimerFrm::ShowState() {
    Clock->SetInterval(alarm_.Interval());
    CurrentEdt->SetEnabled(!alarm_.Armed());
    CurrentEdt->SetColor(alarm_.Armed() ? clAqua : clWhite);
    SetCaption(alarm_.Caption());
    Application->SetTitle(Caption());
}

void TTimerFrm::Apply(const alarmcore::Effects& effects) {
    if (effects.builtin == alarmcore::Builtin::Start) {
        // Looped from the program's own resources; never the system's
        // default sound in its place. A refused start is tried again at the
        // next report; nothing more can be done when even this fails.
        alarm_.BuiltinPlaying(
            platform::Sys().PlaySystemSound(kBuiltinSound, SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT));
    } else if (effects.builtin == alarmcore::Builtin::Stop) {
        platform::Sys().PlaySystemSound(nullptr, 0);
        alarm_.BuiltinPlaying(false);
    }
    // A refused timer only means the machine is not woken: the alarm itself
    // does not depend on it.
    if (effects.wake == alarmcore::Wake::Set) platform::Sys().SetWakeTimer(LocalTimeOf(effects.wakeDue));
    else if (effects.wake == alarmcore::Wake::Cancel) platform::Sys().CancelWakeTimer();
}

void TTimerFrm::RingIfSilent() { Apply(alarm_.SoundFailed()); }

void TTimerFrm::ClockTimer(TComponent*) {
    // Ticks that come while a firing runs (dialogs of the firing run nested
    // message loops) or that were queued before the watch stopped find
    // nothing to do.
    const alarmcore::Effects effects = alarm_.Tick(datetime::CurrentDateTime());
    if (effects.fire) Fire();
    else Apply(effects);  // the look does not change: no repaint every tick
}

LRESULT TTimerFrm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_POWERBROADCAST && (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) {
        // The system need not wait for the question to be answered.
        ReplyMessage(TRUE);
        const alarmcore::Effects effects = alarm_.Resume(datetime::CurrentDateTime());
        if (effects.fire) Fire();
        else Apply(effects);
        return TRUE;
    }
    return TForm::WndProc(msg, wParam, lParam);
}

void TTimerFrm::Fire() {
    // An action that cannot start is reported and skipped: the question
    // must come all the same, or the alarm would stay at 3000 ms meeting the
    // same error at every tick.
    //
    // Whether a sound is wanted is read before the actions run: a failed
    // disc check unchecks "Use CD".
    alarm_.StartActions(UseWavChk->Checked(), UseCDChk->Checked());
    bool snooze = false;
    {
        // From the first action to the answer the machine and its display
        // stay awake, and the built-in sound may ring.
        platform::Sys().SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
        ScopeExit release([this] {
            Apply(alarm_.EndRinging());
            platform::Sys().SetThreadExecutionState(ES_CONTINUOUS);
        });
        try {
            if (PlayWave()) alarm_.WaveStarted();
            if (PlayCD()) Apply(alarm_.CdStarted());
            RunProgram();

            // No ticks while the question is open.
            const alarmcore::Effects asking = alarm_.Ask();
            ShowState();
            Apply(asking);
            SnoozeFrm->ShowModal();
            snooze = SnoozeFrm->SnoozeChosen;
        } catch (...) {
            // Reported by the error report; the alarm is not left asking
            // with no question up.
            alarm_.Abandon();
            ShowState();
            throw;
        }
    }
    StopSound();
    const alarmcore::Effects answered = alarm_.Answer(snooze, datetime::CurrentDateTime());
    ShowState();
    if (answered.showReminders) HandOverReminders();
    Apply(answered);
}

bool TTimerFrm::PlayWave() {
    if (!UseWavChk->Checked()) return false;
    // A path typed moments before the firing has not been opened yet.
    if (wavPending_) OpenWaveFile();
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
        alarm_.CdLost();
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
