// Start-up: the locale settings with the alarm's time pattern, the title,
// the four windows in their order, and the reload of the settings when the
// system announces a change.
#include <gtest/gtest.h>

#include "app/About.h"
#include "app/Reminder.h"
#include "app/Snooze.h"
#include "app/Startup.h"
#include "app/timer.h"
#include "datetime/DateTime.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/DateTimeParse.h"
#include "datetime/FormatSettings.h"
#include "datetime/LocaleItems.h"
#include "datetime/LocaleSettings.h"
#include "fakes/FakePlatform.h"
#include "toolkit/Application.h"

namespace {

TEST(Startup, RunsInItsOrderAndFollowsTheSystemsSettingChanges) {
    fakes::FakePlatform fake;
    fakes::ScopedPlatform scope(fake);
    datetime::ScopedFormatSettings settings;
    // A 24-hour locale with leading zeros and a full-stop time separator.
    fake.locale[datetime::localeitems::kITime] = "1";
    fake.locale[datetime::localeitems::kITLZero] = "1";
    fake.locale[datetime::localeitems::kSTime] = ".";
    fake.locale[datetime::localeitems::kSMonthName1] = "Janvier";

    PrepareLocaleSettings();
    EXPECT_EQ("HH:MM", datetime::Formats().TimePatternLong);
    EXPECT_EQ("Janvier", datetime::Formats().MonthLongNames[1]);
    EXPECT_EQ("07.05", datetime::TimeText(datetime::MakeTime(7, 5, 0, 0)));

    CreateDawnbellWindows(*Application);
    ASSERT_EQ(4, Application->FormCount());
    EXPECT_EQ(TimerFrm, Application->Forms(0));
    EXPECT_EQ(AboutFrm, Application->Forms(1));
    EXPECT_EQ(RemindersFrm, Application->Forms(2));
    EXPECT_EQ(SnoozeFrm, Application->Forms(3));
    EXPECT_EQ(TimerFrm, Application->MainForm());
    EXPECT_EQ("Dawnbell", Application->Title());
    EXPECT_EQ("Dawnbell", TimerFrm->Caption());
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(Application->Forms(i)->Visible());

    // The broadcast reaches the application window: the settings are read
    // again (the names are not), and the hours-and-minutes pattern is gone.
    fake.locale[datetime::localeitems::kSMonthName1] = "Enero";
    Application->OnSettingChange = [] { datetime::LoadFormatSettings(); };
    SendMessageA(Application->Handle(), WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("intl"));
    EXPECT_EQ("hh:mm:ss", datetime::Formats().TimePatternLong);
    EXPECT_EQ("07.05.00", datetime::TimeText(datetime::MakeTime(7, 5, 0, 0)));
    EXPECT_EQ("Janvier", datetime::Formats().MonthLongNames[1]);
}

}  // namespace

namespace {

// The real locale of the system (Wine's), read through the real platform.
TEST(Startup, TheSystemsLocaleGivesSaneSettings) {
    datetime::ScopedFormatSettings settings;
    PrepareLocaleSettings();
    const datetime::FormatSettings& f = datetime::Formats();
    for (int m = 1; m <= 12; ++m) {
        EXPECT_FALSE(f.MonthLongNames[m].empty()) << m;
        EXPECT_FALSE(f.MonthShortNames[m].empty()) << m;
    }
    for (int d = 1; d <= 7; ++d) EXPECT_FALSE(f.DayShortNames[d].empty()) << d;
    EXPECT_NE('\0', f.DateSepChar);
    EXPECT_NE('\0', f.TimeSepChar);
    EXPECT_FALSE(f.DatePatternShort.empty());
    EXPECT_EQ("HH:MM", f.TimePatternLong);
    // The alarm text of the first window reads back as what it says.
    datetime::DateTime t = datetime::MakeTime(7, 5, 0, 0);
    EXPECT_EQ(5u, datetime::TimeText(t).size());
    datetime::DateTime day = datetime::MakeDate(2026, 6, 20);
    std::string text = datetime::DateText(day) + " " + datetime::TimeText(t);
    EXPECT_EQ(datetime::CombineDateTime(day, t), datetime::ParseDateTime(text)) << text;
}

}  // namespace
