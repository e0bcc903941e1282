// Reading dates and times back: designators, blanks, the four-digit number
// rule, field orders, the two-digit year rule, trailing text and the exact
// error messages.
#include <gtest/gtest.h>

#include <string>

#include "LocaleFixture.h"
#include "datetime/DateTimeFormat.h"
#include "datetime/DateTimeParse.h"
#include "datetime/LocaleItems.h"
#include "platform/Exceptions.h"

using namespace datetime;
namespace li = datetime::localeitems;

namespace {

class Parse : public LocaleTest {
protected:
    // The parsed value written back with fixed separators, or the error message.
    static std::string Time(std::string_view text) {
        try {
            return RenderDateTime("hh':'nn':'ss", ParseTime(text));
        } catch (const EConvertError& e) {
            return e.Message();
        }
    }
    static std::string Stamp(std::string_view text) {
        try {
            return RenderDateTime("m'/'d'/'yyyy hh':'nn':'ss", ParseDateTime(text));
        } catch (const EConvertError& e) {
            return e.Message();
        }
    }
};

TEST_F(Parse, TimesWithAndWithoutDesignators) {
    EXPECT_EQ("12:30:00", Time("12:30 pm"));
    EXPECT_EQ("00:30:00", Time("12:30 am"));
    EXPECT_EQ("00:30:00", Time("12:30AM"));
    EXPECT_EQ("19:05:09", Time("7:05:09 PM"));
    EXPECT_EQ("'0:30 pm' is not a valid time", Time("0:30 pm"));
    EXPECT_EQ("'13:00 pm' is not a valid time", Time("13:00 pm"));
    EXPECT_EQ("07:00:00", Time("7"));
    EXPECT_EQ("'7:' is not a valid time", Time("7:"));
    EXPECT_EQ("'7:05:' is not a valid time", Time("7:05:"));
    EXPECT_EQ("07:05:00", Time("  7 :  05  "));
    EXPECT_EQ("'07:05 x' is not a valid time", Time("07:05 x"));
    EXPECT_EQ("'\t7:05' is not a valid time", Time("\t7:05"));  // only blanks are skipped
    EXPECT_EQ("'' is not a valid time", Time(""));
    EXPECT_EQ("'24:00' is not a valid time", Time("24:00"));
    EXPECT_EQ("23:59:59", Time("23:59:59"));
    EXPECT_EQ("'7:60' is not a valid time", Time("7:60"));
}

TEST_F(Parse, NumbersStopAtFourSignificantDigits) {
    EXPECT_EQ("00:07:00", Time("0000:0007"));
    EXPECT_EQ("'12345/1/1' is not a valid date and time", Stamp("12345/1/1"));
    EXPECT_EQ("6/19/1992 00:00:00", Stamp("006/0019/001992"));
    // A fifth digit is refused, never left over to be read as the hour.
    EXPECT_EQ("'1/1/10000' is not a valid date and time", Stamp("1/1/10000"));
    EXPECT_EQ("'1/1/20260 7:05' is not a valid date and time", Stamp("1/1/20260 7:05"));
    EXPECT_EQ("07:05:00", Time("7:000005"));  // leading zeros still do not count
}

TEST_F(Parse, DatesUnderTheFallbackSettings) {  // the fake clock reads 2026
    EXPECT_EQ("6/19/2092 07:05:00", Stamp("6/19/92 07:05 x"));
    EXPECT_EQ("6/19/1992 00:00:00", Stamp("6/19/1992"));
    EXPECT_EQ("6/19/2026 00:00:00", Stamp("6/19"));
    EXPECT_EQ("6/19/1992 00:00:00", Stamp(" 6 / 19 / 1992 / "));
    EXPECT_EQ("' 6 / 19 / ' is not a valid date and time", Stamp(" 6 / 19 / "));
    EXPECT_EQ("6/19/2000 00:00:00", Stamp("6/19/0"));
    EXPECT_EQ("1/1/0100 00:00:00", Stamp("1/1/100"));
    EXPECT_EQ("'2/30/92' is not a valid date and time", Stamp("2/30/92"));
    EXPECT_EQ("'2/29/2100' is not a valid date and time", Stamp("2/29/2100"));
    EXPECT_EQ("2/29/2000 23:59:00", Stamp("2/29/2000 11:59 pm"));
    EXPECT_EQ("'6/19/92 25:00' is not a valid date and time", Stamp("6/19/92 25:00"));
    EXPECT_EQ("'6-19-92' is not a valid date and time", Stamp("6-19-92"));
    EXPECT_EQ("'6' is not a valid date and time", Stamp("6"));
}

TEST_F(Parse, TwoDigitYearsFallInTheCurrentCentury) {
    fake.SetNow(1999, 12, 31);
    EXPECT_EQ("6/19/1992 00:00:00", Stamp("6/19/92"));
    EXPECT_EQ("1/1/1900 00:00:00", Stamp("1/1/00"));
    EXPECT_EQ("3/4/1999 00:00:00", Stamp("3/4"));
    fake.SetNow(2100, 1, 1);
    EXPECT_EQ("6/19/2192 00:00:00", Stamp("6/19/92"));
}

TEST_F(Parse, FieldOrderFollowsTheShortDatePattern) {
    EXPECT_EQ(DateOrder::MonthDayYear, DateFieldOrder("m/d/yy"));
    EXPECT_EQ(DateOrder::DayMonthYear, DateFieldOrder("dd.MM.yyyy"));
    EXPECT_EQ(DateOrder::YearMonthDay, DateFieldOrder("yyyy-MM-dd"));
    EXPECT_EQ(DateOrder::DayMonthYear, DateFieldOrder("'day' m y"));  // quoted text counts
    EXPECT_EQ(DateOrder::MonthDayYear, DateFieldOrder("#/#"));

    settings->DatePatternShort = "dd/mm/yy";
    EXPECT_EQ("6/19/2026 00:00:00", Stamp("19/6"));
    EXPECT_EQ("6/19/2092 07:05:00", Stamp("19/6/92 7:05"));
    settings->DatePatternShort = "yy/mm/dd";
    EXPECT_EQ("6/19/2092 00:00:00", Stamp("92/6/19"));
    EXPECT_EQ("6/19/2026 00:00:00", Stamp("6/19"));  // two numbers: month and day
}

TEST_F(Parse, LocaleSeparatorsAndDesignators) {
    fake.locale[li::kSDate] = ".";
    fake.locale[li::kSTime] = ".";
    fake.locale[li::kSShortDate] = "dd.MM.yyyy";
    fake.locale[li::kS1159] = "vorm.";
    fake.locale[li::kS2359] = "nachm.";
    Load();
    EXPECT_EQ("6/19/1992 19:05:00", Stamp("19.06.1992 7.05 NACHM."));
    EXPECT_EQ("6/19/1992 07:05:00", Stamp("19.06.1992 7.05 vorm."));
    EXPECT_EQ("6/19/1992 19:05:00", Stamp("19.06.1992 7.05 pm"));  // the English forms always work
    EXPECT_EQ("'19/06/1992' is not a valid date and time", Stamp("19/06/1992"));
    // An empty designator never matches.
    settings->AmSymbol = "";
    EXPECT_EQ("'7 vorm.' is not a valid time", Time("7 vorm."));
    EXPECT_EQ("07:00:00", Time("7 am"));
}

TEST_F(Parse, DatesBefore1899KeepTheTimeOfDayPositive) {
    EXPECT_EQ(-1.25, ParseDateTime("12/29/1899 06:00"));
    EXPECT_EQ(0.25, ParseDateTime("12/30/1899 06:00"));
    EXPECT_EQ("12/31/1800 23:59:59", Stamp("12/31/1800 23:59:59"));
    EXPECT_EQ(MakeDate(1800, 12, 31) - MakeTime(23, 59, 59, 0), ParseDateTime("12/31/1800 23:59:59"));
    // Every year up to 99 is a two-digit year, however it is written.
    EXPECT_EQ("1/1/2001 00:00:00", Stamp("1/1/0001"));
}

TEST_F(Parse, AlarmTextsRoundTrip) {
    settings->TimePatternLong = "HH:MM";  // as at start-up
    for (int day = 0; day < 400; day += 37)
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const DateTime t = MakeTime(static_cast<std::uint16_t>(minute / 60),
                                        static_cast<std::uint16_t>(minute % 60), 0, 0);
            const DateTime v = MakeDate(2026, 1, 1) + day + t;
            const std::string text = DateText(v) + " " + TimeText(v);
            ASSERT_EQ(v, ParseDateTime(text)) << text;
            ASSERT_EQ(t, ParseTime(TimeText(v))) << TimeText(v);
        }
    settings->TimePatternLong = "h:mm:ss AMPM";  // after a settings change
    const DateTime v = MakeDate(2026, 6, 20) + MakeTime(19, 5, 30, 0);
    EXPECT_EQ("6/20/26 7:05:30 pm", DateText(v) + " " + TimeText(v));
    EXPECT_EQ(v, ParseDateTime(DateText(v) + " " + TimeText(v)));
}

TEST_F(Parse, MessagesComeFromTheStringTable) {
    fake.strings[65411] = "bad time: %s (%s)";
    EXPECT_EQ("bad time: 25%s%d (%s)", Time("25%s%d"));
}

}  // namespace
