// Bad input and faults around the main window's alarm: texts that do not
// read, the edges of the calendar and the clock, the clock and the locale
// changing under an armed alarm, launching programs that cannot start, the
// snooze question closed from the keyboard and a very long reminder list;
// then the real media control interface with a wave file that is corrupt or
// deleted after it was chosen, and a machine without a CD drive.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/AlarmFixture.h"
#include "win32/WaveCapture.h"

namespace {

namespace li = datetime::localeitems;

const char kInvalid[] = "Invalid Date/Time";

class ReliabilityTest : public AlarmFixture {
protected:
    // Set pressed on a text from idle: true when it armed. A refused text
    // leaves the window idle with one error box more.
    bool Arms(const std::string& text, bool daily = false) {
        std::size_t boxes = fake.boxes.size();
        Arm(text, daily);
        if (fake.boxes.size() == boxes) {
            bool armed = ArmedAs(3000, (daily ? "Daily Alarm: " : "Alarm: ") + text);
            form->CancelBtnClick(form->CancelBtn);
            return armed;
        }
        EXPECT_EQ(boxes + 1, fake.boxes.size()) << text.substr(0, 40);
        EXPECT_EQ(kInvalid, fake.boxes.back().text) << text.substr(0, 40);
        EXPECT_EQ("Error", fake.boxes.back().caption);
        EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), fake.boxes.back().flags);
        EXPECT_TRUE(form->Clock->Interval() == 0 && form->CurrentEdt->Enabled()) << text.substr(0, 40);
        return false;
    }
    // The clock reads the moment, then one tick of the watch.
    void TickAt(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
        fake.SetNow(y, mo, d, h, mi, s, ms);
        Tick();
    }
};

// ---- Alarm texts ----

TEST_F(ReliabilityTest, EveryUnreadableTextIsRefusedWithOneBoxAndArmsNothing) {
    UseProgram();
    const std::vector<std::string> oneShot = {
        "", "   ", "tomorrow at eight", "07:05",  // a time alone is no date
        "12/7/26 25:00", "12/7/26 7:60", "12/7/26 0:30 pm", "12/7/26 13:00 pm", "13/7/26 07:05", "0/7/26 07:05",
        "12/0/26 07:05", "12/32/26 07:05", "12-7-26 07:05", "12.7.26 07:05", "12/7/26 07:", "\t12/7/26 07:05",
        "12/7/", "1/1/12345 07:00", std::string(10000, 'x'), std::string(10000, '1')};
    for (const std::string& text : oneShot) EXPECT_FALSE(Arms(text)) << text.substr(0, 40);
    const std::vector<std::string> daily = {"", "12/7/26 07:05", "24:00", "7:60", "7:05 x", "7:", "-7:05",
                                            "0:30 am", std::string(10000, '7')};
    for (const std::string& text : daily) EXPECT_FALSE(Arms(text, true)) << text.substr(0, 40);
    EXPECT_EQ(oneShot.size() + daily.size(), fake.boxes.size());

    // Read as far as a time, the rest is not looked at; blanks are allowed.
    EXPECT_TRUE(Arms("12/7/26 07:05 and then coffee"));
    EXPECT_TRUE(Arms(" 12 / 7 / 26  7 : 05 "));
    EXPECT_TRUE(Arms("7:05 PM", true));
}

// ---- Date edges ----

TEST_F(ReliabilityTest, TheLeapDayArmsOnlyInLeapYearsAndFiresOnItsDay) {
    Answerer answerer;
    UseProgram();
    for (const char* text : {"2/29/27 07:00", "2/29/2100 07:00", "2/29/1900 07:00"}) EXPECT_FALSE(Arms(text)) << text;
    EXPECT_TRUE(Arms("2/29/2000 07:00"));

    fake.SetNow(2028, 2, 28, 23, 59, 59);
    Arm("2/29/28 07:00");
    ASSERT_TRUE(ArmedAs(3000, "Alarm: 2/29/28 07:00"));
    Tick();
    TickAt(2028, 2, 29, 6, 59, 59, 999);
    EXPECT_EQ(0, answerer.questions);
    TickAt(2028, 2, 29, 7, 0);
    EXPECT_EQ(1, answerer.questions);

    // A daily alarm rings on the leap day and on the day after it.
    fake.SetNow(2028, 2, 28, 8, 0);
    Arm("07:00", true);
    TickAt(2028, 2, 29, 7, 0, 1);
    TickAt(2028, 3, 1, 7, 0, 1);
    EXPECT_EQ(3, answerer.questions);
    EXPECT_EQ(datetime::MakeDate(2028, 3, 1), form->Alarm().LastFired());

    // The calendar reaches 29 February only in a leap year.
    form->UseDailyChk->SetChecked(false);
    form->DayCal->SetYear(2028);
    form->DayCal->SetMonth(1);
    form->DayCal->SetDay(29);
    form->MonthSelDownClick(form->MonthSel);
    EXPECT_EQ("2/29/28 07:05", form->CurrentEdt->GetText());
    EXPECT_EQ("29 February, 2028", form->MonthNamePnl->Caption());
    form->DayCal->SetMonth(1);
    form->DayCal->SetYear(2027);
    EXPECT_THROW(form->MonthSelDownClick(form->MonthSel), EConvertError);
    EXPECT_EQ(datetime::MakeDate(2027, 1, 29), form->DayCal->SelectedDate());
}

TEST_F(ReliabilityTest, ShortMonthsHaveNoThirtyFirstAndTheArrowsWrapTheYear) {
    UseProgram();
    for (const char* text : {"2/31/27 07:00", "4/31/27 07:00", "6/31/27 07:00", "9/31/27 07:00", "11/31/27 07:00"})
        EXPECT_FALSE(Arms(text)) << text;
    for (const char* text : {"1/31/27 07:00", "3/31/27 07:00", "12/31/27 07:00"}) EXPECT_TRUE(Arms(text)) << text;

    // From 31 March the step to April is refused and nothing moves.
    form->DayCal->SetMonth(3);
    form->DayCal->SetDay(31);
    const std::string before = form->CurrentEdt->GetText();
    EXPECT_THROW(form->MonthSelDownClick(form->MonthSel), EConvertError);
    EXPECT_EQ(datetime::MakeDate(2026, 3, 31), form->DayCal->SelectedDate());
    EXPECT_EQ(before, form->CurrentEdt->GetText());

    // 31 December steps to 31 January of the next year and back.
    form->DayCal->SetMonth(12);
    form->MonthSelDownClick(form->MonthSel);
    EXPECT_EQ(datetime::MakeDate(2027, 1, 31), form->DayCal->SelectedDate());
    EXPECT_EQ("1/31/27 07:05", form->CurrentEdt->GetText());
    form->MonthSelUpClick(form->MonthSel);
    EXPECT_EQ("12/31/26 07:05", form->CurrentEdt->GetText());
}

TEST_F(ReliabilityTest, TwoDigitYearsFallInThisCenturyAndYearTenThousandIsRefused) {
    Answerer answerer;
    UseProgram();
    // 99 is 2099, not 1999: not due.
    Arm("12/7/99 07:00");
    Tick();
    EXPECT_EQ(0, answerer.questions);
    // 00 is 2000: long past, due at once.
    Arm("1/1/00 07:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    // Four digits of a year in this century, and the last day of year 9999.
    EXPECT_TRUE(Arms("12/7/2026 07:05"));
    Arm("12/31/9999 23:59");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    form->CancelBtnClick(form->CancelBtn);
    // A fifth digit is no year of the calendar; never an alarm due at once.
    for (const char* text : {"1/1/10000", "1/1/10000 07:00", "12/7/20260 07:05"}) EXPECT_FALSE(Arms(text)) << text;
    EXPECT_EQ(1, answerer.questions);
}

TEST_F(ReliabilityTest, MidnightAndTheDaysLastMinuteFireExactlyAtTheirMinute) {
    Answerer answerer;
    UseProgram();
    fake.SetNow(2026, 12, 7, 23, 0);
    Arm("12/8/26 00:00");
    TickAt(2026, 12, 7, 23, 59, 59, 999);
    EXPECT_EQ(0, answerer.questions);
    TickAt(2026, 12, 8, 0, 0, 0);
    EXPECT_EQ(1, answerer.questions);

    Arm("12/8/26 23:59");
    TickAt(2026, 12, 8, 23, 58, 59, 999);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2026, 12, 8, 23, 59, 0);
    EXPECT_EQ(2, answerer.questions);

    // Over the year's end.
    fake.SetNow(2026, 12, 31, 23, 0);
    Arm("1/1/27 00:00");
    TickAt(2026, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ(2, answerer.questions);
    TickAt(2027, 1, 1, 0, 0, 2);
    EXPECT_EQ(3, answerer.questions);
    EXPECT_TRUE(Idle());
}

TEST_F(ReliabilityTest, DailyAlarmsAtMidnightAndAtTheLastMinuteRingOncePerDay) {
    Answerer answerer;
    UseProgram();
    // Armed in the afternoon: today's midnight is gone, the next one rings.
    fake.SetNow(2026, 12, 31, 15, 0);
    Arm("00:00", true);
    EXPECT_EQ(datetime::MakeDate(2026, 12, 31), form->Alarm().LastFired());
    TickAt(2026, 12, 31, 23, 59, 59);
    EXPECT_EQ(0, answerer.questions);
    TickAt(2027, 1, 1, 0, 0, 1);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2027, 1, 1, 0, 0, 4);
    TickAt(2027, 1, 1, 23, 59, 59);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2027, 1, 2, 0, 0, 0);
    EXPECT_EQ(2, answerer.questions);

    // 23:59 armed at 23:59:30 waits for the next day's 23:59.
    fake.SetNow(2027, 1, 2, 23, 59, 30);
    Arm("23:59", true);
    TickAt(2027, 1, 2, 23, 59, 33);
    TickAt(2027, 1, 3, 0, 0, 3);
    TickAt(2027, 1, 3, 23, 58, 59);
    EXPECT_EQ(2, answerer.questions);
    TickAt(2027, 1, 3, 23, 59, 1);
    EXPECT_EQ(3, answerer.questions);

    // Asleep from before 23:59 to after midnight: that day's ringing comes
    // late, at the first check after waking, and the next day's at its time.
    TickAt(2027, 1, 4, 23, 58);
    TickAt(2027, 1, 5, 0, 5);
    EXPECT_EQ(4, answerer.questions);
    EXPECT_EQ(datetime::MakeDate(2027, 1, 4), form->Alarm().LastFired());
    TickAt(2027, 1, 5, 0, 5, 3);
    TickAt(2027, 1, 5, 23, 58, 59);
    EXPECT_EQ(4, answerer.questions);
    TickAt(2027, 1, 5, 23, 59);
    EXPECT_EQ(5, answerer.questions);
    EXPECT_TRUE(ArmedAs(3000, "Daily Alarm: 23:59"));
}

// ---- The clock set while armed ----

TEST_F(ReliabilityTest, AOneShotFollowsTheClockSetForwardOrBack) {
    Answerer answerer;
    UseProgram();
    Arm("12/7/26 08:00");
    // Back a day: nothing until the clock reaches the alarm again.
    TickAt(2026, 12, 6, 7, 5);
    TickAt(2026, 12, 6, 8, 0);  // the same time, the day before
    EXPECT_EQ(0, answerer.questions);
    // Forward past the alarm: it rings at the next tick, once.
    TickAt(2026, 12, 7, 9, 30);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2026, 12, 7, 9, 30, 3);
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(Idle());

    // Snoozed, then the clock goes back before the alarm: the snooze waits
    // for the alarm's time again.
    answerer.answers = {Answerer::Answer::Snooze};
    Arm("12/7/26 08:00");
    Tick();
    ASSERT_EQ(2, answerer.questions);
    TickAt(2026, 12, 7, 7, 0);
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(ArmedAs(300000, "Alarm: 12/7/26 08:00"));
    TickAt(2026, 12, 7, 8, 0);
    EXPECT_EQ(3, answerer.questions);
    EXPECT_TRUE(Idle());
}

TEST_F(ReliabilityTest, ADailyAlarmRingsOnTheNextMorningAfterTheClockIsSetBackADay) {
    Answerer answerer;
    UseProgram();
    fake.SetNow(2026, 12, 7, 6, 0);
    Arm("07:05", true);
    TickAt(2026, 12, 7, 7, 5);
    ASSERT_EQ(1, answerer.questions);

    // The clock was a day ahead; the user sets it right at 08:00 of the 6th.
    // Today's (the 6th's) time has passed: the next ringing is the 7th's.
    TickAt(2026, 12, 6, 8, 0);
    TickAt(2026, 12, 6, 23, 59, 59);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2026, 12, 7, 7, 4, 59);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2026, 12, 7, 7, 5);
    EXPECT_EQ(2, answerer.questions);
    TickAt(2026, 12, 7, 7, 5, 3);
    EXPECT_EQ(2, answerer.questions);

    // Set back to before the time of a day not rung yet: that day rings.
    TickAt(2026, 12, 5, 6, 0);
    TickAt(2026, 12, 5, 7, 5);
    EXPECT_EQ(3, answerer.questions);

    // Set forward by days: the first tick past the time rings, once.
    TickAt(2026, 12, 9, 10, 0);
    TickAt(2026, 12, 9, 10, 0, 3);
    EXPECT_EQ(4, answerer.questions);
    EXPECT_EQ(datetime::MakeDate(2026, 12, 9), form->Alarm().LastFired());
    EXPECT_TRUE(fake.boxes.empty());
}

// ---- Locale settings ----

// A locale whose date separator is two characters ("2026. 12. 07.").
TEST_F(ReliabilityTest, TheFirstTextArmsUnderATwoCharacterDateSeparator) {
    Answerer answerer;
    fake.locale[li::kSDate] = ". ";
    fake.locale[li::kSShortDate] = "yyyy. MM. dd.";
    fake.locale[li::kSTime] = ":";
    fake.locale[li::kITime] = "1";
    MakeForm(2026, 12, 7, 7, 5);
    EXPECT_EQ("2026. 12. 07. 07:05", form->CurrentEdt->GetText());
    UseProgram();
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: 2026. 12. 07. 07:05"));
    EXPECT_TRUE(fake.boxes.empty());
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_TRUE(fake.boxes.empty());

    // The same with a two-character time separator.
    fake.locale[li::kSTime] = " h ";
    fake.locale[li::kSShortDate] = "dd.MM.yyyy";
    fake.locale[li::kSDate] = ". ";
    MakeForm(2026, 12, 7, 7, 5);
    UseProgram();
    const std::string text = form->CurrentEdt->GetText();
    form->SetBtnClick(form->SetBtn);
    EXPECT_TRUE(ArmedAs(3000, "Alarm: " + text));
    EXPECT_TRUE(fake.boxes.empty()) << text;
}

TEST_F(ReliabilityTest, ALocaleChangeWhileArmedKeepsTheAlarmsMoment) {
    Answerer answerer;
    UseProgram();
    auto broadcast = [] {
        Application->OnSettingChange = [] { datetime::LoadFormatSettings(); };
        SendMessageA(Application->Handle(), WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl"));
        Application->OnSettingChange = nullptr;
    };
    // Day before month with the same separator: "12/7/26" would now be
    // 12 July, long past.
    Arm("12/7/26 09:00");
    fake.locale[li::kSShortDate] = "dd/MM/yyyy";
    broadcast();
    Tick();
    TickAt(2026, 12, 7, 8, 59, 59);
    EXPECT_EQ(0, answerer.questions);
    TickAt(2026, 12, 7, 9, 0);
    EXPECT_EQ(1, answerer.questions);

    // Other separators: the armed text no longer reads, the alarm still rings.
    fake.locale[li::kSShortDate] = "M/d/yy";
    broadcast();
    Arm("12/7/26 10:00");
    fake.locale[li::kSDate] = ".";
    fake.locale[li::kSTime] = ".";
    fake.locale[li::kSShortDate] = "dd.MM.yyyy";
    broadcast();
    TickAt(2026, 12, 7, 9, 59);
    EXPECT_EQ(1, answerer.questions);
    TickAt(2026, 12, 7, 10, 0);
    EXPECT_EQ(2, answerer.questions);
    EXPECT_TRUE(fake.boxes.empty());

    // A daily alarm keeps its time of day under a 12-hour clock.
    fake.SetNow(2026, 12, 7, 11, 0);
    Arm("11.30", true);
    fake.locale[li::kITime] = "0";
    fake.locale[li::kSTime] = ":";
    broadcast();
    TickAt(2026, 12, 7, 11, 29);
    EXPECT_EQ(2, answerer.questions);
    TickAt(2026, 12, 7, 11, 30);
    EXPECT_EQ(3, answerer.questions);
    EXPECT_TRUE(fake.boxes.empty());
}

// ---- Launching the program ----

TEST_F(ReliabilityTest, AProgramThatCannotStartIsReportedAndTheFiringGoesOn) {
    Answerer answerer;
    std::vector<unsigned> results;
    fake.exec = [&](const char* cmd, unsigned show) {
        unsigned r = ::WinExec(cmd, show);  // the real launcher
        results.push_back(r);
        return r;
    };
    const std::string missing = "C:\\NO\\SUCH\\FOLDER\\WAKEUP.EXE /loud";
    const std::string huge = "C:\\" + std::string(9993, 'a') + ".EXE";
    ASSERT_EQ(10000u, huge.size());
    for (const std::string& path : {missing, huge}) {
        fake.boxes.clear();
        UseProgram(path);
        ASSERT_EQ(path, form->ExeEdt->GetText());
        form->RunBtn->Click();  // the test run
        ASSERT_EQ(1u, fake.boxes.size());
        EXPECT_EQ("Error", fake.boxes[0].caption);
        EXPECT_EQ(static_cast<unsigned>(MB_ICONERROR), fake.boxes[0].flags);
        const std::string& text = fake.boxes[0].text;
        EXPECT_EQ(0u, text.find("Could not start the program ")) << text;
        EXPECT_LT(text.size(), 200u);
        EXPECT_NE(std::string::npos, text.find(path.substr(0, 20))) << text;

        Arm("12/7/26 07:00");
        Tick();
        EXPECT_EQ(2u, fake.boxes.size());
        EXPECT_TRUE(Idle());
    }
    EXPECT_EQ(2, answerer.questions);
    ASSERT_EQ(4u, results.size());
    for (unsigned r : results) EXPECT_LE(r, 31u);
    ASSERT_EQ(4u, fake.launched.size());
    EXPECT_EQ(huge, fake.launched[3].first);  // handed over whole
}

// ---- The snooze question and the reminders ----

// Alt+F4 through the system's input queue while the question is up.
TEST_F(ReliabilityTest, AltF4ClosesTheQuestionAsTheCloseBoxDoes) {
    UseProgram();
    int asked = 0, keysSent = 0;
    bool sawClosed = true;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
    DWORD firstSeen = 0;
    int filter = Application->AddMessageFilter([&](MSG& m) {
        if (m.message != WM_TIMER || m.hwnd != nullptr) return false;
        if (Application->ModalLevel() == 0 || !SnoozeFrm->Modal() || !SnoozeFrm->Visible()) return true;
        if (firstSeen == 0) {
            firstSeen = GetTickCount();
            ++asked;
            SetForegroundWindow(SnoozeFrm->Handle());
            return true;
        }
        if (GetTickCount() - firstSeen > 5000) {
            // The keys did not close it: answer, so that the test ends.
            sawClosed = false;
            static_cast<TControl*>(SnoozeFrm->AwakeBtn)->Click();
            return true;
        }
        // Past the question's first moment, when its keys answer it.
        if (keysSent < asked && GetTickCount() - firstSeen > SnoozeFrm->KeyGuardMs) {
            INPUT in[4] = {};
            const WORD keys[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
            for (int i = 0; i < 4; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wVk = keys[i];
                in[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
            }
            SendInput(4, in, sizeof(INPUT));
            ++keysSent;
        }
        return true;
    });
    auto fire = [&] {
        firstSeen = 0;
        form->SetBtnClick(form->SetBtn);
        Tick();
    };

    // Nothing answered yet: Alt+F4 counts as awake.
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ(1, asked);
    EXPECT_TRUE(sawClosed);
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(SnoozeFrm->Visible());
    // After a snooze answer it repeats the snooze.
    SnoozeFrm->SnoozeChosen = true;
    fire();
    EXPECT_EQ(2, asked);
    EXPECT_TRUE(sawClosed);
    EXPECT_TRUE(ArmedAs(300000, "Alarm: 12/7/26 07:00"));

    KillTimer(nullptr, timer);
    Application->RemoveMessageFilter(filter);
}

TEST_F(ReliabilityTest, TenThousandReminderLinesAreHandedOverWhole) {
    Answerer answerer;
    UseProgram();
    // The reference: the same firing with one line.
    form->RemindersMmo->Lines().SetText("Reminder 00001: water the plants\r\n");
    Arm("12/7/26 07:00");
    auto referenceStarted = std::chrono::steady_clock::now();
    Tick();
    double reference = std::chrono::duration<double>(std::chrono::steady_clock::now() - referenceStarted).count();
    ASSERT_EQ(1, answerer.questions);
    RemindersFrm->Hide();

    std::string text;
    char line[64];
    for (int i = 1; i <= 10000; ++i) {
        std::snprintf(line, sizeof line, "Reminder %05d: water the plants\r\n", i);
        text += line;
    }
    form->RemindersMmo->Lines().SetText(text);
    ASSERT_EQ(10000, form->RemindersMmo->Lines().Count());
    Arm("12/7/26 07:00");
    auto started = std::chrono::steady_clock::now();
    Tick();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("firing with 10000 reminder lines: %.3f s (with one line: %.3f s)\n", seconds, reference);
    EXPECT_EQ(2, answerer.questions);
    ASSERT_TRUE(RemindersFrm->Visible());
    auto& shown = RemindersFrm->Find<TMemo>("RemindersMmo")->Lines();
    ASSERT_EQ(10000, shown.Count());
    EXPECT_EQ("Reminder 00001: water the plants", shown[0]);
    EXPECT_EQ("Reminder 10000: water the plants", shown[9999]);
    EXPECT_EQ(form->RemindersMmo->Lines().ToVector(), shown.ToVector());
    EXPECT_LT(seconds, 10.0);
}

// ---- The real media control interface ----

class RealMediaTest : public ReliabilityTest {
protected:
    void SetUp() override {
        ReliabilityTest::SetUp();
        if (wavetest::capture.underWine && wavetest::capture.file.empty()) FAIL() << wavetest::capture.problem;
        // The fake's clock and boxes, the real devices and their own texts.
        fake.mci = [this](platform::MciDevice device, std::uint32_t message, std::uintptr_t flags, void* params) {
            MCIERROR e = mciSendCommandA(device, message, flags, reinterpret_cast<DWORD_PTR>(params));
            char buf[256] = "";
            if (e != 0 && mciGetErrorStringA(e, buf, sizeof buf)) fake.mciErrors[e] = buf;
            return static_cast<platform::MciError>(e);
        };
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = temp;
    }
    void TearDown() override {
        form->WavPlayer->Close();
        form->CDPlayer->Close();
        ReliabilityTest::TearDown();
        for (const std::string& f : made) DeleteFileA(f.c_str());
    }
    std::string Made(const std::string& name) {
        made.push_back(folder + "Reliability_test-" + name);
        return made.back();
    }
    void ChooseWave(const std::string& path) {
        form->UseWavChk->SetChecked(true);
        form->WavFileEdt->SetText(path);
    }

    std::string folder;
    std::vector<std::string> made;
};

TEST_F(RealMediaTest, ACorruptWaveFileIsReportedWhenChosenAndTheFiringGoesOn) {
    Answerer answerer;
    UseProgram();
    wavetest::Bytes noise = wavetest::Noise(20000, 7);
    const std::string garbage(noise.begin(), noise.end());
    const std::string header = "RIFF" + wavetest::Le(36 + 400000, 4) + "WAVEfmt " + wavetest::Le(16, 4);
    struct Case {
        const char* name;
        std::string content;
        const char* problem;
    } cases[] = {
        {"garbage.wav", garbage, "it is not a wave file"},
        {"empty.wav", "", "it is not a wave file"},
        {"text.wav", "This is not a sound.\r\n", "it is not a wave file"},
        // stops inside the format chunk
        {"cut.wav", header + std::string("\x01\x00\x02\x00", 4), "its format chunk is missing or damaged"},
    };
    for (const Case& c : cases) {
        const std::string path = Made(c.name);
        ASSERT_TRUE(wavetest::WriteFile(path, c.content));
        fake.boxes.clear();
        ChooseWave(path);
        ASSERT_EQ(1u, fake.boxes.size()) << c.name;
        EXPECT_EQ("The wave file \"" + path + "\" cannot be played: " + c.problem + ".", fake.boxes[0].text) << c.name;
        EXPECT_EQ(0u, form->WavPlayer->DeviceID()) << c.name;

        Arm("12/7/26 07:00");
        const int asked = answerer.questions;
        Tick();
        EXPECT_EQ(asked + 1, answerer.questions) << c.name;
        ASSERT_EQ(2u, fake.boxes.size()) << c.name;
        EXPECT_EQ("No MCI device open.", fake.boxes[1].text) << c.name;
        EXPECT_TRUE(Idle());
    }
}

TEST_F(RealMediaTest, AWaveFileDeletedAfterItWasChosen) {
    Answerer answerer;
    UseProgram();
    const std::string path = Made("bell.wav");
    // Long enough to play on while the question is asked, however fast the
    // test's audio output plays.
    ASSERT_TRUE(wavetest::WriteWave(path, wavetest::Noise(wavetest::kRate * 30, 3)));
    ChooseWave(path);
    ASSERT_TRUE(fake.boxes.empty());
    ASSERT_NE(0u, form->WavPlayer->DeviceID());

    // The open device holds the file: the system refuses to delete it, and
    // the alarm plays it.
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), GetLastError());
    TMPMode modeWhileAsking = mdNotReady;
    answerer.whileAsking = [&] { modeWhileAsking = form->WavPlayer->Mode(); };
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_EQ(mdPlaying, modeWhileAsking);
    EXPECT_TRUE(fake.boxes.empty());

    // Deleted while the box named another file: typed back, the name is
    // reported as not found, and the alarm reports the closed device.
    form->WavFileEdt->SetText(Made("gone.wav"));
    ASSERT_EQ(1u, fake.boxes.size());
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    form->WavFileEdt->SetText(path);
    ASSERT_EQ(2u, fake.boxes.size());
    EXPECT_EQ("Cannot find the specified file. Make sure the path and filename are correct..", fake.boxes[1].text);
    EXPECT_EQ(0u, form->WavPlayer->DeviceID());
    form->SetBtnClick(form->SetBtn);
    Tick();
    EXPECT_EQ(2, answerer.questions);
    ASSERT_EQ(3u, fake.boxes.size());
    EXPECT_EQ("No MCI device open.", fake.boxes[2].text);
    EXPECT_TRUE(Idle());
}

TEST_F(RealMediaTest, WithoutACdDriveUseCdIsRefusedAndTheWaveStillPlays) {
    Answerer answerer;
    const std::string path = Made("chime.wav");
    ASSERT_TRUE(wavetest::WriteWave(path, wavetest::Noise(wavetest::kRate * 30, 5)));  // plays on while asking
    ChooseWave(path);
    form->UseCDChk->SetChecked(true);
    ASSERT_EQ(1u, answerer.dialogs.size());
    EXPECT_EQ("Cannot find CD in CD-ROM", answerer.dialogs[0].message);
    EXPECT_FALSE(form->UseCDChk->Checked());
    EXPECT_EQ("Alarm uses  .Wav", form->PropertiesEdt->GetText());

    TMPMode modeWhileAsking = mdNotReady;
    answerer.whileAsking = [&] { modeWhileAsking = form->WavPlayer->Mode(); };
    Arm("12/7/26 07:00");
    Tick();
    EXPECT_EQ(1, answerer.questions);
    EXPECT_EQ(mdPlaying, modeWhileAsking);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(1u, answerer.dialogs.size());
}

}  // namespace
