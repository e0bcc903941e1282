// The main window's alarm with its real windows: arming, the check at each
// tick, the firing with its actions and the snooze question, cancelling and
// the quit guard, under the settable clock, the recording launcher and
// message box, and scripted media devices.
#include "win32/AlarmFixture.h"

namespace {

const char kQuestion[] = "Awake yet ?";

class AlarmTest : public AlarmFixture {};

// ---- Arming ----

TEST_F(AlarmTest, SetArmsAValidTextAndRefusesAnInvalidOne) {
    UseProgram();
    Arm("12/7/26 8:30");
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 8:30"));
    EXPECT_EQ("Click on the \"Properties\" Tab to set Sound Properties for Alarm.", form->StatusBar->SimpleText());
    EXPECT_TRUE(fake.boxes.empty());

    // Not a date: the box, and the armed alarm stays as it was.
    form->CurrentEdt->SetText("tomorrow at eight");
    form->SetBtnClick(form->SetBtn);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ("Invalid Date/Time", fake.boxes[0].text);
    EXPECT_EQ("Error", fake.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), fake.boxes[0].flags);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 8:30"));

    // From idle: nothing changes either.
    form->CancelBtnClick(form->CancelBtn);
    form->CurrentEdt->SetText("13/45/26 07:05");
    form->SetBtnClick(form->SetBtn);
    EXPECT_EQ(2u, fake.boxes.size());
    EXPECT_TRUE(Idle());

    // A daily alarm is a time alone: a date and time is no daily alarm text.
    form->UseDailyChk->SetChecked(true);
    form->CurrentEdt->SetText("12/7/26 07:05");
    form->SetBtnClick(form->SetBtn);
    EXPECT_EQ(3u, fake.boxes.size());
    EXPECT_TRUE(Idle());
    Arm("07:10", true);
    EXPECT_TRUE(ArmedAs(3000, "Daily Alarm: 07:10"));
    EXPECT_EQ(3u, fake.boxes.size());
}

TEST_F(AlarmTest, ArmingWithoutAnyActionWarnsButArmsAllTheSame) {
    Arm("12/7/26 07:06");
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ("You have not set any sound properties for the alarm.  Click the Properties Tab, if you wish to have sound.",
              fake.boxes[0].text);
    EXPECT_EQ("Warning", fake.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONEXCLAMATION), fake.boxes[0].flags);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 07:06"));

    // The watch already runs while the warning is open.
    std::uint32_t intervalDuringBox = 0;
    fake.onMessageBox = [&] { intervalDuringBox = form->Clock->Interval(); };
    form->CancelBtnClick(nullptr);
    Arm("12/7/26 07:06");
    EXPECT_EQ(3000u, intervalDuringBox);
}

TEST_F(AlarmTest, ADailyAlarmArmedAfterItsTimeWaitsForTomorrow) {
    UseProgram();
    struct Case {
        int hour, minute, second;
        bool firesToday;
    } cases[] = {{7, 4, 0, true}, {7, 5, 0, true}, {7, 5, 30, false}, {23, 59, 59, false}, {0, 0, 0, true}};
    for (const Case& c : cases) {
        fake.SetNow(2026, 12, 7, c.hour, c.minute, c.second);
        Arm("07:05", true);
        EXPECT_TRUE(ArmedAs(3000, "Daily Alarm: 07:05"));
        EXPECT_EQ(c.firesToday ? 0.0 : datetime::MakeDate(2026, 12, 7), form->Alarm().LastFired()) << c.hour << ":" << c.minute;
    }
}

TEST_F(AlarmTest, CancelReturnsToIdleAndKeepsTheText) {
    UseProgram();
    for (bool daily : {false, true}) {
        fake.SetNow(2026, 12, 7, 8, 0);
        Arm(daily ? "07:05" : "12/8/26 07:05", daily);
        ASSERT_FALSE(Idle());
        form->CancelBtnClick(form->CancelBtn);
        EXPECT_TRUE(Idle());
        EXPECT_EQ(0.0, form->Alarm().LastFired());
        EXPECT_EQ(daily ? "07:05" : "12/8/26 07:05", form->CurrentEdt->GetText());
    }
    // The menu item runs the same operation.
    Arm("12/8/26 07:05");
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(form->Find<TMenuItem>("Cancel1")->Command(), 0), 0);
    EXPECT_TRUE(Idle());
}

// ---- Watching and firing ----

TEST_F(AlarmTest, APastOneShotFiresAtTheFirstTickAndAwakeEndsIt) {
    Answerer answerer;
    UseProgram("C:\\WAKE\\UP.EXE /loud");
    Arm("12/7/26 06:00");
    std::uint32_t intervalWhileAsking = 1;
    answerer.whileAsking = [&] { intervalWhileAsking = form->Clock->Interval(); };
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_EQ(0u, intervalWhileAsking);
    ASSERT_EQ(1u, fake.launched.size());
    EXPECT_EQ("C:\\WAKE\\UP.EXE /loud", fake.launched[0].first);
    EXPECT_EQ(1u, fake.launched[0].second);  // SW_SHOWNORMAL
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(SnoozeFrm->Visible());
    EXPECT_TRUE(fake.boxes.empty());

    // Idle: ticks find nothing to do.
    Tick();
    EXPECT_EQ(1, answerer.questions);
}

TEST_F(AlarmTest, AOneShotFiresAtItsMinuteAndNotBefore) {
    Answerer answerer;
    UseProgram();
    fake.SetNow(2026, 12, 7, 7, 4, 59, 999);
    Arm("12/7/26 07:05");
    Tick();
    EXPECT_EQ(0, answerer.questions);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 07:05"));
    // The day before at a later hour is not later.
    fake.SetNow(2026, 12, 6, 23, 0);
    Tick();
    EXPECT_EQ(0, answerer.questions);
    fake.SetNow(2026, 12, 7, 7, 5, 0);
    Tick();
    EXPECT_EQ(1, answerer.questions);

    // Before 30 December 1899 the values run backwards within a day; the
    // order in time is what counts.
    fake.SetNow(1899, 12, 29, 5, 0);
    Arm("12/29/1899 06:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    fake.SetNow(1899, 12, 29, 12, 0);
    Tick();
    EXPECT_EQ(2, answerer.questions);
}

TEST_F(AlarmTest, SnoozeStopsTheSoundAndTheWholeFiringComesBackFiveMinutesLater) {
    Devices devices(fake, {300, 300, 300});
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze, Answerer::Answer::Snooze, Answerer::Answer::Awake};
    form->UseCDChk->SetChecked(true);
    UseProgram();
    form->RemindersMmo->Lines().SetText("Take the bins out\r\n");
    Arm("12/7/26 07:00");
    ASSERT_TRUE(form->UseCDChk->Checked());

    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(ArmedAs(300000, "Alarm: 12/7/26 07:00"));
    EXPECT_EQ(1u, devices.cd.Sent(mci::Play).size());
    EXPECT_EQ(1u, devices.cd.Sent(mci::Stop).size());
    EXPECT_FALSE(RemindersFrm->Visible());  // never after a snooze

    // The snoozed alarm is still due: the next tick repeats everything.
    fake.SetNow(2026, 12, 7, 7, 10);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_EQ(2u, fake.launched.size());  // each snooze starts the program again
    EXPECT_EQ(2u, devices.cd.Sent(mci::Play).size());
    EXPECT_TRUE(ArmedAs(300000, "Alarm: 12/7/26 07:00"));

    // Set while snoozing goes back to watching; the alarm is due at once.
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 07:00"));
    Tick();
    EXPECT_EQ(3, answerer.questions);
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(RemindersFrm->Visible());
    EXPECT_EQ(3u, devices.cd.Sent(mci::Stop).size());
}

TEST_F(AlarmTest, TheCloseBoxRepeatsThePreviousAnswerAndCountsAsAwakeAtFirst) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::CloseBox, Answerer::Answer::Snooze, Answerer::Answer::CloseBox};
    UseProgram();
    Arm("12/7/26 07:00");
    Tick();  // nothing chosen since start-up: awake
    EXPECT_TRUE(Idle());

    form->SetBtnClick(form->SetBtn);
    Tick();  // snooze
    EXPECT_EQ(300000u, form->Clock->Interval());
    Tick();  // the close box: snooze again
    EXPECT_EQ(3, answerer.questions);
    EXPECT_TRUE(ArmedAs(300000, "Alarm: 12/7/26 07:00"));
    EXPECT_TRUE(SnoozeFrm->SnoozeChosen);
}

TEST_F(AlarmTest, ADailyAlarmAnsweredAwakeRestsUntilTheNextDay) {
    Answerer answerer;
    UseProgram();
    fake.SetNow(2026, 12, 7, 7, 4);
    Arm("07:05", true);
    Tick();
    EXPECT_EQ(0, answerer.questions);

    fake.SetNow(2026, 12, 7, 7, 5, 1);
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(ArmedAs(3000, "Daily Alarm: 07:05"));
    EXPECT_EQ(datetime::MakeDate(2026, 12, 7), form->Alarm().LastFired());

    // Fired today: later ticks do nothing until the next day's 07:05.
    fake.SetNow(2026, 12, 7, 7, 5, 4);
    Tick();
    fake.SetNow(2026, 12, 7, 23, 59, 59);
    Tick();
    fake.SetNow(2026, 12, 8, 7, 4, 59);
    Tick();
    EXPECT_EQ(1, answerer.questions);
    fake.SetNow(2026, 12, 8, 7, 5);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_EQ(datetime::MakeDate(2026, 12, 8), form->Alarm().LastFired());
}

TEST_F(AlarmTest, ADailyAlarmSnoozedOverMidnightRingsAtTheSnoozesEndForTheDayBefore) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze};
    UseProgram();
    fake.SetNow(2026, 12, 7, 23, 57);
    Arm("23:58", true);
    fake.SetNow(2026, 12, 7, 23, 58);
    Tick();
    EXPECT_TRUE(ArmedAs(300000, "Daily Alarm: 23:58"));
    EXPECT_EQ(0.0, form->Alarm().LastFired());
    // Answered awake after midnight: rested until the new day's time.
    fake.SetNow(2026, 12, 8, 0, 3);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(ArmedAs(3000, "Daily Alarm: 23:58"));
    EXPECT_EQ(datetime::MakeDate(2026, 12, 7), form->Alarm().LastFired());
    fake.SetNow(2026, 12, 8, 23, 57, 59);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    fake.SetNow(2026, 12, 8, 23, 58, 2);
    Tick();
    EXPECT_EQ(3, answerer.questions);
}

TEST_F(AlarmTest, AResumeFromSleepChecksTheAlarmAtOnce) {
    Answerer answerer;
    answerer.answers = {Answerer::Answer::Snooze};
    UseProgram();
    Arm("12/7/26 07:30");
    auto resume = [&](WPARAM event) { SendMessageA(form->Handle(), WM_POWERBROADCAST, event, 0); };
    fake.SetNow(2026, 12, 7, 7, 29);
    resume(PBT_APMRESUMEAUTOMATIC);
    EXPECT_EQ(0, answerer.questions);
    fake.SetNow(2026, 12, 7, 7, 30);
    resume(PBT_APMSUSPEND);  // going to sleep checks nothing
    EXPECT_EQ(0, answerer.questions);
    resume(PBT_APMRESUMEAUTOMATIC);
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(ArmedAs(300000, "Alarm: 12/7/26 07:30"));
    // Snoozing: rings on resume once the five minutes are over.
    resume(PBT_APMRESUMESUSPEND);
    EXPECT_EQ(1, answerer.questions);
    fake.SetNow(2026, 12, 7, 7, 35);
    resume(PBT_APMRESUMESUSPEND);
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(Idle());
}

TEST_F(AlarmTest, RemindersShowAfterAwakeOnlyWhenTheMemoHasALine) {
    Answerer answerer;
    UseProgram();
    auto* shown = RemindersFrm->Find<TMemo>("RemindersMmo");
    shown->Lines().SetText("old line\r\n");

    // No line: no window.
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_FALSE(RemindersFrm->Visible());
    EXPECT_EQ("old line\r\n", shown->Lines().Text());

    // A line break alone is one empty line.
    form->RemindersMmo->Lines().SetText("\r\n");
    form->SetBtnClick(form->SetBtn);
    Tick();
    EXPECT_TRUE(RemindersFrm->Visible());
    EXPECT_EQ(1, shown->Lines().Count());
    EXPECT_EQ("", shown->Lines()[0]);

    // Exactly the lines, as an independent copy.
    form->RemindersMmo->Lines().SetText("Call Mum\r\nDentist 10:30\r\nBuy milk");
    form->SetBtnClick(form->SetBtn);
    Tick();
    EXPECT_EQ((std::vector<std::string>{"Call Mum", "Dentist 10:30", "Buy milk"}), shown->Lines().ToVector());
    shown->Lines().Add("my own");
    EXPECT_EQ(3, form->RemindersMmo->Lines().Count());
}

TEST_F(AlarmTest, TicksThroughTheRealTimerFireAndOneFiringRunsAtATime) {
    // The disc is gone by the time the alarm fires: the error dialog of the
    // check is open while ticks keep coming.
    Devices devices(fake, {200, 200});
    Answerer answerer;
    form->UseCDChk->SetChecked(true);
    UseProgram();
    devices.cd.tracksMs.clear();
    Arm("12/7/26 07:00");
    answerer.whileDialog = [&] {
        if (answerer.dialogs.size() > 1) return;  // bounded, should the guard fail
        Tick();
        Tick();
    };
    // Through the timer's own message: the binding of OnTimer counts too.
    PostMessageA(form->Clock->WindowHandle(), WM_TIMER, 1, 0);
    Application->ProcessMessages();
    for (int i = 0; i < 200 && answerer.questions == 0; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application->ProcessMessages();
    }
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("Cannot find CD in CD-ROM", answerer.dialogs[0].message);
    EXPECT_EQ(1, answerer.questions);
    EXPECT_EQ(1u, fake.launched.size());  // the firing went on without the CD
    EXPECT_FALSE(form->UseCDChk->Checked());
    EXPECT_EQ("Alarm uses  .EXE", form->PropertiesEdt->GetText());
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(form->Firing());
}

TEST_F(AlarmTest, TheWavePlaysFirstThenTheCdFromItsStartingTrack) {
    Devices devices(fake, std::vector<std::uint32_t>(12, 180));
    Answerer answerer;
    form->UseWavChk->SetChecked(true);
    form->WavFileEdt->SetText("C:\\SOUNDS\\BELL.WAV");
    form->UseCDChk->SetChecked(true);
    form->StartingTrackEdt->SetText(" 3");
    Arm("12/7/26 07:00");
    EXPECT_TRUE(fake.boxes.empty());
    devices.order.clear();
    Tick();
    ASSERT_EQ(1, answerer.questions);

    // The wave from its start, waiting for its end because the CD follows;
    // then the disc checked again, rewound, stepped twice and played.
    EXPECT_EQ((std::vector<std::string>{"wave seek", "wave play", "cd close", "cd open", "cd seek", "cd seek",
                                        "cd seek", "cd play", "wave stop", "cd stop"}),
              devices.Commands());
    auto wavePlay = devices.wave.Sent(mci::Play);
    ASSERT_EQ(1u, wavePlay.size());
    EXPECT_TRUE(wavePlay[0].flags & mci::Wait);
    auto seeks = devices.cd.Sent(mci::Seek);
    ASSERT_EQ(3u, seeks.size());
    EXPECT_TRUE(seeks[0].flags & mci::SeekToStart);
    EXPECT_EQ(mci::MakeTmsf(2, 0, 0, 0), seeks[1].to);
    EXPECT_EQ(mci::MakeTmsf(3, 0, 0, 0), seeks[2].to);
    auto cdPlay = devices.cd.Sent(mci::Play);
    ASSERT_EQ(1u, cdPlay.size());
    EXPECT_TRUE(cdPlay[0].flags & mci::Notify);
    EXPECT_FALSE(cdPlay[0].flags & (mci::Wait | mci::From));
    EXPECT_TRUE(fake.boxes.empty());

    // Without the CD the wave starts and the firing goes on at once.
    form->UseCDChk->SetChecked(false);
    UseProgram();
    form->SetBtnClick(form->SetBtn);
    Tick();
    wavePlay = devices.wave.Sent(mci::Play);
    ASSERT_EQ(2u, wavePlay.size());
    EXPECT_FALSE(wavePlay[1].flags & mci::Wait);
}

TEST_F(AlarmTest, StartingTracksBeyondTheDiscOrBelowOneNeedNoSteps) {
    Devices devices(fake, std::vector<std::uint32_t>(12, 180));
    Answerer answerer;
    form->UseCDChk->SetChecked(true);
    struct Case {
        const char* track;
        std::size_t forward;  // seeks after the rewind
        std::uint32_t playsFromTrack;
    } cases[] = {{"1", 0, 1}, {"0", 0, 1}, {"-7", 0, 1}, {"$C", 11, 12}, {"13", 11, 12}, {"2000000000", 11, 12}};
    for (const Case& c : cases) {
        form->StartingTrackEdt->SetText(c.track);
        std::size_t before = devices.cd.Sent(mci::Seek).size();
        Arm("12/7/26 07:00");
        Tick();
        EXPECT_EQ(before + 1 + c.forward, devices.cd.Sent(mci::Seek).size()) << c.track;
        EXPECT_EQ(devices.cd.TrackStartMs(c.playsFromTrack), devices.cd.positionMs) << c.track;
    }
    EXPECT_EQ(6, answerer.questions);
}

TEST_F(AlarmTest, AnActionThatCannotStartIsReportedAndTheRestGoesOn) {
    Devices devices(fake, {200, 200, 200});
    Answerer answerer;
    // "Use .wav" with no wave file open, and a starting track that is no number.
    form->UseWavChk->SetChecked(true);
    form->UseCDChk->SetChecked(true);
    form->StartingTrackEdt->SetText("two");
    UseProgram();
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ((std::vector<std::string>{"No MCI device open.", "'two' is not a valid integer value."}), Texts());
    for (const auto& box : fake.boxes) {
        EXPECT_EQ("Alarm: 12/7/26 07:00", box.caption);
        EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), box.flags);
    }
    EXPECT_TRUE(devices.cd.Sent(mci::Play).empty());
    EXPECT_EQ(1u, fake.launched.size());
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(Idle());  // never left at 3000 ms meeting the same error
}

TEST_F(AlarmTest, AnArmedTextThatNoLongerReadsStillFiresAtItsMomentWithoutReports) {
    Answerer answerer;
    UseProgram();
    Arm("12/7/26 07:30");
    EXPECT_EQ(datetime::MakeDate(2026, 12, 7) + datetime::MakeTime(7, 30, 0, 0), form->Alarm().AlarmAt());
    // New locale settings after arming: dates are written with full stops.
    datetime::Formats().DateSepChar = '.';
    datetime::Formats().DatePatternShort = "d.m.yy";
    fake.SetNow(2026, 12, 7, 7, 29, 59);
    Tick();
    EXPECT_EQ(0, answerer.questions);
    fake.SetNow(2026, 12, 7, 8, 0);
    Tick();
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(Idle());
    // Set again reads the text under the new settings, which refuse it.
    Arm("12/7/26 07:30");
    EXPECT_EQ((std::vector<std::string>{"Invalid Date/Time"}), Texts());
    EXPECT_TRUE(Idle());
}

TEST_F(AlarmTest, QuittingAsksOnlyWhileAnAlarmIsSet) {
    Answerer answerer;
    form->Show();
    TCloseAction action = TCloseAction::caFree;
    form->FormClose(form, action);
    EXPECT_EQ(TCloseAction::caFree, action);
    EXPECT_TRUE(answerer.dialogs.empty());

    UseProgram();
    Arm("12/8/26 07:00");
    answerer.dialogButton = "Cancel";
    form->Close();
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("Confirm", answerer.dialogs[0].caption);
    EXPECT_EQ("An alarm has been set.  Are you sure you want to quit ?", answerer.dialogs[0].message);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/8/26 07:00"));

    answerer.dialogButton = "OK";
    form->Close();
    EXPECT_EQ(2u, answerer.dialogs.size());
    EXPECT_FALSE(form->Visible());

    // Snoozing counts as set.
    answerer.dialogButton = "Cancel";
    answerer.answers = {Answerer::Answer::Snooze};
    form->CurrentEdt->SetEnabled(true);
    Arm("12/7/26 07:00");
    Tick();
    action = TCloseAction::caHide;
    form->FormClose(form, action);
    EXPECT_EQ(TCloseAction::caNone, action);
    EXPECT_EQ(3u, answerer.dialogs.size());
}

// ---- Properties and actions ----

TEST_F(AlarmTest, TheSummaryNamesTheChosenActions) {
    EXPECT_EQ("Silent Alarm:  No Properties Set.", form->PropertiesEdt->GetText());
    Devices devices(fake, {100, 100});
    struct Case {
        bool cd, wave, program;
        const char* summary;
    } cases[] = {
        {false, false, true, "Alarm uses  .EXE"},
        {false, true, false, "Alarm uses  .Wav"},
        {false, true, true, "Alarm uses  .Wav .EXE"},
        {true, false, false, "Alarm uses CD "},
        {true, false, true, "Alarm uses CD  .EXE"},
        {true, true, false, "Alarm uses CD  .Wav"},
        {true, true, true, "Alarm uses CD  .Wav .EXE"},
        {false, false, false, "Silent Alarm:  No Sound Properties Set."},
    };
    for (const Case& c : cases) {
        // Set through the boxes, each raising its own click.
        form->UseCDChk->SetChecked(c.cd);
        form->UseWavChk->SetChecked(c.wave);
        form->UseExeChk->SetChecked(c.program);
        EXPECT_EQ(c.summary, form->PropertiesEdt->GetText());
    }
}

TEST_F(AlarmTest, UseCdChecksForADiscWithMoreThanOneTrack) {
    Answerer answerer;
    Devices devices(fake);
    for (std::size_t tracks : {0u, 1u}) {
        devices.cd.MakeCd(std::vector<std::uint32_t>(tracks, 2400));
        form->UseCDChk->SetChecked(true);
        ASSERT_EQ(tracks + 1, answerer.dialogs.size());
        EXPECT_EQ("Error", answerer.dialogs.back().caption);
        EXPECT_EQ("Cannot find CD in CD-ROM", answerer.dialogs.back().message);
        EXPECT_FALSE(form->UseCDChk->Checked());
        EXPECT_FALSE(form->StartingTrackBar->Enabled());
        EXPECT_FALSE(form->StartingTrackEdt->Enabled());
        EXPECT_EQ("Silent Alarm:  No Sound Properties Set.", form->PropertiesEdt->GetText());
    }

    // No CD audio device at all: the same, and no second report.
    devices.cd.MakeCd({300, 300});
    devices.cd.failures[mci::Open] = 266;
    form->UseWavChk->SetChecked(true);
    form->UseCDChk->SetChecked(true);
    EXPECT_EQ(3u, answerer.dialogs.size());
    EXPECT_EQ("Cannot find CD in CD-ROM", answerer.dialogs.back().message);
    EXPECT_FALSE(form->UseCDChk->Checked());
    EXPECT_EQ("Alarm uses  .Wav", form->PropertiesEdt->GetText());
    EXPECT_TRUE(fake.boxes.empty());

    // Twelve tracks: the range follows the disc and the controls open.
    devices.cd.failures.clear();
    devices.cd.log.clear();
    devices.cd.MakeCd(std::vector<std::uint32_t>(12, 200));
    form->UseCDChk->SetChecked(true);
    EXPECT_EQ(3u, answerer.dialogs.size());
    EXPECT_TRUE(form->UseCDChk->Checked());
    EXPECT_TRUE(form->StartingTrackBar->Enabled());
    EXPECT_TRUE(form->StartingTrackEdt->Enabled());
    EXPECT_EQ(1, form->StartingTrackBar->Min());
    EXPECT_EQ(12, form->StartingTrackBar->Max());
    auto opens = devices.cd.Sent(mci::Open);
    ASSERT_EQ(1u, opens.size());
    EXPECT_EQ("CDAudio", opens[0].deviceType);
    EXPECT_TRUE(opens[0].flags & mci::OpenShareable);
    EXPECT_FALSE(opens[0].flags & mci::Wait);

    // The user moves the bar to 5 (the program's own set raises nothing).
    form->StartingTrackBar->SetPosition(5);
    EXPECT_EQ("1", form->StartingTrackEdt->GetText());
    form->StartingTrackBarChange(form->StartingTrackBar);
    EXPECT_EQ("5", form->StartingTrackEdt->GetText());
    EXPECT_EQ(2u, devices.cd.Sent(mci::Open).size());  // each move checks the disc again

    // Unchecking leaves the starting-track controls as they were.
    form->UseCDChk->SetChecked(false);
    EXPECT_TRUE(form->StartingTrackBar->Enabled());
    EXPECT_TRUE(form->StartingTrackEdt->Enabled());
    EXPECT_EQ("Alarm uses  .Wav", form->PropertiesEdt->GetText());
}

TEST_F(AlarmTest, ACdCommandThatFailsShowsTheDevicesOwnText) {
    Devices devices(fake, {200, 200});
    Answerer answerer;
    fake.mciErrors[1001] = "The CD drive stopped answering.";
    form->UseCDChk->SetChecked(true);
    UseProgram();
    Arm("12/7/26 07:00");
    Tick();
    ASSERT_EQ(1, answerer.questions);
    // A later play is refused and its failure notified as well: the box
    // names the refusal, read after the mode query on the notification.
    devices.cd.failures[mci::Play] = 1001;
    form->CDPlayer->Play();
    devices.cd.failures.clear();
    HWND callback = form->CDPlayer->Handle();
    devices.cd.log.clear();
    SendMessageA(callback, mci::MmMciNotify, mci::NotifyFailure, devices.cd.id);
    EXPECT_FALSE(devices.cd.Sent(mci::Status).empty());
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("Error", answerer.dialogs[0].caption);
    EXPECT_EQ("The CD drive stopped answering.", answerer.dialogs[0].message);

    // A successful end says nothing.
    devices.cd.statusFailures.clear();
    SendMessageA(callback, mci::MmMciNotify, mci::NotifySuccessful, devices.cd.id);
    SendMessageA(callback, mci::MmMciNotify, mci::NotifyAborted, devices.cd.id);
    EXPECT_EQ(1u, answerer.dialogs.size());
}

TEST_F(AlarmTest, TheWaveDeviceFollowsTheFileNamedInTheBox) {
    Devices devices(fake);
    form->UseWavChk->SetChecked(true);
    EXPECT_TRUE(form->WavPlayer->Enabled());
    EXPECT_TRUE(form->WavFileEdt->Enabled());
    EXPECT_TRUE(form->FindWavBtn->Enabled());

    std::string filterSeen;
    TOpenDialog::SetExecuteHook([&](OPENFILENAMEA& ofn) {
        filterSeen.assign(ofn.lpstrFilter, 40);
        std::strcpy(ofn.lpstrFile, "C:\\SOUNDS\\ROOSTER.WAV");
        return true;
    });
    form->FindWavBtnClick(form->FindWavBtn);
    EXPECT_EQ(std::string("Wave Audio Files (*.wav)\0*.wav\0\0", 32), filterSeen.substr(0, 32));
    EXPECT_EQ("C:\\SOUNDS\\ROOSTER.WAV", form->WavFileEdt->GetText());
    auto opens = devices.wave.Sent(mci::Open);
    ASSERT_EQ(1u, opens.size());
    EXPECT_EQ("C:\\SOUNDS\\ROOSTER.WAV", opens[0].element);
    EXPECT_EQ("(null)", opens[0].deviceType);
    EXPECT_EQ("C:\\SOUNDS\\ROOSTER.WAV", form->WavPlayer->FileName());

    // A path the device cannot open is reported; the device stays closed.
    devices.wave.failures[mci::Open] = 275;
    form->WavFileEdt->SetText("C:\\SOUNDS\\ROO");
    EXPECT_EQ(1u, devices.wave.Sent(mci::Close).size());
    EXPECT_EQ((std::vector<std::string>{
                  // The report's full stop comes whatever the text ends with.
                  "Cannot find the specified file. Make sure the path and filename are correct.."}),
              Texts());
    EXPECT_EQ(0u, form->WavPlayer->DeviceID());

    // A cancelled dialog changes nothing.
    TOpenDialog::SetExecuteHook([](OPENFILENAMEA&) { return false; });
    form->FindWavBtnClick(form->FindWavBtn);
    EXPECT_EQ("C:\\SOUNDS\\ROO", form->WavFileEdt->GetText());
    EXPECT_EQ(1u, fake.boxes.size());

    form->UseWavChk->SetChecked(false);
    EXPECT_FALSE(form->WavPlayer->Enabled());
    EXPECT_FALSE(form->WavFileEdt->Enabled());
    EXPECT_FALSE(form->FindWavBtn->Enabled());
}

TEST_F(AlarmTest, RunStartsTheWholeCommandLineOnlyWithUseExe) {
    EXPECT_FALSE(form->RunBtn->Enabled());
    form->ExeEdt->SetText("N");
    EXPECT_TRUE(form->RunBtn->Enabled());  // text alone decides, not "Use .exe"
    form->ExeEdt->SetText("");
    EXPECT_FALSE(form->RunBtn->Enabled());

    form->ExeEdt->SetText("NOTEPAD.EXE C:\\TODO.TXT");
    form->RunBtn->Click();
    EXPECT_TRUE(fake.launched.empty());

    form->UseExeChk->SetChecked(true);
    EXPECT_TRUE(form->ExeEdt->Enabled());
    EXPECT_TRUE(form->FindExeBtn->Enabled());
    form->RunBtn->Click();
    ASSERT_EQ(1u, fake.launched.size());
    EXPECT_EQ("NOTEPAD.EXE C:\\TODO.TXT", fake.launched[0].first);
    EXPECT_EQ(1u, fake.launched[0].second);

    // Far beyond 255 characters, whole; a failed start is reported with the
    // line cut short.
    std::string longLine = "C:\\TOOLS\\RUN.EXE " + std::string(600, 'a') + " end";
    form->ExeEdt->SetText(longLine);
    fake.execResult = 2;
    form->RunBtn->Click();
    ASSERT_EQ(2u, fake.launched.size());
    EXPECT_EQ(longLine, fake.launched[1].first);
    EXPECT_EQ((std::vector<std::string>{"Could not start the program \"" + longLine.substr(0, 100) + "...\"."}),
              Texts());
    fake.boxes.clear();

    // Unchecked again: the button stays enabled and does nothing.
    form->UseExeChk->SetChecked(false);
    EXPECT_TRUE(form->RunBtn->Enabled());
    EXPECT_FALSE(form->ExeEdt->Enabled());
    form->RunBtn->Click();
    EXPECT_EQ(2u, fake.launched.size());

    // Browse offers programs and fills the box.
    TOpenDialog::SetExecuteHook([](OPENFILENAMEA& ofn) {
        std::strcpy(ofn.lpstrFile, "C:\\GAMES\\WAKE.EXE");
        return true;
    });
    form->FindExeBtnClick(form->FindExeBtn);
    EXPECT_EQ("Programs (*.exe)|*.exe", form->OpenFileDlg->Filter());
    EXPECT_EQ("C:\\GAMES\\WAKE.EXE", form->ExeEdt->GetText());
}

TEST_F(AlarmTest, AWavePathTypedKeyByKeyOpensOnceWhenTheBoxIsLeftAndAPasteAtOnce) {
    Devices devices(fake);
    const std::string path = "C:\\A.WAV";
    form->UseWavChk->SetChecked(true);
    form->Show();
    SetFocus(form->WavFileEdt->Handle());
    for (char c : path) SendMessageA(form->WavFileEdt->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);

    // Every key in the box, nothing opened or reported yet.
    EXPECT_EQ(path, form->WavFileEdt->GetText());
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(devices.wave.Sent(mci::Open).empty());
    SendMessageA(form->WavFileEdt->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(path, form->WavPlayer->FileName());
    EXPECT_NE(0u, form->WavPlayer->DeviceID());
    EXPECT_EQ(1u, devices.wave.Sent(mci::Open).size());
    EXPECT_TRUE(fake.boxes.empty());

    // Backspace: the device closes at once; the shorter name waits.
    SendMessageA(form->WavFileEdt->Handle(), WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(0u, form->WavPlayer->DeviceID());
    EXPECT_EQ(1u, devices.wave.Sent(mci::Open).size());

    // A paste opens at once.
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 2);
    std::memcpy(GlobalLock(mem), "V", 2);
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
    SendMessageA(form->WavFileEdt->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(path, form->WavFileEdt->GetText());
    EXPECT_EQ(2u, devices.wave.Sent(mci::Open).size());
}

TEST_F(AlarmTest, TheStartingTrackFollowsTheBarMovedByKeysAndMouse) {
    Devices devices(fake, std::vector<std::uint32_t>(12, 200));
    form->UseCDChk->SetChecked(true);
    ASSERT_TRUE(form->StartingTrackBar->Enabled());
    form->ControlsNbk->SetPageIndex(1);
    form->Show();
    HWND bar = form->StartingTrackBar->Handle();
    SetFocus(bar);

    // The arrow keys, as the system delivers them to the focused bar.
    SendMessageA(bar, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(bar, WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(2, form->StartingTrackBar->Position());
    EXPECT_EQ("2", form->StartingTrackEdt->GetText());
    SendMessageA(bar, WM_KEYDOWN, VK_END, 0);
    SendMessageA(bar, WM_KEYUP, VK_END, 0);
    EXPECT_EQ("12", form->StartingTrackEdt->GetText());

    // A click left of the thumb pages back towards the start.
    RECT r;
    GetClientRect(bar, &r);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 12, r.bottom / 2));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 12, r.bottom / 2));
    EXPECT_LT(form->StartingTrackBar->Position(), 12);
    EXPECT_EQ(std::to_string(form->StartingTrackBar->Position()), form->StartingTrackEdt->GetText());
    EXPECT_TRUE(fake.boxes.empty());
}

// ---- The alarm setting and its text ----

TEST_F(AlarmTest, CreationPresetsTheSlidersAndWritesTheFirstText) {
    EXPECT_EQ(7, form->HourBar->Position());
    EXPECT_EQ(5, form->MinuteBar->Position());
    EXPECT_EQ("12/7/26 07:05", form->CurrentEdt->GetText());
    EXPECT_EQ("7 December, 2026", form->MonthNamePnl->Caption());
    EXPECT_EQ(0.0, form->Alarm().LastFired());
    EXPECT_EQ(0u, form->Clock->Interval());
    EXPECT_TRUE(form->CurrentEdt->Enabled());
    EXPECT_EQ("Dawnbell", form->Caption());

    MakeForm(2027, 1, 5, 23, 59, 59);
    EXPECT_EQ(23, form->HourBar->Position());
    EXPECT_EQ(59, form->MinuteBar->Position());
    EXPECT_EQ("1/5/27 23:59", form->CurrentEdt->GetText());
    EXPECT_EQ("5 January, 2027", form->MonthNamePnl->Caption());
}

TEST_F(AlarmTest, TheMonthArrowsStepTheCalendarAndRefuseAMissingDay) {
    form->DayCal->SetDay(15);
    form->MonthSelDownClick(form->MonthSel);
    EXPECT_EQ(datetime::MakeDate(2027, 1, 15), form->DayCal->SelectedDate());
    EXPECT_EQ("15 January, 2027", form->MonthNamePnl->Caption());
    EXPECT_EQ("1/15/27 07:05", form->CurrentEdt->GetText());
    form->MonthSelUpClick(form->MonthSel);
    EXPECT_EQ(datetime::MakeDate(2026, 12, 15), form->DayCal->SelectedDate());
    EXPECT_EQ("12/15/26 07:05", form->CurrentEdt->GetText());
    form->MonthSelUpClick(form->MonthSel);
    EXPECT_EQ(datetime::MakeDate(2026, 11, 15), form->DayCal->SelectedDate());

    // 31 January has no February counterpart: refused, nothing changes.
    form->DayCal->SetMonth(1);
    form->DayCal->SetDay(31);
    ASSERT_EQ(datetime::MakeDate(2026, 1, 31), form->DayCal->SelectedDate());
    form->CurrentEdt->SetText("typed");
    try {
        form->MonthSelDownClick(form->MonthSel);
        ADD_FAILURE() << "the step to February was not refused";
    } catch (const EConvertError& e) {
        EXPECT_EQ("Invalid argument to date encode", e.Message());
    }
    EXPECT_EQ(datetime::MakeDate(2026, 1, 31), form->DayCal->SelectedDate());
    EXPECT_EQ("typed", form->CurrentEdt->GetText());

    // Through the arrow itself the error reaches the report.
    form->Show();
    HWND spin = form->MonthSel->Handle();
    RECT r;
    GetClientRect(spin, &r);
    LPARAM lowerArrow = MAKELPARAM(r.right / 2, r.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, lowerArrow);
    SendMessageA(spin, WM_LBUTTONUP, 0, lowerArrow);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ("Invalid argument to date encode.", fake.boxes[0].text);
    EXPECT_EQ("DawnbellTests", fake.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), fake.boxes[0].flags);
    EXPECT_EQ(datetime::MakeDate(2026, 1, 31), form->DayCal->SelectedDate());

    // From the 28th the step works.
    form->DayCal->SetDay(28);
    form->MonthSelDownClick(form->MonthSel);
    EXPECT_EQ(datetime::MakeDate(2026, 2, 28), form->DayCal->SelectedDate());
    EXPECT_EQ("2/28/26 07:05", form->CurrentEdt->GetText());
}

TEST_F(AlarmTest, TheDailySwitchDisarmsAndChangesTheTextsForm) {
    UseProgram();
    Arm("12/7/26 09:00");
    form->UseDailyChk->SetChecked(true);
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(form->DailyAlarmPnl->Visible());
    EXPECT_EQ("07:05", form->CurrentEdt->GetText());

    form->SetBtnClick(form->SetBtn);
    fake.SetNow(2026, 12, 7, 8, 0);
    form->SetBtnClick(form->SetBtn);
    ASSERT_EQ(datetime::MakeDate(2026, 12, 7), form->Alarm().LastFired());
    form->UseDailyChk->SetChecked(false);
    EXPECT_TRUE(Idle());
    EXPECT_EQ(0.0, form->Alarm().LastFired());
    EXPECT_FALSE(form->DailyAlarmPnl->Visible());
    EXPECT_EQ("12/7/26 07:05", form->CurrentEdt->GetText());
}

TEST_F(AlarmTest, ATypedTextLastsUntilTheNextChangeAndArmedTextsDoNotMove) {
    UseProgram();
    form->CurrentEdt->SetText("1/2/27 6:45");
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 1/2/27 6:45"));

    // Armed: the controls move only the month caption.
    form->HourBar->SetPosition(9);
    form->SetCurrentStr(form->HourBar);
    form->DayCal->SetDay(20);
    EXPECT_EQ("1/2/27 6:45", form->CurrentEdt->GetText());
    EXPECT_EQ("20 December, 2026", form->MonthNamePnl->Caption());

    // Cancelled: the text stays until a control changes.
    form->CancelBtnClick(form->CancelBtn);
    EXPECT_EQ("1/2/27 6:45", form->CurrentEdt->GetText());
    form->MinuteBar->SetPosition(30);
    form->SetCurrentStr(form->MinuteBar);
    EXPECT_EQ("12/20/26 09:30", form->CurrentEdt->GetText());
}

TEST_F(AlarmTest, TheStatusBarFollowsTheNotebookPage) {
    const std::string settingsText = "Use Calendar + Sliders to set Time.  Click \"Set!\" Button to Activate.";
    EXPECT_EQ(settingsText, form->StatusBar->SimpleText());
    UseProgram();
    Arm("12/8/26 07:00");
    EXPECT_NE(settingsText, form->StatusBar->SimpleText());
    form->ControlsNbk->SetPageIndex(1);
    EXPECT_EQ("Set the Sound Properties for the Alarm.", form->StatusBar->SimpleText());
    form->ControlsNbk->SetPageIndex(0);
    EXPECT_EQ(settingsText, form->StatusBar->SimpleText());
}

TEST_F(AlarmTest, AfterTheLocaleBroadcastTextsTakeTheLongTimeFormAndStillArm) {
    // The system switches to a 12-hour clock without leading zeros.
    fake.locale[datetime::localeitems::kITime] = "0";
    fake.locale[datetime::localeitems::kITLZero] = "0";
    fake.locale[datetime::localeitems::kS1159] = "AM";
    fake.locale[datetime::localeitems::kS2359] = "PM";
    Application->OnSettingChange = [] { datetime::LoadFormatSettings(); };
    SendMessageA(Application->Handle(), WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl"));
    Application->OnSettingChange = nullptr;

    // The text on screen stays until a control changes; then the new form.
    EXPECT_EQ("12/7/26 07:05", form->CurrentEdt->GetText());
    form->HourBar->SetPosition(19);
    form->SetCurrentStr(form->HourBar);
    EXPECT_EQ("12/7/26 7:05:00 PM", form->CurrentEdt->GetText());
    form->UseDailyChk->SetChecked(true);
    EXPECT_EQ("7:05:00 PM", form->CurrentEdt->GetText());
    form->UseDailyChk->SetChecked(false);

    // That text reads back as what it says: armed, due at 19:05 and not before.
    Answerer answerer;
    UseProgram();
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 12/7/26 7:05:00 PM"));
    fake.SetNow(2026, 12, 7, 19, 4, 59);
    Tick();
    EXPECT_EQ(0, answerer.questions);
    fake.SetNow(2026, 12, 7, 19, 5, 0);
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(fake.boxes.empty());
}

}  // namespace
