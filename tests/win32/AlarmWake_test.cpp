// What the alarm asks of the machine beyond its own actions: the built-in
// sound when none of the chosen sounds can start, the wake-up timer that
// follows the armed alarm, and the execution state held while "Awake yet ?"
// is up. Under the settable clock, the scripted media devices and the fake's
// recorders.
#include "AlarmFixture.h"

#include <mmsystem.h>

#include <cstdio>

namespace {

constexpr std::uint32_t kBuiltinFlags = SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT;
constexpr std::uint32_t kAwake = ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED;

using Sounds = std::vector<std::string>;

class AlarmWakeTest : public AlarmFixture {
protected:
    // The sounds asked for so far: "ring" for the built-in sound with its
    // flags, "stop" for a stop, anything else as it came.
    Sounds SoundLog() const {
        Sounds out;
        for (const auto& s : fake.sounds) {
            if (s.sound == "ALARMSOUND" && s.flags == kBuiltinFlags) out.push_back("ring");
            else if (s.sound.empty() && s.flags == 0) out.push_back("stop");
            else out.push_back(s.sound + "/" + std::to_string(s.flags));
        }
        return out;
    }

    // Fires the armed alarm once and returns the sound log as it stood while
    // the question was up.
    Sounds FireAndListen(Answerer& answerer) {
        Sounds heard;
        answerer.whileAsking = [&] { heard = SoundLog(); };
        const int before = answerer.questions;
        Tick();
        EXPECT_EQ(before + 1, answerer.questions);
        return heard;
    }

    // Presses OK on the error box open over the question and returns its
    // message (empty when none is open).
    struct FoundBox {
        TForm* box = nullptr;
    };
    static BOOL CALLBACK FindErrorBox(HWND h, LPARAM out) {
        auto* form = dynamic_cast<TForm*>(FindControl(h));
        if (!IsWindowVisible(h) || !form || form == SnoozeFrm || !form->FindComponent("Message")) return TRUE;
        reinterpret_cast<FoundBox*>(out)->box = form;
        return FALSE;
    }
    static std::string AnswerErrorBox() {
        FoundBox found;
        EnumThreadWindows(GetCurrentThreadId(), &FindErrorBox, reinterpret_cast<LPARAM>(&found));
        if (!found.box) return "";
        std::string message = static_cast<TControl*>(found.box->FindComponent("Message"))->Caption();
        static_cast<TControl*>(found.box->FindComponent("OK"))->Click();
        return message;
    }

    // The device accepts a play and then, while `failing` holds, reports a
    // failure (named as a failure of the device's hardware): posted at once,
    // so it arrives in the question's own message loop, where the error box
    // opens over the question.
    void FailAfterPlay(fakes::FakeMciDevice& device, const bool& failing) {
        auto send = fake.mci;
        fake.mci = [&device, &failing, send](platform::MciDevice id, std::uint32_t message, std::uintptr_t flags,
                                             void* params) {
            platform::MciError result = send(id, message, flags, params);
            if (failing && id == device.id && message == mci::Play && result == 0) {
                PostMessageA(reinterpret_cast<HWND>(static_cast<mci::PlayParms*>(params)->dwCallback),
                             mci::MmMciNotify, mci::NotifyFailure, device.id);
            }
            return result;
        };
    }
    // While the question is up: the sounds heard so far, then the error box
    // over it is answered.
    struct OverQuestion {
        Sounds heard;
        std::string box;
    };
    void ListenOverQuestion(Answerer& answerer, OverQuestion& out) {
        answerer.whileAsking = [this, &out] {
            out.heard = SoundLog();
            out.box = AnswerErrorBox();
        };
    }

    bool WakeAt(int y, int mo, int d, int h, int mi, int s = 0) const {
        const platform::LocalTime& t = fake.wakeDue;
        fakes::FakePlatform expected;
        expected.SetNow(y, mo, d, h, mi, s);
        const platform::LocalTime& e = expected.now;
        return fake.wakeTimerSet && t.year == e.year && t.month == e.month && t.day == e.day &&
               t.hour == e.hour && t.minute == e.minute && t.second == e.second && t.milliseconds == 0 &&
               t.dayOfWeek == e.dayOfWeek;
    }
    std::string WakeText() const {
        if (!fake.wakeTimerSet) return "dropped";
        const platform::LocalTime& t = fake.wakeDue;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u:%02u.%03u dow %u", t.year, t.month, t.day, t.hour,
                      t.minute, t.second, t.milliseconds, t.dayOfWeek);
        return buf;
    }
};

// ---- The built-in sound ----

TEST_F(AlarmWakeTest, NoBuiltinSoundWithoutAChosenSoundOrWhenOneStarted) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    // The program alone: the alarm stays as silent as it was made.
    UseProgram();
    Arm("12/7/26 07:00");
    EXPECT_TRUE(FireAndListen(answerer).empty());

    // A wave that plays; a disc that plays; both.
    form->UseWavChk->SetChecked(true);
    form->WavFileEdt->SetText("C:\\SOUNDS\\BELL.WAV");
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(FireAndListen(answerer).empty());
    form->UseWavChk->SetChecked(false);
    form->UseCDChk->SetChecked(true);
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(FireAndListen(answerer).empty());
    form->UseWavChk->SetChecked(true);
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(FireAndListen(answerer).empty());
    EXPECT_EQ(2u, devices.wave.Sent(mci::Play).size());
    EXPECT_EQ(2u, devices.cd.Sent(mci::Play).size());
    EXPECT_TRUE(fake.sounds.empty());
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(AlarmWakeTest, AWaveThatCannotOpenOrPlayIsReportedAndTheBuiltinSoundRingsUntilTheAnswer) {
    Devices devices(fake);
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze, Answerer::Answer::CloseBox, Answerer::Answer::Awake};
    form->UseWavChk->SetChecked(true);  // no file: the device is not open
    Arm("12/7/26 07:00");
    // Ringing already while the report waits for its answer.
    std::vector<Sounds> atReports;
    fake.onMessageBox = [&] { atReports.push_back(SoundLog()); };

    // Each answer stops it: snooze, the close box (snooze again), awake.
    EXPECT_EQ((Sounds{"ring"}), FireAndListen(answerer));
    ASSERT_EQ(1u, atReports.size());
    EXPECT_EQ((Sounds{"ring"}), atReports[0]);
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());
    fake.SetNow(2026, 12, 7, 7, 5);
    EXPECT_EQ((Sounds{"ring", "stop", "ring"}), FireAndListen(answerer));
    EXPECT_EQ(300000u, form->Clock->Interval());
    fake.SetNow(2026, 12, 7, 7, 10);
    EXPECT_EQ((Sounds{"ring", "stop", "ring", "stop", "ring"}), FireAndListen(answerer));
    EXPECT_EQ(6u, fake.sounds.size());
    EXPECT_TRUE(Idle());
    // Reported at every firing, as before.
    EXPECT_EQ((std::vector<std::string>{"No MCI device open.", "No MCI device open.", "No MCI device open."}),
              Texts());

    // An open file whose play the device refuses: its own text, and the ring.
    fake.sounds.clear();
    fake.boxes.clear();
    fake.mciErrors[1002] = "The wave device is busy.";
    form->WavFileEdt->SetText("C:\\SOUNDS\\BELL.WAV");
    ASSERT_NE(0u, form->WavPlayer->DeviceID());
    devices.wave.failures[mci::Play] = 1002;
    form->SetBtnClick(form->SetBtn);
    EXPECT_EQ((Sounds{"ring"}), FireAndListen(answerer));
    EXPECT_EQ((std::vector<std::string>{"The wave device is busy.."}), Texts());
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());
}

TEST_F(AlarmWakeTest, ADiscMissingAtFiringRingsTheBuiltinSoundAlsoAfterASnooze) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze, Answerer::Answer::Awake};
    form->UseCDChk->SetChecked(true);
    ASSERT_TRUE(form->UseCDChk->Checked());
    Arm("12/7/26 07:00");
    devices.cd.tracksMs.clear();  // the disc taken out after arming

    Sounds atDialog;
    answerer.whileDialog = [&] { atDialog = SoundLog(); };
    EXPECT_EQ((Sounds{"ring"}), FireAndListen(answerer));
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("Cannot find CD in CD-ROM", answerer.dialogs[0].message);
    EXPECT_EQ((Sounds{"ring"}), atDialog);  // ringing while the box waits
    EXPECT_FALSE(form->UseCDChk->Checked());
    // The check unchecked "Use CD", but this alarm was made to ring: the
    // snooze's firing rings again, without a second disc check.
    fake.SetNow(2026, 12, 7, 7, 5);
    EXPECT_EQ((Sounds{"ring", "stop", "ring"}), FireAndListen(answerer));
    EXPECT_EQ(1u, answerer.dialogs.size());
    EXPECT_TRUE(Idle());

    // Set again, the alarm is what the page shows: nothing chosen, silent.
    fake.sounds.clear();
    Arm("12/7/26 07:00");
    EXPECT_EQ((std::vector<std::string>{
                  "You have not set any sound properties for the alarm.  Click the Properties Tab, if you wish "
                  "to have sound."}),
              Texts());
    EXPECT_TRUE(FireAndListen(answerer).empty());
}

TEST_F(AlarmWakeTest, AFailedWaveRingsOverItsReportUntilTheDiscStarts) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    form->UseWavChk->SetChecked(true);  // no file
    form->UseCDChk->SetChecked(true);
    Arm("12/7/26 07:00");
    Sounds atReport;
    fake.onMessageBox = [&] { atReport = SoundLog(); };
    EXPECT_EQ((Sounds{"ring", "stop"}), FireAndListen(answerer));
    EXPECT_EQ((Sounds{"ring"}), atReport);
    EXPECT_EQ((std::vector<std::string>{"No MCI device open."}), Texts());
    EXPECT_EQ(1u, devices.cd.Sent(mci::Play).size());
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());  // nothing left to stop after the answer
}

TEST_F(AlarmWakeTest, ACdPlayRefusedIsReportedAndRingsTheBuiltinSound) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    fake.mciErrors[1003] = "The CD drive is not ready.";
    form->UseCDChk->SetChecked(true);
    Arm("12/7/26 07:00");
    devices.cd.failures[mci::Play] = 1003;
    EXPECT_EQ((Sounds{"ring"}), FireAndListen(answerer));
    EXPECT_EQ((std::vector<std::string>{"The CD drive is not ready.."}), Texts());
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());
}

TEST_F(AlarmWakeTest, ADiscThatFailsWhileTheQuestionIsUpHandsOverToTheBuiltinSound) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    fake.mciErrors[mci::ErrHardware] = "The CD drive stopped answering.";
    bool failAfterPlay = true;
    FailAfterPlay(devices.cd, failAfterPlay);
    OverQuestion over;
    ListenOverQuestion(answerer, over);
    form->UseCDChk->SetChecked(true);
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_EQ("The CD drive stopped answering.", over.box);
    EXPECT_EQ((Sounds{"ring"}), over.heard);  // ringing before the box waits for its answer
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());

    // With a wave that played first, the alarm has made its sound: the
    // failure is reported and nothing more rings.
    fake.sounds.clear();
    over.box.clear();
    form->UseWavChk->SetChecked(true);
    form->WavFileEdt->SetText("C:\\SOUNDS\\BELL.WAV");
    form->SetBtnClick(form->SetBtn);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_EQ("The CD drive stopped answering.", over.box);
    EXPECT_TRUE(fake.sounds.empty());

    // A failure notice after the answer rings nothing either.
    failAfterPlay = false;
    form->UseWavChk->SetChecked(false);
    form->SetBtnClick(form->SetBtn);
    Tick();
    EXPECT_EQ(3, answerer.questions);
    auto play = devices.cd.Sent(mci::Play);
    ASSERT_EQ(3u, play.size());
    SendMessageA(reinterpret_cast<HWND>(play.back().callback), mci::MmMciNotify, mci::NotifyFailure, devices.cd.id);
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("The CD drive stopped answering.", answerer.dialogs[0].message);
    EXPECT_TRUE(fake.sounds.empty());
}

TEST_F(AlarmWakeTest, AWaveThatFailsWhileTheQuestionIsUpHandsOverToTheBuiltinSound) {
    Devices devices(fake);
    Answerer answerer;
    fake.mciErrors[mci::ErrHardware] = "The wave device stopped answering.";
    const bool failing = true;
    FailAfterPlay(devices.wave, failing);
    OverQuestion over;
    ListenOverQuestion(answerer, over);
    form->UseWavChk->SetChecked(true);
    form->WavFileEdt->SetText("C:\\SOUNDS\\BELL.WAV");
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_EQ("The wave device stopped answering.", over.box);
    EXPECT_EQ((Sounds{"ring"}), over.heard);
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());
}

TEST_F(AlarmWakeTest, BothSoundsFailingRingOnceAndARefusedRingIsRetriedButNotStopped) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    form->UseWavChk->SetChecked(true);  // no file
    form->UseCDChk->SetChecked(true);
    form->StartingTrackEdt->SetText("two");
    Arm("12/7/26 07:00");
    EXPECT_EQ((Sounds{"ring"}), FireAndListen(answerer));
    EXPECT_EQ(2u, fake.boxes.size());
    EXPECT_EQ((Sounds{"ring", "stop"}), SoundLog());

    // The system cannot play it either: tried again at each report and at
    // the question, and nothing to stop afterwards.
    fake.sounds.clear();
    fake.playSoundResult = false;
    form->SetBtnClick(form->SetBtn);
    EXPECT_EQ((Sounds{"ring", "ring", "ring"}), FireAndListen(answerer));
    EXPECT_EQ((Sounds{"ring", "ring", "ring"}), SoundLog());
    EXPECT_EQ(2, answerer.questions);
}

// ---- The execution state ----

TEST_F(AlarmWakeTest, TheMachineIsKeptAwakeOnlyWhileTheQuestionIsUp) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze, Answerer::Answer::CloseBox, Answerer::Answer::Awake};
    UseProgram();
    Arm("12/7/26 07:00");
    EXPECT_TRUE(fake.executionStates.empty());  // arming asks nothing of the kind
    std::vector<std::uint32_t> whileAsking;
    answerer.whileAsking = [&] { whileAsking.push_back(fake.executionState); };
    for (int minute : {0, 5, 10}) {
        fake.SetNow(2026, 12, 7, 7, minute);
        Tick();
    }
    ASSERT_EQ(3, answerer.questions);
    EXPECT_EQ((std::vector<std::uint32_t>{kAwake, kAwake, kAwake}), whileAsking);
    EXPECT_EQ((std::vector<std::uint32_t>{kAwake, ES_CONTINUOUS, kAwake, ES_CONTINUOUS, kAwake, ES_CONTINUOUS}),
              fake.executionStates);
    EXPECT_EQ(static_cast<std::uint32_t>(ES_CONTINUOUS), fake.executionState);
    // Ticks that find nothing due ask nothing.
    Tick();
    EXPECT_EQ(6u, fake.executionStates.size());
}

// ---- The wake-up timer ----

TEST_F(AlarmWakeTest, TheWakeTimerFollowsAOneShotThroughArmingSnoozingAndTheAnswer) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze, Answerer::Answer::Snooze, Answerer::Answer::Awake};
    UseProgram();
    EXPECT_FALSE(fake.wakeTimerSet);
    Arm("12/8/26 06:30");
    EXPECT_TRUE(WakeAt(2026, 12, 8, 6, 30)) << WakeText();
    // A new text armed over it moves it, also back in time and across a year.
    form->CurrentEdt->SetEnabled(true);
    Arm("1/1/27 00:00");
    EXPECT_TRUE(WakeAt(2027, 1, 1, 0, 0)) << WakeText();
    form->CurrentEdt->SetEnabled(true);
    Arm("12/7/26 07:00");
    EXPECT_TRUE(WakeAt(2026, 12, 7, 7, 0)) << WakeText();

    // Snoozed at 07:02:30: five minutes from the answer.
    fake.SetNow(2026, 12, 7, 7, 1);
    answerer.whileAsking = [&] { fake.SetNow(2026, 12, 7, 7, 2, 30); };
    Tick();
    EXPECT_TRUE(WakeAt(2026, 12, 7, 7, 7, 30)) << WakeText();
    // The ticks of the snooze (none comes between) fire again; snoozed
    // again at 07:58: 08:03.
    answerer.whileAsking = [&] { fake.SetNow(2026, 12, 7, 7, 58); };
    Tick();
    EXPECT_TRUE(WakeAt(2026, 12, 7, 8, 3)) << WakeText();
    // Set while snoozing goes back to the text's moment.
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(WakeAt(2026, 12, 7, 7, 0)) << WakeText();
    // Awake ends a one-shot: dropped.
    answerer.whileAsking = nullptr;
    Tick();
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(fake.wakeTimerSet);
    EXPECT_EQ(3, answerer.questions);
}

TEST_F(AlarmWakeTest, CancellingOrChangingTheKindOrQuittingDropsTheWakeTimer) {
    Answerer answerer;
    UseProgram();
    Arm("12/8/26 06:30");
    ASSERT_TRUE(fake.wakeTimerSet);
    form->CancelBtnClick(form->CancelBtn);
    EXPECT_FALSE(fake.wakeTimerSet);

    Arm("12/8/26 06:30");
    form->UseDailyChk->SetChecked(true);  // disarms
    EXPECT_FALSE(fake.wakeTimerSet);

    // Quitting: Cancel keeps the alarm and its timer, OK drops both.
    form->Show();
    Arm("06:30", true);
    ASSERT_TRUE(WakeAt(2026, 12, 8, 6, 30)) << WakeText();
    answerer.dialogButton = "Cancel";
    form->Close();
    EXPECT_TRUE(WakeAt(2026, 12, 8, 6, 30)) << WakeText();
    answerer.dialogButton = "OK";
    form->Close();
    EXPECT_EQ(2u, answerer.dialogs.size());
    EXPECT_FALSE(fake.wakeTimerSet);

    // Snoozing: the same.
    answerer.answers = {Answerer::Answer::Snooze};
    form->UseDailyChk->SetChecked(false);
    Arm("12/7/26 07:00");
    Tick();
    ASSERT_EQ(300000u, form->Clock->Interval());
    ASSERT_TRUE(fake.wakeTimerSet);
    form->CancelBtnClick(form->CancelBtn);
    EXPECT_FALSE(fake.wakeTimerSet);
}

TEST_F(AlarmWakeTest, ADailyWakeTimerIsTodayOrTomorrowAndMovesOnAfterEachFiring) {
    Answerer answerer;
    UseProgram();
    // Before its time: today; after it: tomorrow, across the month and year.
    fake.SetNow(2026, 12, 7, 7, 4);
    Arm("07:05", true);
    EXPECT_TRUE(WakeAt(2026, 12, 7, 7, 5)) << WakeText();
    fake.SetNow(2026, 12, 31, 23, 0);
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(WakeAt(2027, 1, 1, 7, 5)) << WakeText();
    fake.SetNow(2028, 2, 28, 8, 0);  // a leap year
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(WakeAt(2028, 2, 29, 7, 5)) << WakeText();

    // Answered awake: the next day's time.
    fake.SetNow(2026, 12, 7, 7, 4);
    form->SetBtnClick(form->SetBtn);
    fake.SetNow(2026, 12, 7, 7, 5, 2);
    Tick();
    ASSERT_EQ(1, answerer.questions);
    EXPECT_TRUE(WakeAt(2026, 12, 8, 7, 5)) << WakeText();
    fake.SetNow(2026, 12, 8, 7, 5, 1);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(WakeAt(2026, 12, 9, 7, 5)) << WakeText();
    // Watching ticks do not touch it.
    const int sets = fake.wakeTimerSets;
    fake.SetNow(2026, 12, 8, 12, 0);
    Tick();
    Tick();
    EXPECT_EQ(sets, fake.wakeTimerSets);
    // The clock set back before the last firing's day, before the alarm's
    // time: armed afresh, the machine is woken that day.
    fake.SetNow(2026, 12, 5, 6, 0);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(WakeAt(2026, 12, 5, 7, 5)) << WakeText();
}

TEST_F(AlarmWakeTest, ADailyAlarmSnoozedPastMidnightWakesAtTheSnoozesEndThenAtItsTime) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze};
    UseProgram();
    fake.SetNow(2026, 12, 7, 23, 57);
    Arm("23:58", true);
    EXPECT_TRUE(WakeAt(2026, 12, 7, 23, 58)) << WakeText();
    fake.SetNow(2026, 12, 7, 23, 58);
    Tick();
    EXPECT_TRUE(WakeAt(2026, 12, 8, 0, 3)) << WakeText();
    // The snooze's tick rings after midnight; answered awake, the machine
    // is woken at the new day's 23:58.
    fake.SetNow(2026, 12, 8, 0, 3);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(WakeAt(2026, 12, 8, 23, 58)) << WakeText();
}

TEST_F(AlarmWakeTest, ARefusedOrImpossibleWakeTimerLeavesTheAlarmAsItWas) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze};
    UseProgram();
    fake.setWakeTimerResult = false;
    Arm("12/7/26 07:00");
    EXPECT_EQ(1, fake.wakeTimerSets);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 07:00"));
    EXPECT_TRUE(fake.boxes.empty());
    Tick();
    EXPECT_EQ(1, answerer.questions);

    // Five minutes past the last day of the calendar: no timer, no error.
    fake.setWakeTimerResult = true;
    form->CancelBtnClick(form->CancelBtn);
    fake.SetNow(9999, 12, 31, 23, 56);
    answerer.answers = {Answerer::Answer::Snooze};
    Arm("12/31/9999 23:56");
    EXPECT_TRUE(WakeAt(9999, 12, 31, 23, 56)) << WakeText();
    Tick();
    EXPECT_EQ(300000u, form->Clock->Interval());
    EXPECT_FALSE(fake.wakeTimerSet);
    EXPECT_TRUE(fake.boxes.empty());
}

}  // namespace
